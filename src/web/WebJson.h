// The JSON side of the extension's interface: reading the fields of a request with their types
// checked (with the JSON library), and the answers' writer (JsonWriter.h).
#pragma once

#include "web/JsonWriter.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace tandrel::web {

using Json = nlohmann::json;

/// A request the interface refuses: a field of the wrong type or a value out of range. The
/// message names the field ("page.selection must be a string").
struct RequestError {
    std::string code; ///< "malformed", "oversized", "invalid"
    std::string message;
};

/// The answer for a refused request: {"error": {"code": ..., "message": ...}}.
std::string ErrorAnswer(const RequestError& error);

/// The request in its text; throws RequestError ("malformed") for text that is not JSON in UTF-8.
Json ParseRequest(std::string_view requestText);

/// Throws RequestError unless the request is an object.
void ExpectObject(const Json& request);

/// The member of an object, or null when it is absent or null; throws RequestError when object
/// is not an object.
const Json* Member(const Json& object, const char* key, std::string_view where);

/// A string member as UTF-16; none when absent or null; throws RequestError for another type.
std::optional<std::u16string> TextMember(const Json& object, const char* key,
                                         std::string_view where);
/// A string member as configuration bytes (characters Windows-1252 lacks become "?").
std::optional<std::string> ConfigMember(const Json& object, const char* key,
                                        std::string_view where);
/// A boolean member; none when absent or null.
std::optional<bool> FlagMember(const Json& object, const char* key, std::string_view where);
/// A whole-number member from min to max; none when absent or null.
std::optional<long long> NumberMember(const Json& object, const char* key, std::string_view where,
                                      long long min, long long max);

/// What a call answers to a request's text: the call's answer for JSON text, or the error answer
/// for text that is not JSON or not UTF-8 ("malformed"), a request the call refuses (its
/// RequestError) and, where the JSON library throws (not in the extension's module), a value of
/// the wrong type ("invalid").
std::string AnswerOf(std::string_view requestText, std::string (*call)(const Json&));

} // namespace tandrel::web
