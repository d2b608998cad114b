/* The core's interface for the browser extension: a few C functions, each taking one request as
 * NUL-terminated UTF-8 JSON text and giving one answer the same way. Every call is stateless:
 * everything it needs (the page, the link configuration text, the remembered ticks, the user's
 * answer) comes with the request, because the browser may stop the extension's worker at any
 * moment. An answer stays valid until the next call of any of these functions; the caller copies
 * it. A request that is not JSON, is larger than TANDREL_MAX_REQUEST_BYTES or holds a field of the
 * wrong type gives {"error": {"code": "malformed" | "oversized" | "invalid", "message": "..."}}.
 *
 * The shapes of requests and answers, with an example of each call: docs/extension-interface.md.
 * Built natively as a library (tests) and with emscripten as the module tandrel-core.mjs and
 * tandrel-core.wasm, whose JavaScript side passes strings through tandrel_alloc and tandrel_free
 * (src/web/tandrel-core-api.mjs does it for every call). */
#ifndef TANDREL_CORE_H
#define TANDREL_CORE_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The largest request read, in bytes without the terminating NUL: room for a page whose selection
 * is ten million characters, read with its markup, as the DLL reads it whole. */
#define TANDREL_MAX_REQUEST_BYTES (64u * 1024u * 1024u)

/* Memory for a request of size bytes (its NUL included); null when there is none. */
void* tandrel_alloc(size_t size);
/* Frees memory from tandrel_alloc; null is ignored. */
void tandrel_free(void* memory);

/* A menu command up to its dialog: the dialog to show ("kind": "dialog"), a question to ask
 * before it ("question"), or, for a command that shows none, what it did ("outcome"). */
const char* tandrel_prepare(const char* request);
/* The same command again with the user's answer to its dialog: what to show and do ("outcome"):
 * messages (one that "staysOpen" refuses the answer), the ticks to remember, the actions. */
const char* tandrel_finish(const char* request);
/* The conversion dialog's Calculate: the result text, or why there is none. */
const char* tandrel_calculate(const char* request);
/* The currency dialog's list of currencies, in the order it shows them. */
const char* tandrel_currencies(const char* request);
/* The configuration checker: its findings for a configuration text, with line numbers. */
const char* tandrel_lint(const char* request);
/* The stored default link configuration text. */
const char* tandrel_default_config(const char* request);
/* The menu commands: keywords, menu and status texts, entry prefixes and help entries; with the
 * extension's own texts (its options page) and messages (no host program, a page it cannot read).
 */
const char* tandrel_menu(const char* request);
/* What the named entries, ticked, would do on a page: the actions, as "tandrel run" lists them. */
const char* tandrel_run(const char* request);

#ifdef __cplusplus
}
#endif

#endif
