// Hostile and broken input inside the test program, on the real platform: configuration files
// that are random, hold NULs, megabyte lines or a hundred thousand sections, or are held locked by
// another handle; remembered choices in keys that cannot be opened or in values of the wrong type
// or size; selections of ten megabytes, NULs and surrogates read through the page's objects; text
// the ANSI code page cannot represent; and page values run through the real command interpreter.
#include "ArgumentCases.h"
#include "HostileInputs.h"
#include "InProcessPlatform.h"
#include "KeyPermissions.h"
#include "LinkFromKeys.h"
#include "ReferenceConfigParser.h"
#include "StandInPage.h"
#include "WindowsTestSupport.h"

#include "actions/ConsoleCommand.h"
#include "actions/MacroExpansion.h"
#include "com/CommandTable.h"
#include "common/TextConversion.h"
#include "common/win32/Handles.h"
#include "config/ConfigLoader.h"
#include "config/ConfigParser.h"
#include "config/ConfigPath.h"
#include "config/LinkList.h"
#include "config/SelectionMemory.h"
#include "page/win32/HtmlWindow.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace tandrel::test {
namespace {

using standin::StandInPage;
using standin::StandInPageDescription;

StandInPageDescription PageSelecting(const std::u16string& selection) {
    StandInPageDescription description;
    description.top.href = u"https://www.example.org/page.html";
    description.top.hostName = u"www.example.org";
    description.top.selectionText = selection;
    return description;
}

class HostileInput : public InProcessTest {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kChoicesKey); }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kChoicesKey);
        RegDeleteKeyW(HKEY_CURRENT_USER, kChoicesKey);
        DeleteFileW(ConfigFile().c_str());
    }

    static std::wstring ConfigFile() { return WideArgument(ConfigFilePath()); }
    static void WriteConfigFile(const std::string& text) {
        std::ofstream(std::filesystem::path(ConfigFile()), std::ios::binary) << text;
    }

    // Runs the menu command on a stand-in page that selects the text.
    void Run(std::string_view keyword, const std::u16string& selection) {
        StandInPage page(PageSelecting(selection));
        CPageContext context;
        ASSERT_EQ(context.Load(WrapHtmlWindow(page.FrameWindow().Get())), kOk);
        const auto& table = CommandTable();
        auto row = std::find_if(table.begin(), table.end(),
                                [&](const CommandRow& r) { return r.keyword == keyword; });
        ASSERT_NE(row, table.end());
        row->handler(context, *row);
    }

    static std::vector<bool> Ticks(std::string_view prefix) {
        CLinkList links;
        LoadLinks(links, prefix, false);
        std::vector<bool> ticks;
        for (const CLink& link : links)
            ticks.push_back(link.GetSelected());
        return ticks;
    }

    // The sections a prefix should load: the file's, or the stored default's when it has none.
    static CSectionList Expected(const std::string& file, std::string_view prefix) {
        CSectionList sections;
        reference::ParseConfigBytes(sections, file, prefix);
        if (sections.empty()) {
            std::optional<std::string_view> stored =
                CurrentPlatform().module->FindModuleResource(kStoredTextType, kDefaultLinksTextId);
            reference::ParseConfigBytes(sections, stored.value_or(""), prefix);
        }
        return sections;
    }
};

// Configuration files -------------------------------------------------------------------------

TEST_F(HostileInput, BrokenConfigurationFilesLoadAsFarAsTheyParse) {
    for (const HostileConfigFile& file : HostileConfigFiles()) {
        SCOPED_TRACE(file.name);
        WriteConfigFile(file.text);
        CSectionList expected = Expected(file.text, "ISBN:");
        CSectionList loaded;
        LoadSections(loaded, "ISBN:", false);
        ASSERT_EQ(loaded.size(), expected.size());
        for (std::size_t i = 0; i < loaded.size(); ++i) {
            EXPECT_EQ(loaded[i].GetName(), expected[i].GetName());
            EXPECT_EQ(loaded[i].Values(), expected[i].Values()) << i;
        }
        CSectionList units;
        LoadSections(units, "UNIT:", false);
        EXPECT_EQ(units.size(), Expected(file.text, "UNIT:").size());

        dialogs.siteListsShown.clear();
        Run("ISBN", u"ISBN 0-306-40615-2");
        ASSERT_EQ(dialogs.siteListsShown.size(), 1u);
        EXPECT_EQ(dialogs.siteListsShown[0].items.size(), expected.size());
        EXPECT_EQ(dialogs.siteListsShown[0].text, u"0306406152");
        dialogs.convertStates.clear();
        Run("CONVERT", file.convertSelection);
        ASSERT_EQ(dialogs.convertStates.size(), 1u);
        EXPECT_EQ(dialogs.convertStates[0].amount, u"5");
        if (file.convertFrom) {
            EXPECT_EQ(dialogs.convertStates[0].from, *file.convertFrom);
        }
        EXPECT_TRUE(ui.messageBoxes.empty());
    }
}

// Another program holds the file open: with no sharing at all, or for writing while allowing
// reads (which the reader's read-only sharing refuses too).
TEST_F(HostileInput, ALockedConfigurationFileGivesTheStoredDefaultAndLosesNoChoice) {
    WriteConfigFile("[ISBN:Mine]\r\nshortDescription=Mine\r\nurl=mine?q=!S\r\n");
    const DWORD sharings[] = {0, FILE_SHARE_READ};
    for (DWORD sharing : sharings) {
        SCOPED_TRACE(sharing);
        ASSERT_TRUE(RememberChoice("ISBN:Mine", true));
        ASSERT_TRUE(RememberChoice("ISBN:AmazonCom", false));
        {
            UniqueFile lock(CreateFileW(ConfigFile().c_str(), GENERIC_READ | GENERIC_WRITE, sharing,
                                        nullptr, OPEN_EXISTING, 0, nullptr));
            ASSERT_TRUE(lock);
            CLinkList links;
            LoadLinks(links, "ISBN:", false);
            ASSERT_EQ(links.size(), 6u) << "the stored default";
            EXPECT_EQ(links[0].GetSectionName(), "ISBN:AmazonCom");
            EXPECT_FALSE(links[0].GetSelected()) << "with its remembered choice";
            for (CLink& link : links)
                link.SetSelected(true);
            EXPECT_TRUE(links.SaveSelections());
            EXPECT_EQ(ReadRememberedChoice("ISBN:Mine"), true) << "the file's entry keeps its own";
        }
        EXPECT_EQ(Ticks("ISBN:"), std::vector<bool>{true}) << "once the file is free again";
    }
    EXPECT_TRUE(ui.messageBoxes.empty());
}

// Remembered choices --------------------------------------------------------------------------

void StoreValue(const wchar_t* name, DWORD type, const std::string& data) {
    UniqueRegKey key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kChoicesKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, key.Out(), nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key.Get(), name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                             static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
}

TEST_F(HostileInput, RememberedChoicesOfTheWrongTypeOrSizeReadAsTheirFirstFourBytes) {
    using namespace std::string_literals;
    // A is chosen by default, B is not.
    WriteConfigFile("[ISBN:A]\r\nurl=a\r\ndefaultSelected=y\r\n[ISBN:B]\r\nurl=b\r\n");
    const struct {
        const char* name;
        DWORD type;
        std::string data;
        std::vector<bool> ticks;
    } cases[] = {
        {"REG_SZ \"0\" (a nonzero byte)", REG_SZ, "0\0\0\0"s, {true, true}},
        {"empty REG_SZ", REG_SZ, "\0\0"s, {false, false}},
        {"REG_SZ \"10\" (six bytes)", REG_SZ, "1\0000\0\0\0"s, {true, false}},
        {"REG_EXPAND_SZ \"1\"", REG_EXPAND_SZ, "1\0\0\0"s, {true, true}},
        {"zero-length REG_BINARY", REG_BINARY, "", {false, false}},
        {"three bytes", REG_BINARY, "\0\0\1"s, {true, true}},
        {"REG_QWORD 0", REG_QWORD, std::string(8, '\0'), {true, false}},
        {"REG_DWORD 0", REG_DWORD, std::string(4, '\0'), {false, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StoreValue(L"ISBN:A", c.type, c.data);
        StoreValue(L"ISBN:B", c.type, c.data);
        EXPECT_EQ(Ticks("ISBN:"), c.ticks);
    }
    // Saving writes a REG_DWORD over any type and leaves the other values alone.
    StoreValue(L"BOOK:Other", REG_BINARY, "x\0\0\0"s);
    CLinkList links;
    LoadLinks(links, "ISBN:", false);
    links[1].SetSelected(true);
    EXPECT_TRUE(links.SaveSelections());
    std::optional<RegistryValue> saved = ReadValue(HKEY_CURRENT_USER, kChoicesKey, L"ISBN:B");
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(saved->data, "\1\0\0\0"s);
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kChoicesKey, L"BOOK:Other")->data, "x\0\0\0"s);
}

TEST_F(HostileInput, AChoicesKeyThatCannotBeOpenedGivesTheDefaultsAndLosesNothing) {
    WriteConfigFile("[ISBN:A]\r\nurl=a\r\ndefaultSelected=y\r\n[ISBN:B]\r\nurl=b\r\n");
    EXPECT_EQ(Ticks("ISBN:"), (std::vector<bool>{true, false})) << "no key at all";
    StoreValue(L"ISBN:A", REG_DWORD, std::string(4, '\0'));
    StoreValue(L"BOOK:Other", REG_DWORD, std::string("\1\0\0\0", 4));
    {
        KeyPermissions denied(kChoicesKey, L"D:P");
        ASSERT_TRUE(denied.Applied());
        UniqueRegKey probe;
        ASSERT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, kChoicesKey, 0, KEY_QUERY_VALUE, probe.Out()),
                  ERROR_SUCCESS)
            << "the registry does not enforce the key's security; this test would prove nothing";

        EXPECT_EQ(Ticks("ISBN:"), (std::vector<bool>{true, false})) << "defaultSelected";
        CLinkList links;
        LoadLinks(links, "ISBN:", false);
        links[0].SetSelected(false);
        links[1].SetSelected(true);
        EXPECT_FALSE(links.SaveSelections()) << "refused, without a word to the user";
    }
    EXPECT_EQ(Ticks("ISBN:"), (std::vector<bool>{false, false})) << "what was stored stays";
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kChoicesKey, L"BOOK:Other")->data,
              std::string("\1\0\0\0", 4));
    EXPECT_TRUE(ui.messageBoxes.empty());
}

// The registry's value names end at a NUL, so a section named "ISBN:A", NUL, "B" would read and
// overwrite the choice of "ISBN:A"; and they are at most 16383 characters long. Such a section
// has no remembered choice of its own, and takes no other's.
TEST_F(HostileInput, ASectionNameTheRegistryCannotHoldTakesNoOtherEntrysChoice) {
    static const char kNul[] = "[ISBN:A]\r\nurl=a\r\n[ISBN:A\0B]\r\nurl=b\r\ndefaultSelected=y\r\n";
    const std::string texts[] = {
        std::string(kNul, sizeof kNul - 1),
        "[ISBN:A]\r\nurl=a\r\n[ISBN:A" + std::string(20000, 'x') +
            "]\r\nurl=b\r\ndefaultSelected=y\r\n",
    };
    for (const std::string& text : texts) {
        WriteConfigFile(text);
        ASSERT_TRUE(RememberChoice("ISBN:A", false));
        EXPECT_EQ(Ticks("ISBN:"), (std::vector<bool>{false, true})) << "the second by its default";
        CLinkList links;
        LoadLinks(links, "ISBN:", false);
        ASSERT_EQ(links.size(), 2u);
        links[0].SetSelected(true);
        links[1].SetSelected(false);
        EXPECT_FALSE(links.SaveSelections()) << "the second cannot be stored";
        EXPECT_EQ(ReadRememberedChoice("ISBN:A"), true);
        EXPECT_EQ(Ticks("ISBN:"), (std::vector<bool>{true, true}));
    }
}

// Selections ----------------------------------------------------------------------------------

TEST_F(HostileInput, SelectionsReadThroughThePageAreWhole) {
    WriteConfigFile("[ISBN:A]\r\nurl=a\r\n[UPC:A]\r\nurl=u\r\n[STOCK:A]\r\nurl=s\r\n"
                    "[OTHER:A]\r\nurl=o\r\n");
    const struct {
        std::string_view keyword;
        std::u16string selection;
        std::u16string shown;
    } cases[] = {
        {"ISBN", CodesAtTheEnd(), u"0306406152"},
        {"UPC", CodesAtTheEnd(), u"036000291452"},
        {"STOCK", CodesAtTheEnd(), u"ACME"},
        {"ISBN", WithNul(u"ISBN", u" 0-306-40615-2\xD800"), u"0306406152"},
        {"OTHER", WithNul(u" \xDC00 a", u" \xD83D\xDE00 "), WithNul(u"\xDC00 a", u" \xD83D\xDE00")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keyword);
        dialogs.siteListsShown.clear();
        Run(c.keyword, c.selection);
        ASSERT_EQ(dialogs.siteListsShown.size(), 1u);
        EXPECT_TRUE(dialogs.siteListsShown[0].text == c.shown);
    }
    dialogs.convertStates.clear();
    Run("CONVERT", Repeated(u"word ", kTenMegabytes, u"5 km\xD800"));
    ASSERT_EQ(dialogs.convertStates.size(), 1u);
    EXPECT_EQ(dialogs.convertStates[0].from, "kilometres");
    Run("CURRENCY", Repeated(u"word ", kTenMegabytes, WithNul(u"\xD800\x20AC", u"1.234,50")));
    ASSERT_EQ(dialogs.currenciesShown.size(), 1u);
    EXPECT_EQ(dialogs.currenciesShown[0].amount, u"1234.50");
    EXPECT_EQ(dialogs.currenciesShown[0].from, "EUR");
}

// What the ANSI code page cannot represent becomes its default character, never a look-alike.
TEST_F(HostileInput, TextTheCodePageLacksBecomesQuestionMarks) {
    const struct {
        std::u16string selection;
        std::string ansi; ///< empty: only question marks
    } cases[] = {
        {u"\x0100\x0131", "??"},
        {u"\xFF02\xFF06\xFF5C\xFF1C\xFF1E\xFF3E\xFF05", "???????"},
        {u"\x20AC\x00E9", "\x80\xE9"},
        {u"\xD800x\xDFFF", "?x?"},
        {WithNul(u"a", u"b"), std::string("a\0b", 3)},
        {u"\xD83D\xDE00", ""},
    };
    for (const auto& c : cases) {
        StandInPage page(PageSelecting(c.selection));
        CPageContext context;
        ASSERT_EQ(context.Load(WrapHtmlWindow(page.FrameWindow().Get())), kOk);
        std::string ansi = WideToAnsi(ExpandTemplate("!S", context, false));
        if (c.ansi.empty()) {
            EXPECT_FALSE(ansi.empty());
            EXPECT_EQ(ansi.find_first_not_of('?'), std::string::npos) << ansi;
        } else {
            EXPECT_EQ(ansi, c.ansi);
        }
    }
}

// Console commands through the real interpreter ------------------------------------------------

class HostileCommand : public HostileInput {
protected:
    void SetUp() override {
        HostileInput::SetUp();
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"tandrel-hostile";
        CreateDirectoryW(folder_.c_str(), nullptr);
        DeleteFileW(Marker().c_str());
    }
    void TearDown() override {
        DeleteFileW(Marker().c_str());
        RemoveDirectoryW(folder_.c_str());
        HostileInput::TearDown();
    }
    std::wstring Marker() const { return folder_ + L"\\chained.txt"; }
    bool MarkerMade() const {
        return GetFileAttributesW(Marker().c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    // Starts the line as the system would, in the folder and with its output thrown away, and
    // waits for the interpreter to finish.
    void RunAndWait(const std::string& line) {
        UniqueFile nul(CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                   0, nullptr));
        SetHandleInformation(nul.Get(), HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = startup.hStdError = nul.Get();
        PROCESS_INFORMATION process = {};
        std::string writable = line;
        std::string folder = Narrow(folder_);
        ASSERT_TRUE(CreateProcessA(nullptr, writable.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                   folder.c_str(), &startup, &process))
            << line;
        UniqueHandle started(process.hProcess), thread(process.hThread);
        if (WaitForSingleObject(process.hProcess, kProgramWaitMs) != WAIT_OBJECT_0) {
            TerminateProcess(process.hProcess, 1);
            ADD_FAILURE() << "still running after " << kProgramWaitMs / 1000 << " s: " << line;
        }
    }

    std::wstring folder_;
};

TEST_F(HostileCommand, PageValuesChainNothingInTheRealInterpreter) {
    // The check itself: a template may chain, and the marker then appears.
    CSectionList own;
    ParseConfigText(own, "[OTHER:Own]\ncommand=echo a & echo made>chained.txt\nuseConsole=y\n",
                    "OTHER:");
    CLink chaining;
    chaining.LoadFromSection(own[0]);
    StandInPage plain(PageSelecting(u"x"));
    CPageContext plainContext;
    ASSERT_EQ(plainContext.Load(WrapHtmlWindow(plain.FrameWindow().Get())), kOk);
    RunAndWait(ConsoleCommandLine(chaining, plainContext));
    ASSERT_TRUE(MarkerMade()) << "the interpreter did not chain a template's own command";
    DeleteFileW(Marker().c_str());

    const std::u16string values[] = {
        u"x\" & echo chained>chained.txt & \"",
        u"x\r\necho chained>chained.txt",
        u"x\xFF02 \xFF06 echo chained\xFF1E"
        u"chained.txt \xFF06 \xFF02",
        u"x\xFF06 echo chained\xFF1E"
        u"chained.txt",
        WithNul(u"x", u"\" & echo chained>chained.txt"),
    };
    for (const char* keys : {"command=echo !S\nuseConsole=y\nURLEncoded=n\n",
                             "command=echo \"!S\"\nuseConsole=y\nleaveConsole=n\nURLEncoded=n\n"}) {
        CLink link = LinkFromKeys(keys, "Echo");
        for (const std::u16string& value : values) {
            StandInPage page(PageSelecting(value));
            CPageContext context;
            ASSERT_EQ(context.Load(WrapHtmlWindow(page.FrameWindow().Get())), kOk);
            std::string line = ConsoleCommandLine(link, context);
            SCOPED_TRACE(line);
            std::string_view quoted = std::string_view(line).substr(line.find('"') + 1);
            EXPECT_EQ(quoted.find_first_of(std::string_view("&|<>^\r\n\0", 8)),
                      std::string_view::npos);
            RunAndWait(line);
            EXPECT_FALSE(MarkerMade());
            DeleteFileW(Marker().c_str());
        }
    }
}

// The words a real program gets from the lines the core writes, split by the Windows C runtime
// (and, for a console command, first read by the real interpreter).
TEST_F(HostileCommand, PageValuesNeitherEndNorAddAnArgument) {
    wchar_t own[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, own, MAX_PATH);
    std::filesystem::path recorder = std::filesystem::path(own).parent_path() / "record.exe";
    std::filesystem::path copy = std::filesystem::path(folder_) / "record.exe";
    ASSERT_TRUE(CopyFileW(recorder.c_str(), copy.c_str(), FALSE)) << recorder;
    std::filesystem::path record = std::filesystem::path(folder_) / "record.txt";
    SetEnvironmentVariableW(L"TANDREL_RECORD", record.c_str());
    for (const ArgumentCase& c : kArgumentCases) {
        StandInPageDescription description = PageSelecting(u"");
        switch (c.source) {
        case ArgumentCase::kSelection:
        case ArgumentCase::kTyped:
            description.top.selectionText = std::u16string(c.value);
            break;
        case ArgumentCase::kTitle:
            description.top.title = std::u16string(c.value);
            break;
        case ArgumentCase::kAddress:
            description.top.href = std::u16string(c.value);
            break;
        case ArgumentCase::kHost:
            description.top.hostName = std::u16string(c.value);
            break;
        }
        StandInPage page(description);
        CPageContext context;
        ASSERT_EQ(context.Load(WrapHtmlWindow(page.FrameWindow().Get())), kOk);
        if (c.source == ArgumentCase::kTyped)
            context.SetSelection(std::u16string(c.value));
        std::string line = ConsoleCommandLine(LinkFromKeys(c.keys, "Record"), context);
        SCOPED_TRACE(line);
        std::filesystem::remove(record);
        RunAndWait(line);
        std::ifstream in(record, std::ios::binary);
        ASSERT_TRUE(in) << "record.exe did not run";
        std::vector<std::string> arguments;
        for (std::string argument; std::getline(in, argument);)
            arguments.push_back(argument);
        EXPECT_EQ(arguments, c.arguments);
    }
    SetEnvironmentVariableW(L"TANDREL_RECORD", nullptr);
    std::filesystem::remove(record);
    DeleteFileW(copy.c_str());
}

} // namespace
} // namespace tandrel::test
