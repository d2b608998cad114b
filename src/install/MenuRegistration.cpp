#include "install/MenuRegistration.h"

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
std::string ToolsId(const char* lastTwoDigits) {
    return std::string("{72B4934A-801C-4436-B796-B177D90510") + lastTwoDigits + "}";
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
    auto row = [](const char* toolsDigits, int menuText, int statusText, const char* page,
                  const char* keyword) {
        return CMenuRegistration{
            ToolsId(toolsDigits), menuText, statusText, page, kContextsDefaultSelectionLink,
            IDR_MENU_SCRIPT,      keyword,  "",         ""};
    };
    return {
        row("F0", 101, 102, "config.htm", "CONFIG"),
        row("E0", 105, 106, "book.htm", "BOOK"),
        row("D0", 140, 141, "convert.htm", "CONVERT"),
        row("C0", 113, 114, "currency.htm", "CURRENCY"),
        row("B0", 117, 118, "email.htm", "EMAIL"),
        row("A0", 103, 104, "isbn.htm", "ISBN"),
        row("90", 109, 110, "movie.htm", "MOVIE"),
        row("80", 121, 122, "music.htm", "MUSIC"),
        row("70", 115, 116, "other.htm", "OTHER"),
        row("65", 165, 166, "search.htm", "SEARCH"),
        row("60", 126, 127, "stock.htm", "STOCK"),
        row("50", 111, 112, "translate.htm", "TRANSLATE"),
        row("40", 107, 108, "upc.htm", "UPC"),
        row("30", 119, 120, "url.htm", "URL"),
    };
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
