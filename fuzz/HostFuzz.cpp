// The extension's host reading what the browser pipes in: frames, their JSON, the command
// messages. Whatever comes, every whole message gets one answer, in order, each a frame no longer
// than the browser takes and holding JSON that is an outcome or an error; a broken frame gets
// one error answer and ends the reading; and the host starts exactly the programs its answers say
// it started, with the lines they give.
//
// The input: what the browser would write to the host's standard input (frames: a length in four
// bytes of the machine's order, then UTF-8 JSON). An odd length sets COMSPEC, as on Windows.
#include "FuzzSupport.h"

#include "HostFraming.h"
#include "HostMessage.h"

#include <sstream>

namespace tandrel::fuzz {

namespace {

using web::Json;

// What the input holds: the number of whole messages before its end or a broken frame.
struct Frames {
    std::size_t messages = 0;
    bool broken = false;
};

Frames CountFrames(std::string_view input) {
    std::istringstream in{std::string(input)};
    Frames frames;
    for (;;) {
        host::FrameRead frame = host::ReadFrame(in);
        if (frame.kind == host::FrameRead::Kind::kEnd)
            return frames;
        if (frame.kind == host::FrameRead::Kind::kBroken) {
            frames.broken = true;
            return frames;
        }
        ++frames.messages;
    }
}

} // namespace

} // namespace tandrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tandrel;
    using namespace tandrel::fuzz;
    std::string_view input = AsText(data, size);
    CMemoryProcesses processes;
    if (size % 2 == 1)
        processes.environment["COMSPEC"] = "C:\\Windows\\system32\\cmd.exe";
    CWindows1252Text text;
    std::istringstream in{std::string(input)};
    std::ostringstream out;
    int status = host::ServeMessages(in, out, {&processes, &text});

    Frames frames = CountFrames(input);
    Require(status == (frames.broken ? 1 : 0), "the exit status says whether a frame broke");
    std::istringstream answers(out.str());
    std::size_t started = 0;
    for (std::size_t answer = 0; answer < frames.messages + (frames.broken ? 1 : 0); ++answer) {
        host::FrameRead frame = host::ReadFrame(answers);
        Require(frame.kind == host::FrameRead::Kind::kMessage, "every message has an answer");
        Require(frame.body.size() <= host::kMaxAnswerBytes, "an answer fits the browser's limit");
        Json json = Json::parse(frame.body, nullptr, false);
        Require(json.is_object() && json.size() >= 1, "an answer is a JSON object");
        if (json.contains("error")) {
            Require(json.size() == 1 && json["error"]["code"].is_string() &&
                        json["error"]["message"].is_string(),
                    "an error answer has a code and a message alone");
            continue;
        }
        if (json["outcome"] == "refused") {
            Require(json["message"]["text"].is_string() && !json.contains("commandLine"),
                    "a refused command says why and starts nothing");
            continue;
        }
        Require(json["outcome"] == "started" || json["outcome"] == "notStarted",
                "an answer is an outcome or an error");
        Require(started < processes.started.size(), "each outcome started a program");
        Require(json["commandLine"] == WideToUtf8(Windows1252ToWide(processes.started[started++])),
                "the answer gives the line started");
    }
    Require(host::ReadFrame(answers).kind == host::FrameRead::Kind::kEnd,
            "no answer without a message");
    Require(started == processes.started.size(), "no program started without an outcome");
    return 0;
}
