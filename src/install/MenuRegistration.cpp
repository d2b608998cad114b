#include "install/MenuRegistration.h"

#include "com/CommandTable.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "resources/ResourceIds.h"

namespace tandrel {

namespace {

const char kMenuExtKey[] = "Software\\Microsoft\\Internet Explorer\\MenuExt";
const char kExtensionsKey[] = "Software\\Microsoft\\Internet Explorer\\Extensions";
// The browser's class id of a Tools-menu item that runs a script.
const char kScriptMenuItemClass[] = "{1FBA04EE-3024-11d2-8F1F-0000F87ABD16}";
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

void WriteScriptPage(const std::string& path, const std::string& text) {
    IFileSystem& files = *CurrentPlatform().files;
    // A page from an earlier registration is read-only and hidden; clear that first so that
    // the page always holds the current text.
    files.SetAttributes(path, kFileNormal);
    if (files.WriteNewFile(path, text))
        files.SetAttributes(path, kFileReadOnly | kFileHidden);
}

void InstallRow(const CMenuRegistration& row) {
    IRegistry& registry = *CurrentPlatform().registry;
    std::string scriptTemplate;
    if (auto script = CurrentPlatform().module->FindModuleResource("SCRIPT", row.scriptResource))
        scriptTemplate = std::string(*script);
    const std::string menuText = LoadText(row.menuTextId);
    const std::string pagePath = ModuleFolder() + row.pageFile;

    WriteScriptPage(pagePath, ScriptPageText(scriptTemplate, row));

    if (auto key =
            registry.CreateKey(RegRoot::CurrentUser, std::string(kMenuExtKey) + "\\" + menuText)) {
        key->SetString("", "file:///" + pagePath);
        key->SetDword("Contexts", row.contexts);
    }
    if (auto key = registry.CreateKey(RegRoot::CurrentUser,
                                      std::string(kExtensionsKey) + "\\" + row.toolsId)) {
        key->SetString("MenuCustomize", "Tools");
        key->SetString("CLSID", kScriptMenuItemClass);
        key->SetString("MenuText", menuText);
        key->SetString("MenuStatusBar", LoadText(row.statusTextId));
        key->SetString("Script", pagePath);
    }
}

void RemoveRow(const CMenuRegistration& row) {
    IFileSystem& files = *CurrentPlatform().files;
    IRegistry& registry = *CurrentPlatform().registry;
    const std::string pagePath = ModuleFolder() + row.pageFile;
    files.SetAttributes(pagePath, kFileNormal);
    files.RemoveFile(pagePath);
    if (auto key = registry.OpenKey(RegRoot::CurrentUser, kMenuExtKey))
        key->DeleteSubKey(LoadText(row.menuTextId));
    if (auto key = registry.OpenKey(RegRoot::CurrentUser, kExtensionsKey))
        key->DeleteSubKey(row.toolsId);
}

} // namespace

std::vector<CMenuRegistration> MenuTable() {
    std::vector<CMenuRegistration> rows;
    for (const CommandRow& command : CommandTable()) {
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

std::string ModuleFolder() {
    std::string path = CurrentPlatform().module->ModulePath();
    std::size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

void RegisterMenus(bool install) {
    for (const CMenuRegistration& row : MenuTable()) {
        if (install)
            InstallRow(row);
        else
            RemoveRow(row);
    }
}

} // namespace tandrel
