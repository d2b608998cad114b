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

const char* tandrel_prepare(const char* request) {
    return Serve(request, tandrel::web::Prepare);
}

const char* tandrel_finish(const char* request) {
    return Serve(request, tandrel::web::Finish);
}

const char* tandrel_calculate(const char* request) {
    return Serve(request, tandrel::web::CalculateCall);
}

const char* tandrel_tick(const char* request) {
    return Serve(request, tandrel::web::Tick);
}

const char* tandrel_units(const char* request) {
    return Serve(request, tandrel::web::Units);
}

const char* tandrel_currencies(const char* request) {
    return Serve(request, tandrel::web::Currencies);
}

const char* tandrel_lint(const char* request) {
    return Serve(request, tandrel::web::Lint);
}

const char* tandrel_default_config(const char* request) {
    return Serve(request, tandrel::web::DefaultConfig);
}

const char* tandrel_menu(const char* request) {
    return Serve(request, tandrel::web::Menu);
}

const char* tandrel_run(const char* request) {
    return Serve(request, tandrel::web::Run);
}

} // extern "C"
