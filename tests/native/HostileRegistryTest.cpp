// Remembered choices that cannot be read or written, or that hold the wrong type or size of
// data: each entry falls back to its defaultSelected, saving works where it can and fails
// quietly where it cannot, the command still runs what was ticked, and no other remembered choice
// is lost.
#include "CommandFixture.h"

#include "config/LinkList.h"
#include "config/SelectionMemory.h"

#include <gtest/gtest.h>

namespace tandrel {
namespace {

// Entry A is chosen by default, B is not.
class HostileRegistry : public test::CommandFixture {
protected:
    HostileRegistry()
        : CommandFixture("[ISBN:A]\nshortDescription=Shop A\nurl=a?q=!S\ndefaultSelected=y\n"
                         "[ISBN:B]\nshortDescription=Shop B\nurl=b?q=!S\n") {}

    CMemoryRegistry& Registry() { return scope.platform.registry; }

    void Store(std::u16string_view name, std::uint32_t type, std::string_view data) {
        ASSERT_TRUE(Registry()
                        .CreateKey(RegRoot::CurrentUser, kSelectionKeyPath)
                        ->SetValue(name, type, data));
    }

    std::vector<bool> Ticks() {
        CLinkList links;
        LoadLinks(links, "ISBN:", false);
        std::vector<bool> ticks;
        for (const CLink& link : links)
            ticks.push_back(link.GetSelected());
        return ticks;
    }

    std::optional<CMemoryRegistry::Value> Stored(std::u16string_view name) {
        return Registry().GetValue(RegRoot::CurrentUser, kSelectionKeyPath, name);
    }
};

TEST_F(HostileRegistry, ValuesOfTheWrongTypeOrSizeReadAsTheirFirstFourBytes) {
    using namespace std::string_literals;
    const struct {
        std::string_view name;
        std::uint32_t type;
        std::string data;
        bool aTicked; ///< A is chosen by default
    } cases[] = {
        {"REG_SZ \"0\" (a nonzero byte)", kRegSz, "0\0\0\0"s, true},
        {"REG_SZ \"1\"", kRegSz, "1\0\0\0"s, true},
        {"empty REG_SZ", kRegSz, "\0\0"s, false},
        {"REG_SZ \"10\" (six bytes)", kRegSz, "1\0000\0\0\0"s, true},
        {"zero-length REG_BINARY", kRegBinary, "", false},
        {"three bytes", kRegBinary, "\0\0\1"s, true},
        {"eight bytes of zero", kRegBinary, std::string(8, '\0'), true},
        {"a five-byte REG_DWORD of zero", kRegDword, std::string(5, '\0'), true},
        {"REG_DWORD 2", kRegDword, "\2\0\0\0"s, true},
        {"REG_DWORD 0", kRegDword, std::string(4, '\0'), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Store(u"ISBN:A", c.type, c.data);
        Store(u"ISBN:B", c.type, c.data);
        std::vector<bool> ticks = Ticks();
        EXPECT_EQ(ticks, (std::vector<bool>{c.aTicked, c.data.size() > 4 ? false : c.aTicked}));
    }

    // Saving replaces a value of any type with a REG_DWORD and leaves the others alone.
    Store(u"BOOK:Other", kRegSz, "x\0\0\0"s);
    dialogs.siteListAnswers = {{std::nullopt, {u"Shop B"}, kIdOk}};
    Run("ISBN", u"0306406152");
    ASSERT_TRUE(Stored(u"ISBN:B"));
    EXPECT_EQ(Stored(u"ISBN:B")->type, static_cast<std::uint32_t>(kRegDword));
    EXPECT_EQ(Stored(u"ISBN:B")->data, "\1\0\0\0"s);
    EXPECT_EQ(Stored(u"BOOK:Other")->data, "x\0\0\0"s);
}

TEST_F(HostileRegistry, AKeyThatCannotBeOpenedGivesTheDefaultsAndSavesNothing) {
    Store(u"ISBN:A", kRegDword, std::string(4, '\0'));
    Store(u"BOOK:Other", kRegDword, std::string("\1\0\0\0", 4));
    Registry().DenyAccess(RegRoot::CurrentUser, kSelectionKeyPath);
    EXPECT_EQ(Ticks(), (std::vector<bool>{true, false})) << "defaultSelected";

    dialogs.siteListAnswers = {{std::nullopt, {u"Shop A", u"Shop B"}, kIdOk}};
    Run("ISBN", u"0306406152");
    EXPECT_EQ(Opened(), std::vector<std::u16string>{u"b?q=0306406152"})
        << "the command goes on to open what was ticked";
    EXPECT_TRUE(Messages().empty()) << "a refused save is not reported";
    EXPECT_EQ(Stored(u"ISBN:A")->data, std::string(4, '\0')) << "nothing stored is changed";
    EXPECT_EQ(Stored(u"BOOK:Other")->data, std::string("\1\0\0\0", 4));
    EXPECT_FALSE(Stored(u"ISBN:B"));
}

TEST_F(HostileRegistry, AMissingKeyGivesTheDefaultsAndIsCreatedBySaving) {
    EXPECT_EQ(Ticks(), (std::vector<bool>{true, false}));
    EXPECT_FALSE(Registry().HasKey(RegRoot::CurrentUser, kSelectionKeyPath))
        << "reading creates nothing";
    dialogs.siteListAnswers = {{std::nullopt, {u"Shop A", u"Shop B"}, kIdOk}};
    Run("ISBN", u"0306406152");
    EXPECT_EQ(Ticks(), (std::vector<bool>{false, true}));
}

TEST_F(HostileRegistry, AKeyThatMayOnlyBeReadKeepsItsChoices) {
    Store(u"ISBN:A", kRegDword, std::string(4, '\0'));
    Store(u"ISBN:B", kRegDword, std::string("\1\0\0\0", 4));
    Registry().DenyWrites(RegRoot::CurrentUser, kSelectionKeyPath);
    dialogs.siteListAnswers = {{std::nullopt, {u"Shop A", u"Shop B"}, kIdOk}};
    Run("ISBN", u"0306406152");
    EXPECT_EQ(Opened(), std::vector<std::u16string>{u"a?q=0306406152"});
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Ticks(), (std::vector<bool>{false, true})) << "read, and not changed";
    CLinkList links;
    LoadLinks(links, "ISBN:", false);
    EXPECT_FALSE(links.SaveSelections()) << "a refused write is reported to the caller";
}

} // namespace
} // namespace tandrel
