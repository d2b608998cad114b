// The platform on Windows: the real registry, files, module resources, message boxes and the
// ANSI code page. Thin wrappers; every decision stays in the portable core. Paths, registry names
// and registry strings go through the wide calls, whole, so that a folder or a name outside the
// ANSI code page works.
#pragma once

#include "common/Platform.h"

#include <windows.h>

namespace tandrel {

class CWin32Registry : public IRegistry {
public:
    std::unique_ptr<IRegKey> OpenKey(RegRoot root, std::u16string_view path,
                                     RegAccess access) override;
    std::unique_ptr<IRegKey> CreateKey(RegRoot root, std::u16string_view path) override;
    bool DeleteKey(RegRoot root, std::u16string_view path) override;
    bool DeleteTree(RegRoot root, std::u16string_view path) override;
};

class CWin32FileSystem : public IFileSystem {
public:
    FileReadResult ReadWholeFile(std::u16string_view path) override;
    bool WriteNewFile(std::u16string_view path, std::string_view bytes) override;
    bool SetAttributes(std::u16string_view path, std::uint32_t attributes) override;
    bool RemoveFile(std::u16string_view path) override;
};

/// The module whose path, resources and strings are served: the DLL itself, or the program.
class CWin32Module : public IModule {
public:
    explicit CWin32Module(HMODULE module) : module_(module) {}
    std::u16string ModulePath() override;
    std::optional<std::string_view> FindModuleResource(std::string_view type, int id) override;
    std::string LoadStringText(int id) override;

private:
    HMODULE module_;
};

class CWin32UserInterface : public IUserInterface {
public:
    int ShowMessageBox(WindowHandle owner, std::string_view text, std::string_view caption,
                       std::uint32_t style) override;
    void Beep(std::uint32_t type) override;
    std::optional<WorkArea> GetWorkArea() override;
    WindowHandle DesktopWindow() override;
    bool BringWindowToFront(WindowHandle window) override;
    std::int32_t SystemMetric(Metric metric) override;
};

class CWin32Processes : public IProcesses {
public:
    /// creationFlags: those CreateProcess gets. The DLL's are none: from the browser, which has
    /// no console, a console program gets one of its own. A program that runs with a console of
    /// its own (the browser extension's host, which the browser starts with a hidden one, inside
    /// a job) asks for a new console and to leave the job, so that the program shows and outlives
    /// it; where the job allows no leaving, the program starts inside it.
    explicit CWin32Processes(DWORD creationFlags = 0) : creationFlags_(creationFlags) {}

    std::optional<std::string> EnvironmentVariable(std::string_view name) override;
    ProcessStart StartProcess(std::string_view commandLine) override;
    std::optional<std::string> ErrorText(std::uint32_t error) override;

private:
    DWORD creationFlags_;
};

class CWin32Mail : public IMail {
public:
    std::optional<std::uint32_t> SendMapiMail(const MapiMail& mail) override;
};

class CWin32Text : public IText {
public:
    std::u16string AnsiToWide(std::string_view text) override;
    std::string WideToAnsi(std::u16string_view text) override;
    std::optional<std::string> FormatInserts(std::string_view pattern,
                                             const std::vector<MessageArg>& args) override;
};

class CWin32Locale : public ILocale {
public:
    std::optional<std::string> InternationalCurrencySymbol() override;
};

/// The Win32 platform of one module, installed as the process's platform.
class CWin32Platform {
public:
    explicit CWin32Platform(HMODULE module) : module_(module) {}
    Platform View();

private:
    CWin32Registry registry_;
    CWin32FileSystem files_;
    CWin32Module module_;
    CWin32UserInterface ui_;
    CWin32Text text_;
    CWin32Locale locale_;
    CWin32Processes processes_;
    CWin32Mail mail_;
};

} // namespace tandrel
