#include "actions/MacroExpansion.h"

#include "common/Messages.h"
#include "common/Platform.h"
#include "common/TextConversion.h"
#include "config/ConfigLines.h"
#include "config/ConfigLoader.h"
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

// A configuration byte as the character of the same code, 0 to 255.
char16_t Widened(char byte) {
    return static_cast<char16_t>(static_cast<unsigned char>(byte));
}

// The characters with which a command interpreter leaves a quoted command: the quote itself,
// the chaining and redirecting ones, and the line breaks that end the command.
constexpr bool EndsConsoleCommand(char16_t c) {
    return c == u'"' || c == u'&' || c == u'|' || c == u'<' || c == u'>' || c == u'^' ||
           c == u'\r' || c == u'\n';
}

// The characters with which a command interpreter puts in a variable: "%NAME%", and "!NAME!"
// where the user has turned delayed expansion on. Both are replaced before the interpreter reads
// any quote, so no quoting protects a value from them.
constexpr bool ExpandsInConsole(char16_t c) {
    return c == u'%' || c == u'!';
}

constexpr bool IsUnreserved(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
           kUnreservedMarks.find(c) != std::u16string_view::npos;
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

// Values that come from the page (not the module's folder or the product's own text).
bool IsPageValue(char macro) {
    return macro != 'I' && macro != 'i' && macro != 'C' && macro != 'c' && macro != '!';
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
            bool folder = macro == 'I' || macro == 'i';
            bool blank = substitution.consoleSafe && IsPageValue(macro);
            if (substitution.urlEncode && !folder)
                text = UrlEncoded(text, blank, substitution.charset);
            else if (blank)
                BlankConsoleCharacters(text);
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
    // Calls put with the text of each macro and escape and with every other byte widened, in
    // template order. A "!" or backslash in the last position is a byte like any other.
    auto forEachPart = [&](auto put) {
        for (std::size_t at = 0; at < templateText.size(); ++at) {
            char byte = templateText[at];
            bool last = at + 1 == templateText.size();
            if (byte == '!' && !last) {
                put(macroText(templateText[++at]));
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
        if (byte == '!' && IsPageValue(templateText[at + 1]))
            return true;
        if (byte == '!' || byte == '\\')
            ++at;
    }
    return false;
}

std::u16string ExpandMacro(char macro, CPageContext& page) {
    switch (macro) {
    case '!':
        return u"!";
    case '-':
        return WithoutLastCharacter(page.GetSelection());
    case 'C':
    case 'c':
        return CreditText();
    case 'D':
        return page.GetTopDomain();
    case 'd':
        return page.GetFrameDomain();
    case 'F':
    case 'f':
        return CurrencyCode(page.GetFromCurrency());
    case 'H':
        return page.GetTopHostName();
    case 'h':
        return page.GetFrameHostName();
    case 'I':
    case 'i':
        return ModuleFolderUrl();
    case 'L':
    case 'l':
        return CurrencyCode(page.GetToCurrency());
    case 'O':
    case 'o':
        return page.GetSelectionHtml();
    case 'S':
        return page.GetSelection();
    case 's':
        return page.GetCollapsedSelection();
    case 'T':
        return page.GetTopTitle();
    case 't':
        return page.GetFrameTitle();
    case 'U':
        return page.GetTopAddress();
    case 'u':
        return page.GetFrameAddress();
    case 'W':
        return page.GetTopName();
    case 'w':
        return page.GetFrameName();
    default:
        return std::u16string{u'!', Widened(macro)};
    }
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
