// tandrel-host: the browser extension's native messaging host. Started by the browser, it answers
// the framed messages on its standard input (HostMessage.h); started by a user, it registers
// itself with the browsers (--install) or removes that (--uninstall).
#include "HostSystem.h"

#include "common/MemoryPlatform.h"
#include "common/TextConversion.h"

#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace tandrel::host {

namespace {

constexpr int kUsageError = 2;

void PrintHelp(std::ostream& out) {
    out << "usage: tandrel-host [--install | --uninstall] [options]\n\n"
           "Started by the browser (with the arguments it adds, which are ignored), it answers\n"
           "the extension's messages on its standard input and output.\n\n"
           "  --install       register this program with Chromium, Chrome, Edge and Firefox\n"
           "                  for the current user\n"
           "  --uninstall     remove that registration\n"
           "  --user-data-dir DIR   only the Chromium user-data folder DIR\n"
           "  --host-path PATH      the program the manifests name (default: this program)\n"
           "  --extension-id ID     the extension allowed in Chromium browsers (default "
        << kExtensionId << ")\n"
        << "  --gecko-id ID         the extension allowed in Firefox (default " << kGeckoId
        << ")\n";
}

struct Options {
    bool uninstall = false;
    InstallOptions install;
};

// The options of --install and --uninstall; none (after a message) for a wrong one.
std::optional<Options> ReadOptions(const std::vector<std::string>& args) {
    Options options;
    options.uninstall = args[0] == "--uninstall";
    options.install.hostPath = OwnPath();
    for (std::size_t at = 1; at < args.size(); at += 2) {
        const std::string& name = args[at];
        if (at + 1 == args.size()) {
            std::cerr << "tandrel-host: " << name << " needs a value\n";
            return std::nullopt;
        }
        const std::string& value = args[at + 1];
        if (name == "--user-data-dir")
            options.install.userDataDir = std::filesystem::absolute(std::filesystem::u8path(value));
        else if (name == "--host-path")
            options.install.hostPath = std::filesystem::absolute(std::filesystem::u8path(value));
        else if (name == "--extension-id")
            options.install.extensionId = value;
        else if (name == "--gecko-id")
            options.install.geckoId = value;
        else {
            std::cerr << "tandrel-host: unknown option " << name << "\n";
            return std::nullopt;
        }
    }
    return options;
}

int Register(const Options& options) {
    std::optional<UserFolders> folders = ThisUsersFolders();
    if (!folders && !options.install.userDataDir) {
        std::cerr << "tandrel-host: HOME is not set\n";
        return 1;
    }
    std::vector<ManifestPlace> places =
        ManifestPlaces(ThisSystem(), options.install, folders.value_or(UserFolders{}));
    InstallReport report = options.uninstall
                               ? UninstallHost(places, ThisSystemsRegistry())
                               : InstallHost(places, options.install, ThisSystemsRegistry());
    for (const std::string& line : report.lines)
        (line.rfind("failed: ", 0) == 0 ? std::cerr : std::cout) << line << "\n";
    return report.ok ? 0 : 1;
}

int Run(const std::vector<std::string>& args) {
    // The string table and the page's platform come from memory; programs and the code page
    // from the system.
    CMemoryPlatform memory;
    Platform view = memory.View();
    SystemParts system = ThisSystemsParts();
    view.processes = system.processes;
    view.text = system.text;
    ScopedPlatform installed(view);

    std::string first = args.empty() ? std::string() : args[0];
    if (first == "--help" || first == "-h") {
        PrintHelp(std::cout);
        return 0;
    }
    if (first == "--keep-open")
        return KeepConsoleOpen(std::vector<std::string>(args.begin() + 1, args.end()));
    if (first == "--install" || first == "--uninstall") {
        std::optional<Options> options = ReadOptions(args);
        return options ? Register(*options) : kUsageError;
    }
    UseBinaryStandardStreams();
    return ServeMessages(std::cin, std::cout, system);
}

} // namespace

} // namespace tandrel::host

int main(int argc, char** argv) {
    return tandrel::host::Run(std::vector<std::string>(argv + 1, argv + argc));
}
