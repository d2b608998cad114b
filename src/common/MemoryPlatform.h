// The in-memory platform: a registry, a file store, a module and a user interface that live in
// the process and record what is done to them. Native tests install it; the command-line tool
// installs it with real files (DiskFileSystem.h) in place of the file store.
#pragma once

#include "common/Platform.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace tandrel {

/// Registry held in memory. Key paths and value names compare without regard to ASCII case. A
/// key opened for reading only refuses every change, as the platform's would, and a key denied
/// to the user or made read-only cannot be deleted either.
class CMemoryRegistry : public IRegistry {
public:
    struct Value {
        std::u16string name; ///< as first written
        std::uint32_t type = kRegNone;
        std::string data;
    };
    struct Key {
        std::u16string path;                    ///< as first created
        std::map<std::u16string, Value> values; ///< by lowered name
    };
    using KeyId = std::pair<RegRoot, std::u16string>; ///< root and lowered path

    std::unique_ptr<IRegKey> OpenKey(RegRoot root, std::u16string_view path,
                                     RegAccess access) override;
    std::unique_ptr<IRegKey> CreateKey(RegRoot root, std::u16string_view path) override;
    bool DeleteKey(RegRoot root, std::u16string_view path) override;
    bool DeleteTree(RegRoot root, std::u16string_view path) override;

    /// Every key, by root and lowered path; for tests and dumps.
    const std::map<KeyId, Key>& Keys() const { return keys_; }
    bool HasKey(RegRoot root, std::u16string_view path) const;
    /// The value of a key, or none; for tests.
    std::optional<Value> GetValue(RegRoot root, std::u16string_view path,
                                  std::u16string_view name) const;
    /// Makes every open and create of the key fail (as a key without any access would).
    void DenyAccess(RegRoot root, std::u16string_view path) { denied_.insert(Id(root, path)); }
    /// Lets the key be opened for reading only (as a key its owner made read-only would).
    void DenyWrites(RegRoot root, std::u16string_view path) { readOnly_.insert(Id(root, path)); }

    // Used by the key handles.
    Key* FindKey(const KeyId& id);
    bool HasSubKeys(const KeyId& id) const;
    bool EraseKey(const KeyId& id);
    static std::u16string Lowered(std::u16string_view text);

private:
    static KeyId Id(RegRoot root, std::u16string_view path) { return {root, Lowered(path)}; }
    bool IsProtected(const KeyId& id) const { return denied_.count(id) || readOnly_.count(id); }
    std::map<KeyId, Key> keys_;
    std::set<KeyId> denied_;
    std::set<KeyId> readOnly_;
};

/// Files held in memory, by exact path.
class CMemoryFileSystem : public IFileSystem {
public:
    struct File {
        std::string bytes;
        std::uint32_t attributes = kFileNormal;
        bool locked = false; ///< another program holds it open for writing
    };

    FileReadResult ReadWholeFile(std::u16string_view path) override;
    bool WriteNewFile(std::u16string_view path, std::string_view bytes) override;
    bool SetAttributes(std::u16string_view path, std::uint32_t attributes) override;
    bool RemoveFile(std::u16string_view path) override;

    std::map<std::u16string, File>& Files() { return files_; }
    /// Makes every write in the folder (a path prefix) fail, as a read-only medium would.
    void DenyWritesUnder(std::u16string prefix) { deniedPrefixes_.push_back(std::move(prefix)); }

private:
    bool WriteDenied(std::u16string_view path) const;
    std::map<std::u16string, File> files_;
    std::vector<std::u16string> deniedPrefixes_;
};

/// A module with a settable path, resources and string table. Starts with the resources and
/// strings built into this program (BuiltInResources.h), read in place until set or removed, so
/// that making one costs next to nothing (the extension's interface makes one per call).
class CMemoryModule : public IModule {
public:
    CMemoryModule();

    std::u16string ModulePath() override { return path_; }
    std::optional<std::string_view> FindModuleResource(std::string_view type, int id) override;
    std::string LoadStringText(int id) override;
    std::optional<std::u16string> ModuleFolderAddress() override { return folderAddress_; }

    void SetModulePath(std::u16string path) { path_ = std::move(path); }
    /// Serves the module's pages from another address (none: from the module's folder).
    void SetFolderAddress(std::optional<std::u16string> address) {
        folderAddress_ = std::move(address);
    }
    void SetResource(std::string type, int id, std::string bytes);
    void RemoveResource(const std::string& type, int id);
    void SetString(int id, std::string text) { strings_[id] = std::move(text); }

private:
    std::u16string path_;
    std::optional<std::u16string> folderAddress_;
    /// Resources set (or, none, removed) since construction; the others are the built-in ones.
    std::map<std::pair<std::string, int>, std::optional<std::string>> resources_;
    std::map<int, std::string> strings_; ///< texts set since construction
};

/// A user interface that records message boxes, beeps and foreground requests.
class CMemoryUserInterface : public IUserInterface {
public:
    struct MessageBoxCall {
        WindowHandle owner;
        std::string text;
        std::string caption;
        std::uint32_t style;
    };

    int ShowMessageBox(WindowHandle owner, std::string_view text, std::string_view caption,
                       std::uint32_t style) override;
    void Beep(std::uint32_t type) override { beeps.push_back(type); }
    std::optional<WorkArea> GetWorkArea() override { return workArea; }
    WindowHandle DesktopWindow() override { return kDesktop; }
    bool BringWindowToFront(WindowHandle window) override;
    std::int32_t SystemMetric(Metric metric) override;

    static constexpr WindowHandle kDesktop = 0x10010;

    std::vector<MessageBoxCall> messageBoxes;
    std::vector<std::uint32_t> beeps;
    std::vector<WindowHandle> foregroundWindows;
    std::optional<WorkArea> workArea;
    int messageBoxAnswer = kIdOk;
    /// The metrics of a classic desktop: frames of 4 pixels, scroll bars of 17, menus of 19.
    std::map<Metric, std::int32_t> metrics = {{Metric::kWindowFrameWidth, 4},
                                              {Metric::kWindowFrameHeight, 4},
                                              {Metric::kVerticalScrollBarWidth, 17},
                                              {Metric::kMenuBarHeight, 19}};
};

/// Processes that are recorded instead of started.
class CMemoryProcesses : public IProcesses {
public:
    std::optional<std::string> EnvironmentVariable(std::string_view name) override;
    ProcessStart StartProcess(std::string_view commandLine) override;
    std::optional<std::string> ErrorText(std::uint32_t error) override;

    std::map<std::string, std::string> environment; ///< by name as written
    std::vector<std::string> started;               ///< every command line, started or not
    std::optional<std::uint32_t> startError;        ///< set: every start fails with it
    std::map<std::uint32_t, std::string> errorTexts = {
        {2, "The system cannot find the file specified.\r\n"}, {5, "Access is denied.\r\n"}};
};

/// Simple MAPI that records the messages it is handed.
class CMemoryMail : public IMail {
public:
    std::optional<std::uint32_t> SendMapiMail(const MapiMail& mail) override;

    std::vector<MapiMail> sent;
    std::optional<std::uint32_t> result; ///< none: there is no Simple MAPI
};

/// Text conversion with Windows-1252 as the ANSI code page, and the portable message formatter.
class CWindows1252Text : public IText {
public:
    std::u16string AnsiToWide(std::string_view text) override;
    std::string WideToAnsi(std::u16string_view text) override;
    std::optional<std::string> FormatInserts(std::string_view pattern,
                                             const std::vector<MessageArg>& args) override;
};

/// A locale whose currency symbol is set by hand.
class CMemoryLocale : public ILocale {
public:
    std::optional<std::string> InternationalCurrencySymbol() override { return currencySymbol; }

    std::optional<std::string> currencySymbol = std::string("USD"); ///< none: the call fails
};

/// All of the above, ready to install with ScopedPlatform.
class CMemoryPlatform {
public:
    CMemoryRegistry registry;
    CMemoryFileSystem files;
    CMemoryModule module;
    CMemoryUserInterface ui;
    CWindows1252Text text;
    CMemoryLocale locale;
    CMemoryProcesses processes;
    CMemoryMail mail;

    /// The platform view of this object, with an optional other file system.
    Platform View(IFileSystem* otherFiles = nullptr);
};

} // namespace tandrel
