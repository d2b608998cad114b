// A fresh in-memory platform installed for the length of one test.
#pragma once

#include "common/MemoryPlatform.h"

namespace tandrel::test {

class MemoryPlatformScope {
public:
    MemoryPlatformScope() : installed_(platform.View()) {}
    CMemoryPlatform platform;

private:
    ScopedPlatform installed_;
};

} // namespace tandrel::test
