#include "common/Platform.h"

namespace tandrel {

Platform& CurrentPlatform() {
    static Platform current;
    return current;
}

ScopedPlatform::ScopedPlatform(const Platform& platform) : previous_(CurrentPlatform()) {
    CurrentPlatform() = platform;
}

ScopedPlatform::~ScopedPlatform() {
    CurrentPlatform() = previous_;
}

} // namespace tandrel
