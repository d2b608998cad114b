// Tiny RAII holders for COM: an interface pointer, a BSTR, a VARIANT.
#pragma once

#include <oleauto.h>
#include <windows.h>

#include <string>
#include <utility>

namespace tandrel {

/// A BSTR's text (a null BSTR is the empty text).
inline std::u16string FromBstr(BSTR text) {
    return text ? std::u16string(reinterpret_cast<const char16_t*>(text), SysStringLen(text))
                : std::u16string();
}

/// Owns one reference to a COM interface.
template <typename T> class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    /// Takes a reference of its own.
    explicit ComPtr(T* p) : p_(p) {
        if (p_)
            p_->AddRef();
    }
    ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ~ComPtr() { Reset(); }
    ComPtr& operator=(ComPtr other) {
        std::swap(p_, other.p_);
        return *this;
    }

    /// Adopts a reference that the caller already owns (an out-parameter's result).
    static ComPtr Attach(T* p) {
        ComPtr result;
        result.p_ = p;
        return result;
    }

    void Reset() {
        if (p_)
            std::exchange(p_, nullptr)->Release();
    }
    /// The address to receive an out-parameter; releases what was held.
    T** Out() {
        Reset();
        return &p_;
    }
    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    /// Asks for another interface of the same object; null when it is not offered.
    template <typename U> ComPtr<U> As(REFIID iid) const {
        ComPtr<U> other;
        if (p_)
            p_->QueryInterface(iid, reinterpret_cast<void**>(other.Out()));
        return other;
    }

private:
    T* p_ = nullptr;
};

/// Owns a BSTR.
class Bstr {
public:
    Bstr() = default;
    explicit Bstr(const std::u16string& text)
        : b_(SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                               static_cast<UINT>(text.size()))) {}
    ~Bstr() { SysFreeString(b_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;

    BSTR Get() const { return b_; }
    BSTR* Out() {
        SysFreeString(b_);
        b_ = nullptr;
        return &b_;
    }
    std::u16string Text() const {
        return b_ ? std::u16string(reinterpret_cast<const char16_t*>(b_), SysStringLen(b_))
                  : std::u16string();
    }

private:
    BSTR b_ = nullptr;
};

/// Owns a VARIANT.
class Variant {
public:
    Variant() { VariantInit(&v_); }
    ~Variant() { VariantClear(&v_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    VARIANT* Get() { return &v_; }
    VARIANT* operator->() { return &v_; }

private:
    VARIANT v_;
};

} // namespace tandrel
