// Every recogniser against a slow reading of its rules: the finders restart from every position
// or keep every digit and piece of a run, the stock symbol recurses on copies
// (LiteralRecognizers.h). The
// code under test scans once with bounded buffers; any input on which the two disagree is a fault.
// The input is read twice: as UTF-8, and as raw UTF-16 code units.
#include "FuzzSupport.h"
#include "LiteralRecognizers.h"

#include "recognizers/Recognizers.h"

#include <optional>
#include <string>
#include <string_view>

namespace tandrel::fuzz {

namespace {

using Found = std::optional<std::u16string>;

// ---- character classes

// A search of the digit table from its first block, against the lookup built from it.
bool SlowWideDigit(char16_t c) {
    for (char16_t zero : WideDigitBlockStarts()) {
        if (c >= zero && c < zero + 10)
            return true;
    }
    return false;
}

bool SlowLowercase(char16_t c) {
    return (c >= u'a' && c <= u'z') || c == 0xB5 || (c >= 0xDF && c <= 0xFF && c != 0xF7);
}

bool Digit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// ---- checks

// Digits weighted from the left, the weights taken in turn from the list.
int Weighted(std::u16string_view digits, std::initializer_list<int> weights) {
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i)
        sum += (digits[i] - u'0') * weights.begin()[i % weights.size()];
    return sum;
}

bool AllDigits(std::u16string_view text) {
    for (char16_t c : text) {
        if (!Digit(c))
            return false;
    }
    return true;
}

bool SlowIsbnCheck(std::u16string_view code) {
    if (code.size() != 10 || !AllDigits(code.substr(0, 9)))
        return false;
    int sum = 0;
    for (int i = 0; i < 9; ++i)
        sum += (code[i] - u'0') * (i + 1);
    if (code[9] == u'X' || code[9] == u'x')
        sum += 100;
    else if (Digit(code[9]))
        sum += (code[9] - u'0') * 10;
    else
        return false;
    return sum % 11 == 0;
}

bool SlowEanCheck(std::u16string_view code) {
    return code.size() == 13 && AllDigits(code) && Weighted(code, {1, 3}) % 10 == 0;
}

bool SlowUpcCheck(std::u16string_view code) {
    return code.size() == 12 && AllDigits(code) && Weighted(code, {3, 1}) % 10 == 0;
}

// ---- finders (the run scans and the EAN-13 search are in LiteralRecognizers.h)

Found SlowEanToIsbn(std::u16string_view ean) {
    if (!SlowEanCheck(ean) || ean.substr(0, 3) != u"978")
        return std::nullopt;
    std::u16string isbn(ean.substr(3, 10));
    int sum = 0;
    for (int i = 0; i < 9; ++i)
        sum += (isbn[i] - u'0') * (i + 1);
    isbn[9] = sum % 11 == 10 ? u'X' : static_cast<char16_t>(u'0' + sum % 11);
    return isbn;
}

// Every run of consecutive digits from its first digit; the first of exactly eleven wins.
Found SlowCompleteUpc(std::u16string_view text) {
    for (std::size_t start = 0; start < text.size(); ++start) {
        if (!Digit(text[start]) || (start > 0 && Digit(text[start - 1])))
            continue;
        std::size_t length = 0;
        while (start + length < text.size() && Digit(text[start + length]))
            ++length;
        if (length != 11)
            continue;
        std::u16string code(text.substr(start, 11));
        code += static_cast<char16_t>(u'0' + (10 - Weighted(code, {3, 1}) % 10) % 10);
        return code;
    }
    return std::nullopt;
}

// ---- comparing

void Same(const Found& fast, const Found& slow, const char* promise) {
    Require(fast.has_value() == slow.has_value() && (!fast || *fast == *slow), promise);
}

void CheckCodeChecks(std::u16string_view text) {
    // Every window of the text's first characters, and every ten, twelve and thirteen characters.
    for (std::size_t at = 0; at < text.size() && at < 64; ++at) {
        for (std::size_t length : {10, 12, 13}) {
            std::u16string_view code = text.substr(at, length);
            Require(IsValidIsbn10(code) == SlowIsbnCheck(code), "IsValidIsbn10 keeps its rule");
            Require(IsValidEan13(code) == SlowEanCheck(code), "IsValidEan13 keeps its rule");
            Require(IsValidUpcA(code) == SlowUpcCheck(code), "IsValidUpcA keeps its rule");
            Same(EanToIsbn10(code), SlowEanToIsbn(code), "EanToIsbn10 keeps its rule");
        }
    }
}

void CheckText(const std::u16string& text) {
    for (char16_t c : text) {
        Require(IsWideDecimalDigit(c) == SlowWideDigit(c), "IsWideDecimalDigit keeps its table");
        Require(IsWideLowercase(c) == SlowLowercase(c), "IsWideLowercase keeps its range");
    }
    CheckCodeChecks(text);
    Same(FindIsbn10(text), test::LiteralIsbn10(text, SlowIsbnCheck),
         "FindIsbn10 finds what the run rules find");
    Same(FindUpc12(text), test::LiteralUpc12(text, SlowUpcCheck),
         "FindUpc12 finds what the run rules find");
    Same(FindShortUpc(text), test::LiteralShortUpc(text, SlowUpcCheck),
         "FindShortUpc finds what the run rules find");
    Found ean = FindEan13(text);
    Same(ean, test::LiteralEan13(text, SlowEanCheck),
         "FindEan13 finds what restarting from every digit finds");
    if (ean)
        Same(EanToIsbn10(*ean), SlowEanToIsbn(*ean), "EanToIsbn10 of a found EAN-13");
    Same(CompleteUpc11(text), SlowCompleteUpc(text), "CompleteUpc11 completes the first 11");
    Require(FindStockSymbol(text) == test::LiteralStockSymbol(text),
            "FindStockSymbol finds what the recursive reading finds");
}

} // namespace

} // namespace tandrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tandrel;
    std::string_view input = fuzz::AsText(data, size);
    fuzz::CheckText(Utf8ToWide(input));
    fuzz::CheckText(fuzz::RawUtf16(input));
    return 0;
}
