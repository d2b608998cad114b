#include "web/WebCalls.h"

#include "com/CommandDispatch.h"
#include "com/CommandTable.h"
#include "common/Messages.h"
#include "common/TextConversion.h"
#include "config/ConfigLoader.h"
#include "dialogs/ConvertCommand.h"
#include "dialogs/SiteList.h"
#include "lint/ConfigLint.h"
#include "resources/StringIds.h"
#include "runner/EntryRunner.h"
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
                  event.page = PageValuesOf(page);
              session.Record(std::move(event));
          }) {}

private:
    ScopedPlatform platform_;
    ScopedDialogHost dialogs_;
    ScopedEntryWatcher watcher_;
};

Json Outcome(CWebSession& session, std::optional<Json> refusal = std::nullopt) {
    // The texts of messages and buttons come from the session's string table, also after the
    // command has ended.
    ScopedPlatform platform(session.View());
    Json actions, messages;
    DescribeEvents(session.Events(), session.Frame()->href.value_or(u""), actions, messages);
    if (refusal)
        messages.insert(messages.begin(), *refusal);
    return {{"kind", "outcome"},
            {"messages", messages},
            {"ticks", session.Ticks()},
            {"actions", actions}};
}

// Runs the request's menu command with the dialogs given; a question beyond the request's
// replies ends it and is the answer.
std::optional<Json> RunMenuCommand(const Json& request, CWebSession& session,
                                   CWebDialogs& dialogs) {
    std::optional<std::u16string> keyword = TextMember(request, "keyword", "");
    if (!keyword)
        throw RequestError{"invalid", "keyword must be the keyword of a menu command"};
    CInstalledSession installed(session, dialogs);
    try {
        RunCommand(session.Frame(), keyword->c_str(), CommandTable());
    } catch (const QuestionPending& question) {
        return Json{{"kind", "question"},
                    {"question", MessageOf(question.text, question.caption, question.style, false)},
                    {"ticks", session.Ticks()}};
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
};

// The messages the extension shows of its own accord, by name: a console command with no host
// program to run it, and a page the browser keeps the extension from reading.
Json ShellMessages() {
    std::string product = LoadText(ids::kProductName);
    return {{"noHost", MessageOf(LoadText(ids::kWebNoHost), product, kMbIconHand, false)},
            {"pageUnreadable",
             MessageOf(LoadText(ids::kWebPageUnreadable), product, kMbIconExclamation, false)}};
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

Json Prepare(const Json& request) {
    CWebSession session(request);
    CWebDialogs dialogs;
    if (std::optional<Json> question = RunMenuCommand(request, session, dialogs))
        return *question;
    if (dialogs.Shown())
        return {{"kind", "dialog"}, {"dialog", *dialogs.Shown()}, {"ticks", session.Ticks()}};
    return Outcome(session);
}

Json Finish(const Json& request) {
    const Json* answer = Member(request, "answer", "");
    if (!answer)
        throw RequestError{"invalid", "answer must hold the user's answer to the dialog"};
    CWebSession session(request);
    CWebDialogs dialogs(*answer);
    if (std::optional<Json> question = RunMenuCommand(request, session, dialogs))
        return *question;
    return Outcome(session, dialogs.Refusal());
}

Json CalculateCall(const Json& request) {
    CWebSession session(request);
    ScopedPlatform platform(session.View());
    CUnitTable units = LoadUnitTable();
    const CUnitCategory* category =
        CategoryNamed(units, ConfigMember(request, "category", "").value_or(""));
    std::u16string amount = EditBoxText(TextMember(request, "amount", "").value_or(u""));
    Calculation calculation =
        Calculate(WideToAnsi(amount), UnitNamed(category, ConfigMember(request, "from", "")),
                  UnitNamed(category, ConfigMember(request, "to", "")));
    switch (calculation.outcome) {
    case Calculation::Outcome::kNoUnit:
        return {{"outcome", "noUnit"}, {"sound", "exclamation"}};
    case Calculation::Outcome::kNotANumber: {
        Json message = MessageOf(LoadText(ids::kAmountNotANumber), LoadText(ids::kProductName),
                                 kMbIconExclamation, true);
        message["focus"] = "text";
        return {{"outcome", "notANumber"}, {"message", message}};
    }
    case Calculation::Outcome::kCalculated:
        break;
    }
    return {{"outcome", "calculated"},
            {"amount", AnsiText(calculation.amountText)},
            {"result", AnsiText(calculation.resultText)}};
}

Json Tick(const Json& request) {
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
    Json answer = Json::array();
    for (bool tick : ticks.ticked)
        answer.push_back(tick);
    return {{"ticked", answer}};
}

Json Units(const Json& request) {
    CWebSession session(request);
    ScopedPlatform platform(session.View());
    CUnitTable units = LoadUnitTable();
    ConvertChoice choice =
        ChoiceOfCategory(CategoryNamed(units, ConfigMember(request, "category", "").value_or("")));
    Json names = Json::array();
    if (choice.category)
        for (const CUnit* unit : ListedUnits(*choice.category))
            names.push_back(AnsiText(unit->GetName()));
    auto name = [](const auto* item) {
        return item ? AnsiText(item->GetName()) : Json();
    };
    return {{"category", name(choice.category)},
            {"units", names},
            {"from", name(choice.from)},
            {"to", name(choice.to)}};
}

Json Currencies(const Json& request) {
    ExpectObject(request);
    return {{"currencies", CurrencyList()}};
}

Json Lint(const Json& request) {
    std::optional<std::string> config = ConfigMember(request, "config", "");
    if (!config)
        throw RequestError{"invalid", "config must be the configuration text to check"};
    bool system = FlagMember(request, "system", "").value_or(false);
    Json findings = Json::array();
    for (const LintFinding& finding :
         LintConfigText(*config, system ? LintedText::SystemLinks : LintedText::LinkConfiguration))
        findings.push_back({{"line", finding.line}, {"message", AnsiText(finding.message)}});
    return {{"findings", findings}};
}

Json DefaultConfig(const Json& request) {
    CWebSession session(request);
    ScopedPlatform platform(session.View());
    std::optional<std::string_view> text =
        CurrentPlatform().module->FindModuleResource(kStoredTextType, kDefaultLinksTextId);
    return {{"config", AnsiText(text.value_or(""))}};
}

Json Menu(const Json& request) {
    CWebSession session(request);
    ScopedPlatform platform(session.View());
    Json commands = Json::array();
    for (const CommandRow& row : CommandTable())
        commands.push_back({{"keyword", std::string(row.keyword)},
                            {"menu", AnsiText(LoadText(row.menuTextId))},
                            {"status", AnsiText(LoadText(row.statusTextId))},
                            {"prefix", std::string(row.linkPrefix)},
                            {"helpEntry", std::string(row.helpEntry)}});
    Json texts = Json::object();
    for (const ShellText& text : kShellTexts)
        texts[text.name] = AnsiText(LoadText(text.textId));
    return {{"product", AnsiText(LoadText(ids::kProductName))},
            {"commands", commands},
            {"texts", texts},
            {"messages", ShellMessages()}};
}

Json Run(const Json& request) {
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
    Json answer = Outcome(session);
    answer.erase("kind");
    return answer;
}

} // namespace tandrel::web
