#include "web/WebSession.h"

#include "actions/OpenLinks.h"
#include "common/BuiltInResources.h"
#include "common/Messages.h"
#include "common/TextConversion.h"
#include "config/ConfigPath.h"
#include "config/SelectionMemory.h"
#include "conversions/Currency.h"
#include "page/HostDomain.h"
#include "resources/StringIds.h"

namespace tandrel::web {

namespace {

constexpr long long kLargestScreen = 1 << 20;
constexpr std::uint32_t kButtonsMask = 0xF;
constexpr std::uint32_t kIconMask = 0xF0;

// The string-table text of a message box: its id, when it is one of the table's texts as they
// are (a text with its inserts filled in is not).
std::optional<int> TextIdOf(std::string_view ansiText) {
    for (const BuiltInString& entry : BuiltInStrings()) {
        if (ansiText == entry.text)
            return entry.id;
    }
    return std::nullopt;
}

const char* IconOf(std::uint32_t style) {
    switch (style & kIconMask) {
    case kMbIconHand:
        return "error";
    case kMbIconQuestion:
        return "question";
    case kMbIconExclamation:
        return "exclamation";
    case kMbIconAsterisk:
        return "information";
    default:
        return "none";
    }
}

// A window feature string ("channelmode=0,height=576,...") as numbers and chrome flags.
void AddFeatures(const std::u16string& features, Json& action) {
    Json chrome = Json::object();
    std::size_t start = 0;
    while (start <= features.size()) {
        std::size_t end = features.find(u',', start);
        std::u16string item =
            features.substr(start, end == std::u16string::npos ? end : end - start);
        std::size_t equals = item.find(u'=');
        if (equals != std::u16string::npos) {
            std::string name = WideToUtf8(item.substr(0, equals));
            std::string value = WideToUtf8(item.substr(equals + 1));
            if (name == "width" || name == "height" || name == "left" || name == "top")
                action[name] = std::stoll(value);
            else
                chrome[name] = value == "1";
        }
        if (end == std::u16string::npos)
            break;
        start = end + 1;
    }
    action["chrome"] = chrome;
}

// Whether the entry gives its window a size or a position of its own; without one the DLL
// cascades the command's windows, where a browser's shell may open them as the user prefers.
bool GivesPlacement(const CLink* link) {
    if (!link)
        return false;
    for (const std::string& value :
         {link->GetWidth(), link->GetHeight(), link->GetLeft(), link->GetTop()})
        if (!FeatureDimension(u",", value, 1).empty())
            return true;
    return false;
}

// The entry's keys as the configuration gave them (or their defaults), for a host that carries
// out the entry itself.
Json KeysOf(const CLink& link) {
    Json keys = Json::object();
    for (const LinkField& field : LinkFields()) {
        if (!field.keyed)
            continue;
        if (field.kind == LinkFieldKind::Flag)
            keys[std::string(field.name)] = link.GetFlag(field);
        else
            keys[std::string(field.name)] = AnsiText(link.GetText(field));
    }
    return keys;
}

Json MailFields(const MapiMail& mail, Json action) {
    action["subject"] = mail.subject ? AnsiText(*mail.subject) : Json();
    action["body"] = mail.noteText ? AnsiText(*mail.noteText) : Json();
    Json to = Json::array(), cc = Json::array(), bcc = Json::array();
    for (const MapiMail::Recipient& recipient : mail.recipients) {
        Json& list = recipient.recipientClass == MapiMail::kTo   ? to
                     : recipient.recipientClass == MapiMail::kCc ? cc
                                                                 : bcc;
        list.push_back(AnsiText(recipient.address));
    }
    action["to"] = to;
    action["cc"] = cc;
    action["bcc"] = bcc;
    return action;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// The recording platform

int CWebUserInterface::ShowMessageBox(WindowHandle, std::string_view text, std::string_view caption,
                                      std::uint32_t style) {
    if ((style & kButtonsMask) != kMbOk) {
        std::optional<int> reply = session_.NextReply();
        if (!reply)
            throw QuestionPending{std::string(text), std::string(caption), style};
        return *reply;
    }
    WebEvent event(WebEvent::kMessage);
    event.text = std::string(text);
    event.caption = std::string(caption);
    event.style = style;
    session_.Record(std::move(event));
    return kIdOk;
}

void CWebUserInterface::Beep(std::uint32_t type) {
    WebEvent event(WebEvent::kBeep);
    event.style = type;
    session_.Record(std::move(event));
}

ProcessStart CWebProcesses::StartProcess(std::string_view commandLine) {
    WebEvent event(WebEvent::kStart);
    event.text = std::string(commandLine);
    session_.Record(std::move(event));
    return {true, 0};
}

std::optional<std::uint32_t> CWebMail::SendMapiMail(const MapiMail& mail) {
    WebEvent event(WebEvent::kMail);
    event.mail = mail;
    session_.Record(std::move(event));
    return 0;
}

// ---------------------------------------------------------------------------------------------
// CWebSession

CWebSession::CWebSession(const Json& request) {
    BuildPage(Member(request, "page", ""));
    if (std::optional<std::string> config = ConfigMember(request, "config", ""))
        memory_.files.Files()[ConfigFilePathFor(memory_.module.ModulePath())].bytes = *config;
    StoreTicks(Member(request, "ticks", ""));
    // The browser's language names the user's region; its currency is the locale's.
    memory_.locale.currencySymbol = std::nullopt;
    if (std::optional<std::u16string> tag = TextMember(request, "locale", "")) {
        if (const CCurrency* currency = CurrencyFromLanguageTag(*tag))
            memory_.locale.currencySymbol = std::string(currency->code);
    }
    memory_.module.SetFolderAddress(TextMember(request, "moduleFolderUrl", ""));
    if (const Json* replies = Member(request, "replies", "")) {
        if (!replies->is_array())
            throw RequestError{"invalid", "replies must be an array of button ids"};
        for (const Json& reply : *replies) {
            if (!reply.is_number_integer())
                throw RequestError{"invalid", "replies must be an array of button ids"};
            replies_.push_back(reply.get<int>());
        }
    }
}

void CWebSession::BuildPage(const Json* page) {
    static const Json kNoPage = Json::object();
    const Json& fields = page ? *page : kNoPage;
    auto text = [&](const Json& object, const char* key, std::string_view where) {
        return TextMember(object, key, where);
    };
    top_ = std::make_shared<CMemoryWindow>();
    std::u16string url = text(fields, "url", "page").value_or(u"");
    top_->href = url;
    top_->title = text(fields, "title", "page").value_or(u"");
    top_->name = text(fields, "name", "page").value_or(u"");
    top_->hostName = text(fields, "host", "page").value_or(HostNameOfUrl(url));
    if (const Json* screen = Member(fields, "screen", "page")) {
        auto width = NumberMember(*screen, "width", "page.screen", 0, kLargestScreen);
        auto height = NumberMember(*screen, "height", "page.screen", 0, kLargestScreen);
        if (!width || !height)
            throw RequestError{"invalid", "page.screen needs a width and a height"};
        top_->screen =
            ScreenSize{static_cast<std::int32_t>(*width), static_cast<std::int32_t>(*height)};
    }
    frame_ = top_;
    if (const Json* frame = Member(fields, "frame", "page")) {
        // What the frame does not say is the top window's, as in a page without frames.
        frame_ = top_->MakeFrame();
        std::optional<std::u16string> frameUrl = text(*frame, "url", "page.frame");
        frame_->href = frameUrl.value_or(url);
        frame_->title = text(*frame, "title", "page.frame").value_or(*top_->title);
        frame_->name = text(*frame, "name", "page.frame").value_or(*top_->name);
        frame_->hostName = text(*frame, "host", "page.frame")
                               .value_or(frameUrl ? HostNameOfUrl(*frameUrl) : *top_->hostName);
        frame_->screen = top_->screen;
    }
    frame_->selection = SelectionText{text(fields, "selection", "page").value_or(u""),
                                      text(fields, "selectionHtml", "page").value_or(u"")};
    // The top window records a mailto address and declines it, so that the mail's fields are
    // composed through the mail program's interface as well: the extension gets both.
    top_->navigateResult = kFail;
}

void CWebSession::StoreTicks(const Json* ticks) {
    if (!ticks)
        return;
    if (!ticks->is_object())
        throw RequestError{"invalid", "ticks must be an object of section names and booleans"};
    std::unique_ptr<IRegKey> key =
        memory_.registry.CreateKey(RegRoot::CurrentUser, kSelectionKeyPath);
    for (const auto& [name, ticked] : ticks->items()) {
        if (!ticked.is_boolean())
            throw RequestError{"invalid", "ticks." + name + " must be true or false"};
        key->SetDword(Utf8ToWide(name), ticked.get<bool>() ? 1 : 0);
    }
}

Platform CWebSession::View() {
    Platform view = memory_.View();
    view.ui = &ui_;
    view.processes = &processes_;
    view.mail = &mail_;
    return view;
}

void CWebSession::TakeBrowserEvents() {
    const std::vector<BrowserEvent>& browser = top_->Log()->events;
    for (; browserEventsTaken_ < browser.size(); ++browserEventsTaken_) {
        WebEvent event(WebEvent::kBrowser);
        event.browser = browser[browserEventsTaken_];
        events_.push_back(std::move(event));
    }
}

void CWebSession::Record(WebEvent event) {
    TakeBrowserEvents();
    events_.push_back(std::move(event));
}

std::optional<int> CWebSession::NextReply() {
    if (nextReply_ >= replies_.size())
        return std::nullopt;
    return replies_[nextReply_++];
}

const std::vector<WebEvent>& CWebSession::Events() {
    TakeBrowserEvents();
    return events_;
}

Json CWebSession::Ticks() const {
    Json ticks = Json::object();
    const auto& keys = memory_.registry.Keys();
    auto key = keys.find({RegRoot::CurrentUser, CMemoryRegistry::Lowered(kSelectionKeyPath)});
    if (key == keys.end())
        return ticks;
    for (const auto& [lowered, value] : key->second.values)
        ticks[WideToUtf8(value.name)] = DwordFromBytes(value.data) != 0;
    return ticks;
}

// ---------------------------------------------------------------------------------------------
// Answers

Json MessageButtons(std::uint32_t style) {
    auto button = [](int id, int textId, bool isDefault) {
        return Json{{"id", id}, {"text", AnsiText(LoadText(textId))}, {"default", isDefault}};
    };
    if ((style & kButtonsMask) == kMbOk)
        return Json::array({button(kIdOk, ids::kButtonOk, true)});
    bool second = (style & kMbDefaultButton2) != 0;
    return Json::array(
        {button(kIdYes, ids::kButtonYes, !second), button(kIdNo, ids::kButtonNo, second)});
}

Json MessageOf(std::string_view ansiText, std::string_view caption, std::uint32_t style,
               bool staysOpen) {
    Json message = Json::object();
    if (std::optional<int> id = TextIdOf(ansiText))
        message["textId"] = *id;
    message["text"] = AnsiText(ansiText);
    message["caption"] = AnsiText(caption);
    message["icon"] = IconOf(style);
    message["buttons"] = MessageButtons(style);
    message["staysOpen"] = staysOpen;
    return message;
}

Json PageValuesOf(const CPageContext& page) {
    auto window = [](std::u16string_view url, std::u16string_view title, std::u16string_view name,
                     std::u16string_view host) {
        return Json{
            {"url", Text(url)}, {"title", Text(title)}, {"name", Text(name)}, {"host", Text(host)}};
    };
    Json values =
        window(page.GetTopAddress(), page.GetTopTitle(), page.GetTopName(), page.GetTopHostName());
    if (page.GetFrameWindow() != page.GetTopWindow()) {
        values["frame"] = window(page.GetFrameAddress(), page.GetFrameTitle(), page.GetFrameName(),
                                 page.GetFrameHostName());
    }
    values["selection"] = Text(page.GetSelection());
    values["selectionHtml"] = Text(page.GetSelectionHtml());
    return values;
}

void DescribeEvents(const std::vector<WebEvent>& events, const std::u16string& frameAddress,
                    Json& actions, Json& messages) {
    actions = Json::array();
    messages = Json::array();
    std::shared_ptr<const CLink> entry;
    const Json* entryPage = nullptr;
    std::u16string markup;
    bool mailPending = false; // the last action is a mailto address waiting for its fields
    auto add = [&](Json action) {
        if (entry)
            action["entry"] = AnsiText(entry->GetSectionName());
        actions.push_back(std::move(action));
        mailPending = false;
    };
    for (const WebEvent& event : events) {
        switch (event.kind) {
        case WebEvent::kEntry:
            entry = event.entry;
            entryPage = &event.page;
            break;
        case WebEvent::kBrowser: {
            const BrowserEvent& call = event.browser;
            if (call.kind == BrowserEvent::kOpen) {
                Json open{{"action", "open"},
                          {"address", Text(call.address)},
                          {"windowName", Text(call.name)},
                          {"features", Text(call.features)}};
                AddFeatures(call.features, open);
                open["placed"] = GivesPlacement(entry.get());
                add(std::move(open));
            } else if (call.kind == BrowserEvent::kInsert) {
                markup = call.markup;
            } else if (call.kind == BrowserEvent::kClick) {
                add({{"action", "follow"},
                     {"markup", Text(markup)},
                     {"href", Text(call.address)},
                     {"target", Text(call.name)},
                     {"frame", Text(frameAddress)}});
            } else if (call.kind == BrowserEvent::kNavigate) {
                add({{"action", "mail"}, {"mailto", Text(call.address)}});
                mailPending = true;
            }
            break;
        }
        case WebEvent::kStart: {
            Json command{{"action", "command"}, {"commandLine", AnsiText(event.text)}};
            if (entry)
                command["keys"] = KeysOf(*entry);
            if (entryPage && !entryPage->is_null())
                command["page"] = *entryPage;
            add(std::move(command));
            break;
        }
        case WebEvent::kMail:
            if (mailPending) {
                actions.back() = MailFields(event.mail, actions.back());
                mailPending = false;
            } else {
                add(MailFields(event.mail, {{"action", "mail"}, {"mailto", nullptr}}));
            }
            break;
        case WebEvent::kBeep:
            add({{"action", "beep"}, {"sound", IconOf(event.style)}});
            break;
        case WebEvent::kMessage:
            messages.push_back(MessageOf(event.text, event.caption, event.style, false));
            break;
        }
    }
}

} // namespace tandrel::web
