// Broken configuration files beside the module, end to end: random bytes, NUL bytes, a line of a
// megabyte, a hundred thousand sections, a file another program holds locked. Each is loaded as
// links and as units, and the ISBN and conversion commands run on it: the sections are read as
// far as they parse, a prefix the file does not yield comes from the stored default, nothing is
// reported, and every remembered choice stays.
#include "CommandFixture.h"
#include "HostileInputs.h"
#include "ReferenceConfigParser.h"

#include "config/ConfigLoader.h"
#include "config/LinkList.h"
#include "config/SelectionMemory.h"
#include "conversions/Units.h"

#include <gtest/gtest.h>

namespace tandrel {
namespace {

using test::kMegabyte;

std::vector<std::string> NamesOf(const CSectionList& sections) {
    std::vector<std::string> names;
    for (const CConfigSection& section : sections)
        names.push_back(section.GetName());
    return names;
}

class HostileConfig : public test::CommandFixture {
protected:
    HostileConfig() : CommandFixture(std::nullopt) {}

    void WriteConfigFile(std::string text) {
        scope.platform.files.Files()[ConfigFilePath()].bytes = std::move(text);
    }

    // The sections a prefix should load: the file's, or the stored default's when the file has
    // none, as the grammar's reference reading finds them.
    CSectionList Expected(const std::string& file, std::string_view prefix) {
        CSectionList sections;
        reference::ParseConfigBytes(sections, file, prefix);
        if (sections.empty()) {
            std::optional<std::string_view> stored =
                scope.platform.module.FindModuleResource(kStoredTextType, kDefaultLinksTextId);
            reference::ParseConfigBytes(sections, stored.value_or(""), prefix);
        }
        return sections;
    }
};

TEST_F(HostileConfig, LoadsWhatParsesAndRunsTheCommandsOnIt) {
    for (test::HostileConfigFile& file : test::HostileConfigFiles()) {
        SCOPED_TRACE(file.name);
        WriteConfigFile(file.text);
        CSectionList expectedLinks = Expected(file.text, "ISBN:");
        CSectionList fileLinks;
        reference::ParseConfigBytes(fileLinks, file.text, "ISBN:");
        EXPECT_EQ(fileLinks.size(), file.isbnSections);
        CSectionList fileUnits;
        reference::ParseConfigBytes(fileUnits, file.text, "UNIT:");
        EXPECT_EQ(fileUnits.size(), file.unitSections);

        CSectionList loaded;
        LoadSections(loaded, "ISBN:", false);
        ASSERT_EQ(loaded.size(), expectedLinks.size());
        for (std::size_t i = 0; i < loaded.size(); ++i) {
            EXPECT_EQ(loaded[i].GetName(), expectedLinks[i].GetName());
            EXPECT_EQ(loaded[i].Values(), expectedLinks[i].Values()) << i;
        }
        CSectionList units;
        LoadSections(units, "UNIT:", false);
        EXPECT_EQ(NamesOf(units), NamesOf(Expected(file.text, "UNIT:")));
        CLinkList links;
        LoadLinks(links, "ISBN:", false);
        EXPECT_EQ(links.size(), expectedLinks.size());

        dialogs.siteListsShown.clear();
        Run("ISBN", u"ISBN 0-306-40615-2");
        ASSERT_EQ(dialogs.siteListsShown.size(), 1u);
        EXPECT_EQ(dialogs.siteListsShown[0].items.size(), expectedLinks.size());
        EXPECT_EQ(dialogs.siteListsShown[0].text, u"0306406152");

        dialogs.convertStates.clear();
        Run("CONVERT", file.convertSelection);
        ASSERT_EQ(dialogs.convertStates.size(), 1u);
        EXPECT_EQ(dialogs.convertStates[0].amount, u"5");
        if (file.convertCategory) {
            EXPECT_EQ(dialogs.convertStates[0].category, *file.convertCategory);
        }
        if (file.convertFrom) {
            EXPECT_EQ(dialogs.convertStates[0].from, *file.convertFrom);
        }
        EXPECT_TRUE(Messages().empty()) << "loading reports nothing";
    }
}

TEST_F(HostileConfig, NulBytesStayInNamesKeysAndValues) {
    WriteConfigFile(test::HostileConfigFileNamed("NUL bytes").text);
    // Alone in its list, the entry starts ticked.
    dialogs.siteListAnswers = {{std::nullopt, {}, kIdOk}};
    Run("ISBN", u"0306406152");
    ASSERT_EQ(dialogs.siteListsShown.size(), 1u);
    EXPECT_EQ(Opened(), std::vector<std::u16string>{std::u16string(u"a\0b?q=0306406152", 16)});
    EXPECT_EQ(ReadRememberedChoice(std::string_view("ISBN:A\0B", 8)), std::nullopt)
        << "the registry would end the name at the NUL: the entry has no remembered choice";
    EXPECT_FALSE(ReadRememberedChoice("ISBN:A")) << "nor takes that of another";

    CLinkList links;
    LoadLinks(links, "ISBN:", false);
    ASSERT_EQ(links.size(), 1u);
    CSectionList sections;
    LoadSections(sections, "ISBN:", false);
    EXPECT_EQ(sections[0].GetString(std::string_view("KE\0Y", 4), "none"),
              std::string("v\0alue", 6));
}

TEST_F(HostileConfig, AValueOfAMegabyteReachesTheOpenedAddressWhole) {
    WriteConfigFile(test::HostileConfigFileNamed("a value of a megabyte").text);
    dialogs.siteListAnswers = {{std::nullopt, {}, kIdOk}};
    Run("ISBN", u"0306406152");
    ASSERT_EQ(Opened().size(), 1u);
    EXPECT_EQ(Opened()[0], std::u16string(kMegabyte, u'm') + u"0306406152");
}

TEST_F(HostileConfig, AHundredThousandEntriesAreTickedSavedAndOpened) {
    WriteConfigFile(test::ManySections("ISBN:", 100000));
    dialogs.siteListAnswers = {{std::nullopt, {u"Site 0", u"Site 99999"}, kIdOk}};
    Run("ISBN", u"0306406152");
    EXPECT_EQ(Opened(), std::vector<std::u16string>{u"u99999?q=0306406152"});
    EXPECT_EQ(ReadRememberedChoice("ISBN:S99999"), true);
    EXPECT_EQ(ReadRememberedChoice("ISBN:S0"), false);
}

// Another program holds the file open for writing: the stored default serves, and the choices
// remembered for the file's entries survive a confirmed dialog of the stored ones.
TEST_F(HostileConfig, ALockedFileGivesTheStoredDefaultAndLosesNoChoice) {
    WriteConfigFile("[ISBN:Mine]\r\nshortDescription=Mine\r\nurl=mine?q=!S\r\n");
    ASSERT_TRUE(RememberChoice("ISBN:Mine", true));
    ASSERT_TRUE(RememberChoice("ISBN:AmazonCom", false));
    scope.platform.files.Files()[ConfigFilePath()].locked = true;

    dialogs.siteListAnswers = {{std::nullopt, {u"Barnes & Noble (USA)"}, kIdOk}};
    Run("ISBN", u"0306406152");
    ASSERT_EQ(dialogs.siteListsShown.size(), 1u);
    EXPECT_EQ(dialogs.siteListsShown[0].items.size(), 6u) << "the stored default's entries";
    EXPECT_EQ(dialogs.siteListsShown[0].items[0],
              (std::pair<std::u16string, bool>{u"Amazon.com (USA)", false}))
        << "with the remembered choice";
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(ReadRememberedChoice("ISBN:BnCom"), true);
    EXPECT_EQ(ReadRememberedChoice("ISBN:Mine"), true) << "an entry not loaded keeps its choice";

    scope.platform.files.Files()[ConfigFilePath()].locked = false;
    dialogs.siteListsShown.clear();
    Run("ISBN", u"0306406152");
    ASSERT_EQ(dialogs.siteListsShown.size(), 1u);
    EXPECT_EQ(dialogs.siteListsShown[0].items,
              (std::vector<std::pair<std::u16string, bool>>{{u"Mine", true}}));
}

} // namespace
} // namespace tandrel
