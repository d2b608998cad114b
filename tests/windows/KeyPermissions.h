// Gives a key other permissions for the length of the object, and its own back after (the owner
// may always change the permissions of its own key).
#pragma once

#include "common/win32/Handles.h"

#include <windows.h>

#include <sddl.h>

#include <vector>

namespace tandrel::test {

class KeyPermissions {
public:
    /// sddl: the key's new, protected access list, e.g. L"D:P" (none) or L"D:P(A;;KR;;;WD)"
    /// (everyone may read).
    KeyPermissions(const wchar_t* path, const wchar_t* sddl, HKEY root = HKEY_CURRENT_USER)
        : root_(root), path_(path) {
        UniqueRegKey key;
        if (RegOpenKeyExW(root_, path_, 0, READ_CONTROL | WRITE_DAC, key.Out()) != ERROR_SUCCESS)
            return;
        DWORD size = 0;
        RegGetKeySecurity(key.Get(), DACL_SECURITY_INFORMATION, nullptr, &size);
        original_.resize(size);
        if (RegGetKeySecurity(key.Get(), DACL_SECURITY_INFORMATION, original_.data(), &size) !=
            ERROR_SUCCESS)
            return;
        PSECURITY_DESCRIPTOR replacement = nullptr;
        if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1,
                                                                  &replacement, nullptr))
            return;
        UniqueLocalMemory owned(replacement);
        applied_ = RegSetKeySecurity(
                       key.Get(), DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                       replacement) == ERROR_SUCCESS;
    }
    ~KeyPermissions() {
        UniqueRegKey key;
        if (applied_ && RegOpenKeyExW(root_, path_, 0, WRITE_DAC, key.Out()) == ERROR_SUCCESS)
            RegSetKeySecurity(key.Get(), DACL_SECURITY_INFORMATION, original_.data());
    }
    KeyPermissions(const KeyPermissions&) = delete;
    KeyPermissions& operator=(const KeyPermissions&) = delete;

    bool Applied() const { return applied_; }

private:
    HKEY root_;
    const wchar_t* path_;
    std::vector<BYTE> original_;
    bool applied_ = false;
};

} // namespace tandrel::test
