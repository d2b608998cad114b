// The probe module: see StandInProbe.h.
#include "StandInProbe.h"

#include <commctrl.h>
#include <mapi.h>
#include <oleauto.h>

#include <string>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

const wchar_t* const kKinds[] = {L"Books", L"Films", L"Music"};
const struct {
    const wchar_t* label;
    bool ticked;
} kSites[] = {{L"Alpha Books", true}, {L"Beta Films", false}, {L"Gamma \"Music\"", true}};

void SetTicked(HWND list, int item, bool ticked) {
    LVITEMW state = {};
    state.stateMask = LVIS_STATEIMAGEMASK;
    state.state = INDEXTOSTATEIMAGEMASK(ticked ? 2 : 1);
    SendMessageW(list, LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&state));
}

bool IsTicked(HWND list, int item) {
    return (SendMessageW(list, LVM_GETITEMSTATE, item, LVIS_STATEIMAGEMASK) &
            LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
}

void InitDialog(HWND dialog, ProbeDialogOutcome* outcome) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(outcome));
    *outcome = ProbeDialogOutcome{};
    RECT frame;
    GetWindowRect(dialog, &frame);
    outcome->size = SIZE{frame.right - frame.left, frame.bottom - frame.top};
    HWND kind = GetDlgItem(dialog, IDC_PROBE_KIND);
    for (const wchar_t* text : kKinds)
        SendMessageW(kind, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendMessageW(kind, CB_SETCURSEL, 0, 0);

    HWND list = GetDlgItem(dialog, IDC_PROBE_SITES);
    // Check boxes give the entries the state images 1 (unticked) and 2 (ticked).
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
    RECT client;
    GetClientRect(list, &client);
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH;
    column.cx = client.right;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    int index = 0;
    for (const auto& site : kSites) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = index;
        item.pszText = const_cast<wchar_t*>(site.label);
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        SetTicked(list, index++, site.ticked);
    }
}

// The product finds the entry under the mouse, not the one selected.
void ToggleUnderCursor(HWND list) {
    LVHITTESTINFO hit = {};
    GetCursorPos(&hit.pt);
    ScreenToClient(list, &hit.pt);
    int item = static_cast<int>(SendMessageW(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (item >= 0)
        SetTicked(list, item, !IsTicked(list, item));
}

void Accept(HWND dialog, ProbeDialogOutcome* outcome) {
    wchar_t typed[64] = {};
    if (GetDlgItemTextW(dialog, IDC_PROBE_NAME, typed, 64) == 0) {
        MessageBoxW(dialog, L"Type a name first.", L"Probe", MB_OK | MB_ICONWARNING);
        return;
    }
    lstrcpynW(outcome->typed, typed, 64);
    HWND kind = GetDlgItem(dialog, IDC_PROBE_KIND);
    LRESULT chosen = SendMessageW(kind, CB_GETCURSEL, 0, 0);
    if (chosen >= 0 && chosen < 3)
        lstrcpynW(outcome->chosen, kKinds[chosen], 64);
    HWND list = GetDlgItem(dialog, IDC_PROBE_SITES);
    for (int i = 0; i < 3; ++i)
        outcome->ticked |= IsTicked(list, i) ? 1u << i : 0u;
    EndDialog(dialog, IDOK);
}

// How ProbeLateDialog wants the next dialog: busy for a while after WM_INITDIALOG, then enabled
// or not.
struct LateStart {
    DWORD busyMs = 0;
    bool enabled = true;
    DWORD busyFrom = 0;
} g_late;

// A message to itself, posted again and again: the queue is never empty while it lasts.
constexpr UINT kBusy = WM_APP + 1;

void KeepBusy(HWND dialog) {
    if (GetTickCount() - g_late.busyFrom < g_late.busyMs) {
        PostMessageW(dialog, kBusy, 0, 0);
        return;
    }
    if (!g_late.enabled)
        EnableWindow(dialog, FALSE);
    g_late = LateStart{};
}

INT_PTR CALLBACK ProbeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* outcome = reinterpret_cast<ProbeDialogOutcome*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        InitDialog(dialog, reinterpret_cast<ProbeDialogOutcome*>(lParam));
        g_late.busyFrom = GetTickCount();
        if (g_late.busyMs || !g_late.enabled)
            PostMessageW(dialog, kBusy, 0, 0);
        return TRUE;
    case kBusy:
        KeepBusy(dialog);
        return TRUE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_PROBE_SITES && header->code == NM_DBLCLK)
            ToggleUnderCursor(header->hwndFrom);
        return FALSE;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_PROBE_KIND:
            if (HIWORD(wParam) == CBN_SELCHANGE)
                ++outcome->kindChanges;
            return TRUE;
        case IDOK:
            Accept(dialog, outcome);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        case IDC_PROBE_HELP:
            outcome->helpAnswer = MessageBoxW(GetDesktopWindow(), L"Open the help page?",
                                              L"Probe help", MB_YESNO | MB_ICONQUESTION);
            if (outcome->helpAnswer == IDYES)
                EndDialog(dialog, IDC_PROBE_HELP);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

// window.navigate(address) through the page's IDispatch.
void Navigate(IDispatch* window, const std::wstring& address) {
    if (!window)
        return;
    LPOLESTR name = const_cast<LPOLESTR>(L"navigate");
    DISPID id = 0;
    if (FAILED(window->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id)))
        return;
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_BSTR;
    argument.bstrVal = SysAllocString(address.c_str());
    DISPPARAMS params = {&argument, nullptr, 1, 0};
    window->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr,
                   nullptr);
    VariantClear(&argument);
}

std::wstring TextArgument(const DISPPARAMS* params, UINT position) {
    if (position >= params->cArgs)
        return {};
    VARIANT text;
    VariantInit(&text);
    std::wstring value;
    if (SUCCEEDED(
            VariantChangeType(&text, &params->rgvarg[params->cArgs - 1 - position], 0, VT_BSTR)) &&
        text.bstrVal)
        value = text.bstrVal;
    VariantClear(&text);
    return value;
}

std::string Ansi(const std::wstring& text) {
    int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, bytes.data(), size, nullptr, nullptr);
    bytes.resize(static_cast<size_t>(size > 0 ? size - 1 : 0));
    return bytes;
}

// Click(window, keyword, text): DIALOG, MESSAGE text, START command-line, MAIL address; each
// reports its result by navigating the window to "probe:...".
void Click(const DISPPARAMS* params) {
    IDispatch* window = params->cArgs > 0 && params->rgvarg[params->cArgs - 1].vt == VT_DISPATCH
                            ? params->rgvarg[params->cArgs - 1].pdispVal
                            : nullptr;
    std::wstring keyword = TextArgument(params, 1), text = TextArgument(params, 2);
    if (keyword == L"DIALOG") {
        ProbeDialogOutcome outcome = {};
        INT_PTR result = ProbeDialog(&outcome);
        Navigate(window, L"probe:dialog=" + std::to_wstring(result) + L"/" + outcome.typed + L"/" +
                             outcome.chosen + L"/" + std::to_wstring(outcome.ticked));
    } else if (keyword == L"MESSAGE") {
        Navigate(window, L"probe:message=" +
                             std::to_wstring(ProbeMessage(L"Probe", text.c_str(), MB_YESNO)));
    } else if (keyword == L"START") {
        Navigate(window, L"probe:exit=" + std::to_wstring(ProbeStart(Ansi(text).c_str())));
    } else if (keyword == L"MAIL") {
        ULONG result =
            ProbeMail(Ansi(text).c_str(), nullptr, nullptr, "Probe subject", "Probe body");
        Navigate(window, L"probe:mail=" + std::to_wstring(result));
    }
}

class ProbeObject : public IDispatch {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out)
            return E_POINTER;
        *out = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ? this : nullptr;
        if (!*out)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override {
        for (UINT i = 0; i < count; ++i)
            ids[i] = i == 0 && lstrcmpiW(names[0], L"Click") == 0 ? 1 : DISPID_UNKNOWN;
        return count == 1 && ids[0] == 1 ? S_OK : DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* params,
                                     VARIANT*, EXCEPINFO*, UINT*) override {
        if (member != 1)
            return DISP_E_MEMBERNOTFOUND;
        Click(params);
        return S_OK;
    }

private:
    virtual ~ProbeObject() = default;
    LONG references_ = 1;
};

class ProbeFactory : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out)
            return E_POINTER;
        *out = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory) ? this : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (outer)
            return CLASS_E_NOAGGREGATION;
        auto* object = new ProbeObject;
        HRESULT result = object->QueryInterface(iid, out);
        object->Release();
        return result;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

ProbeFactory g_factory;

} // namespace

INT_PTR ProbeDialog(ProbeDialogOutcome* outcome) {
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    return DialogBoxParamW(reinterpret_cast<HINSTANCE>(&__ImageBase), MAKEINTRESOURCEW(IDD_PROBE),
                           nullptr, ProbeDialogProc, reinterpret_cast<LPARAM>(outcome));
}

INT_PTR ProbeLateDialog(DWORD busyMs, BOOL enabled, ProbeDialogOutcome* outcome) {
    g_late = LateStart{busyMs, enabled != FALSE, 0};
    INT_PTR result = ProbeDialog(outcome);
    g_late = LateStart{};
    return result;
}

int ProbeMessage(const wchar_t* caption, const wchar_t* text, UINT type) {
    return MessageBoxW(GetDesktopWindow(), text, caption, type);
}

DWORD ProbeStart(const char* commandLine) {
    std::string line = commandLine; // CreateProcessA may write to it
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return ~0u;
    DWORD exitCode = ~0u;
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

ULONG ProbeMail(const char* to, const char* cc, const char* bcc, const char* subject,
                const char* body) {
    HMODULE mapi = LoadLibraryA("MAPI32.DLL");
    if (!mapi)
        return ~0ul;
    auto send = reinterpret_cast<LPMAPISENDMAIL>(
        reinterpret_cast<void (*)()>(GetProcAddress(mapi, "MAPISendMail")));
    ULONG result = ~0ul;
    if (send) {
        MapiRecipDesc recipients[3] = {};
        ULONG count = 0;
        const char* addresses[] = {to, cc, bcc};
        for (ULONG kind = 0; kind < 3; ++kind) {
            if (!addresses[kind])
                continue;
            recipients[count].ulRecipClass = MAPI_TO + kind;
            recipients[count].lpszName = const_cast<char*>(addresses[kind]);
            ++count;
        }
        MapiMessage message = {};
        message.lpszSubject = const_cast<char*>(subject);
        message.lpszNoteText = const_cast<char*>(body);
        message.nRecipCount = count;
        message.lpRecips = recipients;
        result = send(0, 0, &message, MAPI_DIALOG, 0);
    }
    FreeLibrary(mapi);
    return result;
}

FARPROC ProbeLookup(HMODULE module, const char* name) {
    return GetProcAddress(module, name);
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
    CLSID probe = {};
    CLSIDFromString(STANDIN_PROBE_CLSID_TEXT, &probe);
    if (!IsEqualCLSID(clsid, probe))
        return CLASS_E_CLASSNOTAVAILABLE;
    return g_factory.QueryInterface(iid, out);
}

STDAPI DllCanUnloadNow() {
    return S_FALSE;
}
