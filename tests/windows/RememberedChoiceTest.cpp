// Remembered choices in the real registry, and the configuration read from the module's
// resources and from the file beside the module.
#include "InProcessPlatform.h"
#include "KeyPermissions.h"

#include "common/win32/Handles.h"
#include "config/ConfigLoader.h"
#include "config/ConfigPath.h"
#include "config/LinkList.h"

#include <filesystem>
#include <fstream>

namespace tandrel::test {
namespace {

class RememberedChoice : public InProcessTest {
protected:
    void SetUp() override { RegDeleteKeyW(HKEY_CURRENT_USER, kChoicesKey); }
    void TearDown() override {
        RegDeleteKeyW(HKEY_CURRENT_USER, kChoicesKey);
        DeleteFileW(ConfigFile().c_str());
    }

    static std::wstring ConfigFile() { return WideArgument(ConfigFilePath()); }

    static std::map<std::string, bool> Ticks(const std::string& prefix) {
        CLinkList links;
        LoadLinks(links, prefix, false);
        std::map<std::string, bool> ticks;
        for (const CLink& link : links)
            ticks[link.GetSectionName()] = link.GetSelected();
        return ticks;
    }

    static void WriteConfigFile(const std::string& text) {
        std::ofstream(std::filesystem::path(ConfigFile()), std::ios::binary) << text;
    }
};

TEST_F(RememberedChoice, SavedChoicesComeBack) {
    CLinkList links;
    LoadLinks(links, "ISBN:", false);
    ASSERT_EQ(links.size(), 6u);
    std::map<std::string, bool> chosen;
    bool tick = true;
    for (CLink& link : links) {
        link.SetSelected(tick);
        chosen[link.GetSectionName()] = tick;
        tick = !tick;
    }
    links.SaveSelections();
    EXPECT_EQ(Ticks("ISBN:"), chosen);

    DWORD type = 0, size = 0;
    ASSERT_EQ(RegGetValueA(HKEY_CURRENT_USER, "Software\\KVO\\Tandrel", "ISBN:AmazonCom",
                           RRF_RT_ANY, &type, nullptr, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(size, 4u);
}

TEST_F(RememberedChoice, NamesDifferingInCaseShareOneChoice) {
    WriteConfigFile("[isbn:amazoncom]\r\nurl=https://example.com/?q=!S\r\n");
    CLinkList fromFile;
    LoadLinks(fromFile, "ISBN:", false);
    ASSERT_EQ(fromFile.size(), 1u);
    ASSERT_EQ(fromFile[0].GetSectionName(), "isbn:amazoncom");
    fromFile[0].SetSelected(false);
    fromFile.SaveSelections();
    DeleteFileW(ConfigFile().c_str());

    std::map<std::string, bool> ticks = Ticks("ISBN:");
    ASSERT_TRUE(ticks.count("ISBN:AmazonCom"));
    EXPECT_FALSE(ticks["ISBN:AmazonCom"]) << "the stored default ticks it, the saved choice wins";
}

TEST_F(RememberedChoice, AKeyThatMayOnlyBeReadStillGivesItsChoicesAndKeepsThem) {
    {
        UniqueRegKey key;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kChoicesKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, key.Out(), nullptr),
                  ERROR_SUCCESS);
        const DWORD unticked = 0;
        RegSetValueExW(key.Get(), L"ISBN:AmazonCom", 0, REG_DWORD,
                       reinterpret_cast<const BYTE*>(&unticked), sizeof unticked);
    }
    // Readable but not writable for everyone, as the user's key looks from a browser tab that
    // runs at low integrity.
    KeyPermissions readOnly(kChoicesKey, L"D:P(A;;KR;;;WD)");
    ASSERT_TRUE(readOnly.Applied());
    UniqueRegKey probe;
    ASSERT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, kChoicesKey, 0, KEY_SET_VALUE, probe.Out()),
              ERROR_SUCCESS)
        << "the registry does not enforce the key's security; this test would prove nothing";

    EXPECT_FALSE(Ticks("ISBN:")["ISBN:AmazonCom"]) << "read with read access only";
    CLinkList links;
    LoadLinks(links, "ISBN:", false);
    for (CLink& link : links)
        link.SetSelected(true);
    EXPECT_FALSE(links.SaveSelections()) << "a refused write is reported";
    EXPECT_FALSE(Ticks("ISBN:")["ISBN:AmazonCom"]) << "and loses nothing stored";
}

TEST_F(RememberedChoice, AValueLongerThanFourBytesIsIgnored) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kChoicesKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const BYTE zeros[8] = {};
    RegSetValueExA(key, "ISBN:AmazonCom", 0, REG_BINARY, zeros, sizeof zeros);
    const BYTE zero[4] = {};
    RegSetValueExA(key, "ISBN:AmazonCoUk", 0, REG_BINARY, zero, sizeof zero);
    RegCloseKey(key);

    std::map<std::string, bool> ticks = Ticks("ISBN:");
    EXPECT_TRUE(ticks["ISBN:AmazonCom"]) << "keeps its default tick";
    EXPECT_FALSE(ticks["ISBN:AmazonCoUk"]) << "four bytes of any type are read";
}

TEST_F(RememberedChoice, TheFileBesideTheModuleReplacesItsPrefixesOnly) {
    EXPECT_EQ(ConfigFilePath().substr(ConfigFilePath().size() - 4), u".ini");
    WriteConfigFile("[BOOK:Mine]\r\nurl=https://example.com/?q=!S\r\n[SYSTEM:Home]\r\nurl=x\r\n");
    EXPECT_EQ(Ticks("BOOK:").size(), 1u);
    EXPECT_EQ(Ticks("ISBN:").size(), 6u);
    CSectionList system;
    LoadSections(system, "SYSTEM:", true);
    EXPECT_EQ(system.size(), 16u);
}

} // namespace
} // namespace tandrel::test
