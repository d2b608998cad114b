// The command line and the mail of a link entry, with a fuzzed page. The command line must be what
// its parts and the expansion rules give, for each combination of console, leave-open, encoding
// and COMSPEC (one an input, by its length); and when the entry's own text holds no breaker, the
// console command line must hold none but its two quotes, whatever the page says. The mailto
// address must be its fields in order with every value URL-encoded, and the Simple MAPI message the
// fields as expanded.
//
// The ANSI code page here writes the full-width forms as the ASCII characters they look like, as
// the Windows conversion does by default (BestFitText.h), so that a page cannot slip a full-width
// quote or ampersand past the blanking.
//
// The input: six template lines (command, MailTo, MailCC, MailBCC, MailSubject, MailBody), a NUL
// byte, then the page fields (FuzzSupport.h).
#include "BestFitText.h"
#include "FuzzSupport.h"

#include "actions/ConsoleCommand.h"
#include "actions/Mail.h"
#include "config/Link.h"

#include <string>
#include <string_view>

namespace tandrel::fuzz {

namespace {

enum Template { kCommand, kMailTo, kMailCC, kMailBCC, kMailSubject, kMailBody, kTemplateCount };

constexpr std::string_view kKeys[kTemplateCount] = {"command", "MailTo",      "MailCC",
                                                    "MailBCC", "MailSubject", "MailBody"};

struct Flags {
    bool useConsole;
    bool leaveConsole;
    bool urlEncoded;
};

CLink LinkOf(const std::vector<std::string>& templates, Flags flags) {
    CConfigSection section("OTHER:Fuzzed");
    for (std::size_t field = 0; field < kTemplateCount; ++field)
        section.SetValue(kKeys[field], templates[field]);
    section.SetValue("useConsole", flags.useConsole ? "yes" : "no");
    section.SetValue("leaveConsole", flags.leaveConsole ? "yes" : "no");
    section.SetValue("URLEncoded", flags.urlEncoded ? "yes" : "no");
    CLink link;
    link.LoadFromSection(section);
    return link;
}

// ---- the command line

bool IsAnsiBreaker(char c) {
    return std::string_view("\"&|<>^\r\n").find(c) != std::string_view::npos;
}

// Whether the system runs the line through the interpreter: its program (quoted, or the line up
// to any blank), lowered, without trailing dots and blanks and a "::$data" stream, names a batch
// file, cmd or the file COMSPEC names.
bool SlowNamesInterpreter(std::u16string line, const std::string& interpreter) {
    for (char16_t& c : line)
        c = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
    std::u16string comspec(interpreter.begin(), interpreter.end());
    for (char16_t& c : comspec)
        c = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
    comspec = comspec.substr(comspec.find_last_of(u"\\/") + 1);
    auto names = [&](std::u16string path) {
        while (!path.empty() && (path.back() == u'.' || path.back() == u' '))
            path.pop_back();
        if (path.size() >= 7 && path.substr(path.size() - 7) == u"::$data")
            path.resize(path.size() - 7);
        std::u16string file = path.substr(path.find_last_of(u"\\/") + 1);
        auto ends = [&](std::u16string_view end) {
            return file.size() >= end.size() && file.substr(file.size() - end.size()) == end;
        };
        return ends(u".bat") || ends(u".cmd") || file == u"cmd" || file == u"cmd.exe" ||
               (interpreter != "COMMAND.COM" && file == comspec);
    };
    std::size_t start = line.find_first_not_of(u" \t");
    if (start == std::u16string::npos)
        return false;
    line = line.substr(start);
    if (line[0] == u'"')
        return names(line.substr(1, line.find(u'"', 1) - 1));
    for (std::size_t end = 1; end <= line.size(); ++end) {
        if ((end == line.size() || line[end] == u' ' || line[end] == u'\t') &&
            names(line.substr(0, end)))
            return true;
    }
    return false;
}

std::string SlowCommandLine(const std::string& command, CPageContext& page, Flags flags,
                            const std::string& interpreter) {
    std::u16string wide = SlowExpand(command, page, flags.urlEncoded, false, false, true);
    bool interpreted = flags.useConsole || SlowNamesInterpreter(wide, interpreter);
    if (interpreted)
        wide = SlowExpand(command, page, flags.urlEncoded, true, false, true);
    // A character the code page writes as a breaker (or, unencoded, "%" or "!") is blanked like
    // it.
    for (char16_t& c : wide) {
        std::string ansi = WideToAnsi(std::u16string(1, c));
        if (interpreted && c >= 0x80 && ansi.size() == 1 &&
            (IsAnsiBreaker(ansi[0]) || (!flags.urlEncoded && (ansi[0] == '%' || ansi[0] == '!'))))
            c = u' ';
    }
    std::string expanded = WideToAnsi(wide);
    if (!flags.useConsole)
        return expanded;
    return interpreter + (flags.leaveConsole ? " /K \"" : " /C \"") + expanded + "\"";
}

// variant: COMSPEC set (bit 0) and the flags (bits 1 to 3); one combination an input, so that
// every input is cheap and the fuzzer reaches every combination by the input's length.
void CheckCommandLine(const std::vector<std::string>& templates, CPageContext& page,
                      CMemoryProcesses& processes, unsigned variant) {
    std::vector<std::string> clean = templates;
    clean[kCommand] = CleanTemplate(templates[kCommand], [](char c) {
        return !IsAnsiBreaker(c) && !IsConsoleExpander(static_cast<unsigned char>(c));
    });
    const bool comspec = (variant & 1) != 0;
    std::string interpreter = comspec ? "C:\\Windows\\system32\\cmd.exe" : "COMMAND.COM";
    if (comspec)
        processes.environment["COMSPEC"] = interpreter;
    else
        processes.environment.erase("COMSPEC");
    Flags flags{(variant & 2) != 0, (variant & 4) != 0, (variant & 8) != 0};
    Require(ConsoleCommandLine(LinkOf(templates, flags), page) ==
                SlowCommandLine(templates[kCommand], page, flags, interpreter),
            "the command line is interpreter, switch and the quoted expansion");
    if (!flags.useConsole)
        return;
    std::string line = ConsoleCommandLine(LinkOf(clean, flags), page);
    std::string start = interpreter + (flags.leaveConsole ? " /K \"" : " /C \"");
    Require(line.compare(0, start.size(), start) == 0 && line.size() > start.size() &&
                line.back() == '"',
            "the console command stands in quotes after the switch");
    for (std::size_t at = start.size(); at + 1 < line.size(); ++at) {
        Require(!IsAnsiBreaker(line[at]) && line[at] != '\0',
                "no value ends the quoted command or chains another one");
        Require(flags.urlEncoded || (line[at] != '%' && line[at] != '!'),
                "no unencoded value names an environment variable");
    }
}

// ---- mail

constexpr std::u16string_view kQueryKeys[] = {u"cc=", u"bcc=", u"subject=", u"body="};

std::u16string SlowMailto(const std::vector<std::string>& templates, CPageContext& page) {
    std::u16string address = u"mailto:" + SlowExpand(templates[kMailTo], page, true, false);
    bool first = true;
    for (std::size_t field = kMailCC; field <= kMailBody; ++field) {
        if (templates[field].empty())
            continue;
        address += first ? u"?" : u"&";
        address += kQueryKeys[field - kMailCC];
        address += SlowExpand(templates[field], page, true, false);
        first = false;
    }
    return address;
}

bool IsEncoded(std::u16string_view value) {
    auto hex = [](char16_t c) {
        return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
    };
    for (std::size_t at = 0; at < value.size(); ++at) {
        char16_t c = value[at];
        if (c == u'%') {
            if (at + 2 >= value.size() || !hex(value[at + 1]) || !hex(value[at + 2]))
                return false;
            at += 2;
        } else if (!((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
                     (c >= u'0' && c <= u'9') ||
                     std::u16string_view(u"!'()*-._~").find(c) != std::u16string_view::npos)) {
            return false;
        }
    }
    return true;
}

// With templates whose own text is unreserved, the address is "mailto:", the recipient, and the
// present fields each after "?" or "&" and its key, every value encoded.
void CheckMailtoStructure(const std::vector<std::string>& templates, CPageContext& page) {
    auto unreserved = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               std::string_view("!'()*-._~").find(c) != std::string_view::npos;
    };
    std::vector<std::string> clean = templates;
    for (std::size_t field = kMailTo; field <= kMailBody; ++field)
        clean[field] = CleanTemplate(templates[field], unreserved);
    std::u16string address = MailtoAddress(LinkOf(clean, {}), page);
    Require(address.compare(0, 7, u"mailto:") == 0, "a mailto address starts with mailto:");
    std::u16string_view rest = std::u16string_view(address).substr(7);
    std::size_t query = rest.find(u'?');
    Require(IsEncoded(rest.substr(0, query)), "the recipient is encoded");
    rest = query == std::u16string_view::npos ? std::u16string_view() : rest.substr(query);
    char16_t separator = u'?';
    for (std::size_t field = kMailCC; field <= kMailBody; ++field) {
        if (clean[field].empty())
            continue;
        std::u16string_view key = kQueryKeys[field - kMailCC];
        Require(!rest.empty() && rest[0] == separator && rest.substr(1, key.size()) == key,
                "each present field follows ? or & with its key");
        rest.remove_prefix(1 + key.size());
        std::size_t end = rest.find(u'&');
        Require(IsEncoded(rest.substr(0, end)), "every mail value is encoded");
        rest = end == std::u16string_view::npos ? std::u16string_view() : rest.substr(end);
        separator = u'&';
    }
    Require(rest.empty(), "nothing follows the last field");
}

void CheckMail(const std::vector<std::string>& templates, CPageContext& page) {
    CLink link = LinkOf(templates, {});
    Require(MailtoAddress(link, page) == SlowMailto(templates, page),
            "the mailto address is its fields in order, values encoded");
    CheckMailtoStructure(templates, page);

    MapiMail mail = MapiMessageOf(link, page);
    auto expanded = [&](Template field) {
        return WideToAnsi(SlowExpand(templates[field], page, false, false));
    };
    Require(mail.subject.has_value() == !templates[kMailSubject].empty() &&
                (!mail.subject || *mail.subject == expanded(kMailSubject)),
            "the MAPI subject is the expanded template, when there is one");
    Require(mail.noteText.has_value() == !templates[kMailBody].empty() &&
                (!mail.noteText || *mail.noteText == expanded(kMailBody)),
            "the MAPI note is the expanded template, when there is one");
    std::size_t next = 0;
    for (Template field : {kMailTo, kMailCC, kMailBCC}) {
        std::string address = expanded(field);
        if (address.empty())
            continue;
        Require(next < mail.recipients.size() && mail.recipients[next].address == address &&
                    mail.recipients[next].recipientClass == field - kMailTo + 1,
                "a recipient for each field that expands to something, in order");
        ++next;
    }
    Require(next == mail.recipients.size(), "no other recipient");
}

} // namespace

} // namespace tandrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tandrel;
    static test::BestFitText bestFit;
    static fuzz::FuzzPlatform platform(&bestFit);
    fuzz::TemplatesAndPage input(fuzz::AsText(data, size), fuzz::kTemplateCount);
    std::vector<std::string> templates(input.templates.begin(),
                                       input.templates.begin() + fuzz::kTemplateCount);
    fuzz::FuzzPage page(platform.platform, input.page);
    fuzz::CheckCommandLine(templates, page.page, platform.platform.processes,
                           static_cast<unsigned>(size % 16));
    fuzz::CheckMail(templates, page.page);
    return 0;
}
