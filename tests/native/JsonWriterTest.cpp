// The answers' writer: strings escaped and malformed UTF-8 replaced exactly as the JSON library
// writes them (the answers were its before), and commas in the right places however values nest.
#include "web/JsonWriter.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace tandrel::web {
namespace {

using namespace std::string_view_literals;

TEST(JsonWriter, WritesStringsAsTheJsonLibraryDoes) {
    const struct {
        std::string_view text;
        std::string_view written; // without the quotes around it
    } cases[] = {
        {"plain text", "plain text"},
        {"a\"b\\c/d", "a\\\"b\\\\c/d"},
        {"\b\t\n\f\r", "\\b\\t\\n\\f\\r"},
        {"a\0b\x01\x1f\x7f"sv, "a\\u0000b\\u0001\\u001f\x7f"},
        {"\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80", "\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80"},
        // Each longest start of a sequence that could have been valid becomes one U+FFFD.
        {"a\x80"
         "b\xff",
         "a\xef\xbf\xbd"
         "b\xef\xbf\xbd"},
        {"\xc0\xaf", "\xef\xbf\xbd\xef\xbf\xbd"},                                 // overlong
        {"\xe0\x80\x80", "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"},                 // overlong
        {"\xed\xa0\x80", "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"},                 // surrogate
        {"\xf4\x90\x80\x80", "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"}, // > U+10FFFF
        {"\xe2\x82"
         "A\"",
         "\xef\xbf\xbd"
         "A\\\""},                                // cut short
        {"\xf0\x9f\x98", "\xef\xbf\xbd"},         // cut by the end
        {"\xc3\xc3\xa9", "\xef\xbf\xbd\xc3\xa9"}, // restarted
    };
    for (const auto& c : cases) {
        std::string expected = "\"" + std::string(c.written) + "\"";
        JsonWriter out;
        EXPECT_EQ(out.String(c.text).Take(), expected) << testing::PrintToString(c.text);
        EXPECT_EQ(nlohmann::json(std::string(c.text))
                      .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace),
                  expected)
            << testing::PrintToString(c.text);
    }
}

TEST(JsonWriter, ConvertsWideAndWindows1252Text) {
    JsonWriter out;
    out.BeginArray().Text(u"\u00e9\U0001F600\xd800x\"").AnsiText("\x80\xe9\x81\n").EndArray();
    EXPECT_EQ(out.Take(), "[\"\xc3\xa9\xf0\x9f\x98\x80\xef\xbf\xbdx\\\"\","
                          "\"\xe2\x82\xac\xc3\xa9\xc2\x81\\n\"]");
}

TEST(JsonWriter, SeparatesValuesHoweverTheyNest) {
    JsonWriter out;
    out.BeginObject().Key("a").BeginArray().Number(1).Bool(true).Null();
    out.BeginObject().Key("b").String("c").EndObject().BeginArray().EndArray().EndArray();
    out.Key("d").BeginObject().EndObject().Key("e").Number(-9223372036854775807LL - 1);
    out.Key("f").Raw(R"({"x":[1,2]})").Key("g\n").Bool(false).EndObject();
    EXPECT_EQ(out.Take(), R"({"a":[1,true,null,{"b":"c"},[]],"d":{},"e":-9223372036854775808,)"
                          R"("f":{"x":[1,2]},"g\n":false})");
    // A writer taken from starts again without a comma.
    EXPECT_EQ(out.Number(2).Take(), "2");
}

} // namespace
} // namespace tandrel::web
