// tandrel: looks at link configuration files and runs the system's text rules from the command
// line. Arguments and output are UTF-8.
#include "Subcommands.h"
#include "ToolContext.h"

#include "common/DiskFileSystem.h"
#include "common/TextConversion.h"
#include "config/ConfigPath.h"

#include <filesystem>
#include <iostream>

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace tandrel::tool {

namespace {

std::u16string OwnPath() {
#if defined(_WIN32)
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return std::u16string(path.begin(), path.end());
        }
        path.resize(path.size() * 2);
    }
#else
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? u"tandrel" : path.u16string();
#endif
}

std::u16string PathArgument(const std::string& utf8) {
    return std::filesystem::u8path(utf8).u16string();
}

/// Real files, with the configuration file beside the module read from another place.
class CConfigRedirect : public CDiskFileSystem {
public:
    CConfigRedirect(std::u16string from, std::u16string to)
        : from_(std::move(from)), to_(std::move(to)) {}
    FileReadResult ReadWholeFile(std::u16string_view path) override {
        return CDiskFileSystem::ReadWholeFile(path == from_ ? std::u16string_view(to_) : path);
    }

private:
    std::u16string from_;
    std::u16string to_;
};

void PrintHelp(std::ostream& out) {
    out << "usage: tandrel SUBCOMMAND [page options] [arguments]\n\n"
           "Subcommands:\n";
    for (const Subcommand& sub : AllSubcommands())
        out << "  " << sub.synopsis << "\n";
    out << "\nPage options (frame values default to the top ones):\n"
           "  --selection TEXT        the selected text\n"
           "  --selection-file FILE   the selected text from a UTF-8 file (- for standard input)\n"
           "  --html TEXT             the HTML source of the selection\n"
           "  --url URL               address of the top window\n"
           "  --frame-url URL         address of the frame (default: the top address)\n"
           "  --title, --frame-title  document titles\n"
           "  --name, --frame-name    window names\n"
           "  --host, --frame-host    host names (default: the host of the address; empty for "
           "file:)\n"
           "  --screen WxH            usable screen size (default 640x480)\n"
           "  --module PATH           module path (default: this program)\n"
           "  --locale CODE           the user's international currency symbol (default USD)\n"
           "  --config FILE           link configuration file to read instead of the module's\n"
           "\nThe native build cascades windows with fixed system metrics: frames of 4 pixels\n"
           "(SM_CXFRAME, SM_CYFRAME), scroll bars of 17 (SM_CXVSCROLL), menu bars of 19 "
           "(SM_CYMENU).\n"
           "\nExit status: 0 success, 1 nothing found (lint: findings), 2 usage error.\n";
}

int Run(std::vector<std::string> args) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            PrintHelp(std::cout);
            return kExitSuccess;
        }
    }
    ToolContext context;
    context.out = &std::cout;
    context.err = &std::cerr;
    context.options = ParsePageOptions(args);
    if (args.empty())
        throw UsageError{"no subcommand given; see tandrel --help"};
    std::string name = args.front();
    args.erase(args.begin());
    context.arguments = args;

    CMemoryPlatform platform;
    if (context.options.locale)
        platform.locale.currencySymbol = WideToWindows1252(Utf8ToWide(*context.options.locale));
    std::u16string modulePath =
        context.options.modulePath ? PathArgument(*context.options.modulePath) : OwnPath();
    platform.module.SetModulePath(modulePath);
    CConfigRedirect files(ConfigFilePathFor(modulePath),
                          context.options.configFile ? PathArgument(*context.options.configFile)
                                                     : ConfigFilePathFor(modulePath));
    ScopedPlatform installed(platform.View(&files));
    context.platform = &platform;
    BuildPage(context);

    for (const Subcommand& sub : AllSubcommands()) {
        if (name == sub.name)
            return sub.run(context);
    }
    throw UsageError{"unknown subcommand " + name + "; see tandrel --help"};
}

} // namespace

} // namespace tandrel::tool

int main(int argc, char** argv) {
    try {
        return tandrel::tool::Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const tandrel::tool::UsageError& error) {
        std::cerr << "tandrel: " << error.message << "\n";
        return tandrel::tool::kExitUsage;
    }
}
