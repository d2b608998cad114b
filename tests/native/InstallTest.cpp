#include "TestPlatform.h"

#include "com/CommandTable.h"
#include "common/TextConversion.h"
#include "install/ClassRegistration.h"
#include "install/MenuRegistration.h"

#include <gtest/gtest.h>

namespace tandrel {
namespace {

// Outside the ANSI code page, so that a path squeezed through it would show.
const std::u16string kFolder = u"D:\\Tools With Blanks \u03A9\\";
const std::u16string kMenuExt = u"Software\\Microsoft\\Internet Explorer\\MenuExt";
const std::u16string kExtensions = u"Software\\Microsoft\\Internet Explorer\\Extensions";
const std::u16string kClassKey = u"CLSID\\{A5B270CF-803F-4CC9-A9E9-F319C4629370}";

class Install : public ::testing::Test {
protected:
    void SetUp() override { platform().module.SetModulePath(kFolder + u"nubrix.dll"); }
    CMemoryPlatform& platform() { return scope.platform; }
    std::size_t SubKeyCount(const std::u16string& parent) {
        std::size_t count = 0;
        std::u16string below = CMemoryRegistry::Lowered(parent) + u"\\";
        for (const auto& [id, key] : platform().registry.Keys()) {
            const std::u16string& path = id.second;
            if (path.rfind(below, 0) == 0 && path.find(u'\\', below.size()) == std::u16string::npos)
                ++count;
        }
        return count;
    }
    test::MemoryPlatformScope scope;
};

TEST(ScriptPage, ReplacesEveryPlaceholder) {
    CMenuRegistration row = MenuTable()[5];
    row.secondArgument = "two";
    EXPECT_EQ(ScriptPageText("a(!1,!2,!3) b(!1) !!1", row), "a(ISBN,two,) b(ISBN) !ISBN");
    row.keyword = "!1x";
    EXPECT_EQ(ScriptPageText("<!1>", row), "<!1x>") << "a replacement is not searched again";
}

TEST_F(Install, WritesKeysAndReadOnlyHiddenPagesForEveryRow) {
    RegisterMenus(true);
    EXPECT_EQ(SubKeyCount(kMenuExt), 14u);
    EXPECT_EQ(SubKeyCount(kExtensions), 14u);
    auto value = platform().registry.GetValue(RegRoot::CurrentUser, kMenuExt + u"\\=>ISBN", u"");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, kRegSz);
    EXPECT_EQ(value->data.size() % 2, 0u);
    EXPECT_EQ(value->data.substr(value->data.size() - 2), std::string(2, '\0'))
        << "the terminating zero is counted";
    EXPECT_EQ(TextOfRegString(value->data), u"file:///" + kFolder + u"isbn.htm");
    auto script = platform().registry.GetValue(
        RegRoot::CurrentUser, kExtensions + u"\\{72B4934A-801C-4436-B796-B177D9051065}", u"Script");
    ASSERT_TRUE(script);
    EXPECT_EQ(TextOfRegString(script->data), kFolder + u"search.htm");
    // Each command's page hands its own keyword to Click.
    for (const CommandRow& row : CommandTable()) {
        auto page = platform().files.Files().find(
            kFolder + std::u16string(row.pageFile.begin(), row.pageFile.end()));
        ASSERT_NE(page, platform().files.Files().end()) << row.keyword;
        EXPECT_EQ(page->second.attributes, kFileReadOnly | kFileHidden) << row.keyword;
        EXPECT_NE(page->second.bytes.find("helper.Click( external.menuArguments, \"" +
                                          std::string(row.keyword) + "\", \"\", \"\" );\r\n"),
                  std::string::npos)
            << row.keyword;
    }
}

TEST_F(Install, UnwritablePagesAreSkippedAndTheKeysStillWritten) {
    platform().files.DenyWritesUnder(kFolder);
    RegisterMenus(true);
    EXPECT_TRUE(platform().files.Files().empty());
    EXPECT_EQ(SubKeyCount(kMenuExt), 14u);
    EXPECT_EQ(SubKeyCount(kExtensions), 14u);
}

TEST_F(Install, AKeyThatCannotBeCreatedIsSkipped) {
    platform().registry.DenyAccess(RegRoot::CurrentUser, kMenuExt + u"\\=>Book");
    RegisterMenus(true);
    EXPECT_EQ(SubKeyCount(kMenuExt), 13u);
    EXPECT_EQ(SubKeyCount(kExtensions), 14u);
    EXPECT_TRUE(platform().files.Files().count(kFolder + u"book.htm"));
}

TEST_F(Install, RemovingWhatWasNeverWrittenChangesNothing) {
    RegisterMenus(false);
    EXPECT_TRUE(platform().registry.Keys().empty());
    EXPECT_TRUE(platform().files.Files().empty());
}

TEST_F(Install, ClassRegistrationReplacesAnOldClassKeyWhole) {
    platform().registry.CreateKey(RegRoot::ClassesRoot, kClassKey + u"\\Stale");
    ASSERT_EQ(RegisterClassKeys(), kOk);
    EXPECT_FALSE(platform().registry.HasKey(RegRoot::ClassesRoot, kClassKey + u"\\Stale"));
    auto server = platform().registry.GetValue(RegRoot::ClassesRoot,
                                               kClassKey + u"\\InprocServer32", u"ThreadingModel");
    ASSERT_TRUE(server);
    EXPECT_EQ(TextOfRegString(server->data), u"Apartment");
    auto path =
        platform().registry.GetValue(RegRoot::ClassesRoot, kClassKey + u"\\InprocServer32", u"");
    ASSERT_TRUE(path);
    EXPECT_EQ(TextOfRegString(path->data), kFolder + u"nubrix.dll");
}

TEST_F(Install, ClassRegistrationFailsWhenAKeyCannotBeCreated) {
    platform().registry.DenyAccess(RegRoot::ClassesRoot, u"KVO.ATandrel");
    EXPECT_TRUE(Failed(RegisterClassKeys()));
}

TEST_F(Install, ClassRemovalKeepsCLSIDAndKeysOfOthers) {
    ASSERT_EQ(RegisterClassKeys(), kOk);
    platform().registry.CreateKey(RegRoot::ClassesRoot,
                                  u"CLSID\\{00000000-0000-0000-0000-000000000001}");
    platform().registry.CreateKey(RegRoot::ClassesRoot, u"KVO.ATandrel\\AddedByOthers");
    EXPECT_EQ(UnregisterClassKeys(), kOk);
    EXPECT_FALSE(platform().registry.HasKey(RegRoot::ClassesRoot, kClassKey));
    EXPECT_FALSE(platform().registry.HasKey(RegRoot::ClassesRoot, u"KVO.ATandrel.1"));
    EXPECT_FALSE(platform().registry.HasKey(RegRoot::ClassesRoot, u"KVO.ATandrel\\CurVer"));
    EXPECT_TRUE(platform().registry.HasKey(RegRoot::ClassesRoot, u"KVO.ATandrel\\AddedByOthers"));
    EXPECT_TRUE(platform().registry.HasKey(RegRoot::ClassesRoot,
                                           u"CLSID\\{00000000-0000-0000-0000-000000000001}"));
}

// Removal goes as far as it may and says whether the class is gone: keys gone already and keys
// that hold someone else's are no failure; keys the user may not delete are.
TEST_F(Install, ClassRemovalReportsKeysItMayNotDelete) {
    const struct {
        const char16_t* protectedKey;
        bool removed;
    } cases[] = {
        {nullptr, true},
        {u"CLSID\\{A5B270CF-803F-4CC9-A9E9-F319C4629370}", false},
        {u"CLSID\\{A5B270CF-803F-4CC9-A9E9-F319C4629370}\\InprocServer32", false},
        {u"KVO.ATandrel.1\\CLSID", false},
        {u"KVO.ATandrel", true}, // its keys go; it may hold someone else's
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.protectedKey ? WideToUtf8(c.protectedKey) : "none");
        test::MemoryPlatformScope fresh;
        fresh.platform.module.SetModulePath(kFolder + u"nubrix.dll");
        ASSERT_EQ(RegisterClassKeys(), kOk);
        if (c.protectedKey)
            fresh.platform.registry.DenyWrites(RegRoot::ClassesRoot, c.protectedKey);
        EXPECT_EQ(UnregisterClassKeys() == kOk, c.removed);
        EXPECT_EQ(fresh.platform.registry.HasKey(RegRoot::ClassesRoot, kClassKey),
                  !c.removed && c.protectedKey[0] == u'C');
        EXPECT_FALSE(fresh.platform.registry.HasKey(RegRoot::ClassesRoot, u"KVO.ATandrel\\CurVer"));
    }
    EXPECT_EQ(UnregisterClassKeys(), kOk) << "nothing left to remove";
}

// A user's own install writes the user's keys; taking it away leaves the shared pages.
TEST_F(Install, AUsersOwnInstallLeavesThePagesOfOthers) {
    RegisterUserMenus(true);
    EXPECT_EQ(SubKeyCount(kMenuExt), CommandTable().size());
    EXPECT_EQ(SubKeyCount(kExtensions), CommandTable().size());
    std::size_t pages = platform().files.Files().size();
    EXPECT_EQ(pages, CommandTable().size());
    RegisterUserMenus(false);
    EXPECT_EQ(SubKeyCount(kMenuExt), 0u);
    EXPECT_EQ(SubKeyCount(kExtensions), 0u);
    EXPECT_EQ(platform().files.Files().size(), pages);
}

TEST_F(Install, ModuleFolderKeepsItsTrailingBackslash) {
    EXPECT_EQ(ModuleFolder(), kFolder);
    platform().module.SetModulePath(u"nubrix.dll");
    EXPECT_EQ(ModuleFolder(), u"");
}

} // namespace
} // namespace tandrel
