#include "common/Messages.h"

#include <cstdarg>
#include <cstdio>

namespace tandrel {

namespace {
constexpr std::size_t kMaxLoadedText = 511;
constexpr std::size_t kPrintBufferSize = 1024;
} // namespace

std::string LoadText(int id) {
    std::string text = CurrentPlatform().module->LoadStringText(id);
    if (text.size() > kMaxLoadedText)
        text.resize(kMaxLoadedText);
    return text;
}

std::string FormatText(int id, const std::vector<MessageArg>& args) {
    std::string pattern = LoadText(id);
    if (pattern.empty())
        return {};
    return CurrentPlatform().text->FormatInserts(pattern, args).value_or(std::string());
}

std::string PrintText(const char* format, ...) {
    char buffer[kPrintBufferSize];
    va_list args;
    va_start(args, format);
    int written = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (written < 0)
        return {};
    return std::string(buffer);
}

int ShowMessage(WindowHandle owner, std::string_view text, int titleId, std::uint32_t style) {
    IUserInterface& ui = *CurrentPlatform().ui;
    if (owner == 0)
        owner = ui.DesktopWindow();
    return ui.ShowMessageBox(owner, text, LoadText(titleId), style);
}

int ShowMessageId(WindowHandle owner, int textId, int titleId, std::uint32_t style) {
    return ShowMessage(owner, LoadText(textId), titleId, style);
}

} // namespace tandrel
