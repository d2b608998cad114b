/* The core's interface for the browser extension: a few C functions, each taking one request as
 * NUL-terminated UTF-8 JSON text and giving one answer the same way. Every call is stateless:
 * everything it needs (the page, the link configuration text, the remembered ticks, the user's
 * answer) comes with the request, because the browser may stop the extension's worker at any
 * moment. An answer stays valid until the next call of any of these functions; the caller copies
 * it. A request that is not JSON, is larger than TANDREL_MAX_REQUEST_BYTES or holds a field of the
 * wrong type gives {"error": {"code": "malformed" | "oversized" | "invalid", "message": "..."}}.
 *
 * The calls, each with what it answers: WebCallList.inc. The shapes of requests and answers, with
 * an example of each call: docs/extension-interface.md.
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

/* Each call of the interface (WebCallList.inc): const char* tandrel_<name>(const char* request). */
#define TANDREL_WEB_CALL(name, Function) const char* tandrel_##name(const char* request);
#include "WebCallList.inc"
#undef TANDREL_WEB_CALL

#ifdef __cplusplus
}
#endif

#endif
