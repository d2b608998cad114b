#include "TestPlatform.h"

#include "config/ConfigLoader.h"
#include "config/ConfigPath.h"
#include "config/ParsedTexts.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace tandrel {
namespace {

// Stand-ins for the two stored texts, so that the source of every section is plain to see.
constexpr char kStoredDefault[] = "[ISBN:StoredA]\r\nurl=stored-a\r\n"
                                  "[BOOK:StoredBook]\r\nurl=stored-book\r\n"
                                  "[SYSTEM:FromDefault]\r\n"
                                  "[ISBN:StoredB]\r\nurl=stored-b\r\n";
constexpr char kStoredSystem[] = "#These are system menu items and should not be edited\r\n"
                                 "[SYSTEM:Home]\r\nurl=stored-home\r\n";

class LoadSectionsTest : public ::testing::Test {
protected:
    LoadSectionsTest() {
        scope.platform.module.SetResource("FILE", kDefaultLinksTextId, kStoredDefault);
        scope.platform.module.SetResource("FILE", kSystemLinksTextId, kStoredSystem);
    }

    void WriteConfigFile(std::string text) {
        scope.platform.files.Files()[ConfigFilePath()].bytes = std::move(text);
    }

    // Names of the sections loaded, joined by blanks.
    static std::string Names(std::string_view prefix, bool systemOnly = false) {
        CSectionList list;
        LoadSections(list, prefix, systemOnly);
        std::string names;
        for (const CConfigSection& section : list)
            names += (names.empty() ? "" : " ") + section.GetName();
        return names;
    }

    test::MemoryPlatformScope scope;
};

TEST_F(LoadSectionsTest, WithoutFileTheStoredDefaultServes) {
    EXPECT_EQ(Names("ISBN:"), "ISBN:StoredA ISBN:StoredB");
    EXPECT_EQ(Names("BOOK:"), "BOOK:StoredBook");
    EXPECT_EQ(Names("UPC:"), "");
}

// Only the module's own name loses its extension: a dot in a folder's name stays, and so does
// the folder.
TEST_F(LoadSectionsTest, FileBesideTheModuleIsFoundByItsName) {
    const std::pair<std::u16string_view, std::u16string_view> cases[] = {
        {u"D:\\Tools\\nubrix.dll", u"D:\\Tools\\nubrix.ini"},
        {u"C:\\My.Folder\\nubrix", u"C:\\My.Folder\\nubrix.ini"},
        {u"C:\\My.Folder\\nubrix.x.dll", u"C:\\My.Folder\\nubrix.x.ini"},
        {u"/opt/my.tools/nubrix", u"/opt/my.tools/nubrix.ini"},
        {u"nubrix", u"nubrix.ini"},
    };
    for (const auto& [module, config] : cases) {
        test::MemoryPlatformScope fresh;
        fresh.platform.module.SetModulePath(std::u16string(module));
        for (const char16_t* decoy : {u"C:\\My.ini", u"/opt/my.ini", u"C:\\My.Folder\\nubrix.ini"})
            fresh.platform.files.Files()[decoy].bytes = "[ISBN:Decoy]\n";
        fresh.platform.files.Files()[std::u16string(config)].bytes = "[ISBN:Mine]\nurl=mine";
        EXPECT_EQ(Names("ISBN:"), "ISBN:Mine") << std::string(module.begin(), module.end());
    }
}

TEST_F(LoadSectionsTest, SourceIsChosenPerPrefix) {
    WriteConfigFile("[BOOK:Mine]\nurl=mine\n[BOOK:Other]\n");
    EXPECT_EQ(Names("BOOK:"), "BOOK:Mine BOOK:Other");
    EXPECT_EQ(Names("ISBN:"), "ISBN:StoredA ISBN:StoredB")
        << "a prefix the file lacks comes from the stored default";
}

TEST_F(LoadSectionsTest, OneKeylessHeadReplacesEveryStoredSection) {
    WriteConfigFile("[ISBN:X]");
    CSectionList list;
    LoadSections(list, "ISBN:", false);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].GetName(), "ISBN:X");
    EXPECT_TRUE(list[0].Values().empty());
}

TEST_F(LoadSectionsTest, FilesThatYieldNothingCountAsAbsent) {
    const char* const kTexts[] = {
        "",
        "# only a comment\r\n; and another\r\n",
        "url=a\r\n",
        "\xEF\xBB\xBF[ISBN:X]\r\nurl=a\r\n",
        "[Book:Mine]\nurl=b",
    };
    for (const char* text : kTexts) {
        WriteConfigFile(text);
        EXPECT_EQ(Names("ISBN:"), "ISBN:StoredA ISBN:StoredB") << text;
    }
}

TEST_F(LoadSectionsTest, LockedFileFallsBackSilently) {
    WriteConfigFile("[ISBN:Mine]\nurl=mine");
    scope.platform.files.Files()[ConfigFilePath()].locked = true;
    EXPECT_EQ(Names("ISBN:"), "ISBN:StoredA ISBN:StoredB");
    EXPECT_TRUE(scope.platform.ui.messageBoxes.empty());
}

TEST_F(LoadSectionsTest, SystemEntriesOnlyFromTheirStoredText) {
    WriteConfigFile("[SYSTEM:Home]\nurl=from-file\n[SYSTEM:Extra]\n");
    CSectionList list;
    LoadSections(list, kSystemPrefix, true);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].GetName(), "SYSTEM:Home");
    EXPECT_EQ(list[0].GetString("url", ""), "stored-home");
}

TEST_F(LoadSectionsTest, MissingStoredTextGivesAnEmptyList) {
    scope.platform.module.RemoveResource("FILE", kDefaultLinksTextId);
    scope.platform.module.RemoveResource("FILE", kSystemLinksTextId);
    EXPECT_EQ(Names("ISBN:"), "");
    EXPECT_EQ(Names("SYSTEM:", true), "");
    WriteConfigFile("[ISBN:Mine]");
    EXPECT_EQ(Names("ISBN:"), "ISBN:Mine");
}

// Parsed texts are kept between commands; a file changed in between must be read as it is now,
// however many versions came before and however little they differ.
TEST_F(LoadSectionsTest, AFileChangedBetweenCommandsIsReadAsItIsNow) {
    const std::string longer(40, '#');
    const std::pair<std::string, std::string> versions[] = {
        {"[ISBN:One]\n", "ISBN:One"},
        {"[ISBN:Two]\n", "ISBN:Two"},
        {"[ISBN:Two]\n[ISBN:Three]\n", "ISBN:Two ISBN:Three"},
        {longer + "\n[ISBN:Ab]", "ISBN:Ab"},
        {longer + "\n[ISBN:Ac]", "ISBN:Ac"}, // the same length, the last byte differs
        {"[BOOK:One]\n", "ISBN:StoredA ISBN:StoredB"},
        {"[ISBN:One]\n", "ISBN:One"},
        {"", "ISBN:StoredA ISBN:StoredB"},
        {longer + "\n[ISBN:Ab]", "ISBN:Ab"},
    };
    for (int round = 0; round < 2; ++round) {
        for (const auto& [text, names] : versions) {
            WriteConfigFile(text);
            EXPECT_EQ(Names("ISBN:"), names) << text;
            EXPECT_EQ(Names("ISBN:"), names) << text << " (read again)";
        }
    }
}

TEST(SameBytes, ComparesEveryByteOfTextsOfAnyLength) {
    const std::string base = "0123456789abcdefghijklmnopqrstuvwxyz";
    EXPECT_TRUE(SameBytes("", ""));
    for (std::size_t size = 1; size <= base.size(); ++size) {
        std::string_view text(base.data(), size);
        EXPECT_TRUE(SameBytes(text, std::string(text))) << size;
        EXPECT_FALSE(SameBytes(text, base.substr(0, size - 1))) << size;
        for (std::size_t at = 0; at < size; ++at) {
            std::string changed(text);
            changed[at] = '\xFF';
            EXPECT_FALSE(SameBytes(text, changed)) << size << " " << at;
        }
    }
}

// Commands of several apartments may read at once: each must get the sections of its own text
// while the others bring in texts that push older ones out.
TEST(ParsedTexts, ThreadsReadingDifferentTextsEachGetTheirOwn) {
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "the WebAssembly build has no threads";
#endif
    constexpr int kTexts = 5; // more than are kept, so that texts are dropped while in use
    auto text = [](int n) {
        return "[ISBN:T" + std::to_string(n) + "]\nurl=u\n";
    };
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 500; ++i) {
                int n = (t + i) % kTexts;
                std::shared_ptr<const CParsedPrefix> parsed = ParsedPrefixOf(text(n), "ISBN:");
                const std::vector<CLink>& links = parsed->Links();
                if (links.size() != 1 || links[0].GetSectionName() != "ISBN:T" + std::to_string(n))
                    ++wrong;
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(wrong, 0);
}

TEST(SystemPrefix, IsRecognisedInAnyCase) {
    EXPECT_TRUE(IsSystemPrefix("SYSTEM:"));
    EXPECT_TRUE(IsSystemPrefix("System:"));
    EXPECT_FALSE(IsSystemPrefix("SYSTEM"));
    EXPECT_FALSE(IsSystemPrefix("SYSTEM:Home"));
}

} // namespace
} // namespace tandrel
