#include "config/Link.h"

#include "common/TextConversion.h"
#include "config/SelectionMemory.h"

namespace tandrel {

namespace {

constexpr std::string_view kWindows1252Name = "windows-1252";
constexpr std::string_view kUtf8Name = "utf-8";

} // namespace

std::optional<UrlCharset> ParseUrlCharset(std::string_view value) {
    if (EqualsIgnoreAsciiCase(value, kWindows1252Name))
        return UrlCharset::Windows1252;
    if (EqualsIgnoreAsciiCase(value, kUtf8Name))
        return UrlCharset::Utf8;
    return std::nullopt;
}

const std::vector<LinkField>& LinkFields() {
    using K = LinkFieldKind;
    auto text = [](std::string_view name, std::string CLink::*member,
                   std::string_view defaultText = "") {
        return LinkField{name, K::Text, true, false, defaultText, false, member, nullptr};
    };
    auto mail = [](std::string_view name, std::string CLink::*member) {
        return LinkField{name, K::Text, true, true, "", false, member, nullptr};
    };
    auto number = [](std::string_view name, std::string CLink::*member) {
        return LinkField{name, K::Number, true, false, "", false, member, nullptr};
    };
    auto flag = [](std::string_view name, bool CLink::*member, bool defaultFlag) {
        return LinkField{name, K::Flag, true, false, "", defaultFlag, nullptr, member};
    };
    // Fields no key sets: derived from the others, or set by the system.
    auto unkeyed = [](LinkField field) {
        field.keyed = false;
        return field;
    };
    static const std::vector<LinkField> fields = {
        text("shortDescription", &CLink::shortDescription_),
        text("longDescription", &CLink::longDescription_),
        text("url", &CLink::url_),
        text("href", &CLink::href_),
        text("command", &CLink::command_),
        flag("useConsole", &CLink::useConsole_, false),
        flag("leaveConsole", &CLink::leaveConsole_, false),
        flag("URLEncoded", &CLink::URLEncoded_, true),
        text("URLCharset", &CLink::URLCharset_, kWindows1252Name),
        unkeyed(flag("hasMail", &CLink::hasMail_, false)),
        mail("MailTo", &CLink::MailTo_),
        mail("MailCC", &CLink::MailCC_),
        mail("MailBCC", &CLink::MailBCC_),
        mail("MailSubject", &CLink::MailSubject_),
        mail("MailBody", &CLink::MailBody_),
        text("windowName", &CLink::windowName_, "_blank"),
        number("left", &CLink::left_),
        number("top", &CLink::top_),
        number("width", &CLink::width_),
        number("height", &CLink::height_),
        flag("directories", &CLink::directories_, true),
        flag("fullScreen", &CLink::fullScreen_, false),
        flag("location", &CLink::location_, true),
        flag("menuBar", &CLink::menuBar_, true),
        flag("resizable", &CLink::resizable_, true),
        flag("scrollBars", &CLink::scrollBars_, true),
        flag("status", &CLink::status_, true),
        unkeyed(flag("titleBar", &CLink::titleBar_, true)),
        flag("toolBar", &CLink::toolBar_, true),
        flag("exclusive", &CLink::exclusive_, false),
        flag("defaultSelected", &CLink::defaultSelected_, false),
        unkeyed(text("sectionName", &CLink::sectionName_)),
        unkeyed(flag("selected", &CLink::selected_, false)),
    };
    return fields;
}

const LinkField* FindLinkKey(std::string_view key) {
    for (const LinkField& field : LinkFields()) {
        if (field.keyed && EqualsIgnoreAsciiCase(field.name, key))
            return &field;
    }
    return nullptr;
}

CLink::CLink() {
    for (const LinkField& field : LinkFields()) {
        if (field.text)
            this->*field.text = std::string(field.textDefault);
        else
            this->*field.flag = field.flagDefault;
    }
}

void CLink::LoadFromSection(const CConfigSection& section) {
    LoadKeysFromSection(section);
    LoadRememberedChoice();
}

void CLink::LoadKeysFromSection(const CConfigSection& section) {
    sectionName_ = section.GetName();
    for (const LinkField& field : LinkFields()) {
        if (!field.keyed)
            continue;
        // An empty value never clears a text; a flag keeps its value unless the first byte says.
        if (field.text && section.HasValue(field.name))
            this->*field.text = section.GetString(field.name, "");
        else if (field.flag)
            this->*field.flag = section.GetBool(field.name, this->*field.flag);
    }
    hasMail_ = false;
    for (const LinkField& field : LinkFields())
        hasMail_ = hasMail_ || (field.mail && !(this->*field.text).empty());
    selected_ = defaultSelected_;
}

void CLink::LoadRememberedChoice() {
    if (std::optional<bool> remembered = ReadRememberedChoice(sectionName_))
        selected_ = *remembered;
}

bool CLink::SaveSelection() const {
    return RememberChoice(sectionName_, selected_);
}

const std::string& CLink::GetShownDescription() const {
    return longDescription_.empty() ? shortDescription_ : longDescription_;
}

} // namespace tandrel
