// The macros of a link entry's templates (its url, command and mail values): "!" and one letter
// stand for a value of the page or of the module. The expansion puts in the values; the checker
// knows from the same table which "!" and letter are a macro.
#pragma once

#include <cstdint>
#include <string_view>

namespace tandrel {

/// What a macro stands for.
enum class Macro {
    ExclamationMark,    ///< "!!": a "!"
    SelectionButLast,   ///< "!-": the selection without its last character
    Credit,             ///< the product name and page
    TopDomain,          ///< of the top window
    FrameDomain,        ///< of the frame the command came from
    FromCurrency,       ///< the currency converted from
    ToCurrency,         ///< the currency converted to
    TopHostName,        ///< of the top window
    FrameHostName,      ///< of the frame
    ModuleFolder,       ///< the module's folder as an address
    SelectionHtml,      ///< the markup of the selection
    Selection,          ///< the confirmed selection
    CollapsedSelection, ///< the selection with its blanks collapsed
    TopTitle,           ///< of the top window
    FrameTitle,         ///< of the frame
    TopAddress,         ///< of the top window
    FrameAddress,       ///< of the frame
    TopName,            ///< of the top window
    FrameName,          ///< of the frame
};

struct MacroLetter {
    char letter; ///< what follows "!"
    Macro macro;
    bool fromPage; ///< a value of the page, rather than the module's folder or own text
};

inline constexpr MacroLetter kMacroLetters[] = {
    {'!', Macro::ExclamationMark, false}, {'-', Macro::SelectionButLast, true},
    {'C', Macro::Credit, false},          {'c', Macro::Credit, false},
    {'D', Macro::TopDomain, true},        {'d', Macro::FrameDomain, true},
    {'F', Macro::FromCurrency, true},     {'f', Macro::FromCurrency, true},
    {'H', Macro::TopHostName, true},      {'h', Macro::FrameHostName, true},
    {'I', Macro::ModuleFolder, false},    {'i', Macro::ModuleFolder, false},
    {'L', Macro::ToCurrency, true},       {'l', Macro::ToCurrency, true},
    {'O', Macro::SelectionHtml, true},    {'o', Macro::SelectionHtml, true},
    {'S', Macro::Selection, true},        {'s', Macro::CollapsedSelection, true},
    {'T', Macro::TopTitle, true},         {'t', Macro::FrameTitle, true},
    {'U', Macro::TopAddress, true},       {'u', Macro::FrameAddress, true},
    {'W', Macro::TopName, true},          {'w', Macro::FrameName, true},
};

/// The macro "!" and letter stand for; null for a letter that names none (the template then
/// keeps "!" and the letter).
constexpr const MacroLetter* FindMacroLetter(char letter) {
    for (const MacroLetter& entry : kMacroLetters) {
        if (entry.letter == letter)
            return &entry;
    }
    return nullptr;
}

/// Whether "!" and letter put in a value of the page. A letter without a macro counts as one: what
/// it puts in, "!" and the letter, is treated with the same care.
constexpr bool IsPageValueLetter(char letter) {
    const MacroLetter* known = FindMacroLetter(letter);
    return !known || known->fromPage;
}

/// The bit of a macro in a set of them.
constexpr std::uint32_t MacroBit(Macro macro) {
    return std::uint32_t{1} << static_cast<unsigned>(macro);
}

/// The macros the template puts in, as a set of MacroBit (escapes and a "!" in the last position
/// are none).
constexpr std::uint32_t MacrosUsedBy(std::string_view templateText) {
    std::uint32_t used = 0;
    for (std::size_t at = 0; at + 1 < templateText.size(); ++at) {
        char byte = templateText[at];
        if (byte != '!' && byte != '\\')
            continue;
        ++at;
        if (const MacroLetter* known = FindMacroLetter(templateText[at]); known && byte == '!')
            used |= MacroBit(known->macro);
    }
    return used;
}

} // namespace tandrel
