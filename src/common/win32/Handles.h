// Tiny RAII holders for what Win32 hands out: a registry key, a kernel handle, a loaded library,
// memory the system allocated with LocalAlloc. Each closes what it holds exactly once.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <utility>

namespace tandrel {

/// Owns one value of a Win32 handle type and closes it with Close (Traits::Close).
template <typename Traits> class UniqueHolder {
public:
    using Type = typename Traits::Type;

    UniqueHolder() = default;
    explicit UniqueHolder(Type value) : value_(value) {}
    UniqueHolder(UniqueHolder&& other) noexcept : value_(other.Release()) {}
    UniqueHolder& operator=(UniqueHolder&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    UniqueHolder(const UniqueHolder&) = delete;
    UniqueHolder& operator=(const UniqueHolder&) = delete;
    ~UniqueHolder() { Reset(); }

    Type Get() const { return value_; }
    explicit operator bool() const { return value_ != Traits::Invalid(); }
    /// The address to receive an out-parameter; closes what was held.
    Type* Out() {
        Reset();
        return &value_;
    }
    Type Release() { return std::exchange(value_, Traits::Invalid()); }
    void Reset(Type value = Traits::Invalid()) {
        if (value_ != Traits::Invalid())
            Traits::Close(value_);
        value_ = value;
    }

private:
    Type value_ = Traits::Invalid();
};

struct RegKeyTraits {
    using Type = HKEY;
    static Type Invalid() { return nullptr; }
    static void Close(Type key) { RegCloseKey(key); }
};

/// A file handle: CreateFile's failure value is INVALID_HANDLE_VALUE, not null.
struct FileHandleTraits {
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Type handle) { CloseHandle(handle); }
};

struct HandleTraits {
    using Type = HANDLE;
    static Type Invalid() { return nullptr; }
    static void Close(Type handle) { CloseHandle(handle); }
};

struct LibraryTraits {
    using Type = HMODULE;
    static Type Invalid() { return nullptr; }
    static void Close(Type module) { FreeLibrary(module); }
};

struct LocalMemoryTraits {
    using Type = HLOCAL;
    static Type Invalid() { return nullptr; }
    static void Close(Type memory) { LocalFree(memory); }
};

using UniqueRegKey = UniqueHolder<RegKeyTraits>;
using UniqueFile = UniqueHolder<FileHandleTraits>;
using UniqueHandle = UniqueHolder<HandleTraits>;
using UniqueLibrary = UniqueHolder<LibraryTraits>;
using UniqueLocalMemory = UniqueHolder<LocalMemoryTraits>;

/// A UTF-16 text as the wide calls take it, zero-terminated.
inline std::wstring WideArgument(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

/// A wide text the system gave, as the core holds it.
inline std::u16string FromWide(std::wstring_view text) {
    return std::u16string(text.begin(), text.end());
}

/// The full path of a module (null: the program), however long; empty when the system cannot
/// say.
inline std::wstring ModuleFileName(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        // A path that filled the buffer may have been cut: try again with more room.
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

} // namespace tandrel
