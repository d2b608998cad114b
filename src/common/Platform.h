// The platform seen by the portable core: small interfaces over the registry, files, the module
// (its path, resources and string table), the user interface, and text conversion. The DLL
// installs the Win32 implementation; native tests and the command-line tool install the
// in-memory one (MemoryPlatform.h). Method names avoid the platform header's A/W macros.
#pragma once

#include "common/Status.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tandrel {

// ---------------------------------------------------------------------------------------------
// Registry

enum class RegRoot { CurrentUser, ClassesRoot };

/// What an opened key may be used for. Reading asks for read access only, so that a key the
/// process may read but not change (a browser tab at low integrity) still reads.
enum class RegAccess { Read, ReadWrite };

/// Registry value types, numbered as the platform numbers them.
enum RegType : std::uint32_t {
    kRegNone = 0,
    kRegSz = 1,
    kRegExpandSz = 2,
    kRegBinary = 3,
    kRegDword = 4
};

/// One open registry key; closed when destroyed. Key paths, value names and string values are
/// UTF-16, as the platform's wide calls take them; names compare without regard to case.
class IRegKey {
public:
    virtual ~IRegKey() = default;
    /// Writes a value of any type from raw bytes; false when it could not be written.
    virtual bool SetValue(std::u16string_view name, std::uint32_t type, std::string_view data) = 0;
    /// Writes a REG_SZ (UTF-16, its terminating zero counted in its length).
    bool SetString(std::u16string_view name, std::u16string_view text);
    /// Writes a REG_DWORD (four bytes, least significant first).
    bool SetDword(std::u16string_view name, std::uint32_t value);
    /// Reads a value into a buffer of at most maxBytes; none when the value is missing or longer.
    virtual std::optional<std::string> QueryValue(std::u16string_view name,
                                                  std::size_t maxBytes) = 0;
    /// Deletes a subkey that has no subkeys of its own; true when it is gone afterwards.
    virtual bool DeleteSubKey(std::u16string_view name) = 0;
    virtual bool DeleteValue(std::u16string_view name) = 0;
};

class IRegistry {
public:
    virtual ~IRegistry() = default;
    /// Opens an existing key with the access asked for; null when it does not exist or that
    /// access is refused.
    virtual std::unique_ptr<IRegKey> OpenKey(RegRoot root, std::u16string_view path,
                                             RegAccess access) = 0;
    /// Creates (or opens) an ordinary non-volatile key, with its parents, for reading and
    /// writing; null when that is refused.
    virtual std::unique_ptr<IRegKey> CreateKey(RegRoot root, std::u16string_view path) = 0;
    /// Deletes a key that has no subkeys; true when it is gone afterwards.
    virtual bool DeleteKey(RegRoot root, std::u16string_view path) = 0;
    /// Deletes a key and everything below it; true when it is gone afterwards.
    virtual bool DeleteTree(RegRoot root, std::u16string_view path) = 0;
};

/// The text of REG_SZ data: UTF-16 code units up to the first zero (or the end).
std::u16string TextOfRegString(std::string_view data);

// ---------------------------------------------------------------------------------------------
// Files (paths are UTF-16, whole, as the platform's wide calls take them)

enum FileAttributes : std::uint32_t {
    kFileReadOnly = 0x1,
    kFileHidden = 0x2,
    kFileNormal = 0x80,
};

struct FileReadResult {
    HResult status = kOk; ///< failure status when the file could not be opened or read
    bool opened = false;  ///< the file was opened and read (status is then kOk)
    std::string bytes;
};

class IFileSystem {
public:
    virtual ~IFileSystem() = default;
    /// Opens an existing file for reading while others may read it too, and reads it whole in one
    /// read. A file that cannot be opened gives the platform's last error as a status.
    virtual FileReadResult ReadWholeFile(std::u16string_view path) = 0;
    /// Creates the file (replacing one that is there) with no sharing and normal attributes and
    /// writes the bytes; false when it cannot be created or written.
    virtual bool WriteNewFile(std::u16string_view path, std::string_view bytes) = 0;
    virtual bool SetAttributes(std::u16string_view path, std::uint32_t attributes) = 0;
    virtual bool RemoveFile(std::u16string_view path) = 0;
};

// ---------------------------------------------------------------------------------------------
// The module: its own path, resources and string table

class IModule {
public:
    virtual ~IModule() = default;
    /// The module's full path as the platform reports it, whole, in UTF-16.
    virtual std::u16string ModulePath() = 0;
    /// The bytes of a resource of a named type ("FILE", "SCRIPT") and numeric id; none when absent.
    virtual std::optional<std::string_view> FindModuleResource(std::string_view type, int id) = 0;
    /// A string-table text in the ANSI code page; empty when the id has no text.
    virtual std::string LoadStringText(int id) = 0;
    /// The address of the folder the module's own pages are served from, ending in "/", when it
    /// is not the module's folder on disk (the browser extension ships the help pages at an
    /// address of its own); none: the folder of ModulePath as a file address.
    virtual std::optional<std::u16string> ModuleFolderAddress() { return std::nullopt; }
};

// ---------------------------------------------------------------------------------------------
// User interface: message boxes, beeps, the screen

/// Message-box styles and results, with the platform's values.
enum MessageStyle : std::uint32_t {
    kMbOk = 0x0,
    kMbIconHand = 0x10,
    kMbIconError = 0x10,
    kMbIconQuestion = 0x20,
    kMbIconExclamation = 0x30,
    kMbIconAsterisk = 0x40,
    kMbYesNo = 0x4,
    kMbDefaultButton2 = 0x100,
};
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

/// The system metrics the window cascade reads, with the platform's numbers.
enum class Metric : std::int32_t {
    kWindowFrameWidth = 32,      ///< SM_CXFRAME
    kWindowFrameHeight = 33,     ///< SM_CYFRAME
    kVerticalScrollBarWidth = 2, ///< SM_CXVSCROLL
    kMenuBarHeight = 15,         ///< SM_CYMENU
};

/// An opaque window handle; 0 is none (the desktop window stands in for a missing owner).
using WindowHandle = std::uintptr_t;

struct WorkArea {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

class IUserInterface {
public:
    virtual ~IUserInterface() = default;
    /// Shows a modal message box and returns the button pressed.
    virtual int ShowMessageBox(WindowHandle owner, std::string_view text, std::string_view caption,
                               std::uint32_t style) = 0;
    virtual void Beep(std::uint32_t type) = 0;
    /// The desktop work area, or none when the system cannot say.
    virtual std::optional<WorkArea> GetWorkArea() = 0;
    /// The desktop window, owner of message boxes that have no other.
    virtual WindowHandle DesktopWindow() = 0;
    virtual bool BringWindowToFront(WindowHandle window) = 0;
    /// A system metric in pixels, read at the moment of the call.
    virtual std::int32_t SystemMetric(Metric metric) = 0;
};

// ---------------------------------------------------------------------------------------------
// Text: the ANSI code page and the message formatter

/// One insert of a formatted message: a string (ANSI) or a number.
using MessageArg = std::variant<std::string, std::int64_t>;

class IText {
public:
    virtual ~IText() = default;
    /// ANSI code page to UTF-16, byte for character.
    virtual std::u16string AnsiToWide(std::string_view text) = 0;
    /// UTF-16 to the ANSI code page; characters it cannot hold become its default character.
    virtual std::string WideToAnsi(std::u16string_view text) = 0;
    /// Fills the numbered inserts ("%1", "%1!d!") of a message; none when formatting fails.
    virtual std::optional<std::string> FormatInserts(std::string_view pattern,
                                                     const std::vector<MessageArg>& args) = 0;
};

// ---------------------------------------------------------------------------------------------
// The user's locale

class ILocale {
public:
    virtual ~ILocale() = default;
    /// The international currency symbol of the user's locale ("EUR"), in the ANSI code page;
    /// none when the system cannot say.
    virtual std::optional<std::string> InternationalCurrencySymbol() = 0;
};

// ---------------------------------------------------------------------------------------------
// Processes: the environment, starting a program, the system's text for an error

/// How a start went: the platform's error code when the program could not be started.
struct ProcessStart {
    bool started = false;
    std::uint32_t error = 0;
};

class IProcesses {
public:
    virtual ~IProcesses() = default;
    /// An environment variable of this process, in the ANSI code page; none when it is not set.
    virtual std::optional<std::string> EnvironmentVariable(std::string_view name) = 0;
    /// Starts a program from an ANSI command line (its first word names the program, found by the
    /// platform's usual search), with this process's environment and folder, without waiting.
    virtual ProcessStart StartProcess(std::string_view commandLine) = 0;
    /// The system's text for an error code, in the ANSI code page; none when it has none.
    virtual std::optional<std::string> ErrorText(std::uint32_t error) = 0;
};

/// The command interpreter a console command is handed to: the value of COMSPEC, read now, or
/// "COMMAND.COM" when it is not set.
std::string CommandInterpreter(IProcesses& processes);

// ---------------------------------------------------------------------------------------------
// Mail through the mail program's Simple MAPI

/// A message for the mail program's compose window; texts in the ANSI code page.
struct MapiMail {
    enum RecipientClass : std::uint32_t { kTo = 1, kCc = 2, kBcc = 3 };
    struct Recipient {
        RecipientClass recipientClass;
        std::string address; ///< the whole text, as one address
    };
    std::optional<std::string> subject;
    std::optional<std::string> noteText;
    std::vector<Recipient> recipients; ///< in the order To, CC, BCC
};

class IMail {
public:
    virtual ~IMail() = default;
    /// Hands the message to Simple MAPI with the compose dialog (MAPISendMail, loaded at the
    /// moment from "MAPI32.DLL"); the call's result, or none when there is no Simple MAPI.
    virtual std::optional<std::uint32_t> SendMapiMail(const MapiMail& mail) = 0;
};

// ---------------------------------------------------------------------------------------------

/// The number held by up to four bytes of registry data, least significant first.
std::uint32_t DwordFromBytes(std::string_view bytes);

/// Everything the core asks of the platform.
struct Platform {
    IRegistry* registry = nullptr;
    IFileSystem* files = nullptr;
    IModule* module = nullptr;
    IUserInterface* ui = nullptr;
    IText* text = nullptr;
    ILocale* locale = nullptr;
    IProcesses* processes = nullptr;
    IMail* mail = nullptr;
};

/// The platform installed for this process (or the innermost ScopedPlatform).
Platform& CurrentPlatform();

/// Installs a platform for the lifetime of this object and restores the previous one after.
class ScopedPlatform {
public:
    explicit ScopedPlatform(const Platform& platform);
    ~ScopedPlatform();
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;

private:
    Platform previous_;
};

} // namespace tandrel
