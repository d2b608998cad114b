// The extension's host: its frames, its refusals, and the command lines it starts. The host must
// start exactly what the DLL would for the entry and the page: the lines of the core's hostile
// page cases, and for the stored entries the line the extension's interface reports.
#include "ArgumentCases.h"
#include "HostileCommandCases.h"

#include "HostFraming.h"
#include "HostMessage.h"

#include "common/MemoryPlatform.h"
#include "common/TextConversion.h"
#include "common/posix/PosixPlatform.h"
#include "common/posix/WindowsCommandLine.h"
#include "config/Link.h"
#include "web/WebCalls.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

namespace tandrel::host {
namespace {

using web::Json;

std::string Frame(std::string_view body) {
    std::uint32_t length = static_cast<std::uint32_t>(body.size());
    std::string frame(4, '\0');
    std::memcpy(frame.data(), &length, 4);
    return frame + std::string(body);
}

// The entry's keys as the interface gives them, from configuration key lines.
Json KeysOf(std::string_view lines) {
    Json keys = Json::object();
    std::istringstream in{std::string(lines)};
    for (std::string line; std::getline(in, line);) {
        std::string key = line.substr(0, line.find('='));
        std::string value = line.substr(key.size() + 1);
        const LinkField* field = FindLinkKey(key);
        if (field->kind == LinkFieldKind::Flag)
            keys[key] = std::string_view("1TtYy").find(value[0]) != std::string_view::npos;
        else
            keys[key] = WideToUtf8(Windows1252ToWide(value));
    }
    return keys;
}

Json CommandMessage(Json keys, Json page = Json::object()) {
    return {{"type", "command"}, {"keys", std::move(keys)}, {"page", std::move(page)}};
}

class HostMessages : public ::testing::Test {
protected:
    Json Answer(const Json& message) { return AnswerBody(message.dump()); }
    Json AnswerBody(std::string_view body) { return AnswerMessage(body, {&processes, &text}); }

    CMemoryProcesses processes;
    CWindows1252Text text;
};

TEST(HostFrames, AreReadWholeOrRefused) {
    const std::string big(kMaxMessageBytes, 'x');
    const struct {
        std::string input;
        FrameRead::Kind kind;
        std::string bodyOrCode;
    } cases[] = {
        {"", FrameRead::Kind::kEnd, ""},
        {Frame("{}"), FrameRead::Kind::kMessage, "{}"},
        {Frame(""), FrameRead::Kind::kMessage, ""},
        {Frame(big), FrameRead::Kind::kMessage, big},
        {Frame("{}").substr(0, 3), FrameRead::Kind::kBroken, "malformed"},
        {Frame("{\"type\": 1}").substr(0, 8), FrameRead::Kind::kBroken, "malformed"},
        {Frame(big + "x").substr(0, 4), FrameRead::Kind::kBroken, "oversized"},
        {std::string("\xFF\xFF\xFF\xFF{}", 6), FrameRead::Kind::kBroken, "oversized"},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.input);
        FrameRead frame = ReadFrame(in);
        std::string shown = c.input.substr(0, 12);
        ASSERT_EQ(frame.kind, c.kind) << shown;
        if (c.kind == FrameRead::Kind::kBroken)
            EXPECT_EQ(frame.refusal.code, c.bodyOrCode) << shown;
        else
            EXPECT_EQ(frame.body, c.bodyOrCode) << shown;
    }
}

TEST(HostFrames, CarryTheLengthInTheMachinesOrder) {
    std::uint32_t one = 1;
    unsigned char first;
    std::memcpy(&first, &one, 1);
    std::string expected = first == 1 ? std::string("\x02\0\0\0"
                                                    "ab",
                                                    6)
                                      : std::string("\0\0\0\x02"
                                                    "ab",
                                                    6);
    EXPECT_EQ(FrameOf("ab"), expected);
}

TEST_F(HostMessages, EachMessageIsAnsweredInTurnUntilTheInputEnds) {
    Json ping = CommandMessage(KeysOf("command=ping.exe !H"), {{"url", "https://a.example/"}});
    std::istringstream in(Frame(ping.dump()) + Frame("[") + Frame(ping.dump()));
    std::ostringstream out;
    EXPECT_EQ(ServeMessages(in, out, {&processes, &text}), 0);
    std::istringstream answers(out.str());
    for (const char* expected : {"started", "malformed", "started"}) {
        FrameRead frame = ReadFrame(answers);
        ASSERT_EQ(frame.kind, FrameRead::Kind::kMessage);
        Json answer = Json::parse(frame.body);
        EXPECT_EQ(answer.contains("error") ? answer["error"]["code"] : answer["outcome"], expected);
    }
    EXPECT_EQ(ReadFrame(answers).kind, FrameRead::Kind::kEnd);
    EXPECT_EQ(processes.started, std::vector<std::string>(2, "ping.exe a.example"));
}

TEST_F(HostMessages, ABrokenFrameIsAnsweredAndEndsTheInput) {
    std::string ping = Frame(CommandMessage(KeysOf("command=ping.exe !H")).dump());
    // A length refused, with a message after it; a message cut short by the input's end.
    for (std::string input :
         {ping + std::string("\x01\x00\x10\x00", 4) + ping, ping + ping.substr(0, 9)}) {
        std::istringstream in(input);
        std::ostringstream out;
        processes.started.clear();
        EXPECT_EQ(ServeMessages(in, out, {&processes, &text}), 1);
        std::istringstream answers(out.str());
        EXPECT_EQ(Json::parse(ReadFrame(answers).body)["outcome"], "started");
        EXPECT_TRUE(Json::parse(ReadFrame(answers).body).contains("error"));
        EXPECT_EQ(ReadFrame(answers).kind, FrameRead::Kind::kEnd);
        EXPECT_EQ(processes.started.size(), 1u);
    }
}

TEST_F(HostMessages, RefuseWhatIsNotACommandOfAnEntry) {
    const Json keys = {{"command", "ping.exe !H"}};
    const struct {
        std::string body;
        const char* code;
        const char* message; ///< a part of the message
    } cases[] = {
        {"not JSON", "malformed", "not JSON text"},
        {"{\"type\": \"command\", \"keys\": {\"command\": \"\xFF\"}}", "malformed", "UTF-8"},
        {"[]", "invalid", "must be an object"},
        {Json{{"keys", keys}}.dump(), "invalid", "type must be"},
        {Json{{"type", 7}, {"keys", keys}}.dump(), "invalid", "type must be"},
        {Json{{"type", "ping"}, {"keys", keys}}.dump(), "unknown", "\"ping\""},
        {Json{{"type", "command"}}.dump(), "invalid", "keys must be"},
        {Json{{"type", "command"}, {"keys", Json::array()}}.dump(), "invalid", "keys must be"},
        {CommandMessage(Json::object()).dump(), "invalid", "keys.command must be"},
        {CommandMessage({{"command", 5}}).dump(), "invalid", "keys.command must be a string"},
        {CommandMessage({{"command", "x"}, {"useConsole", "yes"}}).dump(), "invalid",
         "keys.useConsole must be true or false"},
        {CommandMessage({{"command", "x"}, {"comand", "y"}}).dump(), "invalid",
         "keys.comand is no key"},
        {CommandMessage({{"command", "x"}, {"sectionName", "y"}}).dump(), "invalid",
         "keys.sectionName is no key"},
        {Json{{"type", "command"}, {"keys", keys}, {"commandLine", "calc.exe"}}.dump(), "invalid",
         "commandLine is no field"},
        {CommandMessage(keys, {{"selection", 5}}).dump(), "invalid",
         "page.selection must be a string"},
        {CommandMessage(keys, "https://a.example/").dump(), "invalid", "page must be an object"},
        {CommandMessage(keys, {{"frame", {{"url", true}}}}).dump(), "invalid",
         "page.frame.url must be a string"},
        {std::string(kMaxMessageBytes + 1, ' '), "oversized", "at most"},
    };
    for (const auto& c : cases) {
        Json answer = AnswerBody(c.body);
        std::string shown = c.body.substr(0, 80);
        ASSERT_TRUE(answer.contains("error")) << shown;
        EXPECT_EQ(answer["error"]["code"], c.code) << shown;
        EXPECT_NE(answer["error"]["message"].get<std::string>().find(c.message), std::string::npos)
            << shown << ": " << answer["error"]["message"];
    }
    EXPECT_TRUE(processes.started.empty());
}

TEST_F(HostMessages, HostilePageValuesAreNeutralisedAsTheDllNeutralisesThem) {
    processes.environment["COMSPEC"] = std::string(test::kHostileComspec);
    test::HostilePage hostile;
    Json page = {
        {"url", WideToUtf8(hostile.topUrl)},
        {"host", WideToUtf8(hostile.topHost)},
        {"title", WideToUtf8(hostile.topTitle)},
        {"selection", WideToUtf8(hostile.selection)},
        {"frame",
         {{"url", WideToUtf8(hostile.frameUrl)}, {"title", WideToUtf8(hostile.frameTitle)}}}};
    for (const auto& c : test::kHostileInterpreterLines) {
        processes.started.clear();
        Json answer = Answer(CommandMessage(KeysOf(c.keys), page));
        EXPECT_EQ(answer["outcome"], "started") << c.keys;
        EXPECT_EQ(processes.started, std::vector<std::string>{c.line}) << c.keys;
        EXPECT_EQ(answer["commandLine"], WideToUtf8(Windows1252ToWide(c.line))) << c.keys;
    }
}

// The extension hands the host the keys the interface gives for an entry; the host then starts
// the very line the interface says the DLL would.
TEST_F(HostMessages, StartTheLineTheInterfaceReportsForEachStoredCommand) {
    Json page = {{"url", "https://www.example.org/a?b=\"c\"&d"}, {"selection", "x\" & calc"}};
    for (const char* entry : {"OTHER:Ping", "OTHER:TraceRoute"}) {
        Json run = Json::parse(web::Run({{"entries", {entry}}, {"page", page}}));
        const Json& action = run.at("actions").at(0);
        processes.started.clear();
        Json answer = Answer(CommandMessage(action.at("keys"), page));
        EXPECT_EQ(answer["outcome"], "started") << entry;
        EXPECT_EQ(answer["commandLine"], action.at("commandLine")) << entry;
        ASSERT_EQ(processes.started.size(), 1u) << entry;
        EXPECT_EQ(processes.started[0], action.at("commandLine").get<std::string>()) << entry;
    }
    EXPECT_EQ(processes.started[0], "COMMAND.COM /K \"tracert.exe www.example.org\"");
}

// What the extension sends: the command action's keys and page, the page being the one the
// entry saw (the dialog's text its selection, the frame the command came from).
TEST_F(HostMessages, StartTheLineTheInterfaceReportsFromTheActionsKeysAndPage) {
    Json request = {
        {"keyword", "OTHER"},
        {"page",
         {{"url", "https://www.example.org/a?b=\"c\"&d"},
          {"title", "Top & \"title\""},
          {"selection", "x\" & calc"},
          {"frame", {{"url", "https://f.example/q?x=%PATH%"}, {"title", "Frame | title"}}}}},
        {"config", "[OTHER:Mine]\nshortDescription=Mine\ncommand=tool.exe !S !t !h !H !U\n"
                   "useConsole=yes\nURLEncoded=no\n"},
        {"answer", {{"button", "ok"}, {"text", "edited \" & text"}, {"ticked", {true}}}}};
    Json action = Json::parse(web::Finish(request)).at("actions").at(0);
    EXPECT_EQ(action.at("page").at("selection"), "edited \" & text");
    Json message = CommandMessage(action.at("keys"), action.at("page"));
    EXPECT_EQ(Answer(message)["outcome"], "started");
    ASSERT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(processes.started[0], action.at("commandLine").get<std::string>());
    EXPECT_EQ(processes.started[0],
              "COMMAND.COM /C \"tool.exe edited     text Frame   title "
              "f.example www.example.org https://www.example.org/a?b= c  d\"");
}

TEST_F(HostMessages, AProgramThatDoesNotStartIsAnsweredWithTheSystemsText) {
    processes.startError = 2;
    Json answer = Answer(CommandMessage(KeysOf("command=nothere.exe !S"), {{"selection", "a"}}));
    EXPECT_EQ(answer["outcome"], "notStarted");
    EXPECT_EQ(answer["commandLine"], "nothere.exe a");
    EXPECT_EQ(answer["error"], 2);
    EXPECT_EQ(answer["message"]["text"], "The system cannot find the file specified.\r\n");
    EXPECT_EQ(answer["message"]["caption"], "Veltrane Tandrel");
    EXPECT_EQ(answer["message"]["icon"], "error");
    // Without a text of the system's, the DLL's own.
    processes.errorTexts.clear();
    EXPECT_EQ(Answer(CommandMessage(KeysOf("command=x")))["message"]["text"],
              "The program could not be started (error 2).");
}

// Lines are in the system's code page: the DLL's on Windows, UTF-8 on Linux; answers in UTF-8.
TEST_F(HostMessages, WriteTheLineInTheSystemsCodePage) {
    Json message = CommandMessage(KeysOf("command=finger !S\nURLEncoded=n"),
                                  {{"selection", "M\xC3\xBCller \xE2\x82\xAC \xE4\xB8\x80"}});
    EXPECT_EQ(Answer(message)["commandLine"], "finger M\xC3\xBCller \xE2\x82\xAC ?");
    EXPECT_EQ(processes.started.back(), "finger M\xFCller \x80 ?");
    CUtf8Text utf8;
    EXPECT_EQ(AnswerMessage(message.dump(), {&processes, &utf8})["commandLine"],
              "finger M\xC3\xBCller \xE2\x82\xAC \xE4\xB8\x80");
    EXPECT_EQ(processes.started.back(), "finger M\xC3\xBCller \xE2\x82\xAC \xE4\xB8\x80");
}

// The words the started program gets: the line the host starts, split as the program's runtime
// (or, for a console command, the interpreter and then the runtime) splits it.
std::vector<std::string> ArgumentsOf(const std::string& line) {
    std::optional<InterpreterLine> console = ReadInterpreterLine(line, "COMMAND.COM");
    std::vector<std::string> words = SplitCommandLine(console ? console->command : line);
    EXPECT_FALSE(words.empty()) << line;
    if (!words.empty()) {
        EXPECT_EQ(words.front(), "record.exe") << line;
        words.erase(words.begin());
    }
    return words;
}

TEST_F(HostMessages, PageValuesNeitherEndNorAddAnArgument) {
    for (const test::ArgumentCase& c : test::kArgumentCases) {
        std::string value = WideToUtf8(c.value);
        Json page = Json::object();
        switch (c.source) {
        case test::ArgumentCase::kSelection:
        case test::ArgumentCase::kTyped:
            page["selection"] = value;
            break;
        case test::ArgumentCase::kTitle:
            page["title"] = value;
            break;
        case test::ArgumentCase::kAddress:
            page["url"] = value;
            break;
        case test::ArgumentCase::kHost:
            page["url"] = "https://" + value + "/";
            page["host"] = value;
            break;
        }
        processes.started.clear();
        Json answer = Answer(CommandMessage(KeysOf(c.keys), page));
        SCOPED_TRACE(std::string(c.keys) + " with " + value);
        EXPECT_EQ(answer["outcome"], "started");
        ASSERT_EQ(processes.started.size(), 1u);
        EXPECT_EQ(ArgumentsOf(processes.started[0]), c.arguments) << processes.started[0];
    }
}

TEST_F(HostMessages, APageValueNeverNamesTheProgram) {
    for (const char* keys : {"command=!S --x", "command=\"C:/Tools/!S.exe\" --x",
                             "command=C:/!H/tool.exe\nuseConsole=y", "command=!Z"}) {
        Json answer = Answer(CommandMessage(KeysOf(keys), {{"selection", "calc"}}));
        EXPECT_EQ(answer["outcome"], "refused") << keys;
        EXPECT_NE(
            answer["message"]["text"].get<std::string>().find("takes the name of the program"),
            std::string::npos)
            << keys;
    }
    EXPECT_TRUE(processes.started.empty());
    // A page value in an argument, or the module's folder in the program's path, is no program.
    EXPECT_EQ(Answer(CommandMessage(KeysOf("command=!I/tool.exe \"!S\"")))["outcome"], "started");
}

// Every answer, however long what it quotes, goes out within the browser's limit, and as much of
// it as fits.
TEST(HostAnswers, StayWithinTheBrowsersLimit) {
    const std::string huge(kMaxAnswerBytes, 'x');
    const Json message = {{"text", huge}, {"caption", "Veltrane Tandrel"}, {"icon", "error"}};
    const struct {
        Json answer;
        Json sent; ///< what goes out, texts cut to their first 4096 bytes
    } cases[] = {
        {{{"outcome", "started"}, {"commandLine", huge}}, {{"outcome", "started"}}},
        {{{"outcome", "notStarted"}, {"commandLine", huge}, {"error", 7}, {"message", message}},
         {{"outcome", "notStarted"},
          {"error", 7},
          {"message",
           {{"text", huge.substr(0, 4096)}, {"caption", "Veltrane Tandrel"}, {"icon", "error"}}}}},
        {{{"outcome", "refused"}, {"message", message}},
         {{"outcome", "refused"},
          {"message",
           {{"text", huge.substr(0, 4096)}, {"caption", "Veltrane Tandrel"}, {"icon", "error"}}}}},
        {{{"error", {{"code", "invalid"}, {"message", huge}}}},
         {{"error", {{"code", "invalid"}, {"message", huge.substr(0, 4096)}}}}},
        // Shapes that cannot grow so, answered all the same.
        {Json::array({huge}), {{"error", {{"code", "internal"}}}}},
        {{{"outcome", "started"}, {"other", huge}}, {{"error", {{"code", "internal"}}}}},
        {{{"outcome", "started"}, {"commandLine", "ping.exe x"}},
         {{"outcome", "started"}, {"commandLine", "ping.exe x"}}},
    };
    for (const auto& c : cases) {
        std::string text = AnswerText(c.answer);
        EXPECT_LE(text.size(), kMaxAnswerBytes);
        Json sent = Json::parse(text);
        if (sent.contains("error") && sent["error"].is_object() &&
            sent["error"]["code"] == "internal")
            sent["error"].erase("message");
        EXPECT_EQ(sent, c.sent) << text.substr(0, 200);
    }
}

// A program that could not start because its line is too long for the system: the host answers
// (the answer without the line), where it used to end without a word.
TEST(HostAnswers, ALineTooLongToStartIsAnswered) {
    CPosixProcesses processes({});
    CUtf8Text text;
    Json message = CommandMessage(KeysOf("command=tandrel-no-such-directory/record !S"),
                                  {{"selection", std::string(400'000, ' ')}});
    std::istringstream in(Frame(message.dump()));
    std::ostringstream out;
    EXPECT_EQ(ServeMessages(in, out, {&processes, &text}), 0);
    std::istringstream answers(out.str());
    FrameRead frame = ReadFrame(answers);
    ASSERT_EQ(frame.kind, FrameRead::Kind::kMessage);
    Json answer = Json::parse(frame.body);
    EXPECT_EQ(answer["outcome"], "notStarted");
    EXPECT_FALSE(answer.contains("commandLine"));
    EXPECT_TRUE(answer["message"]["text"].is_string());
}

// A refusal quotes what was sent, escaped twice over: a message within the limit must still get
// an answer within it.
TEST_F(HostMessages, QuoteLongMessagesWithinTheLimit) {
    std::string quotes;
    for (std::size_t i = 0; i < kMaxMessageBytes / 2 - 16; ++i)
        quotes += "\\\"";
    const struct {
        std::string body;
        std::string code;
    } cases[] = {
        {"{\"type\": \"" + quotes + "\"}", "unknown"},
        {"{\"type\": \"command\", \"" + quotes + "\": 1}", "invalid"},
    };
    for (const auto& c : cases) {
        ASSERT_LE(c.body.size(), kMaxMessageBytes);
        Json answer = AnswerBody(c.body);
        ASSERT_GT(Dump(answer).size(), kMaxAnswerBytes);
        std::string text = AnswerText(answer);
        EXPECT_LE(text.size(), kMaxAnswerBytes);
        Json sent = Json::parse(text);
        EXPECT_EQ(sent["error"]["code"], c.code);
        EXPECT_FALSE(sent["error"]["message"].get<std::string>().empty());
    }
}

} // namespace
} // namespace tandrel::host
