// Files on the local disk through the standard library, for the command-line tool. Attributes do
// not exist there: setting them succeeds and changes nothing.
#pragma once

#include "common/Platform.h"

namespace tandrel {

class CDiskFileSystem : public IFileSystem {
public:
    FileReadResult ReadWholeFile(std::u16string_view path) override;
    bool WriteNewFile(std::u16string_view path, std::string_view bytes) override;
    bool SetAttributes(std::u16string_view path, std::uint32_t attributes) override;
    bool RemoveFile(std::u16string_view path) override;
};

} // namespace tandrel
