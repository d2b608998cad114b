#include "install/MenuRegistration.h"

#include "common/Messages.h"
#include "common/Platform.h"
#include "common/TextConversion.h"
#include "resources/CommandInfo.h"
#include "resources/ResourceIds.h"

namespace tandrel {

namespace {

constexpr std::u16string_view kMenuExtKey = u"Software\\Microsoft\\Internet Explorer\\MenuExt";
constexpr std::u16string_view kExtensionsKey =
    u"Software\\Microsoft\\Internet Explorer\\Extensions";
// The browser's class id of a Tools-menu item that runs a script.
constexpr std::u16string_view kScriptMenuItemClass = u"{1FBA04EE-3024-11d2-8F1F-0000F87ABD16}";
constexpr std::uint32_t kContextsDefaultSelectionLink = 0x31;

// All fourteen Tools-menu ids share this pattern and differ in their last two hex digits.
std::string ToolsId(std::string_view lastTwoDigits) {
    return "{72B4934A-801C-4436-B796-B177D90510" + std::string(lastTwoDigits) + "}";
}

void ReplaceAll(std::string& text, const std::string& pattern, const std::string& replacement) {
    for (std::size_t at = text.find(pattern); at != std::string::npos;
         at = text.find(pattern, at + replacement.size()))
        text.replace(at, pattern.size(), replacement);
}

void WriteScriptPage(const std::u16string& path, const std::string& text) {
    IFileSystem& files = *CurrentPlatform().files;
    // A page from an earlier registration is read-only and hidden; clear that first so that
    // the page always holds the current text.
    files.SetAttributes(path, kFileNormal);
    if (files.WriteNewFile(path, text))
        files.SetAttributes(path, kFileReadOnly | kFileHidden);
}

std::u16string ScriptPagePath(const CMenuRegistration& row) {
    return ModuleFolder() + AnsiToWide(row.pageFile);
}

void InstallRow(const CMenuRegistration& row) {
    IRegistry& registry = *CurrentPlatform().registry;
    std::string scriptTemplate;
    if (auto script = CurrentPlatform().module->FindModuleResource("SCRIPT", row.scriptResource))
        scriptTemplate = std::string(*script);
    const std::u16string menuText = AnsiToWide(LoadText(row.menuTextId));
    const std::u16string pagePath = ScriptPagePath(row);

    WriteScriptPage(pagePath, ScriptPageText(scriptTemplate, row));

    if (auto key = registry.CreateKey(RegRoot::CurrentUser,
                                      std::u16string(kMenuExtKey) + u"\\" + menuText)) {
        key->SetString(u"", u"file:///" + pagePath);
        key->SetDword(u"Contexts", row.contexts);
    }
    if (auto key = registry.CreateKey(RegRoot::CurrentUser, std::u16string(kExtensionsKey) + u"\\" +
                                                                AnsiToWide(row.toolsId))) {
        key->SetString(u"MenuCustomize", u"Tools");
        key->SetString(u"CLSID", kScriptMenuItemClass);
        key->SetString(u"MenuText", menuText);
        key->SetString(u"MenuStatusBar", AnsiToWide(LoadText(row.statusTextId)));
        key->SetString(u"Script", pagePath);
    }
}

void RemovePage(const CMenuRegistration& row) {
    IFileSystem& files = *CurrentPlatform().files;
    const std::u16string pagePath = ScriptPagePath(row);
    files.SetAttributes(pagePath, kFileNormal);
    files.RemoveFile(pagePath);
}

void RemoveKeys(const CMenuRegistration& row) {
    IRegistry& registry = *CurrentPlatform().registry;
    if (auto key = registry.OpenKey(RegRoot::CurrentUser, kMenuExtKey, RegAccess::ReadWrite))
        key->DeleteSubKey(AnsiToWide(LoadText(row.menuTextId)));
    if (auto key = registry.OpenKey(RegRoot::CurrentUser, kExtensionsKey, RegAccess::ReadWrite))
        key->DeleteSubKey(AnsiToWide(row.toolsId));
}

} // namespace

std::vector<CMenuRegistration> MenuTable() {
    std::vector<CMenuRegistration> rows;
    for (const CommandInfo& command : kCommandInfos) {
        rows.push_back({ToolsId(command.toolsIdDigits), command.menuTextId, command.statusTextId,
                        std::string(command.pageFile), kContextsDefaultSelectionLink,
                        IDR_MENU_SCRIPT, std::string(command.keyword), "", ""});
    }
    return rows;
}

std::string ScriptPageText(const std::string& scriptTemplate, const CMenuRegistration& row) {
    std::string text = scriptTemplate;
    ReplaceAll(text, "!1", row.keyword);
    ReplaceAll(text, "!2", row.secondArgument);
    ReplaceAll(text, "!3", row.thirdArgument);
    return text;
}

std::u16string ModuleFolder() {
    std::u16string path = CurrentPlatform().module->ModulePath();
    std::size_t slash = path.rfind(u'\\');
    return slash == std::u16string::npos ? std::u16string() : path.substr(0, slash + 1);
}

void RegisterMenus(bool install) {
    for (const CMenuRegistration& row : MenuTable()) {
        if (install) {
            InstallRow(row);
        } else {
            RemovePage(row);
            RemoveKeys(row);
        }
    }
}

void RegisterUserMenus(bool install) {
    for (const CMenuRegistration& row : MenuTable()) {
        if (install)
            InstallRow(row);
        else
            RemoveKeys(row);
    }
}

} // namespace tandrel
