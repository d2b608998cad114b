// One site or action of a category: a configuration section turned into a record with typed
// attributes and defaults, plus whether the user has it ticked.
#pragma once

#include "config/ConfigSection.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tandrel {

class CLink;

/// The bytes in which an entry's URL-encoded values stand: Windows-1252 (one byte a character, as
/// sites that predate UTF-8 expect) or UTF-8.
enum class UrlCharset { Windows1252, Utf8 };

/// The charset a `URLCharset` value names ("windows-1252" or "utf-8", ASCII letter case aside);
/// none for any other value.
std::optional<UrlCharset> ParseUrlCharset(std::string_view value);

/// How a field of a link entry reads its value.
enum class LinkFieldKind {
    Text,   ///< bytes as written
    Flag,   ///< yes or no, decided by the first byte of the value
    Number, ///< a window position or size, kept as written ("-50%") and read as a number later
};

/// One field of a link entry: its name, which is also its configuration key unless the field has
/// none, what it holds, its default, and the member of CLink it lands in.
struct LinkField {
    std::string_view name;
    LinkFieldKind kind;
    bool keyed;                   ///< set from the key of its name; false: derived or set by us
    bool mail;                    ///< one of the mail fields that make up `hasMail`
    std::string_view textDefault; ///< Text and Number fields
    bool flagDefault;             ///< Flag fields
    std::string CLink::*text;     ///< Text and Number fields; null for flags
    bool CLink::*flag;            ///< Flag fields; null for texts
};

/// Every field of a link entry, in record order. The one place that says which keys a link entry
/// reads, what they hold and what they default to: loading, the checker and the tool read it.
const std::vector<LinkField>& LinkFields();

/// The keyed field whose name equals key, ASCII letter case aside; null when no key of that name
/// is read.
const LinkField* FindLinkKey(std::string_view key);

/// A link entry. Text fields are bytes taken verbatim from the configuration; every field has
/// its default of LinkFields() until LoadFromSection sets it from its key (keys are
/// case-insensitive). Only `selected` can be changed from outside.
class CLink {
public:
    /// An entry with every field at its default.
    CLink();

    /// Fills the entry from a section: text fields from non-empty values only (an empty value
    /// never clears a default), flags by the first byte of their value (other bytes keep the
    /// default), `hasMail` from the mail fields, and `selected` from `defaultSelected` replaced
    /// by the remembered choice when there is one. Never fails.
    void LoadFromSection(const CConfigSection& section);
    /// LoadFromSection without the remembered choice: `selected` is `defaultSelected`.
    void LoadKeysFromSection(const CConfigSection& section);
    /// Sets `selected` to the remembered choice, when there is one.
    void LoadRememberedChoice();

    /// Stores `selected` as this entry's remembered choice; false when it could not be stored.
    bool SaveSelection() const;

    /// The description shown for the entry in a site list: the long description, or the short
    /// one when the long one is empty.
    const std::string& GetShownDescription() const;

    const std::string& GetShortDescription() const { return shortDescription_; }
    const std::string& GetLongDescription() const { return longDescription_; }
    const std::string& GetUrl() const { return url_; }
    const std::string& GetHref() const { return href_; }
    const std::string& GetCommand() const { return command_; }
    bool GetUseConsole() const { return useConsole_; }
    bool GetLeaveConsole() const { return leaveConsole_; }
    bool GetURLEncoded() const { return URLEncoded_; }
    /// The URLCharset value as written ("windows-1252" when none is).
    const std::string& GetURLCharsetName() const { return URLCharset_; }
    /// The charset of the entry's URL-encoded values; Windows-1252 unless `URLCharset` names
    /// another.
    UrlCharset GetURLCharset() const {
        return ParseUrlCharset(URLCharset_).value_or(UrlCharset::Windows1252);
    }
    /// True when any of the five mail fields is not empty.
    bool GetHasMail() const { return hasMail_; }
    const std::string& GetMailTo() const { return MailTo_; }
    const std::string& GetMailCC() const { return MailCC_; }
    const std::string& GetMailBCC() const { return MailBCC_; }
    const std::string& GetMailSubject() const { return MailSubject_; }
    const std::string& GetMailBody() const { return MailBody_; }
    const std::string& GetWindowName() const { return windowName_; }
    /// Window geometry as written ("0", "-50%", "40%"); empty when not given.
    const std::string& GetLeft() const { return left_; }
    const std::string& GetTop() const { return top_; }
    const std::string& GetWidth() const { return width_; }
    const std::string& GetHeight() const { return height_; }
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
    const std::string& GetSectionName() const { return sectionName_; }
    bool GetSelected() const { return selected_; }

    /// The value of a field of the table, for readers that walk every field.
    const std::string& GetText(const LinkField& field) const { return this->*field.text; }
    bool GetFlag(const LinkField& field) const { return this->*field.flag; }

    /// Ticks or unticks the entry (the site list, and the runner choosing a system entry).
    void SetSelected(bool selected) { selected_ = selected; }

private:
    friend const std::vector<LinkField>& LinkFields();

    std::string shortDescription_;
    std::string longDescription_;
    std::string url_;
    std::string href_;
    std::string command_;
    bool useConsole_;
    bool leaveConsole_;
    bool URLEncoded_;
    std::string URLCharset_;
    bool hasMail_;
    std::string MailTo_;
    std::string MailCC_;
    std::string MailBCC_;
    std::string MailSubject_;
    std::string MailBody_;
    std::string windowName_;
    std::string left_;
    std::string top_;
    std::string width_;
    std::string height_;
    bool directories_;
    bool fullScreen_;
    bool location_;
    bool menuBar_;
    bool resizable_;
    bool scrollBars_;
    bool status_;
    bool titleBar_;
    bool toolBar_;
    bool exclusive_;
    bool defaultSelected_;
    std::string sectionName_;
    bool selected_;
};

} // namespace tandrel
