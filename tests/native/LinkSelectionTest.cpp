// Remembered choices: read when entries load, written when a list is saved. (Choices that cannot
// be read or written, or hold data of another type or size: HostileRegistryTest.cpp.)
#include "TestPlatform.h"

#include "config/ConfigLoader.h"
#include "config/ConfigPath.h"
#include "config/LinkList.h"
#include "config/SelectionMemory.h"

#include <gtest/gtest.h>

namespace tandrel {
namespace {

using namespace std::string_literals;

class LinkSelectionTest : public ::testing::Test {
protected:
    LinkSelectionTest() {
        scope.platform.module.SetResource("FILE", kDefaultLinksTextId,
                                          "[ISBN:AmazonCom]\r\ndefaultSelected=yes\r\n"
                                          "[ISBN:Plain]\r\n"
                                          "[BOOK:AlibrisCom]\r\n[BOOK:BnCom]\r\n"
                                          "[BOOK:AlibrisCom]\r\ndefaultSelected=y\r\n");
    }

    void Store(std::u16string_view name, std::uint32_t type, std::string data) {
        registry().CreateKey(RegRoot::CurrentUser, kSelectionKeyPath)->SetValue(name, type, data);
    }

    std::optional<CMemoryRegistry::Value> Stored(std::u16string_view name) {
        return registry().GetValue(RegRoot::CurrentUser, kSelectionKeyPath, name);
    }

    // The starting ticks of the prefix's entries, as "1" and "0".
    static std::string Ticks(std::string_view prefix) {
        CLinkList list;
        LoadLinks(list, prefix, false);
        std::string ticks;
        for (const CLink& link : list)
            ticks += link.GetSelected() ? '1' : '0';
        return ticks;
    }

    CMemoryRegistry& registry() { return scope.platform.registry; }
    test::MemoryPlatformScope scope;
};

TEST_F(LinkSelectionTest, StoredChoiceOverridesTheDefault) {
    Store(u"ISBN:AmazonCom", kRegDword, "\0\0\0\0"s);
    Store(u"ISBN:Plain", kRegDword, "\1\0\0\0"s);
    EXPECT_EQ(Ticks("ISBN:"), "01");
}

// Entries are made once per configuration text and copied for each command: a choice read for one
// command must not stay with the entries for the next.
TEST_F(LinkSelectionTest, EveryLoadReadsTheChoicesAsTheyAreThen) {
    Store(u"ISBN:AmazonCom", kRegDword, "\0\0\0\0"s);
    Store(u"ISBN:Plain", kRegDword, "\1\0\0\0"s);
    EXPECT_EQ(Ticks("ISBN:"), "01");
    registry().DeleteKey(RegRoot::CurrentUser, kSelectionKeyPath);
    EXPECT_EQ(Ticks("ISBN:"), "10");
    CLinkList changed;
    LoadLinks(changed, "ISBN:", false);
    changed[1].SetSelected(true);
    EXPECT_EQ(Ticks("ISBN:"), "10") << "a tick set on a command's entries, never saved";
}

TEST_F(LinkSelectionTest, SavedChoicesComeBackNextTime) {
    CLinkList list;
    LoadLinks(list, "ISBN:", false);
    list[0].SetSelected(false);
    list[1].SetSelected(true);
    EXPECT_TRUE(list.SaveSelections());

    for (auto [name, data] :
         {std::pair{u"ISBN:AmazonCom", "\0\0\0\0"s}, std::pair{u"ISBN:Plain", "\1\0\0\0"s}}) {
        std::optional<CMemoryRegistry::Value> value = Stored(name);
        ASSERT_TRUE(value) << data[0];
        EXPECT_EQ(value->type, kRegDword);
        EXPECT_EQ(value->data, data);
    }
    EXPECT_EQ(Ticks("ISBN:"), "01");
}

TEST_F(LinkSelectionTest, ValueNamesIgnoreCase) {
    // A user file spells the name in small letters; the stored default capitalises it.
    scope.platform.files.Files()[ConfigFilePath()].bytes = "[isbn:amazoncom]\r\n";
    CLinkList fromFile;
    LoadLinks(fromFile, "ISBN:", false);
    ASSERT_EQ(fromFile.size(), 1u);
    EXPECT_FALSE(fromFile[0].GetSelected());
    fromFile[0].SetSelected(true);
    fromFile.SaveSelections();

    scope.platform.files.Files().clear();
    Store(u"ISBN:AmazonCom", kRegDword, "\0\0\0\0"s);
    EXPECT_EQ(Ticks("ISBN:"), "00") << "the stored default's entry reads the same value";
    EXPECT_EQ(registry().Keys().at({RegRoot::CurrentUser, u"software\\kvo\\tandrel"}).values.size(),
              1u);
}

TEST_F(LinkSelectionTest, SectionsOfOneNameShareTheirChoice) {
    EXPECT_EQ(Ticks("BOOK:"), "001") << "each starts from its own default";
    Store(u"BOOK:AlibrisCom", kRegDword, "\1\0\0\0"s);
    EXPECT_EQ(Ticks("BOOK:"), "101");

    CLinkList list;
    LoadLinks(list, "BOOK:", false);
    list[0].SetSelected(true);
    list[2].SetSelected(false);
    list.SaveSelections();
    EXPECT_EQ(Stored(u"BOOK:AlibrisCom")->data, "\0\0\0\0"s) << "the later entry's flag remains";
    EXPECT_EQ(Ticks("BOOK:"), "000");
}

TEST_F(LinkSelectionTest, ChoicesLiveUnderTheCurrentUserOnly) {
    registry()
        .CreateKey(RegRoot::ClassesRoot, kSelectionKeyPath)
        ->SetValue(u"ISBN:Plain", kRegDword, "\1\0\0\0"s);
    EXPECT_EQ(Ticks("ISBN:"), "10");
}

} // namespace
} // namespace tandrel
