#include "com/CommandDispatch.h"

#include "common/Platform.h"
#include "page/PageContext.h"

#include <algorithm>

namespace tandrel {

namespace {

const std::vector<CommandRow>* installedCommands = nullptr;

// Keywords are ASCII, so the wide keyword matches only code unit for code unit.
bool IsKeyword(std::u16string_view requested, std::string_view keyword) {
    return std::equal(
        requested.begin(), requested.end(), keyword.begin(), keyword.end(),
        [](char16_t wide, char narrow) { return wide == static_cast<unsigned char>(narrow); });
}

} // namespace

void RunCommand(BrowserWindowPtr window, const char16_t* keyword,
                const std::vector<CommandRow>& commands) {
    constexpr std::uint32_t kStopBeep = kMbIconHand;
    const std::u16string requested = keyword ? std::u16string(keyword) : std::u16string();
    CPageContext page;
    if (Failed(page.Load(std::move(window)))) {
        CurrentPlatform().ui->Beep(kStopBeep);
        return;
    }
    if (keyword) {
        for (const CommandRow& command : commands) {
            if (IsKeyword(requested, command.keyword)) {
                command.handler(page, command);
                return;
            }
        }
    }
    CurrentPlatform().ui->Beep(kStopBeep);
}

const std::vector<CommandRow>& ActiveCommands() {
    return installedCommands ? *installedCommands : CommandTable();
}

ScopedCommands::ScopedCommands(std::vector<CommandRow> commands)
    : previous_(installedCommands), commands_(std::move(commands)) {
    installedCommands = &commands_;
}

ScopedCommands::~ScopedCommands() {
    installedCommands = previous_;
}

} // namespace tandrel
