#include "actions/MacroExpansion.h"

#include "common/Messages.h"
#include "common/Platform.h"
#include "common/TextConversion.h"
#include "config/ConfigLoader.h"
#include "resources/StringIds.h"

namespace tandrel {

namespace {

constexpr std::u16string_view kHexDigits = u"0123456789ABCDEF";
constexpr std::u16string_view kUnreservedMarks = u"!'()*-._~";
constexpr std::string_view kHomeEntry = "SYSTEM:Home";

// A configuration byte as the character of the same code, 0 to 255.
char16_t Widened(char byte) {
    return static_cast<char16_t>(static_cast<unsigned char>(byte));
}

bool IsUnreserved(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
           kUnreservedMarks.find(c) != std::u16string_view::npos;
}

void AppendUrlEncoded(std::u16string& out, std::u16string_view text) {
    for (char16_t c : text) {
        if (c > 0xFF) {
            out += u"%20";
        } else if (IsUnreserved(c)) {
            out += c;
        } else {
            out += u'%';
            out += kHexDigits[c >> 4];
            out += kHexDigits[c & 0xF];
        }
    }
}

void Append(std::u16string& out, std::u16string_view value, bool encode) {
    if (encode)
        AppendUrlEncoded(out, value);
    else
        out += value;
}

// The characters with which a command interpreter leaves a quoted command: the quote itself,
// the chaining and redirecting ones, and the line breaks that end the command.
bool EndsConsoleCommand(char16_t c) {
    return c == u'"' || c == u'&' || c == u'|' || c == u'<' || c == u'>' || c == u'^' ||
           c == u'\r' || c == u'\n';
}

// Values that come from the page (not the module's folder or the product's own text).
bool IsPageValue(char macro) {
    return macro != 'I' && macro != 'i' && macro != 'C' && macro != 'c' && macro != '!';
}

void BlankConsoleCharacters(std::u16string& out, std::size_t from) {
    for (std::size_t at = from; at < out.size(); ++at) {
        if (EndsConsoleCommand(out[at]))
            out[at] = u' ';
    }
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

// The address of the stored home entry, as host and path.
std::u16string HomePage() {
    CSectionList system;
    LoadSections(system, kSystemPrefix, true);
    for (const CConfigSection& section : system) {
        if (section.GetName() != kHomeEntry)
            continue;
        std::string url = section.GetString("url", "");
        std::size_t scheme = url.find("://");
        return AnsiToWide(scheme == std::string::npos ? url : url.substr(scheme + 3));
    }
    return {};
}

} // namespace

std::u16string ExpandTemplate(std::string_view templateText, CPageContext& page,
                              Substitution substitution) {
    std::u16string result;
    result.reserve(templateText.size());
    for (std::size_t at = 0; at < templateText.size(); ++at) {
        char byte = templateText[at];
        bool last = at + 1 == templateText.size();
        if (byte == '!' && !last) {
            char macro = templateText[++at];
            // The module folder is an address already: encoding it would break it.
            bool folder = macro == 'I' || macro == 'i';
            std::size_t valueStart = result.size();
            Append(result, ExpandMacro(macro, page), substitution.urlEncode && !folder);
            if (substitution.consoleSafe && IsPageValue(macro))
                BlankConsoleCharacters(result, valueStart);
        } else if (byte == '\\' && !last) {
            Append(result, EscapeValue(templateText[++at]), substitution.urlEncode);
        } else {
            result += Widened(byte);
        }
    }
    return result;
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

std::u16string UrlEncode(std::u16string_view text) {
    std::u16string encoded;
    AppendUrlEncoded(encoded, text);
    return encoded;
}

std::u16string ModuleFolderUrl() {
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
