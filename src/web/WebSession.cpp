#include "web/WebSession.h"

#include "actions/OpenLinks.h"
#include "common/BuiltInResources.h"
#include "common/Messages.h"
#include "common/TextConversion.h"
#include "config/ConfigPath.h"
#include "config/MacroLetters.h"
#include "config/SelectionMemory.h"
#include "conversions/Currency.h"
#include "page/HostDomain.h"
#include "resources/StringIds.h"
#include "web/ControlRoles.h"

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
void AddFeatures(const std::u16string& features, JsonWriter& action) {
    JsonWriter chrome;
    chrome.BeginObject();
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
                action.Key(name).Number(std::stoll(value));
            else
                chrome.Key(name).Bool(value == "1");
        }
        if (end == std::u16string::npos)
            break;
        start = end + 1;
    }
    action.Key("chrome").Raw(chrome.EndObject().Str());
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
void WriteKeys(JsonWriter& out, const CLink& link) {
    out.BeginObject();
    for (const LinkField& field : LinkFields()) {
        if (!field.keyed)
            continue;
        out.Key(field.name);
        if (field.kind == LinkFieldKind::Flag)
            out.Bool(link.GetFlag(field));
        else
            out.AnsiText(link.GetText(field));
    }
    out.EndObject();
}

void WriteOptionalText(JsonWriter& out, const std::optional<std::string>& ansiText) {
    if (ansiText)
        out.AnsiText(*ansiText);
    else
        out.Null();
}

// The mail's fields, as members of its action.
void WriteMailFields(JsonWriter& action, const MapiMail& mail) {
    WriteOptionalText(action.Key("subject"), mail.subject);
    WriteOptionalText(action.Key("body"), mail.noteText);
    auto recipients = [&](const char* key, std::uint32_t recipientClass) {
        action.Key(key).BeginArray();
        for (const MapiMail::Recipient& recipient : mail.recipients) {
            // Recipients of another class than To and Cc are Bcc.
            std::uint32_t listed = recipient.recipientClass == MapiMail::kTo ||
                                           recipient.recipientClass == MapiMail::kCc
                                       ? recipient.recipientClass
                                       : MapiMail::kBcc;
            if (listed == recipientClass)
                action.AnsiText(recipient.address);
        }
        action.EndArray();
    };
    recipients("to", MapiMail::kTo);
    recipients("cc", MapiMail::kCc);
    recipients("bcc", MapiMail::kBcc);
}

struct BoxButton {
    int id;
    int textId;
    bool isDefault;
};

// The buttons of a message box of the style, as Windows lays them out: OK alone, or Yes and No.
std::vector<BoxButton> ButtonsOf(std::uint32_t style) {
    if ((style & kButtonsMask) == kMbOk)
        return {{kIdOk, ids::kButtonOk, true}};
    bool second = (style & kMbDefaultButton2) != 0;
    return {{kIdYes, ids::kButtonYes, !second}, {kIdNo, ids::kButtonNo, second}};
}

// The buttons of a message box of the style: [{"role", "text", "default"}].
void WriteButtons(JsonWriter& out, std::uint32_t style) {
    out.BeginArray();
    for (const BoxButton& button : ButtonsOf(style)) {
        out.BeginObject().Key("role").String(RoleOf(button.id));
        out.Key("text").AnsiText(LoadText(button.textId));
        out.Key("default").Bool(button.isDefault).EndObject();
    }
    out.EndArray();
}

// The button of the box that a reply names; throws RequestError for a reply that names none.
int PressedButton(const std::string& reply, std::uint32_t style) {
    std::vector<int> buttons;
    for (const BoxButton& button : ButtonsOf(style))
        buttons.push_back(button.id);
    std::optional<int> pressed = ControlWithRole(reply, buttons);
    if (!pressed)
        throw RequestError{"invalid", "replies: \"" + reply + "\" is no button of the question"};
    return *pressed;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// The recording platform

int CWebUserInterface::ShowMessageBox(WindowHandle, std::string_view text, std::string_view caption,
                                      std::uint32_t style) {
    if ((style & kButtonsMask) != kMbOk) {
        std::optional<std::string> reply = session_.NextReply();
        if (!reply)
            throw QuestionPending{std::string(text), std::string(caption), style};
        return PressedButton(*reply, style);
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
            throw RequestError{"invalid", "replies must be an array of button roles"};
        for (const Json& reply : *replies) {
            if (!reply.is_string())
                throw RequestError{"invalid", "replies must be an array of button roles"};
            replies_.push_back(reply.get<std::string>());
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

std::optional<std::string> CWebSession::NextReply() {
    if (nextReply_ >= replies_.size())
        return std::nullopt;
    return replies_[nextReply_++];
}

const std::vector<WebEvent>& CWebSession::Events() {
    TakeBrowserEvents();
    return events_;
}

void CWebSession::WriteTicks(JsonWriter& out) const {
    out.BeginObject();
    const auto& keys = memory_.registry.Keys();
    auto key = keys.find({RegRoot::CurrentUser, CMemoryRegistry::Lowered(kSelectionKeyPath)});
    if (key != keys.end()) {
        for (const auto& [lowered, value] : key->second.values)
            out.Key(WideToUtf8(value.name)).Bool(DwordFromBytes(value.data) != 0);
    }
    out.EndObject();
}

// ---------------------------------------------------------------------------------------------
// Answers

void WriteMessage(JsonWriter& out, std::string_view ansiText, std::string_view caption,
                  std::uint32_t style, bool staysOpen, std::string_view focus) {
    out.BeginObject();
    if (std::optional<int> id = TextIdOf(ansiText))
        out.Key("textId").Number(*id);
    out.Key("text").AnsiText(ansiText).Key("caption").AnsiText(caption);
    out.Key("icon").String(IconOf(style));
    WriteButtons(out.Key("buttons"), style);
    out.Key("staysOpen").Bool(staysOpen);
    if (!focus.empty())
        out.Key("focus").String(focus);
    out.EndObject();
}

std::string PageValuesOf(const CPageContext& page, std::string_view commandTemplate) {
    const std::uint32_t used = MacrosUsedBy(commandTemplate);
    auto uses = [used](std::initializer_list<Macro> macros) {
        for (Macro macro : macros) {
            if (used & MacroBit(macro))
                return true;
        }
        return false;
    };
    // The currency converted from is guessed from the frame's host and the selection.
    const bool fromCurrency = uses({Macro::FromCurrency});
    JsonWriter values;
    auto window = [&](std::u16string_view url, std::u16string_view title, std::u16string_view name,
                      std::u16string_view host, Macro address, Macro titled, Macro named,
                      std::initializer_list<Macro> hosted) {
        if (uses({address}))
            values.Key("url").Text(url);
        if (uses({titled}))
            values.Key("title").Text(title);
        if (uses({named}))
            values.Key("name").Text(name);
        if (uses(hosted) || fromCurrency)
            values.Key("host").Text(host);
    };
    values.BeginObject();
    window(page.GetTopAddress(), page.GetTopTitle(), page.GetTopName(), page.GetTopHostName(),
           Macro::TopAddress, Macro::TopTitle, Macro::TopName,
           {Macro::TopHostName, Macro::TopDomain});
    if (page.GetFrameWindow() != page.GetTopWindow() &&
        (fromCurrency || uses({Macro::FrameAddress, Macro::FrameTitle, Macro::FrameName,
                               Macro::FrameHostName, Macro::FrameDomain}))) {
        values.Key("frame").BeginObject();
        window(page.GetFrameAddress(), page.GetFrameTitle(), page.GetFrameName(),
               page.GetFrameHostName(), Macro::FrameAddress, Macro::FrameTitle, Macro::FrameName,
               {Macro::FrameHostName, Macro::FrameDomain});
        values.EndObject();
    }
    if (fromCurrency ||
        uses({Macro::Selection, Macro::CollapsedSelection, Macro::SelectionButLast}))
        values.Key("selection").Text(page.GetSelection());
    if (uses({Macro::SelectionHtml}))
        values.Key("selectionHtml").Text(page.GetSelectionHtml());
    return values.EndObject().Take();
}

void DescribeEvents(const std::vector<WebEvent>& events, const std::u16string& frameAddress,
                    JsonWriter& actions, JsonWriter& messages) {
    std::shared_ptr<const CLink> entry;
    const std::string* entryPage = nullptr;
    std::u16string markup;
    // The last action is a mailto address whose object stays open for the fields of the mail
    // composed next.
    bool mailPending = false;
    auto begin = [&](const char* kind) {
        if (mailPending)
            actions.EndObject();
        mailPending = false;
        actions.BeginObject().Key("action").String(kind);
        if (entry)
            actions.Key("entry").AnsiText(entry->GetSectionName());
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
                begin("open");
                actions.Key("address").Text(call.address).Key("windowName").Text(call.name);
                actions.Key("features").Text(call.features);
                AddFeatures(call.features, actions);
                actions.Key("placed").Bool(GivesPlacement(entry.get())).EndObject();
            } else if (call.kind == BrowserEvent::kInsert) {
                markup = call.markup;
            } else if (call.kind == BrowserEvent::kClick) {
                begin("follow");
                actions.Key("markup").Text(markup).Key("href").Text(call.address);
                actions.Key("target").Text(call.name).Key("frame").Text(frameAddress);
                actions.EndObject();
            } else if (call.kind == BrowserEvent::kNavigate) {
                begin("mail");
                actions.Key("mailto").Text(call.address);
                mailPending = true;
            }
            break;
        }
        case WebEvent::kStart:
            begin("command");
            actions.Key("commandLine").AnsiText(event.text);
            if (entry)
                WriteKeys(actions.Key("keys"), *entry);
            if (entryPage && !entryPage->empty())
                actions.Key("page").Raw(*entryPage);
            actions.EndObject();
            break;
        case WebEvent::kMail:
            if (!mailPending) {
                begin("mail");
                actions.Key("mailto").Null();
            }
            WriteMailFields(actions, event.mail);
            actions.EndObject();
            mailPending = false;
            break;
        case WebEvent::kBeep:
            begin("beep");
            actions.Key("sound").String(IconOf(event.style)).EndObject();
            break;
        case WebEvent::kMessage:
            WriteMessage(messages, event.text, event.caption, event.style, false);
            break;
        }
    }
    if (mailPending)
        actions.EndObject();
}

} // namespace tandrel::web
