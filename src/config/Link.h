// One site or action of a category: a configuration section turned into a record with typed
// attributes and defaults, plus whether the user has it ticked.
#pragma once

#include "config/ConfigSection.h"

#include <string>

namespace tandrel {

/// A link entry. Text fields are bytes taken verbatim from the configuration; every field has
/// the default below until LoadFromSection sets it from its key (keys are case-insensitive).
/// Only `selected` can be changed from outside.
class CLink {
public:
    /// Fills the entry from a section: text fields from non-empty values only (an empty value
    /// never clears a default), flags by the first byte of their value (other bytes keep the
    /// default), `hasMail` from the mail fields, and `selected` from `defaultSelected` replaced
    /// by the remembered choice when there is one. Never fails.
    void LoadFromSection(const CConfigSection& section);

    /// Stores `selected` as this entry's remembered choice; failures are ignored.
    void SaveSelection() const;

    /// The description shown for the entry in a site list: the long description, or the short
    /// one when the long one is empty.
    std::string GetShownDescription() const;

    std::string GetShortDescription() const { return shortDescription_; }
    std::string GetLongDescription() const { return longDescription_; }
    std::string GetUrl() const { return url_; }
    std::string GetHref() const { return href_; }
    std::string GetCommand() const { return command_; }
    bool GetUseConsole() const { return useConsole_; }
    bool GetLeaveConsole() const { return leaveConsole_; }
    bool GetURLEncoded() const { return URLEncoded_; }
    /// True when any of the five mail fields is not empty.
    bool GetHasMail() const { return hasMail_; }
    std::string GetMailTo() const { return MailTo_; }
    std::string GetMailCC() const { return MailCC_; }
    std::string GetMailBCC() const { return MailBCC_; }
    std::string GetMailSubject() const { return MailSubject_; }
    std::string GetMailBody() const { return MailBody_; }
    std::string GetWindowName() const { return windowName_; }
    /// Window geometry as written ("0", "-50%", "40%"); empty when not given.
    std::string GetLeft() const { return left_; }
    std::string GetTop() const { return top_; }
    std::string GetWidth() const { return width_; }
    std::string GetHeight() const { return height_; }
    bool GetDirectories() const { return directories_; }
    bool GetFullScreen() const { return fullScreen_; }
    bool GetLocation() const { return location_; }
    bool GetMenuBar() const { return menuBar_; }
    bool GetResizable() const { return resizable_; }
    bool GetScrollBars() const { return scrollBars_; }
    bool GetStatus() const { return status_; }
    /// Always true: no key sets it.
    bool GetTitleBar() const { return titleBar_; }
    bool GetToolBar() const { return toolBar_; }
    bool GetExclusive() const { return exclusive_; }
    bool GetDefaultSelected() const { return defaultSelected_; }
    /// The full section name, prefix included; also the name of the remembered choice.
    std::string GetSectionName() const { return sectionName_; }
    bool GetSelected() const { return selected_; }

    /// Ticks or unticks the entry (the site list, and the runner choosing a system entry).
    void SetSelected(bool selected) { selected_ = selected; }

private:
    void LoadTexts(const CConfigSection& section);
    void LoadFlags(const CConfigSection& section);

    std::string shortDescription_;
    std::string longDescription_;
    std::string url_;
    std::string href_;
    std::string command_;
    bool useConsole_ = false;
    bool leaveConsole_ = false;
    bool URLEncoded_ = true;
    bool hasMail_ = false;
    std::string MailTo_;
    std::string MailCC_;
    std::string MailBCC_;
    std::string MailSubject_;
    std::string MailBody_;
    std::string windowName_ = "_blank";
    std::string left_;
    std::string top_;
    std::string width_;
    std::string height_;
    bool directories_ = true;
    bool fullScreen_ = false;
    bool location_ = true;
    bool menuBar_ = true;
    bool resizable_ = true;
    bool scrollBars_ = true;
    bool status_ = true;
    bool titleBar_ = true;
    bool toolBar_ = true;
    bool exclusive_ = false;
    bool defaultSelected_ = false;
    std::string sectionName_;
    bool selected_ = false;
};

} // namespace tandrel
