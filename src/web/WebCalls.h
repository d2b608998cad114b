// The calls of the extension's interface, one function each, from a parsed request to the answer
// (TandrelCore.h has their C entry points, docs/extension-interface.md their shapes). Each
// throws RequestError for a request it cannot take.
#pragma once

#include "web/WebJson.h"

namespace tandrel::web {

/// A menu command up to its dialog: {"kind": "dialog", "dialog"}, {"kind": "question",
/// "question"} or, when the command shows no dialog, {"kind": "outcome", ...}; with "ticks".
Json Prepare(const Json& request);
/// The command with the user's answer: {"kind": "outcome", "messages", "ticks", "actions"}, or a
/// question that the request's replies do not answer.
Json Finish(const Json& request);
/// The conversion dialog's Calculate: {"outcome": "calculated", "amount", "result"},
/// {"outcome": "notANumber", "message"} or {"outcome": "noUnit", "sound"}.
Json CalculateCall(const Json& request);
/// {"currencies": [{"code", "text"}]}
Json Currencies(const Json& request);
/// {"findings": [{"line", "message"}]} for the request's "config" text.
Json Lint(const Json& request);
/// {"config": the stored default link configuration}
Json DefaultConfig(const Json& request);
/// {"product", "commands": [{"keyword", "menu", "status", "prefix", "helpEntry"}], "texts",
/// "messages"}: the menu, and the texts and messages the extension shows of its own accord.
Json Menu(const Json& request);
/// {"actions", "messages"}: what the request's "entries", ticked, do on its page.
Json Run(const Json& request);

} // namespace tandrel::web
