// What every subcommand of the tool gets: the parsed page options, a page built from them, and
// the platform (real files, in-memory registry, the built-in module texts) already installed.
#pragma once

#include "common/MemoryPlatform.h"
#include "page/MemoryBrowser.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace tandrel::tool {

/// Exit codes of the tool.
constexpr int kExitSuccess = 0;
constexpr int kExitNotFound = 1; ///< a lookup found nothing (lint: there are findings)
constexpr int kExitUsage = 2;

/// Raised for a usage error; the message goes to standard error and the tool exits with 2.
struct UsageError {
    std::string message;
};

struct PageOptions {
    std::u16string selection;
    std::u16string html;
    std::u16string url;
    std::optional<std::u16string> frameUrl;
    std::u16string title;
    std::optional<std::u16string> frameTitle;
    std::u16string name;
    std::optional<std::u16string> frameName;
    std::optional<std::u16string> host;
    std::optional<std::u16string> frameHost;
    ScreenSize screen{640, 480};
    std::optional<std::string> modulePath;
    std::optional<std::string> locale;
    std::optional<std::string> configFile;
};

struct ToolContext {
    PageOptions options;
    std::vector<std::string> arguments; ///< what is left after the page options
    CMemoryPlatform* platform = nullptr;
    std::shared_ptr<CMemoryWindow> top;
    std::shared_ptr<CMemoryWindow> frame; ///< the same object as top for a page without frames
    std::ostream* out = nullptr;
    std::ostream* err = nullptr;
};

/// Parses the page options out of args (leaving the rest in order); throws UsageError.
PageOptions ParsePageOptions(std::vector<std::string>& args);

/// Builds the page windows that the options describe.
void BuildPage(ToolContext& context);

} // namespace tandrel::tool
