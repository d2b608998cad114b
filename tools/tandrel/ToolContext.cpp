#include "ToolContext.h"

#include "common/TextConversion.h"
#include "page/HostDomain.h"

#include <fstream>
#include <iostream>
#include <iterator>

namespace tandrel::tool {

namespace {

std::string ReadSelectionFile(const std::string& path) {
    if (path == "-")
        return std::string(std::istreambuf_iterator<char>(std::cin), {});
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw UsageError{"cannot read selection file " + path};
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A whole number made of digits only; none for anything else (signs included).
std::optional<std::int32_t> ParseDimension(const std::string& text) {
    if (text.empty() || text.size() > 6 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return static_cast<std::int32_t>(std::stol(text));
}

ScreenSize ParseScreen(const std::string& text) {
    std::size_t x = text.find('x');
    if (x != std::string::npos) {
        auto width = ParseDimension(text.substr(0, x));
        auto height = ParseDimension(text.substr(x + 1));
        if (width && height)
            return {*width, *height};
    }
    throw UsageError{"--screen takes WIDTHxHEIGHT, such as 1024x768"};
}

// Applies one option with its value; false when the option is not a page option.
bool ApplyOption(PageOptions& options, const std::string& name, const std::string& value) {
    std::u16string wide = Utf8ToWide(value);
    if (name == "--selection")
        options.selection = wide;
    else if (name == "--selection-file")
        options.selection = Utf8ToWide(ReadSelectionFile(value));
    else if (name == "--html")
        options.html = wide;
    else if (name == "--url")
        options.url = wide;
    else if (name == "--frame-url")
        options.frameUrl = wide;
    else if (name == "--title")
        options.title = wide;
    else if (name == "--frame-title")
        options.frameTitle = wide;
    else if (name == "--name")
        options.name = wide;
    else if (name == "--frame-name")
        options.frameName = wide;
    else if (name == "--host")
        options.host = wide;
    else if (name == "--frame-host")
        options.frameHost = wide;
    else if (name == "--screen")
        options.screen = ParseScreen(value);
    else if (name == "--module")
        options.modulePath = value;
    else if (name == "--locale")
        options.locale = value;
    else if (name == "--config")
        options.configFile = value;
    else
        return false;
    return true;
}

bool IsPageOption(const std::string& name) {
    static const char* const kNames[] = {
        "--selection",  "--selection-file", "--html",   "--url",        "--frame-url",
        "--title",      "--frame-title",    "--name",   "--frame-name", "--host",
        "--frame-host", "--screen",         "--module", "--locale",     "--config"};
    for (const char* known : kNames) {
        if (name == known)
            return true;
    }
    return false;
}

} // namespace

PageOptions ParsePageOptions(std::vector<std::string>& args) {
    PageOptions options;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        std::size_t equals = name.find('=');
        if (name.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.erase(equals);
        }
        if (!IsPageOption(name)) {
            rest.push_back(args[i]);
            continue;
        }
        if (!value) {
            if (i + 1 >= args.size())
                throw UsageError{name + " needs a value"};
            value = args[++i];
        }
        ApplyOption(options, name, *value);
    }
    args = rest;
    return options;
}

void BuildPage(ToolContext& context) {
    const PageOptions& options = context.options;
    auto top = std::make_shared<CMemoryWindow>();
    top->href = options.url;
    top->title = options.title;
    top->name = options.name;
    top->hostName = options.host.value_or(HostNameOfUrl(options.url));
    top->screen = options.screen;
    bool framed = options.frameUrl || options.frameTitle || options.frameName || options.frameHost;
    std::shared_ptr<CMemoryWindow> frame = framed ? top->MakeFrame() : top;
    if (framed) {
        std::u16string frameUrl = options.frameUrl.value_or(options.url);
        frame->href = frameUrl;
        frame->title = options.frameTitle.value_or(options.title);
        frame->name = options.frameName.value_or(options.name);
        frame->hostName =
            options.frameHost.value_or(options.frameUrl ? HostNameOfUrl(frameUrl) : *top->hostName);
        frame->screen = options.screen;
    }
    frame->selection = SelectionText{options.selection, options.html};
    context.top = top;
    context.frame = frame;
}

} // namespace tandrel::tool
