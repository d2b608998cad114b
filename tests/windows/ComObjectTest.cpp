// The registered object as scripts and the browser see it: created by ProgID through COM,
// automation from the type library, safety options, aggregation and module lifetime.
#include "StandInPage.h"
#include "WindowsTestSupport.h"

#include <gtest/gtest.h>
#include <objsafe.h>

#include "nubrix_h.h"

namespace tandrel::test {
namespace {

using standin::StandInPage;
using standin::StandInPageDescription;

template <typename T> struct Released {
    T* p = nullptr;
    ~Released() {
        if (p)
            p->Release();
    }
    T* operator->() const { return p; }
    void** Out() { return reinterpret_cast<void**>(&p); }
};

class ComObject : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(RunRegsvr32(BuiltDllPath()), 0u); }

    void SetUp() override {
        ASSERT_EQ(CoCreateInstance(CLSID_ATandrel, nullptr, CLSCTX_INPROC_SERVER, IID_IATandrel,
                                   object.Out()),
                  S_OK);
    }

    // Calls Click through IDispatch::Invoke as a script does, arguments in script order.
    HRESULT InvokeClick(IUnknown* window, const wchar_t* keyword, int argumentCount = 4) {
        VARIANT args[4];
        for (VARIANT& arg : args)
            VariantInit(&arg);
        // Automation passes arguments last first.
        args[3].vt = VT_UNKNOWN;
        args[3].punkVal = window;
        for (int i = 0; i < 3; ++i) {
            args[i].vt = VT_BSTR;
            args[i].bstrVal = SysAllocString(i == 2 ? keyword : L"");
        }
        DISPPARAMS params = {args + (4 - argumentCount), nullptr, static_cast<UINT>(argumentCount),
                             0};
        VARIANT result;
        VariantInit(&result);
        UINT argumentError = 0;
        HRESULT hr = object->Invoke(1, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                    &result, nullptr, &argumentError);
        for (int i = 0; i < 3; ++i)
            SysFreeString(args[i].bstrVal);
        VariantClear(&result);
        return hr;
    }

    ComScope com;
    Released<IATandrel> object;
};

TEST_F(ComObject, IsCreatedByEitherProgId) {
    for (const wchar_t* progId : {L"KVO.ATandrel", L"KVO.ATandrel.1"}) {
        CLSID classId = {};
        ASSERT_EQ(CLSIDFromProgID(progId, &classId), S_OK);
        EXPECT_TRUE(IsEqualCLSID(classId, CLSID_ATandrel));
    }
}

TEST_F(ComObject, OffersItsInterfacesWithOneIdentity) {
    Released<IUnknown> identity, fromSafety;
    Released<IDispatch> dispatch;
    Released<IObjectSafety> safety;
    ASSERT_EQ(object->QueryInterface(IID_IUnknown, identity.Out()), S_OK);
    ASSERT_EQ(object->QueryInterface(IID_IDispatch, dispatch.Out()), S_OK);
    ASSERT_EQ(object->QueryInterface(IID_IObjectSafety, safety.Out()), S_OK);
    ASSERT_EQ(safety->QueryInterface(IID_IUnknown, fromSafety.Out()), S_OK);
    EXPECT_EQ(identity.p, fromSafety.p);
    Released<IUnknown> none;
    EXPECT_EQ(object->QueryInterface(IID_IPersist, none.Out()), E_NOINTERFACE);
    EXPECT_EQ(none.p, nullptr);
}

TEST_F(ComObject, ServesAutomationFromTheTypeLibrary) {
    UINT count = 0;
    ASSERT_EQ(object->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 1u);
    Released<ITypeInfo> typeInfo;
    ASSERT_EQ(
        object->GetTypeInfo(0, LOCALE_USER_DEFAULT, reinterpret_cast<ITypeInfo**>(typeInfo.Out())),
        S_OK);
    TYPEATTR* attributes = nullptr;
    ASSERT_EQ(typeInfo->GetTypeAttr(&attributes), S_OK);
    EXPECT_TRUE(IsEqualIID(attributes->guid, IID_IATandrel));
    typeInfo->ReleaseTypeAttr(attributes);
    Released<ITypeInfo> beyond;
    EXPECT_TRUE(FAILED(
        object->GetTypeInfo(1, LOCALE_USER_DEFAULT, reinterpret_cast<ITypeInfo**>(beyond.Out()))));

    struct Case {
        const wchar_t* name;
        HRESULT status;
        DISPID id;
    } cases[] = {{L"Click", S_OK, 1}, {L"click", S_OK, 1}, {L"Open", DISP_E_UNKNOWNNAME, -1}};
    for (const Case& c : cases) {
        LPOLESTR name = const_cast<LPOLESTR>(c.name);
        DISPID id = 0;
        EXPECT_EQ(object->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id), c.status);
        if (SUCCEEDED(c.status)) {
            EXPECT_EQ(id, c.id);
        }
    }
}

TEST_F(ComObject, InvokeReachesClickWhichReadsThePage) {
    StandInPageDescription description;
    description.top.href = u"https://example.com/";
    StandInPage page(description);
    EXPECT_EQ(InvokeClick(page.FrameWindow().Get(), L"NO SUCH COMMAND"), S_OK);
    EXPECT_GE(page.Log().Reads("top"), 1) << "Click loaded the page";
    EXPECT_GE(page.Log().Reads("selection"), 1);
    // Wine's automation reports a wrong argument count with another code than Windows.
    EXPECT_TRUE(FAILED(InvokeClick(page.FrameWindow().Get(), L"CONFIG", 2)));
}

TEST_F(ComObject, ClickSucceedsWhateverItIsGiven) {
    StandInPage page{StandInPageDescription{}};
    auto notAWindow = standin::CreateNonWindowObject(page.SharedLog());
    BSTR keyword = SysAllocString(L"ISBN");
    BSTR empty = SysAllocString(L"");
    EXPECT_EQ(object->Click(notAWindow.Get(), keyword, empty, empty), S_OK);
    EXPECT_EQ(object->Click(page.FrameWindow().Get(), nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(object->Click(nullptr, keyword, empty, empty), S_OK);
    SysFreeString(keyword);
    SysFreeString(empty);
}

TEST_F(ComObject, KeepsTheSafetyOptionsItIsGiven) {
    Released<IObjectSafety> safety;
    ASSERT_EQ(object->QueryInterface(IID_IObjectSafety, safety.Out()), S_OK);
    DWORD supported = 99, enabled = 99;
    ASSERT_EQ(safety->GetInterfaceSafetyOptions(IID_IDispatch, &supported, &enabled), S_OK);
    EXPECT_EQ(supported, 3u);
    EXPECT_EQ(enabled, 0u);

    EXPECT_EQ(safety->SetInterfaceSafetyOptions(IID_IDispatch, INTERFACESAFE_FOR_UNTRUSTED_CALLER,
                                                INTERFACESAFE_FOR_UNTRUSTED_CALLER),
              S_OK);
    EXPECT_EQ(safety->SetInterfaceSafetyOptions(IID_IATandrel, INTERFACESAFE_FOR_UNTRUSTED_DATA,
                                                INTERFACESAFE_FOR_UNTRUSTED_DATA | 0x10),
              S_OK);
    ASSERT_EQ(safety->GetInterfaceSafetyOptions(IID_IUnknown, &supported, &enabled), S_OK);
    EXPECT_EQ(enabled, 3u) << "options outside the mask keep their values";
    EXPECT_EQ(
        safety->SetInterfaceSafetyOptions(IID_IDispatch, INTERFACESAFE_FOR_UNTRUSTED_CALLER, 0),
        S_OK);
    ASSERT_EQ(safety->GetInterfaceSafetyOptions(IID_IDispatch, &supported, &enabled), S_OK);
    EXPECT_EQ(enabled, static_cast<DWORD>(INTERFACESAFE_FOR_UNTRUSTED_DATA));

    EXPECT_EQ(safety->SetInterfaceSafetyOptions(IID_IDispatch, 0x4, 0x4), E_FAIL);
    EXPECT_EQ(safety->SetInterfaceSafetyOptions(IID_IPersist, 1, 1), E_NOINTERFACE);
    supported = enabled = 99;
    EXPECT_EQ(safety->GetInterfaceSafetyOptions(IID_IPersist, &supported, &enabled), E_NOINTERFACE);
    EXPECT_EQ(supported, 0u);
    EXPECT_EQ(enabled, 0u);
}

// An outer object that holds the scriptable object as its inner part.
class COuter : public IUnknown {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (IsEqualIID(iid, IID_IUnknown)) {
            *out = this;
            AddRef();
            return S_OK;
        }
        return inner ? inner->QueryInterface(iid, out) : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references; }
    STDMETHODIMP_(ULONG) Release() override { return --references; }
    ULONG references = 1;
    IUnknown* inner = nullptr;
};

TEST_F(ComObject, CanBeAggregated) {
    COuter outer;
    ASSERT_EQ(CoCreateInstance(CLSID_ATandrel, &outer, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               reinterpret_cast<void**>(&outer.inner)),
              S_OK);
    IATandrel* part = nullptr;
    ASSERT_EQ(outer.QueryInterface(IID_IATandrel, reinterpret_cast<void**>(&part)), S_OK);
    EXPECT_EQ(outer.references, 2u) << "the part counts its references on the outer object";
    IUnknown* identity = nullptr;
    ASSERT_EQ(part->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)), S_OK);
    EXPECT_EQ(identity, static_cast<IUnknown*>(&outer));
    identity->Release();
    part->Release();
    EXPECT_EQ(outer.references, 1u);
    outer.inner->Release();

    IUnknown* refused = reinterpret_cast<IUnknown*>(1);
    EXPECT_EQ(CoCreateInstance(CLSID_ATandrel, &outer, CLSCTX_INPROC_SERVER, IID_IATandrel,
                               reinterpret_cast<void**>(&refused)),
              CLASS_E_NOAGGREGATION);
    EXPECT_EQ(refused, nullptr);
}

TEST_F(ComObject, ModuleStaysWhileObjectsOrLocksAreHeld) {
    HMODULE module = GetModuleHandleW(L"nubrix.dll");
    ASSERT_NE(module, nullptr);
    auto canUnload = reinterpret_cast<HRESULT(WINAPI*)()>(
        reinterpret_cast<void*>(GetProcAddress(module, "DllCanUnloadNow")));
    ASSERT_NE(canUnload, nullptr);
    EXPECT_EQ(canUnload(), S_FALSE);
    object->Release();
    object.p = nullptr;
    EXPECT_EQ(canUnload(), S_OK);

    IClassFactory* factory = nullptr;
    ASSERT_EQ(CoGetClassObject(CLSID_ATandrel, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                               reinterpret_cast<void**>(&factory)),
              S_OK);
    EXPECT_EQ(canUnload(), S_FALSE);
    factory->LockServer(TRUE);
    factory->Release();
    EXPECT_EQ(canUnload(), S_FALSE);
    ASSERT_EQ(CoGetClassObject(CLSID_ATandrel, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                               reinterpret_cast<void**>(&factory)),
              S_OK);
    factory->LockServer(FALSE);
    factory->Release();
    EXPECT_EQ(canUnload(), S_OK);
}

// Each thread is an apartment of its own, as a browser's tabs are, and asks for the type
// information from the start.
DWORD WINAPI LookUpClickInNewApartment(void*) {
    ComScope com;
    Released<IDispatch> object;
    if (FAILED(CoCreateInstance(CLSID_ATandrel, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                object.Out())))
        return 1;
    OLECHAR click[] = L"Click";
    LPOLESTR names[] = {click};
    for (int i = 0; i < 50; ++i) {
        DISPID id = 0;
        if (object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id) != S_OK || id != 1)
            return 2;
    }
    return 0;
}

TEST_F(ComObject, TypeInformationIsMadeAgainAfterUnloadAndServesApartmentsAtOnce) {
    HMODULE module = GetModuleHandleW(L"nubrix.dll");
    auto canUnload = reinterpret_cast<HRESULT(WINAPI*)()>(
        reinterpret_cast<void*>(GetProcAddress(module, "DllCanUnloadNow")));
    ASSERT_NE(canUnload, nullptr);
    StandInPage page{StandInPageDescription{}};
    EXPECT_EQ(InvokeClick(page.FrameWindow().Get(), L"NONE"), S_OK) << "type information in use";
    object->Release();
    object.p = nullptr;
    ASSERT_EQ(canUnload(), S_OK) << "the module may go, and drops what it kept";

    HANDLE threads[4] = {};
    for (HANDLE& thread : threads)
        thread = CreateThread(nullptr, 0, LookUpClickInNewApartment, nullptr, 0, nullptr);
    WaitForMultipleObjects(4, threads, TRUE, 60000);
    for (HANDLE thread : threads) {
        DWORD code = 99;
        GetExitCodeThread(thread, &code);
        EXPECT_EQ(code, 0u);
        CloseHandle(thread);
    }
}

} // namespace
} // namespace tandrel::test
