// Registration of nubrix.dll through regsvr32, checked in the real registry and file system.
#include "KeyPermissions.h"
#include "WindowsTestSupport.h"

#include <gtest/gtest.h>

#include "nubrix_h.h"

namespace tandrel::test {
namespace {

const std::wstring kInstallFolder = L"C:\\Program Files\\Veltrane Tandrel Test\\";
const std::wstring kInstalledDll = kInstallFolder + L"nubrix.dll";
const std::wstring kClassKey = L"CLSID\\{A5B270CF-803F-4CC9-A9E9-F319C4629370}";
const std::wstring kMenuExt = L"Software\\Microsoft\\Internet Explorer\\MenuExt";
const std::wstring kExtensions = L"Software\\Microsoft\\Internet Explorer\\Extensions";

struct MenuRow {
    const char* keyword;
    const char* menuText;
    const char* statusText;
    const wchar_t* page;
    const char* toolsDigits;
};

const MenuRow kMenuRows[] = {
    {"CONFIG", "=> Veltrane Tandrel", "Configure Veltrane Tandrel", L"config.htm", "F0"},
    {"BOOK", "=>Book", "Find a book by its title or author", L"book.htm", "E0"},
    {"CONVERT", "=>Convert", "Convert the selected amount to different units.", L"convert.htm",
     "D0"},
    {"CURRENCY", "=>Currency", "Convert a value to a different currency", L"currency.htm", "C0"},
    {"EMAIL", "=>Email", "Email a URL or quotation", L"email.htm", "B0"},
    {"ISBN", "=>ISBN", "Find a book by its ISBN code", L"isbn.htm", "A0"},
    {"MOVIE", "=>Movie", "Find a movie by its title", L"movie.htm", "90"},
    {"MUSIC", "=>Music", "Find a piece of music by its title or artist", L"music.htm", "80"},
    {"OTHER", "=>Other", "Other links", L"other.htm", "70"},
    {"SEARCH", "=>Search", "Search for the selected text", L"search.htm", "65"},
    {"STOCK", "=>Stock Symbol", "Find information about a stock symbol", L"stock.htm", "60"},
    {"TRANSLATE", "=>Translate", "Translate the current web page", L"translate.htm", "50"},
    {"UPC", "=>UPC", "Find an item by its UPC code", L"upc.htm", "40"},
    {"URL", "=>URL", "Find information about a URL", L"url.htm", "30"},
};

std::string ToolsId(const MenuRow& row) {
    return std::string("{72B4934A-801C-4436-B796-B177D90510") + row.toolsDigits + "}";
}

std::string ExpectedPage(const MenuRow& row) {
    return std::string("<SCRIPT LANGUAGE=\"JavaScript\" defer>\r\n"
                       "var helper = new ActiveXObject( \"KVO.ATandrel\");\r\n"
                       "helper.Click( external.menuArguments, \"") +
           row.keyword + "\", \"\", \"\" );\r\n</SCRIPT>\r\n";
}

std::string GuidText(REFGUID guid) {
    wchar_t text[40];
    StringFromGUID2(guid, text, 40);
    return Narrow(text);
}

class Registration : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        CreateFolders(kInstallFolder.substr(0, kInstallFolder.size() - 1));
        ASSERT_TRUE(CopyFileTo(BuiltDllPath(), kInstalledDll)) << Narrow(BuiltDllPath());
    }

    void SetUp() override { ASSERT_EQ(RunRegsvr32(kInstalledDll), 0u); }
    void TearDown() override { RunRegsvr32(kInstalledDll, true); }

    static std::wstring PagePath(const MenuRow& row) { return kInstallFolder + row.page; }
};

TEST_F(Registration, WritesTheClassAndItsProgIds) {
    const std::string classId = GuidText(CLSID_ATandrel);
    EXPECT_EQ(classId, "{A5B270CF-803F-4CC9-A9E9-F319C4629370}");
    struct Expected {
        std::wstring key;
        std::wstring name;
        std::string data;
    } values[] = {
        {L"KVO.ATandrel.1", L"", "ATandrel Class"},
        {L"KVO.ATandrel.1\\CLSID", L"", classId},
        {L"KVO.ATandrel", L"", "ATandrel Class"},
        {L"KVO.ATandrel\\CLSID", L"", classId},
        {L"KVO.ATandrel\\CurVer", L"", "KVO.ATandrel.1"},
        {kClassKey, L"", "ATandrel Class"},
        {kClassKey + L"\\ProgID", L"", "KVO.ATandrel.1"},
        {kClassKey + L"\\VersionIndependentProgID", L"", "KVO.ATandrel"},
        {kClassKey + L"\\InprocServer32", L"", Narrow(kInstalledDll)},
        {kClassKey + L"\\InprocServer32", L"ThreadingModel", "Apartment"},
        {kClassKey + L"\\TypeLib", L"", GuidText(LIBID_NUBRIXLib)},
    };
    for (const Expected& value : values) {
        EXPECT_EQ(ReadStringValue(HKEY_CLASSES_ROOT, value.key, value.name), value.data)
            << Narrow(value.key) << " " << Narrow(value.name);
    }
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kClassKey + L"\\Programmable"));
    auto categories = SubKeyNames(HKEY_CLASSES_ROOT, kClassKey + L"\\Implemented Categories");
    std::sort(categories.begin(), categories.end());
    EXPECT_EQ(categories, (std::vector<std::wstring>{L"{7DD95801-9882-11CF-9FA9-00AA006C42C4}",
                                                     L"{7DD95802-9882-11CF-9FA9-00AA006C42C4}"}));
}

TEST_F(Registration, RegistersTheTypeLibraryWithItsDescriptions) {
    ComScope com;
    ITypeLib* library = nullptr;
    ASSERT_EQ(LoadRegTypeLib(LIBID_NUBRIXLib, 1, 0, 1033, &library), S_OK);
    BSTR name = nullptr, doc = nullptr;
    ASSERT_EQ(library->GetDocumentation(-1, &name, &doc, nullptr, nullptr), S_OK);
    EXPECT_STREQ(name, L"NUBRIXLib");
    EXPECT_STREQ(doc, L"nubrix 1.0 Type Library");
    SysFreeString(name);
    SysFreeString(doc);

    ITypeInfo* coclass = nullptr;
    ASSERT_EQ(library->GetTypeInfoOfGuid(CLSID_ATandrel, &coclass), S_OK);
    ASSERT_EQ(coclass->GetDocumentation(MEMBERID_NIL, &name, &doc, nullptr, nullptr), S_OK);
    EXPECT_STREQ(name, L"ATandrel");
    EXPECT_STREQ(doc, L"ATandrel Class");
    SysFreeString(name);
    SysFreeString(doc);
    coclass->Release();

    ITypeInfo* iface = nullptr;
    ASSERT_EQ(library->GetTypeInfoOfGuid(IID_IATandrel, &iface), S_OK);
    ASSERT_EQ(iface->GetDocumentation(MEMBERID_NIL, &name, &doc, nullptr, nullptr), S_OK);
    EXPECT_STREQ(doc, L"IATandrel Interface");
    SysFreeString(name);
    SysFreeString(doc);
    ASSERT_EQ(iface->GetDocumentation(1, &name, &doc, nullptr, nullptr), S_OK);
    EXPECT_STREQ(name, L"Click");
    EXPECT_STREQ(doc, L"method Click");
    SysFreeString(name);
    SysFreeString(doc);
    iface->Release();
    library->Release();
}

TEST_F(Registration, WritesBothMenuKeysOfEveryRow) {
    std::vector<std::wstring> menuKeys = SubKeyNames(HKEY_CURRENT_USER, kMenuExt);
    std::vector<std::wstring> toolsKeys = SubKeyNames(HKEY_CURRENT_USER, kExtensions);
    EXPECT_EQ(menuKeys.size(), 14u);
    EXPECT_EQ(toolsKeys.size(), 14u);
    for (const MenuRow& row : kMenuRows) {
        SCOPED_TRACE(row.keyword);
        const std::wstring menuKey = kMenuExt + L"\\" + Widen(row.menuText);
        EXPECT_EQ(ReadStringValue(HKEY_CURRENT_USER, menuKey, L""),
                  "file:///" + Narrow(PagePath(row)));
        std::optional<RegistryValue> contexts = ReadValue(HKEY_CURRENT_USER, menuKey, L"Contexts");
        ASSERT_TRUE(contexts);
        EXPECT_EQ(contexts->type, static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(contexts->data, std::string("\x31\0\0\0", 4));

        const std::wstring toolsKey = kExtensions + L"\\" + Widen(ToolsId(row));
        EXPECT_EQ(ReadStringValue(HKEY_CURRENT_USER, toolsKey, L"MenuCustomize"), "Tools");
        EXPECT_EQ(ReadStringValue(HKEY_CURRENT_USER, toolsKey, L"CLSID"),
                  "{1FBA04EE-3024-11d2-8F1F-0000F87ABD16}");
        EXPECT_EQ(ReadStringValue(HKEY_CURRENT_USER, toolsKey, L"MenuText"), row.menuText);
        EXPECT_EQ(ReadStringValue(HKEY_CURRENT_USER, toolsKey, L"MenuStatusBar"), row.statusText);
        EXPECT_EQ(ReadStringValue(HKEY_CURRENT_USER, toolsKey, L"Script"), Narrow(PagePath(row)));
        EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, toolsKey).size(), 5u);
    }
}

TEST_F(Registration, WritesReadOnlyHiddenScriptPages) {
    for (const MenuRow& row : kMenuRows) {
        SCOPED_TRACE(row.keyword);
        DWORD attributes = GetFileAttributesW(PagePath(row).c_str());
        ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
        EXPECT_TRUE(attributes & FILE_ATTRIBUTE_READONLY);
        EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
        EXPECT_EQ(ReadFileBytes(PagePath(row)), ExpectedPage(row));
    }
}

TEST_F(Registration, RegisteringAgainLeavesTheSameState) {
    ASSERT_EQ(RunRegsvr32(kInstalledDll), 0u);
    EXPECT_EQ(SubKeyNames(HKEY_CURRENT_USER, kMenuExt).size(), 14u);
    EXPECT_EQ(SubKeyNames(HKEY_CURRENT_USER, kExtensions).size(), 14u);
    for (const MenuRow& row : kMenuRows)
        EXPECT_EQ(ReadFileBytes(PagePath(row)), ExpectedPage(row)) << row.keyword;
}

TEST_F(Registration, RegisteringAgainRewritesAnOutdatedPage) {
    const MenuRow& isbn = kMenuRows[5];
    const std::wstring page = PagePath(isbn);
    SetFileAttributesW(page.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE file = CreateFileW(page.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, "old page", 8, &written, nullptr);
    CloseHandle(file);
    SetFileAttributesW(page.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);

    ASSERT_EQ(RunRegsvr32(kInstalledDll), 0u);
    EXPECT_EQ(ReadFileBytes(page), ExpectedPage(isbn));
    DWORD attributes = GetFileAttributesW(page.c_str());
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
}

TEST_F(Registration, UnregisteringRemovesExactlyWhatWasAdded) {
    // A remembered choice and a key of another program must survive.
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\KVO\\Tandrel", 0, nullptr, 0, KEY_ALL_ACCESS,
                    nullptr, &key, nullptr);
    DWORD one = 1;
    RegSetValueExW(key, L"ISBN:AmazonCom", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), 4);
    RegCloseKey(key);
    RegCreateKeyExW(HKEY_CURRENT_USER, (kMenuExt + L"\\Other Program").c_str(), 0, nullptr, 0,
                    KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegCloseKey(key);

    ASSERT_EQ(RunRegsvr32(kInstalledDll, true), 0u);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"KVO.ATandrel.1"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"KVO.ATandrel"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, L"CLSID"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"TypeLib\\" + Widen(GuidText(LIBID_NUBRIXLib))));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"Interface\\" + Widen(GuidText(IID_IATandrel))));
    EXPECT_EQ(SubKeyNames(HKEY_CURRENT_USER, kMenuExt),
              std::vector<std::wstring>{L"Other Program"});
    EXPECT_TRUE(SubKeyNames(HKEY_CURRENT_USER, kExtensions).empty());
    for (const MenuRow& row : kMenuRows)
        EXPECT_EQ(GetFileAttributesW(PagePath(row).c_str()), INVALID_FILE_ATTRIBUTES)
            << row.keyword;
    EXPECT_TRUE(ReadValue(HKEY_CURRENT_USER, L"Software\\KVO\\Tandrel", L"ISBN:AmazonCom"));

    RegDeleteKeyW(HKEY_CURRENT_USER, (kMenuExt + L"\\Other Program").c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\KVO\\Tandrel");
}

TEST_F(Registration, UnregisteringAfterPagesWereDeletedStillRemovesTheKeys) {
    for (const MenuRow& row : kMenuRows) {
        SetFileAttributesW(PagePath(row).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(PagePath(row).c_str());
    }
    ASSERT_EQ(RunRegsvr32(kInstalledDll, true), 0u);
    EXPECT_TRUE(SubKeyNames(HKEY_CURRENT_USER, kMenuExt).empty());
    EXPECT_TRUE(SubKeyNames(HKEY_CURRENT_USER, kExtensions).empty());
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
}

// A key below the class that the user may not even read (an administrator's): removing the class
// is refused, and regsvr32 hears so instead of success with the class still pointing at the
// module.
TEST_F(Registration, UnregisteringReportsAClassKeyItMayNotRemove) {
    const std::wstring guarded = kClassKey + L"\\Guarded";
    {
        UniqueRegKey deeper;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, (guarded + L"\\Deeper").c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, deeper.Out(), nullptr),
                  ERROR_SUCCESS);
    }
    {
        KeyPermissions none(guarded.c_str(), L"D:P", HKEY_CLASSES_ROOT);
        ASSERT_TRUE(none.Applied());
        EXPECT_NE(RunRegsvr32(kInstalledDll, true), 0u);
        EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
        // The rest went as far as it could.
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey + L"\\InprocServer32"));
        EXPECT_TRUE(SubKeyNames(HKEY_CURRENT_USER, kMenuExt).empty());
    }
    EXPECT_EQ(RunRegsvr32(kInstalledDll, true), 0u);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
}

// A class that cannot be registered installs no menu entry that would only fail.
TEST_F(Registration, RegisteringWithoutTheClassWritesNoMenuEntry) {
    ASSERT_EQ(RunRegsvr32(kInstalledDll, true), 0u);
    {
        UniqueRegKey progId;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, L"KVO.ATandrel.1", 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, progId.Out(), nullptr),
                  ERROR_SUCCESS);
    }
    {
        KeyPermissions none(L"KVO.ATandrel.1", L"D:P", HKEY_CLASSES_ROOT);
        ASSERT_TRUE(none.Applied());
        EXPECT_NE(RunRegsvr32(kInstalledDll), 0u);
        EXPECT_TRUE(SubKeyNames(HKEY_CURRENT_USER, kMenuExt).empty());
        EXPECT_TRUE(SubKeyNames(HKEY_CURRENT_USER, kExtensions).empty());
    }
    RegDeleteKeyW(HKEY_CLASSES_ROOT, L"KVO.ATandrel.1");
    ASSERT_EQ(RunRegsvr32(kInstalledDll), 0u);
}

// "regsvr32 /n /i" gives the user who runs it the menu entries and touches nothing of the
// class's, so that a user who may not change it gets the entries too; with /u it takes them
// away again and leaves the pages the folder's other users share.
TEST_F(Registration, AUserInstallWritesOnlyThatUsersMenuEntries) {
    for (const wchar_t* key : {kMenuExt.c_str(), kExtensions.c_str()})
        RegDeleteTreeW(HKEY_CURRENT_USER, key);
    {
        KeyPermissions readOnly(kClassKey.c_str(), L"D:P(A;;KR;;;WD)", HKEY_CLASSES_ROOT);
        ASSERT_TRUE(readOnly.Applied());
        EXPECT_EQ(RunRegsvr32(kInstalledDll, false, L"/n /i "), 0u);
    }
    EXPECT_EQ(SubKeyNames(HKEY_CURRENT_USER, kMenuExt).size(), std::size(kMenuRows));
    EXPECT_EQ(SubKeyNames(HKEY_CURRENT_USER, kExtensions).size(), std::size(kMenuRows));

    EXPECT_EQ(RunRegsvr32(kInstalledDll, true, L"/n /i "), 0u);
    EXPECT_TRUE(SubKeyNames(HKEY_CURRENT_USER, kMenuExt).empty());
    EXPECT_TRUE(SubKeyNames(HKEY_CURRENT_USER, kExtensions).empty());
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
    for (const MenuRow& row : kMenuRows)
        EXPECT_NE(GetFileAttributesW(PagePath(row).c_str()), INVALID_FILE_ATTRIBUTES)
            << row.keyword;
}

// Greek letters are outside the ANSI code page: a path squeezed through it comes out with question
// marks, and every file or key named with it is missed.
TEST(RegistrationOutsideTheAnsiCodePage, KeepsTheFolderInEveryPathAndValue) {
    const std::wstring folder =
        L"C:\\Program Files\\Veltrane Tandrel \u03A9\u03BC\u03AD\u03B3\u03B1\\";
    const std::wstring dll = folder + L"nubrix.dll";
    CreateFolders(folder.substr(0, folder.size() - 1));
    ASSERT_TRUE(CopyFileTo(BuiltDllPath(), dll));
    ASSERT_EQ(RunRegsvr32(dll), 0u);

    EXPECT_EQ(ReadWideStringValue(HKEY_CLASSES_ROOT, kClassKey + L"\\InprocServer32", L""), dll);
    const MenuRow& isbn = kMenuRows[5];
    EXPECT_EQ(ReadWideStringValue(HKEY_CURRENT_USER, kMenuExt + L"\\=>ISBN", L""),
              L"file:///" + folder + isbn.page);
    EXPECT_EQ(ReadWideStringValue(HKEY_CURRENT_USER, kExtensions + L"\\" + Widen(ToolsId(isbn)),
                                  L"Script"),
              folder + isbn.page);
    EXPECT_EQ(ReadFileBytes(folder + isbn.page), ExpectedPage(isbn));
    {
        // The object loads from there and answers from the type library registered from there.
        ComScope com;
        IDispatch* object = nullptr;
        ASSERT_EQ(CoCreateInstance(CLSID_ATandrel, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                   reinterpret_cast<void**>(&object)),
                  S_OK);
        OLECHAR click[] = L"Click";
        LPOLESTR names[] = {click};
        DISPID id = 0;
        EXPECT_EQ(object->GetIDsOfNames(IID_NULL, names, 1, 1033, &id), S_OK);
        EXPECT_EQ(id, 1);
        object->Release();
    }

    ASSERT_EQ(RunRegsvr32(dll, true), 0u);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
    EXPECT_TRUE(SubKeyNames(HKEY_CURRENT_USER, kMenuExt).empty());
    EXPECT_EQ(GetFileAttributesW((folder + isbn.page).c_str()), INVALID_FILE_ATTRIBUTES);
}

} // namespace
} // namespace tandrel::test
