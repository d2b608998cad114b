// Which characters carry on a word, so that a currency code or symbol is told from the same
// letters inside a longer word ("ALL" in "CALL", "kn" in "known").
#pragma once

namespace tandrel {

/// The alphabet of a letter. Words are runs of letters of one alphabet: a letter next to a letter
/// of another alphabet starts a new word, as a Latin code does beside Chinese, Japanese or Korean
/// text written without blanks ("100USDで").
enum class LetterScript : unsigned char {
    None, ///< not a letter: digits, blanks, punctuation, signs, letters of other alphabets
    Mark, ///< a combining mark of no alphabet of its own (U+0300 ...): it belongs to the letter
          ///< before
    Latin,
    Greek,
    Cyrillic,
    Armenian,
    Arabic,
    Devanagari,
    Tamil,
};

/// The alphabet of one UTF-16 code unit, for the alphabets the currency codes and symbols are
/// written in; accented letters and the vowel signs and marks written on letters of an alphabet
/// count as letters of it ("é" and "É" are Latin). Letters of other alphabets, and code units of
/// surrogate pairs, are None.
LetterScript ScriptOf(char16_t c);

} // namespace tandrel
