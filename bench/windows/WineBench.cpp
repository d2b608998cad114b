// wine-bench.exe: figures of whole commands of the registered nubrix.dll, measured in this one
// process the way the browser runs a menu entry: the object created by its ProgID through COM
// (the DLL that regsvr32 registered, with its own resources, type library and platform), Click
// called through IDispatch::Invoke as the entry's script does, with the window of a stand-in
// page. Prints markdown table rows on stdout, everything else on stderr.
//
//   wine-bench.exe --latency RUNS [--warmup N]   Click to dialog initialised, ready, and return
//   wine-bench.exe --memory CLICKS [--warmup N] [--tag TEXT]
//                                                memory and handles before and after CLICKS
//   --command KEYWORD: that command only (by default ISBN, CONVERT, CURRENCY and CONFIG, the
//   memory run taking them in turn). --tag TEXT: see ProcessCounts.h.
//
// Every dialog is cancelled by the probe as soon as it is ready (DialogProbe.h).
#include "DialogProbe.h"
#include "ProcessCounts.h"
#include "StandInPage.h"

#include <windows.h>

#include <ole2.h>
#include <shellapi.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace tandrel::bench {
namespace {

using standin::StandInPage;
using standin::StandInPageDescription;

constexpr wchar_t kProgId[] = L"KVO.ATandrel";
constexpr wchar_t kChoicesKey[] = L"Software\\KVO\\Tandrel";
constexpr double kReadyGoalMs = 50.0;

// A command and the page it is chosen on, as a user would pick it.
struct Command {
    const wchar_t* keyword;
    const char16_t* url;
    const char16_t* host;
    const char16_t* selection;
};

const Command kCommands[] = {
    {L"ISBN", u"https://books.example.com/catalogue/physics.html", u"books.example.com",
     u"ISBN 0-306-40615-2"},
    {L"CONVERT", u"https://www.example.org/travel.html", u"www.example.org", u"about 5 km"},
    {L"CURRENCY", u"https://shop.example.de/price.html", u"shop.example.de", u"1.234,56 EUR"},
    {L"CONFIG", u"https://www.example.org/", u"www.example.org", u"Veltrane"},
};

std::string Narrow(const wchar_t* text) {
    std::string narrow;
    for (; *text; ++text)
        narrow += *text < 128 ? static_cast<char>(*text) : '?';
    return narrow;
}

std::unique_ptr<StandInPage> MakePage(const Command& command) {
    StandInPageDescription description;
    description.top.href = command.url;
    description.top.hostName = command.host;
    description.top.title = u"A page";
    description.top.selectionText = command.selection;
    description.top.selectionHtml = std::u16string(u"<b>") + command.selection + u"</b>";
    description.top.screen = standin::StandInScreenSize{1024, 738};
    return std::make_unique<StandInPage>(description);
}

// ---------------------------------------------------------------------------------------------
// One menu command as its script page runs it

struct ClickTimes {
    std::int64_t called = 0;
    std::int64_t returned = 0;
    HRESULT result = S_OK;
};

class CClicker {
public:
    CClicker() {
        classIdFound_ = SUCCEEDED(CLSIDFromProgID(kProgId, &classId_));
        clickName_ = SysAllocString(L"Click");
        empty_ = SysAllocString(L"");
    }
    ~CClicker() {
        SysFreeString(clickName_);
        SysFreeString(empty_);
    }
    CClicker(const CClicker&) = delete;
    CClicker& operator=(const CClicker&) = delete;

    bool Ready() const { return classIdFound_; }

    // new ActiveXObject("KVO.ATandrel"), then helper.Click(window, keyword, "", ""): a new object
    // each time, as each menu entry's page makes its own.
    ClickTimes Click(IDispatch* window, const wchar_t* keyword) {
        ClickTimes times;
        IDispatch* object = nullptr;
        times.result = CoCreateInstance(classId_, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                        reinterpret_cast<void**>(&object));
        if (FAILED(times.result))
            return times;
        DISPID click = 0;
        LPOLESTR name = clickName_;
        times.result = object->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &click);
        if (SUCCEEDED(times.result)) {
            // Automation passes the arguments last first.
            VARIANT arguments[4];
            for (VARIANT& argument : arguments)
                VariantInit(&argument);
            arguments[3].vt = VT_DISPATCH;
            arguments[3].pdispVal = window;
            arguments[2].vt = VT_BSTR;
            arguments[2].bstrVal = SysAllocString(keyword);
            arguments[1].vt = VT_BSTR;
            arguments[1].bstrVal = empty_;
            arguments[0].vt = VT_BSTR;
            arguments[0].bstrVal = empty_;
            DISPPARAMS parameters = {arguments, nullptr, 4, 0};
            VARIANT result;
            VariantInit(&result);
            UINT argumentError = 0;
            times.called = Now();
            times.result = object->Invoke(click, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                          &parameters, &result, nullptr, &argumentError);
            times.returned = Now();
            VariantClear(&result);
            SysFreeString(arguments[2].bstrVal);
        }
        object->Release();
        return times;
    }

private:
    CLSID classId_ = {};
    bool classIdFound_ = false;
    BSTR clickName_ = nullptr;
    BSTR empty_ = nullptr;
};

// One Click watched by the probe; false (with the reason on stderr) when the command did not
// open exactly one dialog that became ready.
bool WatchedClick(CClicker& clicker, CDialogProbe& probe, IDispatch* window, const wchar_t* keyword,
                  ClickTimes& times) {
    probe.Arm();
    times = clicker.Click(window, keyword);
    probe.Disarm();
    if (FAILED(times.result)) {
        std::fprintf(stderr, "%s: Click failed with 0x%08lx\n", Narrow(keyword).c_str(),
                     static_cast<unsigned long>(times.result));
        return false;
    }
    if (!probe.Succeeded()) {
        std::fprintf(stderr, "%s: %s\n", Narrow(keyword).c_str(), probe.Problem().c_str());
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Rows

void Row(const std::string& figure, const std::string& value, const std::string& goal,
         const std::string& met) {
    std::printf("| %s | %s | %s | %s |\n", figure.c_str(), value.c_str(), goal.c_str(),
                met.c_str());
    std::fflush(stdout);
}

std::string Format(const char* format, double a, double b = 0) {
    char text[64];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

// The nearest-rank percentile of a sorted sample.
double Percentile(const std::vector<double>& sorted, double fraction) {
    std::size_t rank = static_cast<std::size_t>(std::ceil(fraction * sorted.size()));
    return sorted[std::max<std::size_t>(rank, 1) - 1];
}

void LatencyRow(const std::string& figure, std::vector<double> sample, bool withGoal) {
    std::sort(sample.begin(), sample.end());
    double median = Percentile(sample, 0.5), p90 = Percentile(sample, 0.9);
    std::string value = Format("%.1f ms (%.1f ms)", median, p90);
    if (withGoal)
        Row(figure, value, Format("< %.0f ms", kReadyGoalMs), median < kReadyGoalMs ? "yes" : "no");
    else
        Row(figure, value, "none set", "n/a");
}

// ---------------------------------------------------------------------------------------------
// The remembered ticks: Cancel stores none, and the bench leaves none behind.

class CChoicesGuard {
public:
    CChoicesGuard() : before_(Snapshot()), existed_(KeyExists()) {}
    /// True when the key is as it was; a key the run created is removed.
    bool Restore() {
        bool same = Snapshot() == before_;
        if (!existed_ && KeyExists()) {
            RegDeleteTreeW(HKEY_CURRENT_USER, kChoicesKey);
            RegDeleteKeyW(HKEY_CURRENT_USER, kChoicesKey);
        }
        return same;
    }

private:
    static bool KeyExists() {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kChoicesKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }
    static std::map<std::wstring, std::string> Snapshot() {
        std::map<std::wstring, std::string> values;
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kChoicesKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return values;
        for (DWORD index = 0;; ++index) {
            wchar_t name[256];
            BYTE data[1024];
            DWORD nameLength = 256, type = 0, size = sizeof data;
            if (RegEnumValueW(key, index, name, &nameLength, nullptr, &type, data, &size) !=
                ERROR_SUCCESS)
                break;
            values[std::wstring(name, nameLength)] =
                std::to_string(type) + ":" + std::string(reinterpret_cast<char*>(data), size);
        }
        RegCloseKey(key);
        return values;
    }

    std::map<std::wstring, std::string> before_;
    bool existed_;
};

// ---------------------------------------------------------------------------------------------
// The two measurements

int MeasureLatency(int runs, int warmup, const std::vector<const Command*>& commands) {
    CClicker clicker;
    PostAndTakeMicroseconds(); // the first time pays for more than the round trip
    const double unhooked = PostAndTakeMicroseconds();
    CDialogProbe probe;
    const double hooked = PostAndTakeMicroseconds();
    const double hookCall = std::max(0.0, hooked - unhooked);
    std::fprintf(stderr,
                 "a message posted and taken: %.1f us, %.1f us with the probe's hooks: one call "
                 "of a hook costs about %.1f us\n",
                 unhooked, hooked, hookCall);
    int failures = 0;
    for (const Command* chosen : commands) {
        const Command& command = *chosen;
        std::unique_ptr<StandInPage> page = MakePage(command);
        std::vector<double> initialised, ready, returned;
        long hookCalls = 0;
        for (int run = 0; run < warmup + runs; ++run) {
            ClickTimes times;
            if (!WatchedClick(clicker, probe, page->FrameWindow().Get(), command.keyword, times)) {
                ++failures;
                continue;
            }
            if (run < warmup)
                continue;
            initialised.push_back(Milliseconds(times.called, probe.Initialised()));
            ready.push_back(Milliseconds(times.called, probe.Ready()));
            returned.push_back(Milliseconds(times.called, times.returned));
            hookCalls += probe.HookCalls();
        }
        const std::string name = Narrow(command.keyword);
        const double perRun = ready.empty() ? 0 : static_cast<double>(hookCalls) / ready.size();
        std::fprintf(stderr,
                     "%s: %zu runs measured after %d warm-up runs; %.0f hook calls a run, the "
                     "probe's own share about %.2f ms\n",
                     name.c_str(), ready.size(), warmup, perRun, perRun * hookCall / 1000.0);
        if (ready.size() != static_cast<std::size_t>(runs)) {
            Row(name + ": Click to dialog ready",
                "failed: " + std::to_string(runs - ready.size()) + " of " + std::to_string(runs) +
                    " runs",
                Format("< %.0f ms", kReadyGoalMs), "no");
            continue;
        }
        LatencyRow(name + ": Click to dialog initialised (WM_INITDIALOG done, modal loop started), "
                          "median (p90)",
                   initialised, true);
        LatencyRow(name + ": Click to dialog ready (shown and painted), median (p90)", ready, true);
        LatencyRow(name + ": Click to its return after Cancel, median (p90)", returned, false);
    }
    return failures == 0 ? 0 : 1;
}

// References the page's window holds now, as its own AddRef tells.
ULONG References(IUnknown* object) {
    ULONG count = object->AddRef();
    object->Release();
    return count - 1;
}

void LogCounts(const char* when, const ProcessCounts& counts) {
    std::fprintf(stderr,
                 "%s: private %llu (%s), heap %llu bytes in %llu blocks, GDI %llu (%s), USER "
                 "%llu (%s), kernel handles %llu (%s)\n",
                 when, static_cast<unsigned long long>(counts.privateBytes.value),
                 counts.privateBytes.how, static_cast<unsigned long long>(counts.heapBytes.value),
                 static_cast<unsigned long long>(counts.heapBlocks.value),
                 static_cast<unsigned long long>(counts.gdiObjects.value), counts.gdiObjects.how,
                 static_cast<unsigned long long>(counts.userObjects.value), counts.userObjects.how,
                 static_cast<unsigned long long>(counts.kernelHandles.value),
                 counts.kernelHandles.how);
}

// 10000 as "10,000".
std::string Thousands(long long value) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return (value < 0 ? "-" : "") + digits;
}

enum class Unit { kBytes, kKilobytes, kObjects };

std::string Growth(long long growth, Unit unit) {
    const char* sign = growth >= 0 ? "+" : "";
    switch (unit) {
    case Unit::kBytes:
        return sign + Thousands(growth) + " bytes";
    case Unit::kKilobytes:
        return sign + Thousands(growth / 1024) + " KB";
    default:
        return sign + Thousands(growth);
    }
}

// A figure before, half-way through and after the Clicks. Objects, handles and heap bytes may
// not grow at all. The private bytes count whole pages of Wine's own side too, where a cache or
// an arena may take a page once: they may grow by less than one byte per Click (two pages for
// 10,000), which a leak of even one small block in every sixteenth Click exceeds.
void GrowthRow(const std::string& figure, int clicks, const Count& before, const Count& half,
               const Count& after, Unit unit) {
    const long long growth =
        static_cast<long long>(after.value) - static_cast<long long>(before.value);
    const long long lastHalf =
        static_cast<long long>(after.value) - static_cast<long long>(half.value);
    const bool pages = unit == Unit::kKilobytes;
    const long long tolerance = pages ? clicks - 1 : 0;
    std::string value = Growth(growth, unit);
    if (growth != 0 || lastHalf != 0)
        value += " (last " + Thousands(clicks - clicks / 2) + ": " + Growth(lastHalf, unit) + ")";
    Row(figure + " after " + Thousands(clicks) + " Clicks (" + std::string(after.how) + ")", value,
        pages ? "no growth (< 1 byte per Click)" : "no growth", growth <= tolerance ? "yes" : "no");
}

// The commands named (all when none is).
std::vector<const Command*> Chosen(const std::wstring& only) {
    std::vector<const Command*> chosen;
    for (const Command& command : kCommands) {
        if (only.empty() || only == command.keyword)
            chosen.push_back(&command);
    }
    return chosen;
}

int MeasureMemory(int clicks, int warmup, const std::vector<const Command*>& commands) {
    CClicker clicker;
    CDialogProbe probe;
    std::vector<std::unique_ptr<StandInPage>> pages;
    for (const Command* command : commands)
        pages.push_back(MakePage(*command));
    const std::size_t commandCount = pages.size();
    int failures = 0;
    auto clickMany = [&](int count) {
        for (int click = 0; click < count; ++click) {
            const std::size_t which = static_cast<std::size_t>(click) % commandCount;
            ClickTimes times;
            if (!WatchedClick(clicker, probe, pages[which]->FrameWindow().Get(),
                              commands[which]->keyword, times))
                ++failures;
        }
    };

    clickMany(warmup);
    std::vector<ULONG> referencesBefore;
    for (const auto& page : pages)
        referencesBefore.push_back(References(page->FrameWindow().Get()));
    std::fprintf(stderr, "%s\n", DescribeSystemAnswers().c_str());
    // Counts taken and written down: once for nothing first, so that what the counting and the
    // writing allocate the first time is not counted as the product's.
    auto snapshot = [](const char* when) {
        ProcessCounts counts = TakeProcessCounts();
        LogCounts(when, counts);
        std::fprintf(stderr, "GDI objects: %s\n", DescribeGdiObjects().c_str());
        return counts;
    };
    snapshot("before measuring");
    const ProcessCounts before = snapshot("after the warm-up");

    clickMany(clicks / 2);
    const ProcessCounts half = snapshot("half-way");
    clickMany(clicks - clicks / 2);

    const ProcessCounts after = snapshot("at the end");
    std::fprintf(stderr, "%s\n", DescribeSystemAnswers().c_str());
    long long referenceGrowth = 0;
    for (std::size_t page = 0; page < pages.size(); ++page)
        referenceGrowth += static_cast<long long>(References(pages[page]->FrameWindow().Get())) -
                           static_cast<long long>(referencesBefore[page]);

    const std::string after_ = " after " + Thousands(clicks) + " Clicks";
    if (failures)
        Row("Clicks that did not open one dialog" + after_, std::to_string(failures), "0", "no");
    GrowthRow("private bytes", clicks, before.privateBytes, half.privateBytes, after.privateBytes,
              Unit::kKilobytes);
    GrowthRow("heap bytes in use", clicks, before.heapBytes, half.heapBytes, after.heapBytes,
              Unit::kBytes);
    GrowthRow("GDI objects", clicks, before.gdiObjects, half.gdiObjects, after.gdiObjects,
              Unit::kObjects);
    GrowthRow("USER objects", clicks, before.userObjects, half.userObjects, after.userObjects,
              Unit::kObjects);
    GrowthRow("kernel handles", clicks, before.kernelHandles, half.kernelHandles,
              after.kernelHandles, Unit::kObjects);
    Row("COM references held on the pages' windows" + after_,
        Growth(referenceGrowth, Unit::kObjects), "no growth", referenceGrowth <= 0 ? "yes" : "no");

    // Every object released: the module must be free to unload (no object or lock left).
    using CanUnload = HRESULT(STDAPICALLTYPE*)();
    HMODULE module = GetModuleHandleW(L"nubrix.dll");
    auto canUnload = module ? reinterpret_cast<CanUnload>(reinterpret_cast<void*>(
                                  GetProcAddress(module, "DllCanUnloadNow")))
                            : nullptr;
    HRESULT unload = canUnload ? canUnload() : E_FAIL;
    Row("nubrix.dll objects or locks left" + after_,
        unload == S_OK ? "none (DllCanUnloadNow: S_OK)" : "some (DllCanUnloadNow: not S_OK)",
        "none", unload == S_OK ? "yes" : "no");
    return failures == 0 ? 0 : 1;
}

int Usage() {
    std::fprintf(stderr, "usage: wine-bench.exe --latency RUNS [--warmup N] [--command KEYWORD]\n"
                         "       wine-bench.exe --memory CLICKS [--warmup N] [--command KEYWORD] "
                         "[--tag TEXT]\n");
    return 2;
}

} // namespace
} // namespace tandrel::bench

int main() {
    using namespace tandrel::bench;
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> arguments(argv + 1, argv + count);
    LocalFree(argv);

    std::wstring mode, only;
    int amount = 0, warmup = -1;
    for (std::size_t i = 0; i + 1 < arguments.size(); i += 2) {
        const std::wstring& name = arguments[i];
        const std::wstring& value = arguments[i + 1];
        if (name == L"--latency" || name == L"--memory") {
            mode = name;
            amount = _wtoi(value.c_str());
        } else if (name == L"--warmup") {
            warmup = _wtoi(value.c_str());
        } else if (name == L"--command") {
            only = value;
        } else if (name == L"--tag") {
            SetProcessTag(std::string(value.begin(), value.end()));
        } else {
            return Usage();
        }
    }
    const std::vector<const Command*> commands = Chosen(only);
    if (arguments.size() % 2 != 0 || mode.empty() || amount <= 0 || commands.empty())
        return Usage();

    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 3;
    int status = 0;
    {
        CChoicesGuard choices;
        if (!CClicker().Ready()) {
            std::fprintf(stderr, "KVO.ATandrel is not registered (run regsvr32 nubrix.dll)\n");
            status = 3;
        } else if (mode == L"--latency") {
            status = MeasureLatency(amount, warmup < 0 ? 5 : warmup, commands);
        } else {
            status = MeasureMemory(amount, warmup < 0 ? 50 : warmup, commands);
        }
        if (!choices.Restore()) {
            std::fprintf(stderr, "the remembered ticks changed during the run\n");
            status = status ? status : 4;
        }
    }
    CoUninitialize();
    return status;
}
