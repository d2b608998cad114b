// Remembered choices in the real registry, and the configuration read from the module's
// resources and from the file beside the module.
#include "InProcessPlatform.h"

#include "config/ConfigLoader.h"
#include "config/ConfigPath.h"
#include "config/LinkList.h"

#include <fstream>

namespace tandrel::test {
namespace {

const wchar_t kChoicesKey[] = L"Software\\KVO\\Tandrel";

class RememberedChoice : public InProcessTest {
protected:
    void SetUp() override { RegDeleteKeyW(HKEY_CURRENT_USER, kChoicesKey); }
    void TearDown() override {
        RegDeleteKeyW(HKEY_CURRENT_USER, kChoicesKey);
        DeleteFileA(ConfigFilePath().c_str());
    }

    static std::map<std::string, bool> Ticks(const std::string& prefix) {
        CLinkList links;
        LoadLinks(links, prefix, false);
        std::map<std::string, bool> ticks;
        for (const CLink& link : links)
            ticks[link.GetSectionName()] = link.GetSelected();
        return ticks;
    }

    static void WriteConfigFile(const std::string& text) {
        std::ofstream(ConfigFilePath(), std::ios::binary) << text;
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
    DeleteFileA(ConfigFilePath().c_str());

    std::map<std::string, bool> ticks = Ticks("ISBN:");
    ASSERT_TRUE(ticks.count("ISBN:AmazonCom"));
    EXPECT_FALSE(ticks["ISBN:AmazonCom"]) << "the stored default ticks it, the saved choice wins";
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

TEST_F(RememberedChoice, StoredDefaultComesFromTheModuleResources) {
    CSectionList all;
    LoadSections(all, "", false);
    EXPECT_EQ(all.size(), 153u);
    CSectionList system;
    LoadSections(system, "SYSTEM:", true);
    EXPECT_EQ(system.size(), 16u);
}

TEST_F(RememberedChoice, TheFileBesideTheModuleReplacesItsPrefixesOnly) {
    EXPECT_EQ(ConfigFilePath().substr(ConfigFilePath().size() - 4), ".ini");
    WriteConfigFile("[BOOK:Mine]\r\nurl=https://example.com/?q=!S\r\n[SYSTEM:Home]\r\nurl=x\r\n");
    EXPECT_EQ(Ticks("BOOK:").size(), 1u);
    EXPECT_EQ(Ticks("ISBN:").size(), 6u);
    CSectionList system;
    LoadSections(system, "SYSTEM:", true);
    EXPECT_EQ(system.size(), 16u);
}

} // namespace
} // namespace tandrel::test
