// standin.exe: the browser stand-in. Builds a page from the command line, runs an installed menu
// entry's script on it exactly as the browser would (or a given script file), answers the
// product's dialogs and message boxes as a user would, and prints what happened, as it happens.

#include "BrowserOptions.h"
#include "MenuScript.h"
#include "ScriptHost.h"
#include "StandInPage.h"
#include "StandInUser.h"

#include "common/TextConversion.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

namespace tandrel::standin {
namespace {

enum ExitCode {
    kExitDone = 0,
    kExitScriptError = 1,
    kExitUsage = 2,
    kExitNoMenuEntry = 3,
    kExitNoScript = 4,
    kExitNoEngine = 5,
    kExitUnanswered = 6,
};

constexpr char16_t kProductProgId[] = u"KVO.ATandrel";

std::vector<std::u16string> CommandLineArguments() {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::u16string> arguments;
    for (int i = 1; argv && i < count; ++i)
        arguments.emplace_back(reinterpret_cast<const char16_t*>(argv[i]));
    LocalFree(argv);
    return arguments;
}

void Fail(const std::string& message) {
    std::fprintf(stderr, "standin: %s\n", message.c_str());
}

// The script to run: the menu entry's page or the given file. Sets `exitCode` when there is none.
std::optional<ScriptText> LoadScript(const BrowserOptions& options, int& exitCode) {
    std::u16string path;
    if (options.menuText) {
        std::optional<std::u16string> value = ReadMenuEntry(*options.menuText);
        std::optional<std::u16string> pagePath = value ? ScriptPagePath(*value) : std::nullopt;
        if (!pagePath) {
            Fail("no menu entry " + WideToUtf8(*options.menuText) + " (HKEY_CURRENT_USER\\" +
                 WideToUtf8(MenuEntryKey(*options.menuText)) + " has no default value)");
            exitCode = kExitNoMenuEntry;
            return std::nullopt;
        }
        path = *pagePath;
    } else {
        path = *options.scriptFile;
    }
    std::optional<std::u16string> page = ReadTextFile(path);
    if (!page) {
        Fail("cannot read the script page " + WideToUtf8(path));
        exitCode = kExitNoScript;
        return std::nullopt;
    }
    std::optional<ScriptText> script = ExtractScript(*page);
    if (!script && options.scriptFile)
        script = ScriptText{*page, 0}; // a plain script file
    if (!script) {
        Fail("no <SCRIPT> element in " + WideToUtf8(path));
        exitCode = kExitNoScript;
    }
    return script;
}

// The browser's main window, for SetForegroundWindow; 0 when the system gives no window (no
// display), which leaves the page without a browser service.
HWND CreateBrowserWindow(const std::u16string& title, bool show) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TandrelStandInBrowser";
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassW(&windowClass);
    std::u16string caption = (title.empty() ? u"" : title + u" - ") + u"Stand-in browser";
    HWND window = CreateWindowExW(0, windowClass.lpszClassName,
                                  reinterpret_cast<const wchar_t*>(caption.c_str()),
                                  WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 800, 600,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
    if (window && show) {
        ShowWindow(window, SW_SHOWNORMAL);
        UpdateWindow(window);
    }
    return window;
}

void CompletePage(StandInPageDescription& page, bool screenGiven, HWND browserWindow) {
    RECT workArea;
    if (!screenGiven && SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0))
        page.top.screen =
            StandInScreenSize{workArea.right - workArea.left, workArea.bottom - workArea.top};
    page.top.browserWindow = reinterpret_cast<std::uintptr_t>(browserWindow);
    if (page.frame) {
        page.frame->screen = page.top.screen;
        page.frame->browserWindow = page.top.browserWindow;
    }
}

void Print(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// The product's module, loaded before the script creates its object (COM then finds it already
// loaded), with its calls to the user watched; none when the product is not registered.
HMODULE LoadWatchedProduct() {
    std::optional<std::u16string> path = InprocServerPath(kProductProgId);
    HMODULE module = path ? LoadLibraryW(reinterpret_cast<const wchar_t*>(path->c_str())) : nullptr;
    if (module)
        WatchModule(module);
    return module;
}

// What the user could not do; kExitUnanswered when anything.
int ReportUnanswered(const StandInUser& user) {
    for (const std::string& problem : user.Problems())
        Fail(problem);
    if (user.UnusedAnswers() > 0)
        Fail(std::to_string(user.UnusedAnswers()) + " answer(s) left over");
    return user.Problems().empty() && user.UnusedAnswers() == 0 ? kExitDone : kExitUnanswered;
}

int RunBrowser(BrowserOptions& options) {
    int exitCode = kExitDone;
    std::optional<ScriptText> script = LoadScript(options, exitCode);
    if (!script)
        return exitCode;

    HWND browserWindow =
        CreateBrowserWindow(options.page.top.title.value_or(u""), options.showWindow);
    CompletePage(options.page, options.screenGiven, browserWindow);
    for (const auto& [name, value] : options.environment)
        SetEnvironmentVariableW(reinterpret_cast<const wchar_t*>(name.c_str()),
                                reinterpret_cast<const wchar_t*>(value.c_str()));
    StandInUser user(options.user, Print);
    HMODULE product = LoadWatchedProduct();
    {
        StandInPage page(options.page);
        page.Log().Listen([](const StandInEvent& event) { Print(DescribeEvent(event)); });
        auto window = page.FrameWindow().As<IDispatch>(IID_IDispatch);
        ScriptRun run =
            RunMenuScript(script->code, script->firstLine, window.Get(), page.SharedLog());
        for (const std::string& line : DescribeReads(page.Log()))
            Print(line);
        exitCode = ReportUnanswered(user);
        if (run.outcome == ScriptRun::Outcome::kNoEngine) {
            Fail(run.message);
            exitCode = kExitNoEngine;
        } else if (run.outcome == ScriptRun::Outcome::kScriptError) {
            Fail("script error" + (run.line ? " at line " + std::to_string(run.line) : "") + ": " +
                 run.message);
            exitCode = kExitScriptError;
        }
    }
    if (product)
        FreeLibrary(product);
    if (browserWindow)
        DestroyWindow(browserWindow);
    return exitCode;
}

} // namespace
} // namespace tandrel::standin

int main() {
    using namespace tandrel::standin;
    // Lines end in a line feed alone, whatever reads them.
    _setmode(_fileno(stdout), _O_BINARY);
    std::string error;
    std::optional<BrowserOptions> options = ParseBrowserOptions(CommandLineArguments(), error);
    if (!options) {
        std::fprintf(stderr, "standin: %s\n%s", error.c_str(), BrowserUsage());
        return kExitUsage;
    }
    if (options->help) {
        std::fputs(BrowserUsage(), stdout);
        return kExitDone;
    }
    if (FAILED(OleInitialize(nullptr))) {
        std::fputs("standin: cannot initialise COM\n", stderr);
        return kExitNoEngine;
    }
    int exitCode = RunBrowser(*options);
    OleUninitialize();
    return exitCode;
}
