// Templates: the url, command and mail values of a link entry, in which macros ("!S") and
// backslash escapes ("\n") stand for values of the current page. The text around them is copied
// unchanged; what they put in can be URL-encoded for the query part of an address.
#pragma once

#include "config/Link.h"
#include "page/PageContext.h"

#include <string>
#include <string_view>

namespace tandrel {

/// How the values put into a template are written.
struct Substitution {
    bool urlEncode = false; ///< URL-encode every value ("!I" never is)
    /// For a line a command interpreter reads: in the values taken from the page, blank out the
    /// characters with which it ends a quoted command or chains another (" & | < > ^ and line
    /// breaks) and, in values not URL-encoded, those with which it puts in a variable ("%" and
    /// "!") and NUL; URL-encode with "#" in place of "%", and "!" encoded too.
    bool consoleSafe = false;
    UrlCharset charset = UrlCharset::Windows1252; ///< the bytes URL-encoding writes
    /// For a command line a program splits into its arguments: values taken from the page lose
    /// their quotes and NULs (to blanks), and the backslashes one ends with are doubled where a
    /// quote follows it, so that a value neither ends nor adds an argument.
    bool commandLine = false;
};

/// The template (configuration bytes, each widened code for code) with every macro and escape
/// replaced, the replacements written as substitution says. A "!" or backslash in the last
/// position stays; values put in are never scanned again. Takes time linear in the template and
/// the values.
std::u16string ExpandTemplate(std::string_view templateText, CPageContext& page,
                              Substitution substitution);

/// The same with URL-encoding on or off.
inline std::u16string ExpandTemplate(std::string_view templateText, CPageContext& page,
                                     bool encode) {
    return ExpandTemplate(templateText, page, Substitution{encode, false});
}

/// Whether the template puts in a value of the page: a macro other than "!!", the credit text
/// and the module folder.
bool TakesPageValues(std::string_view templateText);

/// The value of one macro letter ("!" followed by letter, kMacroLetters of config/MacroLetters.h):
/// the selection, the page's addresses, host names, domains, titles and names, the currencies,
/// the credit text, the module folder. A letter without a macro gives "!" and the letter.
std::u16string ExpandMacro(char letter, CPageContext& page);

/// text for a URL's query: ASCII letters, digits and ! ' ( ) * - . _ ~ stay; every other
/// character becomes "%" and two capital hexadecimal digits for each of its bytes in the charset:
/// in Windows-1252 one byte (a character the code page lacks as a blank, "%20"), in UTF-8 one to
/// four.
std::u16string UrlEncode(std::u16string_view text, UrlCharset charset = UrlCharset::Windows1252);

/// The folder of the module as a file address, with "/" for "\" and "|" for ":", ending in "/":
/// file:///C|/Program Files/Veltrane Tandrel/; or the module's folder address, when the platform
/// serves its pages from another one (IModule::ModuleFolderAddress).
std::u16string ModuleFolderUrl();

/// The product name, a blank and the product's page as host and path (the stored "SYSTEM:Home"
/// address without its scheme).
std::u16string CreditText();

} // namespace tandrel
