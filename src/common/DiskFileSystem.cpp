#include "common/DiskFileSystem.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace tandrel {

namespace {
constexpr std::uint32_t kErrorFileNotFound = 2;
constexpr std::uint32_t kErrorAccessDenied = 5;
constexpr std::uint32_t kErrorReadFault = 30;
} // namespace

FileReadResult CDiskFileSystem::ReadWholeFile(std::string_view path) {
    FileReadResult result;
    std::ifstream in(std::string(path), std::ios::binary);
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

bool CDiskFileSystem::WriteNewFile(std::string_view path, std::string_view bytes) {
    std::ofstream out(std::string(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool CDiskFileSystem::SetAttributes(std::string_view, std::uint32_t) {
    return true;
}

bool CDiskFileSystem::RemoveFile(std::string_view path) {
    return std::remove(std::string(path).c_str()) == 0;
}

} // namespace tandrel
