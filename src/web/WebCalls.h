// The calls of the extension's interface, one function each, from a parsed request to the answer
// (TandrelCore.h has their C entry points, docs/extension-interface.md their shapes). Each
// throws RequestError for a request it cannot take. Answers are JSON text.
#pragma once

#include "web/WebJson.h"

namespace tandrel::web {

/// A menu command up to its dialog: {"kind": "dialog", "dialog"}, {"kind": "question",
/// "question"} or, when the command shows no dialog, {"kind": "outcome", ...}; with "ticks".
std::string Prepare(const Json& request);
/// The command with the user's answer: {"kind": "outcome", "messages", "ticks", "actions"}, or a
/// question that the request's replies do not answer.
std::string Finish(const Json& request);
/// The conversion dialog's Calculate: {"outcome": "calculated", "amount", "result"},
/// {"outcome": "notANumber", "message"} or {"outcome": "noUnit", "sound"}.
std::string CalculateCall(const Json& request);
/// A site list's double-click, as the DLL's lists take it: {"ticked"} after the request's
/// "clicked" entry flipped among its "ticked" with the "entries"' exclusive flags.
std::string Tick(const Json& request);
/// The conversion dialog's category chosen: {"category", "units", "from", "to"}, the units
/// listed in the order the dialog shows them and the ones both lists start at.
std::string Units(const Json& request);
/// {"currencies": [{"code", "text"}]}
std::string Currencies(const Json& request);
/// {"findings": [{"line", "message"}]} for the request's "config" text.
std::string Lint(const Json& request);
/// {"config": the stored default link configuration}
std::string DefaultConfig(const Json& request);
/// {"product", "commands": [{"keyword", "menu", "status", "prefix", "helpEntry"}], "texts",
/// "messages"}: the menu, and the texts and messages the extension shows of its own accord.
std::string Menu(const Json& request);
/// {"actions", "messages"}: what the request's "entries", ticked, do on its page.
std::string Run(const Json& request);

} // namespace tandrel::web
