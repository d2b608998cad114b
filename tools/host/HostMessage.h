// The host's answers to the browser extension's messages. The one message it knows asks it to
// start the console command of a link entry: it carries the entry's keys and the page, never a
// command line. The host builds the entry from the keys and the page from the message (in the
// shape of the extension's requests to the core), and the core expands the command and starts it
// exactly as the DLL does, neutralising what the page puts into a line the interpreter reads.
// The shapes of messages and answers: docs/native-host.md.
#pragma once

#include "common/Platform.h"
#include "web/WebJson.h"

#include <istream>
#include <ostream>
#include <string_view>

namespace tandrel::host {

/// What the system the host runs on contributes to a command: its processes, which start the
/// program, and its text conversion, the code page the command line is written in.
struct SystemParts {
    IProcesses* processes = nullptr;
    IText* text = nullptr;
};

/// The answer to one message's text: {"outcome": "started", "commandLine"}, {"outcome":
/// "notStarted", "commandLine", "error", "message"} or, for a command the core does not start,
/// {"outcome": "refused", "message"} for a command message;
/// {"error": {"code", "message"}} for a message that is not JSON ("malformed"), too long
/// ("oversized"), of another type ("unknown"), or with a field that is missing, unknown or of
/// the wrong type ("invalid"), or one the host could not answer at all ("internal").
web::Json AnswerMessage(std::string_view body, const SystemParts& system);

/// The answer as UTF-8 text; a character that cannot be written becomes U+FFFD.
std::string Dump(const web::Json& answer);

/// The answer as the text to send: at most kMaxAnswerBytes, whatever its shape: a command line
/// too long for that left out, long texts cut, and an answer that still does not fit replaced by
/// an "internal" refusal.
std::string AnswerText(const web::Json& answer);

/// Answers every framed message of in on out, in order, until the input ends. 0 when it ended
/// between messages; 1 when it ended inside one or a length was refused: that is answered, and
/// nothing after it read.
int ServeMessages(std::istream& in, std::ostream& out, const SystemParts& system);

} // namespace tandrel::host
