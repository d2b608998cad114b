#include "web/WebJson.h"

#include "common/TextConversion.h"

namespace tandrel::web {

namespace {

std::string Path(std::string_view where, const char* key) {
    return where.empty() ? std::string(key) : std::string(where) + "." + key;
}

[[noreturn]] void Refuse(std::string_view where, const char* key, const char* what) {
    throw RequestError{"invalid", Path(where, key) + " must be " + what};
}

} // namespace

std::string ErrorAnswer(const RequestError& error) {
    return JsonOf([&error](JsonWriter& out) {
        out.BeginObject().Key("error").BeginObject();
        out.Key("code").String(error.code).Key("message").String(error.message);
        out.EndObject().EndObject();
    });
}

Json ParseRequest(std::string_view requestText) {
    // Read without exceptions: the extension's module is built without the JSON library's
    // (they cost much of its size), so no call may rely on one there. The library's reader of a
    // whole value is used alone: parse() brings along the one for a caller's filter callback too,
    // which no request needs and the module would carry (10 KB).
    Json parsed;
    nlohmann::detail::json_sax_dom_parser<Json> reader(parsed, false);
    if (!Json::sax_parse(requestText.begin(), requestText.end(), &reader))
        throw RequestError{"malformed", "the request is not JSON text in UTF-8"};
    return parsed;
}

void ExpectObject(const Json& request) {
    if (!request.is_object())
        throw RequestError{"invalid", "the request must be an object"};
}

const Json* Member(const Json& object, const char* key, std::string_view where) {
    if (!object.is_object())
        throw RequestError{"invalid",
                           (where.empty() ? std::string("the request") : std::string(where)) +
                               " must be an object"};
    auto found = object.find(key);
    return found == object.end() || found->is_null() ? nullptr : &*found;
}

std::optional<std::u16string> TextMember(const Json& object, const char* key,
                                         std::string_view where) {
    const Json* value = Member(object, key, where);
    if (!value)
        return std::nullopt;
    if (!value->is_string())
        Refuse(where, key, "a string");
    return Utf8ToWide(value->get_ref<const std::string&>());
}

std::optional<std::string> ConfigMember(const Json& object, const char* key,
                                        std::string_view where) {
    std::optional<std::u16string> text = TextMember(object, key, where);
    if (!text)
        return std::nullopt;
    return WideToWindows1252(*text);
}

std::optional<bool> FlagMember(const Json& object, const char* key, std::string_view where) {
    const Json* value = Member(object, key, where);
    if (!value)
        return std::nullopt;
    if (!value->is_boolean())
        Refuse(where, key, "true or false");
    return value->get<bool>();
}

std::optional<long long> NumberMember(const Json& object, const char* key, std::string_view where,
                                      long long min, long long max) {
    const Json* value = Member(object, key, where);
    if (!value)
        return std::nullopt;
    if (!value->is_number_integer() || value->get<long long>() < min ||
        value->get<long long>() > max)
        Refuse(
            where, key,
            ("a whole number from " + std::to_string(min) + " to " + std::to_string(max)).c_str());
    return value->get<long long>();
}

std::string AnswerOf(std::string_view requestText, std::string (*call)(const Json&)) {
    try {
        return call(ParseRequest(requestText));
    } catch (const RequestError& error) {
        return ErrorAnswer(error);
    }
#ifndef JSON_NOEXCEPTION
    catch (const Json::exception& error) {
        return ErrorAnswer({"invalid", error.what()});
    }
#endif
}

} // namespace tandrel::web
