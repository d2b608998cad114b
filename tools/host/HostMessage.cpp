#include "HostMessage.h"

#include "HostFraming.h"

#include "actions/ConsoleCommand.h"
#include "common/TextConversion.h"
#include "config/ConfigSection.h"
#include "config/Link.h"
#include "page/PageContext.h"
#include "web/WebSession.h"

#include <algorithm>
#include <optional>

namespace tandrel::host {

namespace {

using web::Json;
using web::RequestError;

// The fields of a command message; anything else is refused, a command line above all.
constexpr std::string_view kFields[] = {"type", "keys", "page", "locale", "moduleFolderUrl"};

void CheckMessage(const Json& message) {
    web::ExpectObject(message);
    for (const auto& field : message.items()) {
        if (std::find(std::begin(kFields), std::end(kFields), field.key()) == std::end(kFields))
            throw RequestError{"invalid", field.key() + " is no field of a message to the host"};
    }
    const Json* type = web::Member(message, "type", "");
    if (!type || !type->is_string())
        throw RequestError{"invalid", "type must be the message's type, \"command\""};
    if (*type != "command")
        throw RequestError{"unknown", "the host knows no message of type " + type->dump() +
                                          ", only \"command\""};
}

// The entry as the configuration would give it from these keys: texts as configuration bytes
// (characters outside Windows-1252 become "?"), flags as yes or no.
CLink LinkFromKeys(const Json& message) {
    const Json* keys = web::Member(message, "keys", "");
    if (!keys || !keys->is_object())
        throw RequestError{"invalid", "keys must be the entry's keys, with its command"};
    CConfigSection section("OTHER:Host");
    bool command = false;
    for (const auto& [key, value] : keys->items()) {
        const LinkField* field = FindLinkKey(key);
        if (!field)
            throw RequestError{"invalid", "keys." + key + " is no key of a link entry"};
        command = command || field->name == "command";
        if (field->kind == LinkFieldKind::Flag) {
            if (!value.is_boolean())
                throw RequestError{"invalid", "keys." + key + " must be true or false"};
            section.SetValue(field->name, value.get<bool>() ? "yes" : "no");
        } else {
            if (!value.is_string())
                throw RequestError{"invalid", "keys." + key + " must be a string"};
            section.SetValue(field->name, WideToWindows1252(Utf8ToWide(value.get<std::string>())));
        }
    }
    if (!command)
        throw RequestError{"invalid", "keys.command must be the entry's command"};
    CLink link;
    link.LoadFromSection(section);
    return link;
}

// The system's processes, with the one start a command makes remembered.
class CWatchedProcesses : public IProcesses {
public:
    explicit CWatchedProcesses(IProcesses& system) : system_(system) {}

    std::optional<std::string> EnvironmentVariable(std::string_view name) override {
        return system_.EnvironmentVariable(name);
    }
    ProcessStart StartProcess(std::string_view commandLine) override {
        line = std::string(commandLine);
        start = system_.StartProcess(commandLine);
        return start;
    }
    std::optional<std::string> ErrorText(std::uint32_t error) override {
        return system_.ErrorText(error);
    }

    std::optional<std::string> line;
    ProcessStart start;

private:
    IProcesses& system_;
};

// Text in the system's code page (a command line, the system's error text) as UTF-8.
std::string SystemText(std::string_view text) {
    return WideToUtf8(AnsiToWide(text));
}

Json RunCommand(const Json& message, const SystemParts& system) {
    web::CWebSession session(message);
    CWatchedProcesses processes(*system.processes);
    Platform view = session.View();
    view.processes = &processes;
    view.text = system.text;
    ScopedPlatform installed(view);
    CLink link = LinkFromKeys(message);
    CPageContext page;
    if (Failed(page.Load(session.Frame())))
        throw RequestError{"invalid", "the page cannot be read"};
    RunConsoleCommand(link, page);
    Json answer;
    if (!processes.line) {
        // The core refused the command before making its line; its message says why.
        answer["outcome"] = "refused";
    } else if (processes.start.started) {
        return {{"outcome", "started"}, {"commandLine", SystemText(*processes.line)}};
    } else {
        answer = {{"outcome", "notStarted"},
                  {"commandLine", SystemText(*processes.line)},
                  {"error", processes.start.error}};
    }
    // The error box the DLL would show, with the system's text in the system's code page.
    for (const web::WebEvent& event : session.Events()) {
        if (event.kind != web::WebEvent::kMessage)
            continue;
        Json shown = Json::parse(web::JsonOf([&event](web::JsonWriter& out) {
            web::WriteMessage(out, event.text, event.caption, event.style, false);
        }));
        shown["text"] = SystemText(event.text);
        answer["message"] = shown;
    }
    if (!answer.contains("message"))
        throw RequestError{"internal", "the command was not started"};
    return answer;
}

// The refusal as the interface answers it, as a value the host can still shorten.
Json Refused(const RequestError& error) {
    return Json::parse(web::ErrorAnswer(error));
}

} // namespace

Json AnswerMessage(std::string_view body, const SystemParts& system) {
    try {
        if (body.size() > kMaxMessageBytes)
            return Refused({"oversized", "a message may hold at most " +
                                             std::to_string(kMaxMessageBytes) + " bytes"});
        Json message = web::ParseRequest(body);
        CheckMessage(message);
        return RunCommand(message, system);
    } catch (const RequestError& error) {
        return Refused(error);
    } catch (const Json::exception& error) {
        return Refused({"invalid", error.what()});
    } catch (...) {
        return Refused({"internal", "the host could not answer"});
    }
}

std::string Dump(const Json& answer) {
    return answer.dump(-1, ' ', false, Json::error_handler_t::replace);
}

namespace {

// Cuts the text at member key of object, where there is one, to at most kLongestText bytes.
void Shorten(Json& object, const char* key) {
    constexpr std::size_t kLongestText = 4096;
    if (!object.is_object())
        return;
    auto member = object.find(key);
    if (member == object.end() || !member->is_string())
        return;
    std::string& text = member->get_ref<std::string&>();
    text.resize(std::min(text.size(), kLongestText));
}

} // namespace

std::string AnswerText(const Json& answer) {
    std::string text = Dump(answer);
    if (text.size() <= kMaxAnswerBytes)
        return text;
    // Only a command line, an error's message quoting the message's text or a message box's
    // text grows with what was sent: the line is left out, the texts cut. An answer of any other
    // shape cannot grow, but is answered all the same.
    try {
        Json shorter = answer;
        if (shorter.is_object()) {
            shorter.erase("commandLine");
            if (auto error = shorter.find("error"); error != shorter.end())
                Shorten(*error, "message");
            if (auto message = shorter.find("message"); message != shorter.end())
                Shorten(*message, "text");
        }
        text = Dump(shorter);
        if (text.size() <= kMaxAnswerBytes)
            return text;
    } catch (...) {
        // Falls through to the answer that always fits.
    }
    return Dump(Refused({"internal", "the host's answer was too long to send"}));
}

int ServeMessages(std::istream& in, std::ostream& out, const SystemParts& system) {
    for (;;) {
        FrameRead frame = ReadFrame(in);
        if (frame.kind == FrameRead::Kind::kEnd)
            return 0;
        bool broken = frame.kind == FrameRead::Kind::kBroken;
        Json answer = broken ? Refused(frame.refusal) : AnswerMessage(frame.body, system);
        out << FrameOf(AnswerText(answer)) << std::flush;
        if (broken)
            return 1;
    }
}

} // namespace tandrel::host
