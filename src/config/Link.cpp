#include "config/Link.h"

#include "config/SelectionMemory.h"

namespace tandrel {

void CLink::LoadFromSection(const CConfigSection& section) {
    sectionName_ = section.GetName();
    LoadTexts(section);
    LoadFlags(section);
    hasMail_ = !MailTo_.empty() || !MailCC_.empty() || !MailBCC_.empty() || !MailSubject_.empty() ||
               !MailBody_.empty();
    selected_ = ReadRememberedChoice(sectionName_).value_or(defaultSelected_);
}

void CLink::LoadTexts(const CConfigSection& section) {
    static const struct {
        const char* key;
        std::string CLink::*field;
    } kTextKeys[] = {
        {"shortDescription", &CLink::shortDescription_},
        {"longDescription", &CLink::longDescription_},
        {"url", &CLink::url_},
        {"href", &CLink::href_},
        {"command", &CLink::command_},
        {"windowName", &CLink::windowName_},
        {"left", &CLink::left_},
        {"top", &CLink::top_},
        {"width", &CLink::width_},
        {"height", &CLink::height_},
        {"MailTo", &CLink::MailTo_},
        {"MailCC", &CLink::MailCC_},
        {"MailBCC", &CLink::MailBCC_},
        {"MailSubject", &CLink::MailSubject_},
        {"MailBody", &CLink::MailBody_},
    };
    for (const auto& text : kTextKeys) {
        if (section.HasValue(text.key))
            this->*text.field = section.GetString(text.key, "");
    }
}

void CLink::LoadFlags(const CConfigSection& section) {
    static const struct {
        const char* key;
        bool CLink::*field;
    } kFlagKeys[] = {
        {"useConsole", &CLink::useConsole_},   {"leaveConsole", &CLink::leaveConsole_},
        {"directories", &CLink::directories_}, {"fullScreen", &CLink::fullScreen_},
        {"location", &CLink::location_},       {"menuBar", &CLink::menuBar_},
        {"resizable", &CLink::resizable_},     {"scrollBars", &CLink::scrollBars_},
        {"status", &CLink::status_},           {"toolBar", &CLink::toolBar_},
        {"exclusive", &CLink::exclusive_},     {"defaultSelected", &CLink::defaultSelected_},
        {"URLEncoded", &CLink::URLEncoded_},
    };
    for (const auto& flag : kFlagKeys)
        this->*flag.field = section.GetBool(flag.key, this->*flag.field);
}

void CLink::SaveSelection() const {
    RememberChoice(sectionName_, selected_);
}

std::string CLink::GetShownDescription() const {
    return longDescription_.empty() ? shortDescription_ : longDescription_;
}

} // namespace tandrel
