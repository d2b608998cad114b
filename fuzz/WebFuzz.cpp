// The extension's interface, called as the extension calls it but with requests made from the
// input: page values of any bytes, configurations, ticks, answers to dialogs, and text that is
// not JSON at all. Whatever comes, every call gives one answer of well-formed JSON: an error with
// a code and a message, or the answer of its kind; and never crashes.
//
// The input: a byte that picks the call (prepare, finish, calculate, tick, lint, run) and whether
// the request is the rest of the input as it is (bit 7), else the lines: keyword, configuration
// (its lines joined by "\x01"), the answer's button, typed text, ticks (a "1" or "0" each), a
// NUL, then the page fields (FuzzSupport.h).
#include "FuzzSupport.h"

#include "resources/CommandInfo.h"
#include "web/TandrelCore.h"
#include "web/WebJson.h"

#include <string>
#include <string_view>

namespace tandrel::fuzz {

namespace {

using web::Json;

using Call = const char* (*)(const char*);

struct WebCall {
    Call call;
    std::string_view answerKey; ///< a member every answer that is no error has
};

constexpr WebCall kCalls[] = {
    {tandrel_prepare, "kind"}, {tandrel_finish, "kind"},   {tandrel_calculate, "outcome"},
    {tandrel_tick, "ticked"},  {tandrel_lint, "findings"}, {tandrel_run, "actions"},
};

constexpr std::string_view kButtons[] = {"ok",       "cancel",        "help",    "calculate",
                                         "homePage", "customization", "goToUrl", "yes",
                                         "no",       "what"};

// The text as JSON takes it: UTF-8 where it is, a replacement character for any other byte.
std::string Utf8(std::string_view bytes) {
    return WideToUtf8(FieldText(bytes));
}

Json PageOf(std::string_view fields) {
    std::vector<std::string_view> field = Split(fields, '\0');
    field.resize(std::max<std::size_t>(field.size(), kPageFieldCount));
    Json page = {{"selection", Utf8(field[kSelection])},
                 {"selectionHtml", Utf8(field[kSelectionHtml])},
                 {"url", Utf8(field[kTopHref])},
                 {"title", Utf8(field[kTopTitle])},
                 {"name", Utf8(field[kTopName])}};
    if (!field[kTopHost].empty())
        page["host"] = Utf8(field[kTopHost]);
    if (!field[kFrameHref].empty() || !field[kFrameTitle].empty()) {
        page["frame"] = {{"url", Utf8(field[kFrameHref])}, {"title", Utf8(field[kFrameTitle])}};
        if (!field[kFrameHost].empty())
            page["frame"]["host"] = Utf8(field[kFrameHost]);
    }
    return page;
}

// A request of the extension's shapes from the input's lines and page.
std::string RequestOf(std::string_view input) {
    TemplatesAndPage parts(input, 5);
    std::vector<std::string_view> lines = parts.templates;
    lines.resize(5);
    std::string keyword(lines[0]);
    for (const CommandInfo& command : kCommandInfos) {
        if (!keyword.empty() && static_cast<unsigned char>(keyword[0]) % std::size(kCommandInfos) ==
                                    static_cast<std::size_t>(&command - kCommandInfos))
            keyword = std::string(command.keyword);
    }
    std::string config(lines[1]);
    for (char& c : config) {
        if (c == '\x01')
            c = '\n';
    }
    Json ticked = Json::array();
    for (char c : lines[4])
        ticked.push_back(c == '1');
    std::string_view button =
        lines[2].empty() ? "ok"
                         : kButtons[static_cast<unsigned char>(lines[2][0]) % std::size(kButtons)];
    Json request = {{"keyword", Utf8(keyword)},
                    {"page", PageOf(parts.page)},
                    {"config", Utf8(config)},
                    {"locale", "en-GB"},
                    {"answer", {{"button", button}, {"text", Utf8(lines[3])}, {"ticked", ticked}}},
                    {"clicked", ticked.size()},
                    {"ticked", ticked},
                    {"entries", Json::array({Utf8(keyword)})},
                    {"amount", Utf8(lines[3])}};
    return request.dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace

} // namespace tandrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tandrel;
    using namespace tandrel::fuzz;
    if (size == 0)
        return 0;
    static FuzzPlatform platform;
    const WebCall& call = kCalls[(data[0] & 0x7F) % std::size(kCalls)];
    std::string_view rest = AsText(data + 1, size - 1);
    std::string request = (data[0] & 0x80) != 0 ? std::string(rest) : RequestOf(rest);
    const char* answer = call.call(request.c_str());
    Require(answer != nullptr, "every call answers");
    Json json = Json::parse(answer, nullptr, false);
    Require(json.is_object(), "an answer is a JSON object");
    if (json.contains("error")) {
        const Json& error = json["error"];
        Require(error.is_object() && error["code"].is_string() && error["message"].is_string(),
                "an error has a code and a message");
        return 0;
    }
    Require(json.contains(call.answerKey), "an answer that is no error is its call's");
    return 0;
}
