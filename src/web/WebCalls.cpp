#include "web/WebCalls.h"

#include "com/CommandDispatch.h"
#include "com/CommandTable.h"
#include "common/Messages.h"
#include "common/TextConversion.h"
#include "config/ConfigLoader.h"
#include "config/LinkList.h"
#include "dialogs/ConvertCommand.h"
#include "dialogs/SiteList.h"
#include "lint/ConfigLint.h"
#include "resources/CommandInfo.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "runner/EntryRunner.h"
#include "web/ControlRoles.h"
#include "web/NativeHost.h"
#include "web/WebDialogs.h"
#include "web/WebSession.h"

namespace tandrel::web {

namespace {

// The session's platform and dialogs installed, and each entry the runner carries out logged
// before what it does.
class CInstalledSession {
public:
    CInstalledSession(CWebSession& session, IDialogHost& dialogs)
        : platform_(session.View()), dialogs_(dialogs),
          watcher_([&session](const CLink& link, const CPageContext& page) {
              WebEvent event(WebEvent::kEntry);
              event.entry = std::make_shared<const CLink>(link);
              // A command goes to a host program that expands it itself, from these values.
              if (!link.GetCommand().empty())
                  event.page = PageValuesOf(page, link.GetCommand());
              session.Record(std::move(event));
          }) {}

private:
    ScopedPlatform platform_;
    ScopedDialogHost dialogs_;
    ScopedEntryWatcher watcher_;
};

// The command's outcome: {"kind": "outcome", "messages", "ticks", "actions"}, the refused OK's
// message first; Run's answer has no "kind".
std::string Outcome(CWebSession& session, const std::optional<std::string>& refusal = std::nullopt,
                    bool withKind = true) {
    // The texts of messages and buttons come from the session's string table, also after the
    // command has ended.
    ScopedPlatform platform(session.View());
    JsonWriter answer, messages;
    answer.BeginObject();
    if (withKind)
        answer.Key("kind").String("outcome");
    messages.BeginArray();
    if (refusal)
        messages.Raw(*refusal);
    answer.Key("actions").BeginArray();
    DescribeEvents(session.Events(), session.Frame()->href.value_or(u""), answer, messages);
    answer.EndArray().Key("messages").Raw(messages.EndArray().Str());
    session.WriteTicks(answer.Key("ticks"));
    return answer.EndObject().Take();
}

// Runs the request's menu command with the dialogs given; a question beyond the request's
// replies ends it and is the answer.
std::optional<std::string> RunMenuCommand(const Json& request, CWebSession& session,
                                          CWebDialogs& dialogs) {
    std::optional<std::u16string> keyword = TextMember(request, "keyword", "");
    if (!keyword)
        throw RequestError{"invalid", "keyword must be the keyword of a menu command"};
    CInstalledSession installed(session, dialogs);
    try {
        RunCommand(session.Frame(), keyword->c_str(), CommandTable());
    } catch (const QuestionPending& question) {
        JsonWriter answer;
        answer.BeginObject().Key("kind").String("question");
        WriteMessage(answer.Key("question"), question.text, question.caption, question.style,
                     false);
        session.WriteTicks(answer.Key("ticks"));
        return answer.EndObject().Take();
    }
    return std::nullopt;
}

// The extension's own texts, by the name its pages ask for them with.
struct ShellText {
    const char* name;
    int textId;
};

constexpr ShellText kShellTexts[] = {
    {"optionsTitle", ids::kOptionsTitle},
    {"config", ids::kOptionsConfig},
    {"findings", ids::kOptionsFindings},
    {"noFindings", ids::kOptionsNoFindings},
    {"findingLine", ids::kOptionsFindingLine},
    {"save", ids::kOptionsSave},
    {"reset", ids::kOptionsReset},
    {"import", ids::kOptionsImport},
    {"export", ids::kOptionsExport},
    {"saved", ids::kOptionsSaved},
    {"resetDone", ids::kOptionsResetDone},
    {"openIn", ids::kOptionsOpenIn},
    {"newWindow", ids::kOptionsNewWindow},
    {"newTab", ids::kOptionsNewTab},
    {"preview", ids::kOptionsPreview},
    {"previewCommand", ids::kOptionsPreviewCommand},
    {"previewEntry", ids::kOptionsPreviewEntry},
    {"previewUrl", ids::kOptionsPreviewUrl},
    {"previewSelection", ids::kOptionsPreviewSelection},
    {"previewRun", ids::kOptionsPreviewRun},
    {"ticksLocal", ids::kOptionsTicksLocal},
    {"programLine", ids::kOptionsProgramLine},
    {"consoleProgramLine", ids::kOptionsConsoleProgramLine},
    {"notSaved", ids::kOptionsNotSaved},
    {"dialogsIn", ids::kOptionsDialogsIn},
    {"dialogsInPage", ids::kOptionsDialogsInPage},
    {"dialogsInWindow", ids::kOptionsDialogsInWindow},
};

// The messages the extension shows of its own accord, by name: a console command with no host
// program to run it (the host named), a page the browser keeps the extension from reading, the
// question before the browser is asked for the permission to talk to the host and the message
// when it is not given, the host's refusal of a command, and the question before a configuration
// with other console entries is stored. The extension fills the "%1" of the last two.
void WriteShellMessages(JsonWriter& out) {
    std::string product = LoadText(ids::kProductName);
    out.BeginObject();
    WriteMessage(out.Key("noHost"), FormatText(ids::kWebNoHost, {std::string(kNativeHostName)}),
                 product, kMbIconHand, false);
    WriteMessage(out.Key("pageUnreadable"), LoadText(ids::kWebPageUnreadable), product,
                 kMbIconExclamation, false);
    WriteMessage(out.Key("askPermission"), LoadText(ids::kWebAskPermission), product,
                 kMbYesNo | kMbIconQuestion, false);
    WriteMessage(out.Key("noPermission"), LoadText(ids::kWebNoPermission), product, kMbIconHand,
                 false);
    WriteMessage(out.Key("hostRefused"), LoadText(ids::kWebHostRefused), product, kMbIconHand,
                 false);
    // No is the default: a file from elsewhere should not start programs at a keystroke.
    WriteMessage(out.Key("confirmPrograms"), LoadText(ids::kOptionsConfirmPrograms), product,
                 kMbYesNo | kMbIconExclamation | kMbDefaultButton2, false);
    out.EndObject();
}

// The text with every line end (CR LF, CR or LF) as CR LF, as Windows programs write files.
std::string WithCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\r' || text[at] == '\n') {
            if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
                ++at;
            out += "\r\n";
        } else {
            out += text[at];
        }
    }
    return out;
}

const CUnitCategory* CategoryNamed(const CUnitTable& units, const std::string& name) {
    for (const auto& entry : units.Categories()) {
        if (entry.second.GetName() == name)
            return &entry.second;
    }
    return nullptr;
}

const CUnit* UnitNamed(const CUnitCategory* category, const std::optional<std::string>& name) {
    if (category && name) {
        for (const CUnit& unit : category->Units()) {
            if (unit.GetName() == *name)
                return &unit;
        }
    }
    return nullptr;
}

} // namespace

std::string Prepare(const Json& request) {
    CWebSession session(request);
    CWebDialogs dialogs;
    if (std::optional<std::string> question = RunMenuCommand(request, session, dialogs))
        return std::move(*question);
    if (!dialogs.Shown())
        return Outcome(session);
    JsonWriter answer;
    answer.BeginObject().Key("kind").String("dialog").Key("dialog").Raw(*dialogs.Shown());
    session.WriteTicks(answer.Key("ticks"));
    return answer.EndObject().Take();
}

std::string Finish(const Json& request) {
    const Json* answer = Member(request, "answer", "");
    if (!answer)
        throw RequestError{"invalid", "answer must hold the user's answer to the dialog"};
    CWebSession session(request);
    CWebDialogs dialogs(*answer);
    if (std::optional<std::string> question = RunMenuCommand(request, session, dialogs))
        return std::move(*question);
    return Outcome(session, dialogs.Refusal());
}

std::string CalculateCall(const Json& request) {
    CWebSession session(request);
    ScopedPlatform platform(session.View());
    CUnitTable units = LoadUnitTable();
    const CUnitCategory* category =
        CategoryNamed(units, ConfigMember(request, "category", "").value_or(""));
    std::u16string amount = EditBoxText(TextMember(request, "amount", "").value_or(u""));
    Calculation calculation =
        Calculate(WideToAnsi(amount), UnitNamed(category, ConfigMember(request, "from", "")),
                  UnitNamed(category, ConfigMember(request, "to", "")));
    JsonWriter answer;
    answer.BeginObject();
    switch (calculation.outcome) {
    case Calculation::Outcome::kNoUnit:
        answer.Key("outcome").String("noUnit").Key("sound").String("exclamation");
        break;
    case Calculation::Outcome::kNotANumber:
        answer.Key("outcome").String("notANumber");
        WriteMessage(answer.Key("message"), LoadText(ids::kAmountNotANumber),
                     LoadText(ids::kProductName), kMbIconExclamation, true, RoleOf(IDC_TEXT));
        break;
    case Calculation::Outcome::kCalculated:
        answer.Key("outcome").String("calculated");
        answer.Key("amount").AnsiText(calculation.amountText);
        answer.Key("result").AnsiText(calculation.resultText);
        break;
    }
    return answer.EndObject().Take();
}

std::string Tick(const Json& request) {
    const Json* entries = Member(request, "entries", "");
    if (!entries || !entries->is_array())
        throw RequestError{"invalid", "entries must be the dialog's entries"};
    const Json* ticked = Member(request, "ticked", "");
    if (!ticked || !ticked->is_array() || ticked->size() != entries->size())
        throw RequestError{"invalid", "ticked must hold one boolean for each of the " +
                                          std::to_string(entries->size()) + " entries"};
    SiteTicks ticks;
    for (std::size_t entry = 0; entry < entries->size(); ++entry) {
        const Json& tick = (*ticked)[entry];
        if (!tick.is_boolean())
            throw RequestError{"invalid", "ticked must be an array of booleans"};
        ticks.ticked.push_back(tick.get<bool>());
        ticks.exclusive.push_back(
            FlagMember((*entries)[entry], "exclusive", "entries[]").value_or(false));
    }
    std::optional<long long> clicked =
        NumberMember(request, "clicked", "", 0, static_cast<long long>(entries->size()) - 1);
    if (!clicked)
        throw RequestError{"invalid", "clicked must be the index of an entry"};
    DoubleClickTick(ticks, static_cast<std::size_t>(*clicked));
    JsonWriter answer;
    answer.BeginObject().Key("ticked").BeginArray();
    for (bool tick : ticks.ticked)
        answer.Bool(tick);
    return answer.EndArray().EndObject().Take();
}

std::string Units(const Json& request) {
    CWebSession session(request);
    ScopedPlatform platform(session.View());
    CUnitTable units = LoadUnitTable();
    ConvertChoice choice =
        ChoiceOfCategory(CategoryNamed(units, ConfigMember(request, "category", "").value_or("")));
    JsonWriter answer;
    WriteName(answer.BeginObject().Key("category"), choice.category);
    answer.Key("units").BeginArray();
    if (choice.category)
        for (const CUnit* unit : ListedUnits(*choice.category))
            answer.AnsiText(unit->GetName());
    answer.EndArray();
    WriteName(answer.Key("from"), choice.from);
    WriteName(answer.Key("to"), choice.to);
    return answer.EndObject().Take();
}

std::string Currencies(const Json& request) {
    ExpectObject(request);
    JsonWriter answer;
    WriteCurrencyList(answer.BeginObject().Key("currencies"));
    return answer.EndObject().Take();
}

std::string Lint(const Json& request) {
    std::optional<std::string> config = ConfigMember(request, "config", "");
    if (!config)
        throw RequestError{"invalid", "config must be the configuration text to check"};
    bool system = FlagMember(request, "system", "").value_or(false);
    // The findings' texts come from the in-memory platform's string table, as a session's do.
    CMemoryPlatform platform;
    ScopedPlatform installed(platform.View());
    JsonWriter answer;
    answer.BeginObject().Key("findings").BeginArray();
    for (const LintFinding& finding : LintConfigText(
             *config, system ? LintedText::SystemLinks : LintedText::LinkConfiguration)) {
        answer.BeginObject().Key("line").Number(finding.line);
        answer.Key("message").AnsiText(finding.message).EndObject();
    }
    return answer.EndArray().EndObject().Take();
}

std::string ConsoleEntries(const Json& request) {
    CWebSession session(request);
    ScopedPlatform platform(session.View());
    JsonWriter answer;
    answer.BeginObject().Key("entries").BeginArray();
    for (std::string_view prefix : LinkPrefixes()) {
        CLinkList list;
        LoadLinks(list, prefix, false);
        for (const CLink& link : list) {
            if (link.GetCommand().empty())
                continue;
            answer.BeginObject().Key("section").AnsiText(link.GetSectionName());
            answer.Key("command").AnsiText(link.GetCommand());
            answer.Key("console").Bool(link.GetUseConsole()).EndObject();
        }
    }
    return answer.EndArray().EndObject().Take();
}

std::string DefaultConfig(const Json& request) {
    CWebSession session(request);
    ScopedPlatform platform(session.View());
    std::optional<std::string_view> text =
        CurrentPlatform().module->FindModuleResource(kStoredTextType, kDefaultLinksTextId);
    JsonWriter answer;
    answer.BeginObject().Key("config").AnsiText(text.value_or(""));
    return answer.EndObject().Take();
}

std::string ImportConfig(const Json& request) {
    const Json* bytes = Member(request, "bytes", "");
    if (!bytes || !bytes->is_array())
        throw RequestError{"invalid", "bytes must be the file's bytes, numbers from 0 to 255"};
    std::string file;
    file.reserve(bytes->size());
    for (const Json& byte : *bytes) {
        if (!byte.is_number_integer() || byte.get<long long>() < 0 || byte.get<long long>() > 255)
            throw RequestError{"invalid", "bytes must be the file's bytes, numbers from 0 to 255"};
        file.push_back(static_cast<char>(byte.get<int>()));
    }
    JsonWriter answer;
    answer.BeginObject().Key("config").AnsiText(file);
    return answer.EndObject().Take();
}

std::string ExportConfig(const Json& request) {
    std::optional<std::string> config = ConfigMember(request, "config", "");
    if (!config)
        throw RequestError{"invalid", "config must be the configuration text to export"};
    JsonWriter answer;
    answer.BeginObject().Key("bytes").BeginArray();
    for (char byte : WithCrLf(*config))
        answer.Number(static_cast<unsigned char>(byte));
    return answer.EndArray().EndObject().Take();
}

std::string Menu(const Json& request) {
    CWebSession session(request);
    ScopedPlatform platform(session.View());
    JsonWriter answer;
    answer.BeginObject().Key("product").AnsiText(LoadText(ids::kProductName));
    answer.Key("commands").BeginArray();
    for (const CommandInfo& row : kCommandInfos) {
        answer.BeginObject().Key("keyword").String(row.keyword);
        answer.Key("menu").AnsiText(LoadText(row.menuTextId));
        answer.Key("status").AnsiText(LoadText(row.statusTextId));
        answer.Key("prefix").String(row.linkPrefix);
        answer.Key("helpEntry").String(row.helpEntry).EndObject();
    }
    answer.EndArray().Key("nativeHost").String(kNativeHostName);
    answer.Key("texts").BeginObject();
    for (const ShellText& text : kShellTexts)
        answer.Key(text.name).AnsiText(LoadText(text.textId));
    answer.EndObject();
    WriteShellMessages(answer.Key("messages"));
    return answer.EndObject().Take();
}

std::string Run(const Json& request) {
    const Json* names = Member(request, "entries", "");
    if (!names || !names->is_array() || names->empty())
        throw RequestError{"invalid", "entries must be an array of section names"};
    CWebSession session(request);
    CWebDialogs noDialogs;
    CInstalledSession installed(session, noDialogs);
    CLinkList list;
    for (const Json& name : *names) {
        if (!name.is_string())
            throw RequestError{"invalid", "entries must be an array of section names"};
        std::string section = WideToWindows1252(Utf8ToWide(name.get_ref<const std::string&>()));
        if (!AppendEntriesNamed(list, section))
            throw RequestError{"invalid", "no section " + name.get<std::string>()};
    }
    CPageContext page;
    if (Failed(page.Load(session.Frame())))
        throw RequestError{"invalid", "the page cannot be read"};
    int index = 0;
    for (const CLink& link : list)
        RunEntry(link, page, index++);
    return Outcome(session, std::nullopt, false);
}

} // namespace tandrel::web
