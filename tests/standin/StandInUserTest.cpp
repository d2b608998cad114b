// The stand-in's user against the probe module, whose imports are watched as the product's are:
// its dialog and message boxes answered as a user would, the lines printed, the programs it
// starts and the mail it sends, and the pictures taken.
#include "StandInUser.h"
#include "DialogActions.h"
#include "ImportHooks.h"
#include "PngImage.h"
#include "StandInProbe.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

namespace tandrel::standin {
namespace {

HMODULE ProbeModule() {
    return GetModuleHandleW(L"standin_probe.dll");
}

// The probe imports CreateProcessA, GetProcAddress, MessageBoxW and EndDialog, not MessageBoxA.
const int kProbeEntriesWatched = WatchModule(ProbeModule());

// The dialog's control lines: the edit box, the combo box's choice and the three entries' ticks.
std::vector<std::string> Controls(const std::string& typed, const std::string& kind,
                                  const char (&ticks)[4]) {
    std::vector<std::string> lines = {"control -1 \"&Name:\"", "control 101 \"" + typed + "\"",
                                      "control 102 \"" + kind + "\""};
    const char* labels[] = {"\"Alpha Books\"", "\"Beta Films\"", "\"Gamma \\\"Music\\\"\""};
    for (int i = 0; i < 3; ++i)
        lines.push_back(std::string("item ") + labels[i] +
                        (ticks[i] == 'x' ? " ticked" : " unticked"));
    for (const char* button : {"control 1 \"OK\"", "control 2 \"Cancel\"", "control 104 \"&Help\""})
        lines.push_back(button);
    return lines;
}

std::vector<std::string> Lines(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> lines;
    for (const auto& part : parts)
        lines.insert(lines.end(), part.begin(), part.end());
    return lines;
}

StandInUserSettings Answers(const std::vector<std::u16string>& answers) {
    StandInUserSettings settings;
    for (const std::u16string& text : answers) {
        std::string error;
        std::optional<DialogAnswer> answer = ParseDialogAnswer(text, error);
        EXPECT_TRUE(answer) << error;
        settings.answers.push_back(answer.value_or(DialogAnswer{}));
    }
    return settings;
}

class StandInUserTest : public ::testing::Test {
protected:
    void Start(StandInUserSettings settings) {
        user_.reset(); // one at a time
        user_ = std::make_unique<StandInUser>(
            std::move(settings), [this](const std::string& line) { lines.push_back(line); });
    }
    StandInUser& User() { return *user_; }

    std::vector<std::string> lines;

private:
    std::unique_ptr<StandInUser> user_;
};

const std::vector<std::string> kOpened = {"dialog \"Probe: \\\"Sites\\\"\""};
const std::vector<std::string> kInitial = Controls("", "Books", "x-x");
const std::vector<std::string> kRefusal = {"message \"Probe\" \"Type a name first.\""};
const std::vector<std::string> kHelp = {"message \"Probe help\" \"Open the help page?\""};

struct DialogCase {
    const char* name;
    std::vector<std::u16string> answers;
    std::vector<std::string> lines;
    INT_PTR result;
    const wchar_t* typed; ///< OK: the edit box
    const wchar_t* chosen;
    unsigned ticked;
    int kindChanges;
    int helpAnswer;
    std::size_t problems;
    std::size_t unused;
};

TEST_F(StandInUserTest, AnswersTheDialogAndItsMessageBoxesInTurn) {
    const DialogCase cases[] = {
        {"type, choose, toggle both ways, OK",
         {u"type:Ann Smith;choose:102:Films;toggle:Beta Films;toggle:Alpha Books;press:OK"},
         Lines({kOpened, kInitial, Controls("Ann Smith", "Films", "-xx"), {"closed 1"}}),
         IDOK,
         L"Ann Smith",
         L"Films",
         6,
         1,
         0,
         0,
         0},
        {"a refused OK takes the message box's answer, then the next",
         {u"press:OK", u"press:OK", u"type:Bo;press:OK"},
         Lines({kOpened,
                kInitial,
                kRefusal,
                {"closed 1"},
                Controls("Bo", "Books", "x-x"),
                {"closed 1"}}),
         IDOK,
         L"Bo",
         L"Books",
         5,
         0,
         0,
         0,
         0},
        {"Escape when no answer is given",
         {},
         Lines({kOpened, kInitial, {"closed 2"}}),
         IDCANCEL,
         L"",
         L"",
         0,
         0,
         0,
         0,
         0},
        {"Escape closes the message box, then the dialog",
         {u"press:OK"},
         Lines({kOpened, kInitial, kRefusal, {"closed 2", "closed 2"}}),
         IDCANCEL,
         L"",
         L"",
         0,
         0,
         0,
         0,
         0},
        {"Yes in the desktop's message box ends the dialog",
         {u"press:Help", u"press:Yes"},
         Lines({kOpened, kInitial, kHelp, {"closed 6", "closed 104"}}),
         IDC_PROBE_HELP,
         L"",
         L"",
         0,
         0,
         IDYES,
         0,
         0},
        {"No leaves the dialog open for the next answer",
         {u"press:Help", u"press:No", u"press:Cancel"},
         Lines({kOpened, kInitial, kHelp, {"closed 7", "closed 2"}}),
         IDCANCEL,
         L"",
         L"",
         0,
         0,
         IDNO,
         0,
         0},
        {"what cannot be done is a problem, and the dialog still closes",
         {u"press:Nope;toggle:Delta;choose:102:Poems;choose:1:OK"},
         Lines({kOpened, kInitial, {"closed 2"}}),
         IDCANCEL,
         L"",
         L"",
         0,
         0,
         0,
         4,
         0},
        {"actions after the dialog closed are a problem",
         {u"press:Cancel;type:late"},
         Lines({kOpened, kInitial, {"closed 2"}}),
         IDCANCEL,
         L"",
         L"",
         0,
         0,
         0,
         1,
         0},
        {"answers no window takes are left over",
         {u"press:Cancel", u"press:OK"},
         Lines({kOpened, kInitial, {"closed 2"}}),
         IDCANCEL,
         L"",
         L"",
         0,
         0,
         0,
         0,
         1},
    };
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(c.name);
        lines.clear();
        Start(Answers(c.answers));
        ProbeDialogOutcome outcome = {};
        EXPECT_EQ(ProbeDialog(&outcome), c.result);
        EXPECT_EQ(lines, c.lines);
        EXPECT_STREQ(outcome.typed, c.typed);
        EXPECT_STREQ(outcome.chosen, c.chosen);
        EXPECT_EQ(outcome.ticked, c.ticked);
        EXPECT_EQ(outcome.kindChanges, c.kindChanges);
        EXPECT_EQ(outcome.helpAnswer, c.helpAnswer);
        EXPECT_EQ(User().Problems().size(), c.problems);
        EXPECT_EQ(User().UnusedAnswers(), c.unused);
    }
}

// A dialog is answered once it is shown, however late: one shown after the answer's timer fell
// due is not taken for one that has closed. One that never takes input is reported and ended.
TEST_F(StandInUserTest, AnswersADialogOnlyOnceItIsShown) {
    const struct {
        const char* name;
        DWORD busyMs;
        BOOL enabled;
        DWORD showWaitMs;
        std::vector<std::string> lines;
        INT_PTR result;
        const char* problem;
    } cases[] = {
        {"shown late", 400, TRUE, StandInUserSettings{}.showWaitMs,
         Lines({kOpened, kInitial, Controls("Late", "Books", "x-x"), {"closed 1"}}), IDOK, nullptr},
        {"never enabled",
         0,
         FALSE,
         2000,
         {"closed 2"},
         IDCANCEL,
         "\"Probe: \\\"Sites\\\"\": answer 1: not shown (visible and enabled) within 2 s"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        lines.clear();
        StandInUserSettings settings = Answers({u"type:Late;press:OK"});
        settings.showWaitMs = c.showWaitMs;
        Start(settings);
        ProbeDialogOutcome outcome = {};
        EXPECT_EQ(ProbeLateDialog(c.busyMs, c.enabled, &outcome), c.result);
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(User().Problems(),
                  c.problem ? std::vector<std::string>{c.problem} : std::vector<std::string>{});
        EXPECT_EQ(User().UnusedAnswers(), 0u);
    }
}

TEST_F(StandInUserTest, MessageBoxShowsItsTextsAndReturnsThePressedButton) {
    Start(Answers({u"press:No"}));
    EXPECT_EQ(ProbeMessage(L"Ask", L"Line 1\r\n\"Two\" \\", MB_YESNO), IDNO);
    EXPECT_EQ(lines, (std::vector<std::string>{"message \"Ask\" \"Line 1\\r\\n\\\"Two\\\" \\\\\"",
                                               "closed 7"}));
}

TEST_F(StandInUserTest, StartedProgramsAreReportedAndStillRun) {
    Start({});
    EXPECT_EQ(ProbeStart("cmd.exe /c exit 7"), 7u);
    EXPECT_EQ(lines, std::vector<std::string>{"started \"cmd.exe /c exit 7\""});
}

TEST_F(StandInUserTest, MailIsRecordedAndAnsweredWithTheGivenResult) {
    for (unsigned long result : {static_cast<unsigned long>(MAPI_E_FAILURE), 0ul}) {
        lines.clear();
        StandInUserSettings settings;
        settings.mapiResult = result;
        Start(settings);
        EXPECT_EQ(ProbeMail("ann@example.com", "bo@example.com", nullptr, nullptr, "Hi\r\nthere"),
                  result);
        EXPECT_EQ(lines, std::vector<std::string>{"mapi to=\"ann@example.com\" "
                                                  "cc=\"bo@example.com\" bcc= subject= "
                                                  "body=\"Hi\\r\\nthere\""});
    }
}

TEST(DescribeMailTest, RecipientsOfAClassAreJoinedAndAddressesPreferred) {
    MapiRecipDesc recipients[3] = {};
    recipients[0] = {0, MAPI_BCC, const_cast<char*>("Ann"), const_cast<char*>("SMTP:a@x"),
                     0, nullptr};
    recipients[1] = {0, MAPI_BCC, const_cast<char*>("b@x"), nullptr, 0, nullptr};
    recipients[2] = {0, MAPI_ORIG, const_cast<char*>("me@x"), nullptr, 0, nullptr};
    MapiMessage message = {};
    message.lpszSubject = const_cast<char*>("");
    message.nRecipCount = 3;
    message.lpRecips = recipients;
    EXPECT_EQ(DescribeMail(message), "mapi to= cc= bcc=\"SMTP:a@x;b@x\" subject=\"\" body=");
}

TEST_F(StandInUserTest, GetProcAddressIsForwardedExactlyButForMapiSendMail) {
    EXPECT_EQ(kProbeEntriesWatched, 5);
    EXPECT_EQ(WatchModule(ProbeModule()), 0) << "watching twice changes nothing";
    const ImportHook absent = {"kernel32.dll", "Beep", reinterpret_cast<void*>(&Beep), nullptr};
    EXPECT_EQ(HookImports(ProbeModule(), &absent, 1), 0);

    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    EXPECT_EQ(ProbeLookup(kernel, "GetCurrentProcessId"),
              GetProcAddress(kernel, "GetCurrentProcessId"));
    EXPECT_EQ(ProbeLookup(kernel, MAKEINTRESOURCEA(1)),
              GetProcAddress(kernel, MAKEINTRESOURCEA(1)));
    SetLastError(0);
    EXPECT_EQ(ProbeLookup(kernel, "NoSuchFunction"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
    HMODULE mapi = LoadLibraryW(L"mapi32.dll");
    ASSERT_TRUE(mapi);
    EXPECT_NE(ProbeLookup(mapi, "MAPISendMail"), GetProcAddress(mapi, "MAPISendMail"));
    FreeLibrary(mapi);
}

// A PNG file read back: valid when the chunks' check sums, the stored deflate blocks, the zlib
// check sum and the amount of RGB rows are right; with its size and the distinct colours seen.
struct PngCheck {
    bool valid = false;
    std::uint32_t width = 0, height = 0;
    std::size_t colours = 0;
};

std::uint32_t BigEndian(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

PngCheck CheckPng(const std::string& png) {
    PngCheck check;
    if (png.compare(0, 8, "\x89PNG\r\n\x1A\n") != 0)
        return check;
    std::string zlib;
    bool ended = false;
    for (std::size_t at = 8; at + 12 <= png.size() && !ended;) {
        std::uint32_t size = BigEndian(png, at);
        std::string type = png.substr(at + 4, 4);
        const auto* typed = reinterpret_cast<const std::uint8_t*>(png.data() + at + 4);
        if (at + 12 + size > png.size() || Crc32(typed, size + 4) != BigEndian(png, at + 8 + size))
            return check;
        if (type == "IHDR") {
            check.width = BigEndian(png, at + 8);
            check.height = BigEndian(png, at + 12);
        } else if (type == "IDAT") {
            zlib += png.substr(at + 8, size);
        }
        ended = type == "IEND";
        at += 12 + size;
    }
    std::string raw;
    std::size_t at = 2;
    for (bool last = false; !last && at + 5 <= zlib.size();) {
        last = zlib[at] & 1;
        std::size_t size =
            static_cast<std::uint8_t>(zlib[at + 1]) | static_cast<std::uint8_t>(zlib[at + 2]) << 8;
        raw += zlib.substr(at + 5, size);
        at += 5 + size;
    }
    std::size_t row = check.width * 3 + 1;
    if (!ended || zlib.size() != at + 4 || raw.size() != row * check.height ||
        Adler32(reinterpret_cast<const std::uint8_t*>(raw.data()), raw.size()) !=
            BigEndian(zlib, at))
        return check;
    std::set<std::string> colours;
    for (std::size_t y = 0; y < check.height; ++y) {
        for (std::size_t x = 0; x < check.width; ++x)
            colours.insert(raw.substr(y * row + 1 + x * 3, 3));
    }
    check.colours = colours.size();
    check.valid = true;
    return check;
}

TEST(PngImageTest, CheckSumsAndAPictureThatReadsBack) {
    const std::string digits = "123456789";
    EXPECT_EQ(Crc32(reinterpret_cast<const std::uint8_t*>(digits.data()), digits.size()),
              0xCBF43926u);
    const std::string word = "Wikipedia";
    EXPECT_EQ(Adler32(reinterpret_cast<const std::uint8_t*>(word.data()), word.size()),
              0x11E60398u);
    // Wider than one stored block holds.
    RgbImage image{300, 100, std::vector<std::uint8_t>(300 * 100 * 3)};
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = static_cast<std::uint8_t>(i % 7 * 40);
    PngCheck check = CheckPng(EncodePng(image));
    EXPECT_TRUE(check.valid);
    EXPECT_EQ(check.width, 300u);
    EXPECT_EQ(check.height, 100u);
    EXPECT_EQ(ScreenshotName(3, u"A: \"b\"/c?. "), u"03-A bc.png");
    EXPECT_EQ(ScreenshotName(12, u"T", 2), u"12-T-answer2.png");
}

TEST_F(StandInUserTest, ScreenshotOfTheDialogBeforeItIsAnswered) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder =
        std::wstring(temp) + L"standin-shots-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    StandInUserSettings settings = Answers({u"press:Cancel"});
    settings.screenshotFolder = reinterpret_cast<const char16_t*>(folder.c_str());
    Start(settings);
    ProbeDialogOutcome outcome = {};
    EXPECT_EQ(ProbeDialog(&outcome), IDCANCEL);
    EXPECT_TRUE(User().Problems().empty());

    std::wstring file = folder + L"\\01-Probe Sites.png";
    std::ifstream in(file.c_str(), std::ios::binary);
    std::string png((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    PngCheck check = CheckPng(png);
    EXPECT_TRUE(check.valid);
    EXPECT_EQ(check.width, static_cast<std::uint32_t>(outcome.size.cx));
    EXPECT_EQ(check.height, static_cast<std::uint32_t>(outcome.size.cy));
    EXPECT_GT(check.colours, 3u) << "a blank picture";
    if (!getenv("STANDIN_KEEP_SHOTS")) {
        DeleteFileW(file.c_str());
        RemoveDirectoryW(folder.c_str());
    }
}

} // namespace
} // namespace tandrel::standin
