#include "BrowserOptions.h"

#include "StandInText.h"
#include "common/TextConversion.h"

#include <map>

namespace tandrel::standin {

namespace {

// The texts an option can set before the page is assembled.
struct PageTexts {
    std::optional<std::u16string> selection, html, url, frameUrl, title, frameTitle, name,
        frameName, host, frameHost;
    // What the window showing the content gets: the frame when there is one, else the top.
    SelectionKind selectionKind = SelectionKind::kTextRange;
    bool hasBody = true;
    bool HasFrame() const { return frameUrl || frameTitle || frameName || frameHost; }
};

std::optional<StandInScreenSize> ParseScreen(const std::u16string& text, bool& valid) {
    valid = true;
    if (text == u"none")
        return std::nullopt;
    size_t x = text.find_first_of(u"xX");
    auto number = [](std::u16string_view digits) -> long {
        if (digits.empty() || digits.size() > 6)
            return -1;
        long value = 0;
        for (char16_t c : digits) {
            if (c < u'0' || c > u'9')
                return -1;
            value = value * 10 + (c - u'0');
        }
        return value;
    };
    long width = x == std::u16string::npos ? -1 : number(std::u16string_view(text).substr(0, x));
    long height = x == std::u16string::npos ? -1 : number(std::u16string_view(text).substr(x + 1));
    valid = width >= 0 && height >= 0;
    return StandInScreenSize{width, height};
}

std::optional<unsigned long> ParseNumber(const std::u16string& text) {
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    unsigned long long value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    if (value > 0xFFFFFFFFull)
        return std::nullopt;
    return static_cast<unsigned long>(value);
}

std::optional<SelectionKind> ParseSelectionKind(const std::u16string& text) {
    if (text == u"text")
        return SelectionKind::kTextRange;
    if (text == u"control")
        return SelectionKind::kControlRange;
    if (text == u"none")
        return SelectionKind::kNoSelectionObject;
    return std::nullopt;
}

void AssemblePage(const PageTexts& texts, BrowserOptions& options) {
    StandInWindowDescription& top = options.page.top;
    top.href = texts.url.value_or(u"about:blank");
    top.hostName = texts.host ? *texts.host : HostOfAddress(*top.href);
    top.title = texts.title.value_or(u"");
    top.name = texts.name.value_or(u"");
    StandInWindowDescription* selectionWindow = &top;
    if (texts.HasFrame()) {
        StandInWindowDescription frame;
        frame.href = texts.frameUrl.value_or(u"about:blank");
        frame.hostName = texts.frameHost ? *texts.frameHost : HostOfAddress(*frame.href);
        frame.title = texts.frameTitle.value_or(u"");
        frame.name = texts.frameName.value_or(u"");
        frame.screen = top.screen;
        options.page.frame = frame;
        selectionWindow = &*options.page.frame;
    }
    selectionWindow->selectionKind = texts.selectionKind;
    selectionWindow->hasBody = texts.hasBody;
    selectionWindow->selectionText = texts.selection.value_or(u"");
    selectionWindow->selectionHtml =
        texts.html ? *texts.html : EscapeHtml(texts.selection.value_or(u""));
}

} // namespace

std::optional<BrowserOptions> ParseBrowserOptions(const std::vector<std::u16string>& arguments,
                                                  std::string& error) {
    BrowserOptions options;
    PageTexts texts;
    const std::map<std::u16string, std::optional<std::u16string>*> textOptions = {
        {u"--menu", &options.menuText},
        {u"--script", &options.scriptFile},
        {u"--selection", &texts.selection},
        {u"--html", &texts.html},
        {u"--url", &texts.url},
        {u"--frame-url", &texts.frameUrl},
        {u"--title", &texts.title},
        {u"--frame-title", &texts.frameTitle},
        {u"--name", &texts.name},
        {u"--frame-name", &texts.frameName},
        {u"--host", &texts.host},
        {u"--frame-host", &texts.frameHost}};
    StandInWindowDescription& top = options.page.top;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::u16string& option = arguments[i];
        if (option == u"--help") {
            options.help = true;
        } else if (option == u"--refuse-open") {
            top.openRefused = true;
        } else if (option == u"--refuse-navigate") {
            top.navigateResult = E_ACCESSDENIED;
        } else if (option == u"--no-body") {
            texts.hasBody = false;
        } else if (option == u"--show-window") {
            options.showWindow = true;
        } else if (option == u"--screen" || option == u"--selection-kind" ||
                   option == u"--answer" || option == u"--screenshot" ||
                   option == u"--mapi-result" || option == u"--env" || textOptions.count(option)) {
            if (i + 1 >= arguments.size()) {
                error = "option " + WideToUtf8(option) + " needs a value";
                return std::nullopt;
            }
            const std::u16string& value = arguments[++i];
            if (option == u"--screen") {
                bool valid = false;
                top.screen = ParseScreen(value, valid);
                options.screenGiven = true;
                if (!valid) {
                    error = "--screen wants WIDTHxHEIGHT or none, not " + WideToUtf8(value);
                    return std::nullopt;
                }
            } else if (option == u"--selection-kind") {
                std::optional<SelectionKind> kind = ParseSelectionKind(value);
                if (!kind) {
                    error = "--selection-kind wants text, control or none";
                    return std::nullopt;
                }
                texts.selectionKind = *kind;
            } else if (option == u"--answer") {
                std::optional<DialogAnswer> answer = ParseDialogAnswer(value, error);
                if (!answer)
                    return std::nullopt;
                options.user.answers.push_back(std::move(*answer));
            } else if (option == u"--screenshot") {
                options.user.screenshotFolder = value;
            } else if (option == u"--mapi-result") {
                std::optional<unsigned long> result = ParseNumber(value);
                if (!result) {
                    error = "--mapi-result wants a number, not " + WideToUtf8(value);
                    return std::nullopt;
                }
                options.user.mapiResult = *result;
            } else if (option == u"--env") {
                std::size_t equals = value.find(u'=');
                if (equals == 0 || equals == std::u16string::npos) {
                    error = "--env wants NAME=VALUE, not " + WideToUtf8(value);
                    return std::nullopt;
                }
                options.environment.emplace_back(value.substr(0, equals), value.substr(equals + 1));
            } else {
                *textOptions.at(option) = value;
            }
        } else {
            error = "unknown argument " + WideToUtf8(option);
            return std::nullopt;
        }
    }
    if (!options.help && options.menuText.has_value() == options.scriptFile.has_value()) {
        error = "give either --menu TEXT or --script FILE";
        return std::nullopt;
    }
    AssemblePage(texts, options);
    return options;
}

const char* BrowserUsage() {
    return "usage: standin (--menu MENU-TEXT | --script FILE) [page options]\n"
           "Runs an installed browser menu entry (or a script file) against a stand-in page\n"
           "and prints what the script did to the page.\n"
           "page options:\n"
           "  --url URL  --title TEXT  --name NAME  --host HOST      the top window\n"
           "  --frame-url URL  --frame-title TEXT  --frame-name NAME  --frame-host HOST\n"
           "                   a frame inside it, which then holds the selection\n"
           "  --selection TEXT  --html HTML  --selection-kind text|control|none\n"
           "  --screen WIDTHxHEIGHT|none   (default: the desktop work area)\n"
           "  --refuse-open  --refuse-navigate  --no-body  --show-window\n"
           "the user, who answers dialogs and message boxes (the calls of the registered\n"
           "KVO.ATandrel module are watched):\n"
           "  --answer ACTIONS   repeatable: the first dialog or message box that opens takes the\n"
           "                     first answer, the next the second; a dialog still open after its\n"
           "                     answer takes the next one; with none left, Escape closes it.\n"
           "                     ACTIONS, separated by \";\": type:TEXT (the first edit box),\n"
           "                     toggle:LABEL (double-click that list view entry),\n"
           "                     choose:ID:TEXT (that item of list or combo box ID),\n"
           "                     press:NAME (the button with that text, without \"&\")\n"
           "  --screenshot DIR   save each dialog and message box as DIR\\NN-Caption.png\n"
           "  --mapi-result N    what MAPISendMail returns (no mail program starts; default 2)\n"
           "  --env NAME=VALUE   repeatable: set in the environment before the page runs\n"
           "output, as things happen: the page's calls (open, navigate, insert, click), and\n"
           "  dialog \"CAPTION\", control ID \"TEXT\", item \"LABEL\" ticked|unticked, closed ID,\n"
           "  message \"CAPTION\" \"TEXT\", started \"COMMAND LINE\",\n"
           "  mapi to=\"..\" cc=\"..\" bcc=\"..\" subject=\"..\" body=\"..\"; then the reads\n"
           "exit codes: 0 done, 1 script error, 2 bad command line, 3 no such menu entry,\n"
           "  4 script page unreadable or without a script, 5 no script engine,\n"
           "  6 an answer could not be carried out or was left over\n";
}

} // namespace tandrel::standin
