#include "common/DiskFileSystem.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tandrel {

namespace {
// The path in the system's own form (UTF-8 on Linux, UTF-16 on Windows), every character kept.
std::filesystem::path NativePath(std::u16string_view path) {
    return std::filesystem::path(std::u16string(path));
}

} // namespace

FileReadResult CDiskFileSystem::ReadWholeFile(std::u16string_view path) {
    FileReadResult result;
    std::ifstream in(NativePath(path), std::ios::binary);
    if (!in) {
        result.status = HResultFromWin32(errno == ENOENT ? kErrorFileNotFound : kErrorAccessDenied);
        return result;
    }
    result.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        result.status = HResultFromWin32(kErrorReadFault);
        result.bytes.clear();
        return result;
    }
    result.opened = true;
    return result;
}

bool CDiskFileSystem::WriteNewFile(std::u16string_view path, std::string_view bytes) {
    std::ofstream out(NativePath(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool CDiskFileSystem::SetAttributes(std::u16string_view, std::uint32_t) {
    return true;
}

bool CDiskFileSystem::RemoveFile(std::u16string_view path) {
    std::error_code error;
    return std::filesystem::remove(NativePath(path), error);
}

} // namespace tandrel
