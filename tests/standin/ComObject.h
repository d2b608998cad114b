// IUnknown for the stand-in's COM objects: one reference count and one QueryInterface per
// object, however many interfaces it derives from, and a count of living objects so that tests
// can prove every reference handed out came back.
#pragma once

#include <windows.h>

#include <unknwn.h>

namespace tandrel::standin {

/// The number of stand-in COM objects alive in this process.
long LiveStandInObjects();

namespace detail {
long& LiveObjectCount();
} // namespace detail

/// Base of every stand-in object: derives from the given interfaces (usually NotImplemented<I>
/// bases) and implements their common IUnknown. A new object has no reference; the first
/// ComPtr that takes it owns it.
template <typename... Interfaces> class ComObject : public Interfaces... {
public:
    ComObject() { ++detail::LiveObjectCount(); }
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object)
            return E_POINTER;
        *object = FindInterface(iid);
        if (!*object)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    virtual ~ComObject() { --detail::LiveObjectCount(); }

    /// The object's pointer for the interface iid (IUnknown included), or null when the object
    /// does not offer it. Called by QueryInterface, which adds the reference.
    virtual void* FindInterface(REFIID iid) = 0;

private:
    ULONG references_ = 0;
};

/// Whether iid is one of IUnknown, IDispatch or the given interface id: the identities an
/// object whose only interface is a dispatch interface answers to.
inline bool IsDispatchIdentity(REFIID iid, REFIID own) {
    return IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, own);
}

} // namespace tandrel::standin
