// The extension's interface through its C functions, with JSON requests as the extension sends
// them: every menu command through prepare and finish on the stored default configuration, a
// refused OK, the question before translating, ticks going round, the conversion and currency
// dialogs, the calls without a page, and requests the interface must refuse without failing.
#include "TestPlatform.h"

#include "common/TextConversion.h"
#include "conversions/Currency.h"
#include "lint/ConfigLint.h"
#include "web/ControlRoles.h"
#include "web/DialogTemplates.h"
#include "web/TandrelCore.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tandrel {
namespace {

using Json = nlohmann::json;
using Function = const char* (*)(const char*);

Json Call(Function function, const Json& request) {
    return Json::parse(function(request.dump().c_str()));
}

constexpr const char* kHelpFolder = "chrome-extension://abc/help/";

// A page of a shop in Britain with a selection, seen from a browser set to Swiss German.
Json Request(const std::string& keyword, const std::string& selection,
             const std::string& url = "https://shop.example.co.uk/item?id=7") {
    return {{"keyword", keyword},
            {"page",
             {{"selection", selection},
              {"selectionHtml", "<b>" + selection + "</b>"},
              {"url", url},
              {"title", "An item"},
              {"screen", {{"width", 1280}, {"height", 1000}}}}},
            {"locale", "de-CH"},
            {"moduleFolderUrl", kHelpFolder}};
}

Json Finished(Json request, Json answer) {
    request["answer"] = std::move(answer);
    return Call(tandrel_finish, request);
}

std::vector<std::string> Addresses(const Json& outcome) {
    std::vector<std::string> addresses;
    for (const Json& action : outcome.at("actions"))
        if (action.at("action") == "open")
            addresses.push_back(action.at("address"));
    return addresses;
}

TEST(WebInterface, EveryCommandPreparesItsDialog) {
    const struct {
        const char* keyword;
        const char* selection;
        int templateId;
        const char* kind;
        Json text; ///< the prefilled edit box; null: the dialog has none
        const char* group;
    } cases[] = {
        {"CONFIG", "", 105, "about", nullptr, nullptr},
        {"BOOK", " The  Hobbit ", 226, "siteList", "The Hobbit", "Search for a book"},
        {"CONVERT", "about 5 km", 231, "convert", nullptr, nullptr},
        {"CURRENCY", "£1.234,50", 229, "currency", nullptr, nullptr},
        {"EMAIL", "x", 228, "siteList", nullptr, nullptr},
        {"ISBN", "ISBN 0-306-40615-2", 222, "siteList", "0306406152", "Look for the book ISBN"},
        {"MOVIE", "Alien", 226, "siteList", "Alien", "Search for a movie"},
        {"MUSIC", "Abbey Road", 226, "siteList", "Abbey Road", "Search for music"},
        {"OTHER", "www.example.org", 226, "siteList", "www.example.org",
         "Using the following selection"},
        {"SEARCH", "two words", 226, "siteList", "two words", "Search for"},
        {"STOCK", "Acme Widgets Inc. (ACME)", 230, "siteList", "ACME",
         "Look for the stock with symbol"},
        {"TRANSLATE", "x", 227, "siteList", nullptr, nullptr},
        {"UPC", "03600029145", 224, "siteList", "036000291452", "Look for the item with UPC"},
        {"URL", "x", 232, "siteList", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        Json answer = Call(tandrel_prepare, Request(c.keyword, c.selection));
        ASSERT_EQ(answer.value("kind", ""), "dialog") << c.keyword << answer;
        const Json& dialog = answer.at("dialog");
        EXPECT_EQ(dialog.at("template"), c.templateId) << c.keyword;
        EXPECT_EQ(dialog.at("kind"), c.kind) << c.keyword;
        EXPECT_EQ(dialog.at("caption"), "Veltrane Tandrel") << c.keyword;
        EXPECT_FALSE(dialog.at("buttons").empty()) << c.keyword;
        if (std::string(c.kind) == "siteList") {
            EXPECT_EQ(dialog.at("text"), c.text) << c.keyword;
            EXPECT_FALSE(dialog.at("entries").empty()) << c.keyword;
            EXPECT_EQ(dialog.at("texts").at("column"), "Site or Action") << c.keyword;
        }
        if (c.group) {
            EXPECT_EQ(dialog.at("texts").at("group"), c.group) << c.keyword;
        }
        EXPECT_TRUE(answer.at("ticks").empty()) << c.keyword << ": prepare saves nothing";
    }
}

TEST(WebInterface, DialogsCarryTheTemplatesTextsAndTheEntries) {
    Json isbn = Call(tandrel_prepare, Request("ISBN", "0306406152")).at("dialog");
    EXPECT_EQ(isbn.at("texts").at("label"),
              "At one or more of the following sites\n(Double-click sites to select them)");
    EXPECT_EQ(isbn.at("buttons"),
              Json::parse(R"([{"role":"ok","text":"OK","default":true},)"
                          R"({"role":"cancel","text":"Cancel","default":false},)"
                          R"({"role":"help","text":"&Help","default":false}])"));
    const Json& first = isbn.at("entries").at(0);
    EXPECT_EQ(first.at("section"), "ISBN:AmazonCom");
    EXPECT_EQ(first.at("ticked"), true);
    EXPECT_EQ(first.at("exclusive"), false);
    EXPECT_FALSE(first.at("short").get<std::string>().empty());

    Json about = Call(tandrel_prepare, Request("CONFIG", "")).at("dialog");
    EXPECT_EQ(about.at("texts").at("goTo"), "Go To URL");
    EXPECT_EQ(about.at("buttons").at(3).at("text"), "Ho&me Page");
    EXPECT_EQ(about.at("buttons").at(3).at("role"), "homePage");

    Json other = Call(tandrel_prepare, Request("OTHER", "x")).at("dialog");
    EXPECT_EQ(other.at("texts").at("label"),
              "Do one of the following\n(Double-click on sites or actions to select them)");
    EXPECT_EQ(other.at("entries").at(1).at("exclusive"), true);
}

// Buttons and controls cross by role, never by their Windows ids: each dialog's buttons in the
// template's order with the default marked, each role ending the dialog as its button does (a
// role of no button of the dialog refused), one role for each control and one control for each
// role.
TEST(WebInterface, ButtonsGoByTheirRoles) {
    const struct {
        const char* keyword;
        std::vector<std::string> roles; ///< in the template's order
        const char* defaultRole;
        std::vector<std::string> ending; ///< the roles finish takes: the buttons', and Escape's
    } cases[] = {
        {"CONFIG",
         {"ok", "help", "customization", "homePage"},
         "ok",
         {"ok", "help", "customization", "homePage", "cancel"}},
        {"ISBN", {"ok", "cancel", "help"}, "ok", {"ok", "cancel", "help"}},
        {"CURRENCY", {"ok", "cancel", "help"}, "ok", {"ok", "cancel", "help"}},
        {"CONVERT", {"ok", "help", "calculate"}, "calculate", {"ok", "help", "cancel"}},
    };
    for (const auto& c : cases) {
        Json request = Request(c.keyword, "5 km");
        Json dialog = Call(tandrel_prepare, request).at("dialog");
        std::vector<std::string> roles;
        std::string defaultRole;
        for (const Json& button : dialog.at("buttons")) {
            roles.push_back(button.at("role"));
            if (button.at("default"))
                defaultRole = button.at("role");
        }
        EXPECT_EQ(roles, c.roles) << c.keyword;
        EXPECT_EQ(defaultRole, c.defaultRole) << c.keyword;
        for (const std::string& role : c.ending) {
            Json outcome = Finished(request, {{"button", role}});
            EXPECT_EQ(outcome.value("kind", ""), "outcome") << c.keyword << " " << role << outcome;
        }
    }

    std::set<int> controls;
    std::set<std::string_view> roles;
    for (const web::ControlRole& entry : web::ControlRoles()) {
        EXPECT_TRUE(controls.insert(entry.controlId).second) << entry.controlId;
        EXPECT_TRUE(roles.insert(entry.role).second) << entry.role;
    }
    for (const web::DialogTemplate& dialog : web::DialogTemplates()) {
        for (const web::TemplateButton& button : dialog.buttons)
            EXPECT_FALSE(web::RoleOf(button.controlId).empty())
                << "template " << dialog.templateId << ", control " << button.controlId;
    }
}

TEST(WebInterface, EveryCommandFinishesWithTheUsersAnswer) {
    const struct {
        const char* keyword;
        const char* selection;
        Json answer;
        const char* action;   ///< the first action's kind
        const char* field;    ///< ... one of its fields
        const char* contains; ///< ... and a part of that field
    } cases[] = {
        {"CONFIG",
         "",
         {{"button", "help"}},
         "open",
         "address",
         "chrome-extension://abc/help/HelpIndex.htm"},
        {"CONFIG", "", {{"button", "customization"}}, "open", "address", "/help/HelpCustomize.htm"},
        {"BOOK", "The Hobbit", {{"button", "ok"}}, "open", "address", "k=The%20Hobbit"},
        {"CONVERT", "5 km", {{"button", "help"}}, "open", "address", "/help/HelpUnits.htm"},
        {"CURRENCY",
         "£50",
         {{"button", "ok"}, {"from", "GBP"}, {"to", "EUR"}},
         "open",
         "address",
         "GBP"},
        {"EMAIL", "x", {{"button", "ok"}}, "mail", "mailto", "mailto:?subject=An%20item"},
        {"ISBN", "ISBN 0-306-40615-2", {{"button", "ok"}}, "open", "address", "0306406152"},
        {"ISBN",
         "x",
         {{"button", "ok"}, {"text", "0-8044-2957-X"}},
         "open",
         "address",
         "080442957X"},
        {"MOVIE", "Alien", {{"button", "ok"}}, "open", "address", "Alien"},
        {"MUSIC", "Abbey Road", {{"button", "help"}}, "open", "address", "/help/HelpMusic.htm"},
        {"OTHER",
         "x",
         {{"button", "ok"}, {"ticked", {false, true, false}}},
         "command",
         "commandLine",
         "ping.exe shop.example.co.uk"},
        {"SEARCH", "two words", {{"button", "ok"}}, "open", "address", "two"},
        {"STOCK", "(ACME)", {{"button", "ok"}}, "open", "address", "/quote/ACME/"},
        {"TRANSLATE", "x", {{"button", "ok"}}, "follow", "markup", "<A ID=\"NUBRIX7587\""},
        {"UPC", "03600029145", {{"button", "ok"}}, "open", "address", "036000291452"},
        {"URL", "x", {{"button", "ok"}}, "open", "address", "example.co.uk"},
    };
    for (const auto& c : cases) {
        Json outcome = Finished(Request(c.keyword, c.selection), c.answer);
        ASSERT_EQ(outcome.value("kind", ""), "outcome") << c.keyword << outcome;
        EXPECT_TRUE(outcome.at("messages").empty()) << c.keyword << outcome;
        ASSERT_FALSE(outcome.at("actions").empty()) << c.keyword;
        const Json& action = outcome.at("actions").at(0);
        EXPECT_EQ(action.at("action"), c.action) << c.keyword << action;
        EXPECT_NE(action.at(c.field).get<std::string>().find(c.contains), std::string::npos)
            << c.keyword << action;
        EXPECT_TRUE(action.contains("entry")) << c.keyword;
    }
}

TEST(WebInterface, ActionsSayEverythingTheExtensionNeeds) {
    Json open = Finished(Request("ISBN", "0306406152"), {{"button", "ok"}}).at("actions").at(0);
    EXPECT_EQ(open.at("entry"), "ISBN:AmazonCom");
    EXPECT_EQ(open.at("width"), 960);
    EXPECT_EQ(open.at("height"), 750);
    EXPECT_EQ(open.at("left"), 0);
    EXPECT_EQ(open.at("top"), 0);
    EXPECT_EQ(open.at("chrome").at("toolbar"), true);
    EXPECT_EQ(open.at("chrome").at("fullscreen"), false);
    // A cascaded window is placed by the extension as the user prefers; an entry's own size or
    // position is kept, and a size the DLL cannot read counts as none.
    EXPECT_EQ(open.at("placed"), false);
    Json help = Finished(Request("ISBN", "0306406152"), {{"button", "help"}}).at("actions").at(0);
    EXPECT_EQ(help.at("placed"), true);
    Json unread = Request("ISBN", "0306406152");
    unread["config"] = "[ISBN:A]\nurl=https://a.example/!S\nwidth=40px\n"
                       "[ISBN:B]\nurl=https://b.example/!S\ntop=-10\n";
    Json opened = Finished(unread, {{"button", "ok"}, {"ticked", {true, true}}}).at("actions");
    EXPECT_EQ(opened.at(0).at("placed"), false);
    EXPECT_EQ(opened.at(1).at("placed"), true);

    Json command =
        Finished(Request("OTHER", "x"), {{"button", "ok"}, {"ticked", {false, true, false}}})
            .at("actions")
            .at(0);
    EXPECT_EQ(command.at("entry"), "OTHER:Ping");
    EXPECT_EQ(command.at("keys").at("command"), "ping.exe !H");
    EXPECT_EQ(command.at("keys").at("useConsole"), true);
    EXPECT_EQ(command.at("commandLine"), "COMMAND.COM /K \"ping.exe shop.example.co.uk\"");
    // The host is sent what the command uses: Ping, the host name alone.
    EXPECT_EQ(command.at("page"), Json({{"host", "shop.example.co.uk"}}));

    Json mail = Finished(Request("EMAIL", "x"), {{"button", "ok"}}).at("actions").at(0);
    EXPECT_EQ(mail.at("subject"), "An item");
    EXPECT_EQ(mail.at("to"), Json::array());
    EXPECT_NE(mail.at("body").get<std::string>().find("https://shop.example.co.uk/item?id=7"),
              std::string::npos);

    Json follow = Finished(Request("TRANSLATE", "x"), {{"button", "ok"}}).at("actions").at(0);
    EXPECT_EQ(follow.at("frame"), "https://shop.example.co.uk/item?id=7");
    EXPECT_NE(follow.at("href").get<std::string>().find("javascript:"), std::string::npos);
}

TEST(WebInterface, ARefusedOkStaysOpenAndChangesNothing) {
    const struct {
        const char* keyword;
        Json answer;
        int textId;
        const char* focus;
    } cases[] = {
        {"ISBN", {{"button", "ok"}, {"text", "12345"}}, 129, "text"},
        {"UPC", {{"button", "ok"}, {"text", "12"}}, 130, "text"},
        {"STOCK", {{"button", "ok"}, {"text", " \t"}}, 143, "text"},
        {"BOOK", {{"button", "ok"}, {"ticked", Json(std::vector<bool>(10, false))}}, 128, "list"},
        {"CURRENCY", {{"button", "ok"}, {"text", "abc"}}, 142, "text"},
    };
    for (const auto& c : cases) {
        Json request = Request(c.keyword, "x");
        request["ticks"] = {{"BOOK:AmazonCom", true}};
        Json outcome = Finished(request, c.answer);
        ASSERT_EQ(outcome.at("messages").size(), 1u) << c.keyword << outcome;
        const Json& message = outcome.at("messages").at(0);
        EXPECT_EQ(message.at("textId"), c.textId) << c.keyword;
        EXPECT_EQ(message.at("staysOpen"), true) << c.keyword;
        EXPECT_EQ(message.at("focus"), c.focus) << c.keyword;
        EXPECT_EQ(message.at("icon"), "exclamation") << c.keyword;
        EXPECT_TRUE(outcome.at("actions").empty()) << c.keyword;
        EXPECT_EQ(outcome.at("ticks"), request["ticks"]) << c.keyword << ": nothing saved";
    }
}

TEST(WebInterface, TranslatingAnIntranetPageAsksFirst) {
    Json request = Request("TRANSLATE", "x", "http://intranet/page");
    Json question = Call(tandrel_prepare, request);
    ASSERT_EQ(question.value("kind", ""), "question") << question;
    EXPECT_EQ(question.at("question").at("textId"), 135);
    EXPECT_EQ(question.at("question").at("buttons"),
              Json::parse(R"([{"role":"yes","text":"&Yes","default":false},)"
                          R"({"role":"no","text":"&No","default":true}])"));

    request["replies"] = {"no"};
    Json declined = Call(tandrel_prepare, request);
    EXPECT_EQ(declined.at("kind"), "outcome");
    EXPECT_TRUE(declined.at("actions").empty());

    request["replies"] = {"yes"};
    EXPECT_EQ(Call(tandrel_prepare, request).at("dialog").at("template"), 227);
    Json outcome = Finished(request, {{"button", "ok"}});
    EXPECT_EQ(outcome.at("actions").at(0).at("action"), "follow");
    request.erase("replies");
    EXPECT_EQ(Finished(request, {{"button", "ok"}}).at("kind"), "question")
        << "a worker that lost the reply asks again";
}

// The command comes from the frame: its host decides the question, its address takes the link,
// while the top window's host is what !H puts in.
TEST(WebInterface, AFrameIsTheWindowTheCommandCameFrom) {
    Json request = Request("TRANSLATE", "x", "https://www.example.org/");
    request["page"]["frame"] = {{"url", "http://wiki/Frame"}};
    EXPECT_EQ(Call(tandrel_prepare, request).at("kind"), "question");
    request["page"]["frame"] = {{"url", "https://docs.example.net/frame"}};
    Json follow = Finished(request, {{"button", "ok"}}).at("actions").at(0);
    EXPECT_EQ(follow.at("frame"), "https://docs.example.net/frame");

    request["keyword"] = "OTHER";
    Json command =
        Finished(request, {{"button", "ok"}, {"ticked", {false, true, false}}}).at("actions").at(0);
    EXPECT_EQ(command.at("commandLine"), "COMMAND.COM /K \"ping.exe www.example.org\"");
}

TEST(WebInterface, TicksGoRound) {
    Json request = Request("MOVIE", "Alien");
    request["ticks"] = {{"MOVIE:RottenTomatoesCom", true}, {"MOVIE:ImdbCom", false}};
    Json dialog = Call(tandrel_prepare, request).at("dialog");
    EXPECT_EQ(dialog.at("entries").at(0).at("ticked"), false);
    EXPECT_EQ(dialog.at("entries").at(1).at("ticked"), true);

    Json outcome = Finished(
        request,
        {{"button", "ok"},
         {"ticked", {true, false, true, false, false, false, false, false, false, false}}});
    const Json& ticks = outcome.at("ticks");
    EXPECT_EQ(ticks.at("MOVIE:ImdbCom"), true);
    EXPECT_EQ(ticks.at("MOVIE:RottenTomatoesCom"), false);
    EXPECT_EQ(ticks.at("MOVIE:MetacriticCom"), true);
    EXPECT_EQ(ticks.at("MOVIE:LetterboxdCom"), false) << "every entry's tick is saved";
    EXPECT_EQ(Addresses(outcome).size(), 2u);

    request["ticks"] = ticks;
    Json again = Call(tandrel_prepare, request).at("dialog");
    EXPECT_EQ(again.at("entries").at(2).at("ticked"), true);
    EXPECT_EQ(again.at("entries").at(1).at("ticked"), false);

    // Cancel and Help save nothing.
    for (const char* button : {"cancel", "help"})
        EXPECT_EQ(Finished(request, {{"button", button}}).at("ticks"), ticks) << button;
}

TEST(WebInterface, ExclusiveTicksArePutRight) {
    Json outcome = Finished(Request("OTHER", "www.example.org"),
                            {{"button", "ok"}, {"ticked", {true, true, true}}});
    EXPECT_EQ(outcome.at("actions").size(), 1u) << outcome;
    EXPECT_EQ(outcome.at("ticks").at("OTHER:Ping"), false);
}

TEST(WebInterface, CurrencyDialogGuessesFromThePageAndTheBrowsersLanguage) {
    Json dialog = Call(tandrel_prepare, Request("CURRENCY", "£1.234,50")).at("dialog");
    EXPECT_EQ(dialog.at("amount"), "1234.50");
    EXPECT_EQ(dialog.at("from"), "GBP");
    EXPECT_EQ(dialog.at("to"), "CHF");
    EXPECT_EQ(dialog.at("currencies").size(), 176u);
    EXPECT_EQ(dialog.at("texts").at("example"), "e.g. 5.48");

    Json outcome = Finished(Request("CURRENCY", "£1.234,50"),
                            {{"button", "ok"}, {"text", "7"}, {"from", "JPY"}, {"to", "EUR"}});
    std::vector<std::string> opened = Addresses(outcome);
    ASSERT_FALSE(opened.empty()) << outcome;
    EXPECT_NE(opened[0].find("Amount=7"), std::string::npos) << opened[0];
    EXPECT_NE(opened[0].find("From=JPY"), std::string::npos) << opened[0];
    EXPECT_NE(opened[0].find("To=EUR"), std::string::npos) << opened[0];
}

TEST(WebInterface, ConvertDialogAndCalculate) {
    Json dialog = Call(tandrel_prepare, Request("CONVERT", "about 5 km")).at("dialog");
    EXPECT_EQ(dialog.at("amount"), "5");
    EXPECT_EQ(dialog.at("category"), "distance");
    EXPECT_EQ(dialog.at("from"), "kilometres");
    ASSERT_FALSE(dialog.at("categories").empty());
    EXPECT_EQ(dialog.at("texts").at("warranty"),
              "No warranty is made as to the accuracy\nor correctness of the above result.");

    const struct {
        Json request;
        const char* outcome;
        const char* field;
        Json value;
    } cases[] = {
        {{{"category", "distance"}, {"amount", " 5 "}, {"from", "kilometres"}, {"to", "miles"}},
         "calculated",
         "result",
         "5 kilometres = 3.10686 miles"},
        {{{"category", "distance"}, {"amount", "lots"}, {"from", "kilometres"}, {"to", "miles"}},
         "notANumber",
         "message",
         nullptr},
        {{{"category", "distance"}, {"amount", "5"}, {"from", "kilometres"}, {"to", "litres"}},
         "noUnit",
         "sound",
         "exclamation"},
    };
    for (const auto& c : cases) {
        Json answer = Call(tandrel_calculate, c.request);
        EXPECT_EQ(answer.at("outcome"), c.outcome) << answer;
        if (c.value.is_null()) {
            EXPECT_EQ(answer.at(c.field).at("textId"), 144) << answer;
        } else {
            EXPECT_EQ(answer.at(c.field), c.value) << answer;
        }
    }
}

TEST(WebInterface, TickFollowsTheListsRuleForExclusiveEntries) {
    // Ticks before the double-click and exclusive flags, one character an entry.
    const struct {
        const char* ticked;
        const char* exclusive;
        int clicked;
        const char* after;
    } cases[] = {
        {"110", "000", 2, "111"},    // ordinary entries tick together
        {"110", "000", 0, "010"},    // a ticked one unticks
        {"100", "000", 0, "000"},    // ... even the last one
        {"110", "001", 2, "001"},    // an exclusive one ticked unticks every other
        {"001", "001", 0, "100"},    // an ordinary one ticked unticks the exclusive one
        {"010", "010", 1, "000"},    // unticking an exclusive one brings nothing back
        {"101", "100", 0, "000"},    // the one clicked rules even as it unticks
        {"0100", "0001", 3, "0001"}, // the exclusive one is the last
    };
    for (const auto& c : cases) {
        Json entries = Json::array(), ticked = Json::array();
        for (std::size_t entry = 0; c.ticked[entry]; ++entry) {
            entries.push_back({{"section", "OTHER:E" + std::to_string(entry)},
                               {"exclusive", c.exclusive[entry] == '1'}});
            ticked.push_back(c.ticked[entry] == '1');
        }
        Json answer =
            Call(tandrel_tick, {{"entries", entries}, {"ticked", ticked}, {"clicked", c.clicked}});
        std::string after;
        for (const Json& tick : answer.at("ticked"))
            after += tick.get<bool>() ? '1' : '0';
        EXPECT_EQ(after, c.after) << c.ticked << " " << c.exclusive << " " << c.clicked << answer;
    }

    // The dialog's own entries, as prepare gives them: Ping is OTHER's exclusive entry.
    Json dialog = Call(tandrel_prepare, Request("OTHER", "www.example.org")).at("dialog");
    Json entries = dialog.at("entries");
    std::size_t ping = 0;
    while (ping < entries.size() && entries.at(ping).at("section") != "OTHER:Ping")
        ++ping;
    ASSERT_LT(ping, entries.size());
    ASSERT_TRUE(entries.at(ping).at("exclusive").get<bool>());
    Json all = Json::array();
    for (std::size_t entry = 0; entry < entries.size(); ++entry)
        all.push_back(entry != ping);
    Json answer = Call(tandrel_tick, {{"entries", entries}, {"ticked", all}, {"clicked", ping}});
    for (std::size_t entry = 0; entry < entries.size(); ++entry)
        EXPECT_EQ(answer.at("ticked").at(entry).get<bool>(), entry == ping) << answer;
}

TEST(WebInterface, UnitsOfACategoryStartAtTheFirst) {
    // Each category as prepare lists it, with both lists at its first unit.
    Json categories =
        Call(tandrel_prepare, Request("CONVERT", "5 km")).at("dialog").at("categories");
    ASSERT_GT(categories.size(), 1u);
    for (const Json& category : categories) {
        Json answer = Call(tandrel_units, {{"category", category.at("name")}});
        EXPECT_EQ(answer.at("category"), category.at("name"));
        EXPECT_EQ(answer.at("units"), category.at("units"));
        EXPECT_EQ(answer.at("from"), category.at("units").at(0));
        EXPECT_EQ(answer.at("to"), category.at("units").at(0));
    }

    const struct {
        const char* config; // null: the stored default
        const char* category;
        Json answer;
    } cases[] = {
        {nullptr,
         "no such category",
         {{"category", nullptr}, {"units", Json::array()}, {"from", nullptr}, {"to", nullptr}}},
        // The list shows the units sorted without regard to case, whatever the order written.
        {"[UNIT:Z]\ncategory=speed\na=1\nten+0=zebras\n"
         "[UNIT:A]\ncategory=speed\na=2\nten+0=Apes\n",
         "speed",
         {{"category", "speed"}, {"units", {"Apes", "zebras"}}, {"from", "Apes"}, {"to", "Apes"}}},
    };
    for (const auto& c : cases) {
        Json request{{"category", c.category}};
        if (c.config)
            request["config"] = c.config;
        EXPECT_EQ(Call(tandrel_units, request), c.answer) << c.category;
    }
}

TEST(WebInterface, CallsWithoutAPage) {
    Json menu = Call(tandrel_menu, Json::object());
    ASSERT_EQ(menu.at("commands").size(), 14u);
    EXPECT_EQ(menu.at("commands").at(5),
              Json::parse(R"({"keyword":"ISBN","menu":"=>ISBN",)"
                          R"("status":"Find a book by its ISBN code","prefix":"ISBN:",)"
                          R"("helpEntry":"SYSTEM:HelpISBN"})"));
    EXPECT_EQ(menu.at("texts").at("save"), "&Save");
    EXPECT_EQ(menu.at("texts").at("findingLine"), "Line %1: %2");
    EXPECT_EQ(menu.at("nativeHost"), "com.veltrane.tandrel");
    EXPECT_EQ(menu.at("messages").at("noHost").at("icon"), "error");
    for (const char* how : {"tandrel-host --install", "TandrelSetup.exe",
                            "(native messaging host com.veltrane.tandrel)"}) {
        EXPECT_NE(menu.at("messages").at("noHost").at("text").get<std::string>().find(how),
                  std::string::npos)
            << how;
    }
    EXPECT_EQ(menu.at("messages").at("pageUnreadable").at("textId"), 341);

    std::string stored = Call(tandrel_default_config, Json::object()).at("config");
    EXPECT_NE(stored.find("[ISBN:AmazonCom]"), std::string::npos);
    Json lint = Call(tandrel_lint, {{"config", stored}});
    {
        test::MemoryPlatformScope scope;
        EXPECT_EQ(lint.at("findings").size(),
                  LintConfigText(WideToWindows1252(Utf8ToWide(stored))).size());
    }

    // nubrix.ini crosses as its Windows-1252 bytes, both ways, every byte but the line ends kept.
    std::vector<int> everyByte;
    for (int byte = 0; byte < 256; ++byte)
        if (byte != '\r' && byte != '\n')
            everyByte.push_back(byte);
    Json imported = Call(tandrel_import_config, {{"bytes", everyByte}});
    EXPECT_NE(imported.at("config").get<std::string>().find("\xC3\xA9\xC3\xAA"), std::string::npos)
        << "é and ê in UTF-8";
    EXPECT_EQ(Call(tandrel_export_config, imported).at("bytes"), Json(everyByte));
    EXPECT_EQ(
        Call(tandrel_export_config, {{"config", "Caf\u00e9 \u20ac\n\u201cx\u201d\r\u03a9\r\n"}})
            .at("bytes"),
        Json({'C', 'a', 'f', 0xE9, ' ', 0x80, '\r', '\n', 0x93, 'x', 0x94, '\r', '\n', '?', '\r',
              '\n'}));

    Json findings =
        Call(tandrel_lint, {{"config", "[ISBN:A]\nurl=x\nshortDescripton=A\n"}}).at("findings");
    ASSERT_EQ(findings.size(), 1u) << findings;
    EXPECT_EQ(findings.at(0).at("line"), 3);

    Json currencies = Call(tandrel_currencies, Json::object()).at("currencies");
    EXPECT_EQ(currencies.at(0).at("code"), "AED");
    EXPECT_EQ(currencies.at(0).at("text").get<std::string>().rfind("AED ", 0), 0u);

    Json run = Call(tandrel_run, {{"entries", {"SYSTEM:HelpBook", "OTHER:Ping"}},
                                  {"page", {{"url", "https://www.example.org/"}}},
                                  {"moduleFolderUrl", kHelpFolder}});
    ASSERT_EQ(run.at("actions").size(), 2u) << run;
    EXPECT_EQ(run.at("actions").at(0).at("address"), "chrome-extension://abc/help/HelpBook.htm");
    EXPECT_EQ(run.at("actions").at(1).at("commandLine"),
              "COMMAND.COM /K \"ping.exe www.example.org\"");
}

TEST(WebInterface, ConsoleEntriesAreTheEntriesThatStartPrograms) {
    const Json ping = {{"section", "OTHER:Ping"}, {"command", "ping.exe !H"}, {"console", true}};
    const Json trace = {
        {"section", "OTHER:TraceRoute"}, {"command", "tracert.exe !H"}, {"console", true}};
    const struct {
        Json config; ///< null: the stored default
        Json entries;
    } cases[] = {
        {nullptr, {ping, trace}},
        // A category the file defines replaces the stored one; the others stay stored.
        {"[OTHER:Mine]\ncommand=mine.exe \"!S\"\nurl=https://x.example/\n",
         {{{"section", "OTHER:Mine"}, {"command", "mine.exe \"!S\""}, {"console", false}}}},
        {"[BOOK:Run]\nCOMMAND=run.exe !S\nuseConsole=yes\n[BOOK:Site]\nurl=https://x.example/\n",
         {{{"section", "BOOK:Run"}, {"command", "run.exe !S"}, {"console", true}}, ping, trace}},
        // Entries the reader never lists start nothing.
        {"[OTHER:Site]\nurl=https://x.example/\n[NOPREFIX:Run]\ncommand=run.exe\n", Json::array()},
        {"[OTHER:Site]\nurl=https://x.example/\n[SYSTEM:Run]\ncommand=run.exe\n", Json::array()},
    };
    for (const auto& c : cases) {
        Json request = Json::object();
        if (!c.config.is_null())
            request["config"] = c.config;
        EXPECT_EQ(Call(tandrel_console_entries, request).at("entries"), c.entries) << c.config;
    }
    EXPECT_EQ(Call(tandrel_console_entries, {{"config", 7}}).at("error").at("code"), "invalid");
}

TEST(WebInterface, StoringProgramsDefaultsToNo) {
    const Json messages = Call(tandrel_menu, Json::object()).at("messages");
    // Storing programs from a file is never the answer of a key pressed in passing; the host's
    // refusal quotes its reason.
    const Json& no = messages.at("confirmPrograms").at("buttons").at(1);
    EXPECT_EQ(no.at("role"), "no");
    EXPECT_EQ(no.at("default"), true);
    EXPECT_NE(messages.at("hostRefused").at("text").get<std::string>().find("%1"),
              std::string::npos);
}

TEST(WebInterface, AUsersConfigurationReplacesTheStoredDefault) {
    Json request = Request("ISBN", "0306406152");
    request["config"] = "[ISBN:Mine]\nshortDescription=Mine\nurl=https://mine.example/?q=!S&c=1\n";
    Json outcome = Finished(request, {{"button", "ok"}});
    EXPECT_EQ(Addresses(outcome),
              std::vector<std::string>{"https://mine.example/?q=0306406152&c=1"});
}

TEST(WebInterface, RefusesMalformedRequestsWithAnAnswer) {
    const struct {
        Function function;
        std::string request;
        const char* code;
    } cases[] = {
        {tandrel_prepare, "", "malformed"},
        {tandrel_prepare, "{\"keyword\":", "malformed"},
        {tandrel_prepare, "{\"keyword\":\"ISBN\",\"page\":{\"selection\":\"\xff\"}}", "malformed"},
        {tandrel_prepare, std::string(200000, '[') + std::string(200000, ']'), "invalid"},
        {tandrel_prepare, "[]", "invalid"},
        {tandrel_prepare, "{}", "invalid"},
        {tandrel_prepare, R"({"keyword":5})", "invalid"},
        {tandrel_prepare, R"({"keyword":"ISBN","page":{"selection":7}})", "invalid"},
        {tandrel_prepare, R"({"keyword":"ISBN","page":{"screen":{"width":-1,"height":5}}})",
         "invalid"},
        {tandrel_prepare, R"({"keyword":"ISBN","ticks":{"ISBN:A":"yes"}})", "invalid"},
        {tandrel_prepare, R"({"keyword":"ISBN","replies":[6]})", "invalid"},
        {tandrel_prepare,
         R"({"keyword":"TRANSLATE","page":{"url":"http://intranet/"},"replies":["ok"]})",
         "invalid"},
        {tandrel_finish, R"({"keyword":"ISBN"})", "invalid"},
        {tandrel_finish, R"({"keyword":"ISBN","answer":{"button":1}})", "invalid"},
        {tandrel_finish, R"({"keyword":"ISBN","answer":{"button":"homePage"}})", "invalid"},
        {tandrel_finish, R"({"keyword":"CONVERT","answer":{"button":"calculate"}})", "invalid"},
        {tandrel_finish, R"({"keyword":"ISBN","answer":{"button":"ok","ticked":[1]}})", "invalid"},
        {tandrel_finish, R"({"keyword":"ISBN","answer":{"button":"ok","ticked":[true]}})",
         "invalid"},
        {tandrel_run, R"({"entries":["ISBN:Nowhere"]})", "invalid"},
        {tandrel_lint, R"({})", "invalid"},
        {tandrel_import_config, R"({"bytes":[65,256]})", "invalid"},
        {tandrel_export_config, R"({})", "invalid"},
        {tandrel_tick, R"({"entries":[{}],"ticked":[true]})", "invalid"},
        {tandrel_tick, R"({"entries":[{}],"ticked":[true],"clicked":1})", "invalid"},
        {tandrel_tick, R"({"entries":[{},{}],"ticked":[true],"clicked":0})", "invalid"},
        {tandrel_tick, R"({"entries":[{}],"ticked":[1],"clicked":0})", "invalid"},
        {tandrel_tick, R"({"entries":[{"exclusive":"y"}],"ticked":[true],"clicked":0})", "invalid"},
        {tandrel_units, R"({"category":5})", "invalid"},
        {tandrel_prepare, std::string(TANDREL_MAX_REQUEST_BYTES + 1, ' '), "oversized"},
    };
    for (const auto& c : cases) {
        Json answer = Json::parse(c.function(c.request.c_str()));
        EXPECT_EQ(answer.at("error").at("code"), c.code) << c.request.substr(0, 80) << answer;
        EXPECT_FALSE(answer.at("error").at("message").get<std::string>().empty());
    }
    EXPECT_EQ(Json::parse(tandrel_menu(nullptr)).at("error").at("code"), "malformed");
    // A keyword of no command is the DLL's stop beep, not an error.
    Json unknown = Call(tandrel_prepare, Request("NOSUCH", "x"));
    EXPECT_EQ(unknown.at("actions"), Json::parse(R"([{"action":"beep","sound":"error"}])"));
}

TEST(CurrencyFromLanguageTag, ReadsTheRegion) {
    const struct {
        std::u16string_view tag;
        const char* code; ///< null: none
    } cases[] = {
        {u"de-CH", "CHF"},      {u"en-GB", "GBP"},    {u"fr_ca", "CAD"},
        {u"zh-Hant-TW", "TWD"}, {u"de", nullptr},     {u"", nullptr},
        {u"en-x-us", nullptr},  {u"es-419", nullptr}, {u"en-US-u-cu-eur", "USD"},
    };
    for (const auto& c : cases) {
        const CCurrency* currency = CurrencyFromLanguageTag(c.tag);
        EXPECT_EQ(currency ? std::string(currency->code) : std::string(), c.code ? c.code : "")
            << std::string(c.tag.begin(), c.tag.end());
    }
}

} // namespace
} // namespace tandrel
