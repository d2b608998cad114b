// The calls of the extension's interface, one function each, from a parsed request to the answer
// (WebCallList.inc lists them with what each answers, TandrelCore.h has their C entry points,
// docs/extension-interface.md their shapes). Each throws RequestError for a request it cannot
// take. Answers are JSON text.
#pragma once

#include "web/WebJson.h"

namespace tandrel::web {

#define TANDREL_WEB_CALL(name, Function) std::string Function(const Json& request);
#include "web/WebCallList.inc"
#undef TANDREL_WEB_CALL

} // namespace tandrel::web
