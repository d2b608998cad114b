#include "actions/MacroExpansion.h"

#include "actions/ConsoleCharacters.h"
#include "common/CharClass.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "common/TextConversion.h"
#include "config/ConfigLines.h"
#include "config/ConfigLoader.h"
#include "config/MacroLetters.h"
#include "resources/StringIds.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace tandrel {

namespace {

constexpr std::u16string_view kHexDigits = u"0123456789ABCDEF";
constexpr std::u16string_view kUnreservedMarks = u"!'()*-._~";
constexpr std::string_view kHomeEntry = "SYSTEM:Home";

constexpr bool IsUnreserved(char16_t c) {
    return IsAsciiAlphanumeric(c) || kUnreservedMarks.find(c) != std::u16string_view::npos;
}

// The escape URL-encoding writes before the two hexadecimal digits of a byte. In a line a
// command interpreter reads it is "#" rather than "%", and "!" is escaped too: what a value then
// brings is letters, digits, "#" and ' ( ) * - . _ ~, none of which the interpreter expands,
// chains with or ends a command at, whatever the template around it.
char16_t EscapeFor(bool forInterpreter) {
    return forInterpreter ? u'#' : u'%';
}

// The bytes a value stands for in the charset. Windows-1252 writes a character it lacks as a
// blank, so that an address never carries a stray "?" in its place.
std::string CharsetBytes(std::u16string_view text, UrlCharset charset) {
    return charset == UrlCharset::Utf8 ? WideToUtf8(text) : WideToWindows1252(text, ' ');
}

// The text URL-encoded, for an interpreter's line when forInterpreter is set: unreserved
// characters as they are, every other byte of the text in the charset as the escape and two
// capital hexadecimal digits. Measured first and then written, so that it is allocated once.
std::u16string UrlEncoded(std::u16string_view text, bool forInterpreter, UrlCharset charset) {
    std::string bytes = CharsetBytes(text, charset);
    auto kept = [forInterpreter](unsigned char byte) {
        return IsUnreserved(byte) && !(forInterpreter && ExpandsInConsole(byte));
    };
    std::size_t length = 0;
    for (unsigned char byte : bytes)
        length += kept(byte) ? 1 : 3;
    std::u16string encoded;
    encoded.reserve(length);
    char16_t escape = EscapeFor(forInterpreter);
    for (unsigned char byte : bytes) {
        if (kept(byte)) {
            encoded += static_cast<char16_t>(byte);
        } else {
            encoded += escape;
            encoded += kHexDigits[byte >> 4];
            encoded += kHexDigits[byte & 0xF];
        }
    }
    return encoded;
}

// A value put in as it is loses the characters that end the command or expand a variable, and
// its NULs, which would end the command line there and leave the quotes open.
void BlankConsoleCharacters(std::u16string& text) {
    for (char16_t& c : text) {
        if (EndsConsoleCommand(c) || ExpandsInConsole(c) || c == u'\0')
            c = u' ';
    }
}

// A value on any command line keeps to its argument: its quotes would end or begin one, and a
// NUL would end the line there. A character the code page writes as a quote (a best-fit
// conversion makes one of U+FF02) is blanked too, and one it writes as a backslash (U+FF3C) is
// made one now, so that a run of them before a quote is doubled like any other.
void BlankArgumentBreakers(std::u16string& text) {
    for (char16_t& c : text) {
        char16_t written = c;
        if (c >= 0x80) {
            std::string ansi = WideToAnsi(std::u16string_view(&c, 1));
            if (ansi.size() == 1)
                written = Widened(ansi[0]);
        }
        if (written == u'"' || written == u'\0')
            c = u' ';
        else if (written == u'\\')
            c = u'\\';
    }
}

std::size_t TrailingBackslashes(std::u16string_view text) {
    std::size_t last = text.find_last_not_of(u'\\');
    return last == std::u16string_view::npos ? text.size() : text.size() - last - 1;
}

bool IsModuleFolder(char letter) {
    const MacroLetter* known = FindMacroLetter(letter);
    return known && known->macro == Macro::ModuleFolder;
}

std::u16string EscapeValue(char escape) {
    switch (escape) {
    case 'n':
        return u"\r\n";
    case 's':
        return u" ";
    case 't':
        return u"\t";
    default:
        return std::u16string(1, Widened(escape));
    }
}

std::u16string WithoutLastCharacter(std::u16string text) {
    if (!text.empty())
        text.pop_back();
    return text;
}

// The address of the stored home entry, as host and path: the url the parser would keep for the
// first system section of that exact name (its last "url" key in any letter case). The lines
// after that section are not read.
std::u16string HomePage() {
    std::optional<std::string_view> text =
        CurrentPlatform().module->FindModuleResource(kStoredTextType, kSystemLinksTextId);
    if (!text)
        return {};
    CConfigLineReader reader(*text);
    ConfigLine line;
    bool inHome = false;
    std::string_view url;
    while (reader.Next(line)) {
        if (line.kind == ConfigLine::Kind::Head) {
            if (inHome)
                break;
            inHome = line.name == kHomeEntry;
        } else if (inHome && line.kind == ConfigLine::Kind::Key &&
                   EqualsIgnoreAsciiCase(line.key, "url")) {
            url = line.value;
        }
    }
    std::size_t scheme = url.find("://");
    return AnsiToWide(scheme == std::string_view::npos ? url : url.substr(scheme + 3));
}

} // namespace

std::u16string ExpandTemplate(std::string_view templateText, CPageContext& page,
                              Substitution substitution) {
    // A macro or an escape puts the same text wherever it stands in one template, so each is
    // worked out once, where it first stands (the page's currencies are guessed in the same order
    // as one by one), and kept as it goes into the result: encoded, and blanked for a console,
    // as the substitution says. The result is then measured and written in one allocation.
    std::vector<std::u16string> texts;
    texts.reserve(16);
    std::array<std::uint16_t, 256> macroSlots{};  // 1 + the index in texts; 0 before first use
    std::array<std::uint16_t, 256> escapeSlots{}; // the same for escapes
    auto macroText = [&](char macro) -> const std::u16string& {
        std::uint16_t& slot = macroSlots[static_cast<unsigned char>(macro)];
        if (slot == 0) {
            std::u16string text = ExpandMacro(macro, page);
            // The module folder is an address already: encoding it would break it.
            bool folder = IsModuleFolder(macro);
            bool blank = substitution.consoleSafe && IsPageValueLetter(macro);
            if (substitution.urlEncode && !folder)
                text = UrlEncoded(text, blank, substitution.charset);
            else if (blank)
                BlankConsoleCharacters(text);
            if (substitution.commandLine && IsPageValueLetter(macro))
                BlankArgumentBreakers(text);
            texts.push_back(std::move(text));
            slot = static_cast<std::uint16_t>(texts.size());
        }
        return texts[slot - 1u];
    };
    auto escapeText = [&](char escape) -> const std::u16string& {
        std::uint16_t& slot = escapeSlots[static_cast<unsigned char>(escape)];
        if (slot == 0) {
            std::u16string text = EscapeValue(escape);
            texts.push_back(substitution.urlEncode ? UrlEncoded(text, false, substitution.charset)
                                                   : std::move(text));
            slot = static_cast<std::uint16_t>(texts.size());
        }
        return texts[slot - 1u];
    };
    // The first character the template puts in after position at (past the macro or escape
    // that ends there); 0 at its end.
    auto nextCharacter = [&](std::size_t at) -> char16_t {
        for (++at; at < templateText.size(); ++at) {
            char byte = templateText[at];
            if (at + 1 == templateText.size() || (byte != '!' && byte != '\\'))
                return Widened(byte);
            const std::u16string& text =
                byte == '!' ? macroText(templateText[++at]) : escapeText(templateText[++at]);
            if (!text.empty())
                return text.front();
        }
        return 0;
    };
    // Calls put with the text of each macro and escape and with every other byte widened, in
    // template order. A "!" or backslash in the last position is a byte like any other. On a
    // command line, the backslashes a page value ends with are doubled where a quote follows:
    // the program reads a run of them before a quote as half as many, and an odd run as an
    // escaped quote, which would join the value to the rest of the line.
    auto forEachPart = [&](auto put) {
        for (std::size_t at = 0; at < templateText.size(); ++at) {
            char byte = templateText[at];
            bool last = at + 1 == templateText.size();
            if (byte == '!' && !last) {
                char macro = templateText[++at];
                const std::u16string& text = macroText(macro);
                put(std::u16string_view(text));
                std::size_t backslashes = substitution.commandLine && IsPageValueLetter(macro)
                                              ? TrailingBackslashes(text)
                                              : 0;
                if (backslashes != 0 && nextCharacter(at) == u'"')
                    put(std::u16string_view(text).substr(text.size() - backslashes));
            } else if (byte == '\\' && !last) {
                put(escapeText(templateText[++at]));
            } else {
                char16_t character = Widened(byte);
                put(std::u16string_view(&character, 1));
            }
        }
    };
    std::size_t length = 0;
    forEachPart([&](std::u16string_view part) { length += part.size(); });
    std::u16string result;
    result.reserve(length);
    forEachPart([&](std::u16string_view part) { result += part; });
    return result;
}

bool TakesPageValues(std::string_view templateText) {
    for (std::size_t at = 0; at + 1 < templateText.size(); ++at) {
        char byte = templateText[at];
        if (byte == '!' && IsPageValueLetter(templateText[at + 1]))
            return true;
        if (byte == '!' || byte == '\\')
            ++at;
    }
    return false;
}

std::u16string ExpandMacro(char letter, CPageContext& page) {
    const MacroLetter* known = FindMacroLetter(letter);
    if (!known)
        return std::u16string{u'!', Widened(letter)};
    switch (known->macro) {
    case Macro::ExclamationMark:
        return u"!";
    case Macro::SelectionButLast:
        return WithoutLastCharacter(page.GetSelection());
    case Macro::Credit:
        return CreditText();
    case Macro::TopDomain:
        return page.GetTopDomain();
    case Macro::FrameDomain:
        return page.GetFrameDomain();
    case Macro::FromCurrency:
        return CurrencyCode(page.GetFromCurrency());
    case Macro::ToCurrency:
        return CurrencyCode(page.GetToCurrency());
    case Macro::TopHostName:
        return page.GetTopHostName();
    case Macro::FrameHostName:
        return page.GetFrameHostName();
    case Macro::ModuleFolder:
        return ModuleFolderUrl();
    case Macro::SelectionHtml:
        return page.GetSelectionHtml();
    case Macro::Selection:
        return page.GetSelection();
    case Macro::CollapsedSelection:
        return page.GetCollapsedSelection();
    case Macro::TopTitle:
        return page.GetTopTitle();
    case Macro::FrameTitle:
        return page.GetFrameTitle();
    case Macro::TopAddress:
        return page.GetTopAddress();
    case Macro::FrameAddress:
        return page.GetFrameAddress();
    case Macro::TopName:
        return page.GetTopName();
    case Macro::FrameName:
        return page.GetFrameName();
    }
    return {};
}

std::u16string UrlEncode(std::u16string_view text, UrlCharset charset) {
    return UrlEncoded(text, false, charset);
}

std::u16string ModuleFolderUrl() {
    if (std::optional<std::u16string> address = CurrentPlatform().module->ModuleFolderAddress())
        return *address;
    std::u16string path = CurrentPlatform().module->ModulePath();
    for (char16_t& c : path) {
        if (c == u'\\')
            c = u'/';
        else if (c == u':')
            c = u'|';
    }
    std::u16string url = u"file:///" + path;
    return url.substr(0, url.rfind(u'/') + 1);
}

std::u16string CreditText() {
    return AnsiToWide(LoadText(ids::kProductName)) + u" " + HomePage();
}

} // namespace tandrel
