#include "conversions/Letters.h"

#include "common/CharClass.h"

#include <algorithm>
#include <iterator>

namespace tandrel {

namespace {

struct LetterRange {
    char16_t first;
    char16_t last;
    LetterScript script;
};

using S = LetterScript;

// The letters, and the signs written on letters, of each alphabet, in ascending order and without
// overlaps. The digits, punctuation and signs inside the blocks are left out (Arabic-Indic digits,
// the danda, the Arabic full stop), so that "100" or "." in any alphabet ends a word.
constexpr LetterRange kLetterRanges[] = {
    {u'A', u'Z', S::Latin},
    {u'a', u'z', S::Latin},
    {0x00AA, 0x00AA, S::Latin}, // ª
    {0x00BA, 0x00BA, S::Latin}, // º
    {0x00C0, 0x00D6, S::Latin},
    {0x00D8, 0x00F6, S::Latin},
    {0x00F8, 0x02AF, S::Latin}, // Latin-1 letters, Latin Extended-A and -B, IPA
    {0x0300, 0x036F, S::Mark},
    {0x0370, 0x0373, S::Greek},
    {0x0376, 0x037D, S::Greek},
    {0x037F, 0x037F, S::Greek},
    {0x0386, 0x0386, S::Greek},
    {0x0388, 0x03F5, S::Greek},
    {0x03F7, 0x03FF, S::Greek},
    {0x0400, 0x0481, S::Cyrillic},
    {0x0483, 0x052F, S::Cyrillic},
    {0x0531, 0x0556, S::Armenian},
    {0x0559, 0x0559, S::Armenian},
    {0x0560, 0x0588, S::Armenian},
    {0x0610, 0x061A, S::Arabic},
    {0x0620, 0x065F, S::Arabic},
    {0x066E, 0x06D3, S::Arabic},
    {0x06D5, 0x06DC, S::Arabic},
    {0x06DF, 0x06E8, S::Arabic},
    {0x06EA, 0x06FC, S::Arabic},
    {0x06FF, 0x06FF, S::Arabic},
    {0x0750, 0x077F, S::Arabic},
    {0x08A0, 0x08FF, S::Arabic},
    {0x0900, 0x0963, S::Devanagari},
    {0x0971, 0x097F, S::Devanagari},
    {0x0B82, 0x0BCD, S::Tamil},
    {0x0BD0, 0x0BD0, S::Tamil},
    {0x0BD7, 0x0BD7, S::Tamil},
    {0x1AB0, 0x1AFF, S::Mark},
    {0x1C80, 0x1C8F, S::Cyrillic},
    {0x1D00, 0x1DBF, S::Latin}, // phonetic letters
    {0x1DC0, 0x1DFF, S::Mark},
    {0x1E00, 0x1EFF, S::Latin},
    {0x1F00, 0x1FFF, S::Greek},
    {0x200C, 0x200D, S::Mark}, // the zero-width non-joiner and joiner stand inside words
    {0x20D0, 0x20FF, S::Mark},
    {0x2C60, 0x2C7F, S::Latin},
    {0x2DE0, 0x2DFF, S::Cyrillic},
    {0xA640, 0xA69F, S::Cyrillic},
    {0xA720, 0xA7FF, S::Latin},
    {0xA8E0, 0xA8FF, S::Devanagari},
    {0xAB30, 0xAB6F, S::Latin},
    {0xFB00, 0xFB06, S::Latin}, // ligatures such as "ﬁ"
    {0xFB13, 0xFB17, S::Armenian},
    {0xFB50, 0xFD3D, S::Arabic},
    {0xFD50, 0xFDFB, S::Arabic},
    {0xFE20, 0xFE2F, S::Mark},
    {0xFE70, 0xFEFC, S::Arabic},
    {0xFF21, 0xFF3A, S::Latin}, // full-width
    {0xFF41, 0xFF5A, S::Latin},
};

} // namespace

LetterScript ScriptOf(char16_t c) {
    if (c < 0x80) {
        if (IsAsciiLetter(c))
            return S::Latin;
        return S::None;
    }
    // The last range that starts at or before c.
    const LetterRange* after = std::upper_bound(
        std::begin(kLetterRanges), std::end(kLetterRanges), c,
        [](char16_t unit, const LetterRange& range) { return unit < range.first; });
    if (after == std::begin(kLetterRanges))
        return S::None;
    const LetterRange& range = *(after - 1);
    return c <= range.last ? range.script : S::None;
}

} // namespace tandrel
