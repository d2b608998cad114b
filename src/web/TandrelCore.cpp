#include "web/TandrelCore.h"

#include "web/WebCalls.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace tandrel::web {

namespace {

using Call = std::string (*)(const Json&);

// The one answer the caller may read until its next call.
std::string& AnswerText() {
    static std::string answer;
    return answer;
}

std::string Answer(const char* request, Call call) {
    if (!request)
        return ErrorAnswer({"malformed", "there is no request"});
    std::size_t size = strnlen(request, TANDREL_MAX_REQUEST_BYTES + 1);
    if (size > TANDREL_MAX_REQUEST_BYTES)
        return ErrorAnswer({"oversized", "a request may hold at most " +
                                             std::to_string(TANDREL_MAX_REQUEST_BYTES) + " bytes"});
    return AnswerOf(std::string_view(request, size), call);
}

// Nothing may cross into the caller: any other failure (memory, say) is an answer too.
const char* Serve(const char* request, Call call) {
    std::string& answer = AnswerText();
    try {
        answer = Answer(request, call);
    } catch (...) {
        answer = R"({"error":{"code":"internal","message":"the core could not answer"}})";
    }
    return answer.c_str();
}

} // namespace

} // namespace tandrel::web

using tandrel::web::Serve;

extern "C" {

void* tandrel_alloc(size_t size) {
    return std::malloc(size ? size : 1);
}

void tandrel_free(void* memory) {
    std::free(memory);
}

#define TANDREL_WEB_CALL(name, Function)                                                           \
    const char* tandrel_##name(const char* request) {                                              \
        return Serve(request, tandrel::web::Function);                                             \
    }
#include "web/WebCallList.inc"
#undef TANDREL_WEB_CALL

} // extern "C"
