#include "recognizers/Recognizers.h"

#include "common/CharClass.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstddef>
#include <iterator>

namespace tandrel {

namespace {

// The first character of every block of ten decimal digits in the Basic Multilingual Plane.
constexpr char16_t kDigitZeros[] = {0x0030, 0x0660, 0x06F0, 0x07C0, 0x0966, 0x09E6, 0x0A66, 0x0AE6,
                                    0x0B66, 0x0BE6, 0x0C66, 0x0CE6, 0x0D66, 0x0DE6, 0x0E50, 0x0ED0,
                                    0x0F20, 0x1040, 0x1090, 0x17E0, 0x1810, 0x1946, 0x19D0, 0x1A80,
                                    0x1A90, 0x1B50, 0x1BB0, 0x1C40, 0x1C50, 0xA620, 0xA8D0, 0xA900,
                                    0xA9D0, 0xA9F0, 0xAA50, 0xABF0, 0xFF10};

int DigitValue(char16_t ch) {
    return ch - u'0';
}

// Digits weighted alternately from the left, starting with the first weight.
int AlternatingSum(std::u16string_view digits, int first, int second) {
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i)
        sum += DigitValue(digits[i]) * (i % 2 == 0 ? first : second);
    return sum;
}

bool AllAsciiDigits(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return IsAsciiDigit(c); });
}

// The most digits a code is written with (EAN-13); a run's count saturates one past it, which
// still tells every length that matters apart and never wraps on a long run.
constexpr std::size_t kLongestCode = 13;

// A run of 12 or 13 digits may be a UPC-A or an EAN-13 printed in groups ("0 36000 29145 2"):
// such a run is taken whole and never cut into pieces, so a ten-digit piece of it is no ISBN.
bool MayBeOtherCodeInGroups(std::size_t count) {
    return count == 12 || count == 13;
}

// The digits of a run, or of one piece of it, as the scan collects them: the first N stored,
// all counted. Only the first count of the buffer are ever read, so a new run or piece just
// starts counting again.
template <std::size_t N> struct Digits {
    std::array<char16_t, N> buffer{};
    std::size_t count = 0;

    void Add(char16_t ch) {
        if (count < N)
            buffer[count] = ch;
        count = std::min(count + 1, kLongestCode + 1);
    }
};

// The run scan shared by FindIsbn10, FindUpc12 and FindShortUpc: digits are stored (up to the
// buffer's size) and counted, separators are passed over, and any other character ends the run
// and asks accept() about what was stored. A run with more digits than the longest code of its
// kind may be a code followed by other numbers ("0306406152 1998"): its pieces between blanks
// (hyphens still join) are asked in order too, as each blank ends one, and the first accepted
// piece is the run's answer when the run as a whole is not.
template <std::size_t N, typename Accept>
std::optional<std::u16string> ScanRuns(std::u16string_view text, bool isbnX, Accept accept) {
    Digits<N> run;
    Digits<N> piece;
    std::optional<std::u16string> firstPiece;
    auto endPiece = [&] {
        if (!firstPiece)
            firstPiece = accept(piece.buffer, piece.count);
        piece.count = 0;
    };
    auto endRun = [&]() -> std::optional<std::u16string> {
        endPiece();
        std::optional<std::u16string> found = accept(run.buffer, run.count);
        if (!found && run.count > N && !MayBeOtherCodeInGroups(run.count))
            found = std::move(firstPiece);
        run.count = 0;
        firstPiece.reset();
        return found;
    };
    for (char16_t ch : text) {
        if (IsWideDecimalDigit(ch)) {
            run.Add(ch);
            piece.Add(ch);
        } else if (isbnX && (ch == u'x' || ch == u'X') && run.count == N - 1) {
            run.Add(u'X');
            piece.Add(u'X');
        } else if (ch == u' ') {
            endPiece();
        } else if (ch != u'-') {
            if (std::optional<std::u16string> found = endRun())
                return found;
        }
    }
    return endRun();
}

// The labels printed before codes, and the numbers of their kinds that may follow them.
struct CodeLabel {
    std::u16string_view word; // in small letters
    std::u16string_view numbers[2];
};
constexpr CodeLabel kCodeLabels[] = {
    {u"isbn", {u"10", u"13"}},
    {u"ean", {u"13", u"8"}},
    {u"upc", {u"12", u""}},
};

bool StartsWithIgnoringCase(std::u16string_view text, std::u16string_view lowered) {
    if (text.size() < lowered.size())
        return false;
    for (std::size_t i = 0; i < lowered.size(); ++i) {
        if (ToAsciiLower(text[i]) != lowered[i])
            return false;
    }
    return true;
}

// Where the number of a label that starts at text[at] stands, as [start, end); none when no
// label starts there or it has no number.
std::optional<std::pair<std::size_t, std::size_t>> LabelNumberAt(std::u16string_view text,
                                                                 std::size_t at) {
    if (at > 0 && IsAsciiLetter(text[at - 1]))
        return std::nullopt;
    for (const CodeLabel& label : kCodeLabels) {
        if (!StartsWithIgnoringCase(text.substr(at), label.word))
            continue;
        std::size_t next = at + label.word.size();
        if (next < text.size() && (text[next] == u'-' || text[next] == u' ' || text[next] == u'_'))
            ++next;
        for (std::u16string_view number : label.numbers) {
            std::size_t end = next + number.size();
            if (!number.empty() && text.substr(next, number.size()) == number &&
                (end == text.size() || !IsWideDecimalDigit(text[end])))
                return std::pair(next, end);
        }
    }
    return std::nullopt;
}

// The text with the number of every code label ("ISBN-13", "EAN 8", "UPC12") made letters, so
// that its digits neither join the code after it nor start one; none when it has no such label.
std::optional<std::u16string> MaskLabelNumbers(std::u16string_view text) {
    std::optional<std::u16string> masked;
    for (std::size_t at = 0; at < text.size(); ++at) {
        char16_t c = ToAsciiLower(text[at]);
        if (c != u'i' && c != u'e' && c != u'u')
            continue;
        if (std::optional<std::pair<std::size_t, std::size_t>> number = LabelNumberAt(text, at)) {
            if (!masked)
                masked.emplace(text);
            std::fill(masked->begin() + static_cast<std::ptrdiff_t>(number->first),
                      masked->begin() + static_cast<std::ptrdiff_t>(number->second), u'L');
            at = number->second - 1;
        }
    }
    return masked;
}

// Runs find on the text, or on its copy with the labels' numbers masked when it has any.
template <typename Find>
std::optional<std::u16string> Unlabelled(std::u16string_view text, Find find) {
    std::optional<std::u16string> masked = MaskLabelNumbers(text);
    return find(masked ? std::u16string_view(*masked) : text);
}

} // namespace

std::u16string WithoutCodeLabelNumbers(std::u16string_view text) {
    std::optional<std::u16string> masked = MaskLabelNumbers(text);
    return masked ? *masked : std::u16string(text);
}

bool IsWideDecimalDigit(char16_t ch) {
    if (ch < 0x80)
        return IsAsciiDigit(ch);
    // Every digit of the plane, one bit each: a character is looked up at once rather than
    // searched for among the blocks, which the digit runs of long texts would do at every one.
    static const std::bitset<0x10000> kDigits = [] {
        std::bitset<0x10000> digits;
        for (char16_t zero : kDigitZeros) {
            for (char16_t offset = 0; offset < 10; ++offset)
                digits[static_cast<std::size_t>(zero + offset)] = true;
        }
        return digits;
    }();
    return kDigits[ch];
}

std::u16string_view WideDigitBlockStarts() {
    return std::u16string_view(kDigitZeros, std::size(kDigitZeros));
}

bool IsWideLowercase(char16_t ch) {
    return IsAsciiLower(ch) || ch == 0x00B5 || (ch >= 0x00DF && ch <= 0x00FF && ch != 0x00F7);
}

bool IsValidIsbn10(std::u16string_view code) {
    if (code.size() != 10 || !AllAsciiDigits(code.substr(0, 9)))
        return false;
    int sum = 0;
    for (std::size_t i = 0; i < 9; ++i)
        sum += DigitValue(code[i]) * static_cast<int>(i + 1);
    char16_t last = code[9];
    if (last == u'X' || last == u'x')
        sum += 10 * 10;
    else if (IsAsciiDigit(last))
        sum += DigitValue(last) * 10;
    else
        return false;
    return sum % 11 == 0;
}

bool IsValidEan13(std::u16string_view code) {
    return code.size() == 13 && AllAsciiDigits(code) && AlternatingSum(code, 1, 3) % 10 == 0;
}

bool IsValidUpcA(std::u16string_view code) {
    return code.size() == 12 && AllAsciiDigits(code) && AlternatingSum(code, 3, 1) % 10 == 0;
}

static std::optional<std::u16string> ScanIsbn10(std::u16string_view text) {
    return ScanRuns<10>(text, true,
                        [](const std::array<char16_t, 10>& buffer,
                           std::size_t count) -> std::optional<std::u16string> {
                            std::u16string_view code(buffer.data(), buffer.size());
                            if (count == 10 && IsValidIsbn10(code))
                                return std::u16string(code);
                            return std::nullopt;
                        });
}

// Trying every digit as the start of thirteen, as a literal reading of the rule does, costs up to
// thirteen steps per digit and restarts; instead one pass keeps the last thirteen digits of the
// current letter-free group with the two halves of their weighted sum. The start at the oldest of
// them is decided when the thirteenth arrives. Starts that never get thirteen digits fail at the
// letter that ends their group, and end the search at the end of the text. The "fewer than 13
// characters remain" rule needs no test of its own: a start it stops has no thirteen digits after
// it, nor does any later start, so the search could only end without a result anyway.
static std::optional<std::u16string> ScanEan13(std::u16string_view text) {
    constexpr std::size_t kLength = 13;
    std::array<char16_t, kLength> ring{};
    std::size_t oldest = 0; // index in ring of the window's first digit
    std::size_t held = 0;   // digits of the group in ring (at most 13)
    int evenSum = 0;        // digits at even offsets from the oldest (weight 1)
    int oddSum = 0;         // digits at odd offsets (weight 3)
    for (char16_t ch : text) {
        if (IsAsciiLetter(ch)) {
            held = 0;
            oldest = 0;
            evenSum = oddSum = 0;
            continue;
        }
        if (!IsAsciiDigit(ch))
            continue;
        int value = DigitValue(ch);
        if (held < kLength) {
            ring[(oldest + held) % kLength] = ch;
            (held % 2 == 0 ? evenSum : oddSum) += value;
            ++held;
        } else {
            // Drop the oldest (offset 0, even); every offset shifts down by one, swapping the
            // halves; the new digit takes offset 12, which is even.
            evenSum -= DigitValue(ring[oldest]);
            std::swap(evenSum, oddSum);
            evenSum += value;
            ring[oldest] = ch;
            oldest = (oldest + 1) % kLength;
        }
        if (held == kLength && (evenSum + 3 * oddSum) % 10 == 0) {
            std::u16string code(kLength, u'0');
            for (std::size_t k = 0; k < kLength; ++k)
                code[k] = ring[(oldest + k) % kLength];
            return code;
        }
    }
    return std::nullopt;
}

std::optional<std::u16string> EanToIsbn10(std::u16string_view ean) {
    if (!IsValidEan13(ean) || ean.substr(0, 3) != u"978")
        return std::nullopt;
    std::u16string isbn(ean.substr(3));
    int sum = 0;
    for (std::size_t i = 0; i < 9; ++i)
        sum += DigitValue(isbn[i]) * static_cast<int>(i + 1);
    int check = sum % 11;
    isbn[9] = check == 10 ? u'X' : static_cast<char16_t>(u'0' + check);
    return isbn;
}

static std::optional<std::u16string> ScanUpc12(std::u16string_view text) {
    return ScanRuns<12>(text, false,
                        [](const std::array<char16_t, 12>& buffer,
                           std::size_t count) -> std::optional<std::u16string> {
                            std::u16string_view code(buffer.data(), buffer.size());
                            if (count == 12 && IsValidUpcA(code))
                                return std::u16string(code);
                            return std::nullopt;
                        });
}

static std::optional<std::u16string> ScanShortUpc(std::u16string_view text) {
    return ScanRuns<12>(text, false,
                        [](const std::array<char16_t, 12>& buffer,
                           std::size_t count) -> std::optional<std::u16string> {
                            if (count < 10 || count > 12)
                                return std::nullopt;
                            std::u16string code(12 - count, u'0');
                            code.append(buffer.data(), count);
                            if (IsValidUpcA(code))
                                return code;
                            return std::nullopt;
                        });
}

static std::optional<std::u16string> ScanUpc11(std::u16string_view text) {
    std::size_t runStart = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && IsAsciiDigit(text[i]))
            continue;
        if (i - runStart == 11) {
            std::u16string code(text.substr(runStart, 11));
            int s = AlternatingSum(code, 3, 1) % 10;
            code += static_cast<char16_t>(u'0' + (10 - s) % 10);
            return code;
        }
        runStart = i + 1;
    }
    return std::nullopt;
}

// The finders read a code label's number as no digits of a code.
std::optional<std::u16string> FindIsbn10(std::u16string_view text) {
    return Unlabelled(text, ScanIsbn10);
}

std::optional<std::u16string> FindEan13(std::u16string_view text) {
    return Unlabelled(text, ScanEan13);
}

std::optional<std::u16string> FindUpc12(std::u16string_view text) {
    return Unlabelled(text, ScanUpc12);
}

std::optional<std::u16string> FindShortUpc(std::u16string_view text) {
    return Unlabelled(text, ScanShortUpc);
}

std::optional<std::u16string> CompleteUpc11(std::u16string_view text) {
    return Unlabelled(text, ScanUpc11);
}

std::optional<std::u16string> IsbnOfEan13(std::u16string_view ean) {
    if (std::optional<std::u16string> isbn = EanToIsbn10(ean))
        return isbn;
    if (IsValidEan13(ean) && ean.substr(0, 3) == u"979")
        return std::u16string(ean);
    return std::nullopt;
}

} // namespace tandrel
