// Broken and hostile inputs shared by the native and the Windows tests: configuration files of
// random bytes, with NUL bytes, with a line of a megabyte and with a hundred thousand sections,
// and selections of ten megabytes, with NULs and with characters outside the Basic Multilingual
// Plane. Every generator is deterministic: the same bytes on every platform.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tandrel::test {

/// A small generator whose sequence the language fixes (unlike the standard distributions):
/// xorshift32 from a nonzero seed.
class CFixedRandom {
public:
    explicit CFixedRandom(std::uint32_t seed) : state_(seed ? seed : 1) {}
    std::uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    std::size_t Below(std::size_t count) { return Next() % count; }

private:
    std::uint32_t state_;
};

/// size bytes, each of 0 to 255.
inline std::string RandomBytes(std::size_t size, std::uint32_t seed) {
    CFixedRandom random(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random.Next() & 0xFF);
    return bytes;
}

/// Random pieces of the configuration's grammar (heads of two prefixes, keys, "=", line ends,
/// comments, NULs, bytes above 127) strung together to about size bytes: text in which some
/// sections parse and many lines do not.
inline std::string RandomConfigPieces(std::size_t size, std::uint32_t seed) {
    static const std::string_view kPieces[] = {
        "[ISBN:",
        "[UNIT:",
        "[isbn:",
        "]",
        "=",
        "\n",
        "\r",
        "\r\n",
        "#",
        ";",
        " ",
        "\t",
        "url",
        "shortDescription",
        "defaultSelected",
        "category",
        "ten+0",
        "ten-3",
        "a",
        "b",
        "invert",
        "km",
        "x",
        ",",
        "!S",
        "\\",
        "\xB5",
        "\xFF",
        std::string_view("\0", 1),
        "[",
        "y",
        "5e3",
        "(",
        ")",
    };
    CFixedRandom random(seed);
    std::string text;
    while (text.size() < size) {
        if (random.Below(8) == 0)
            text += static_cast<char>(random.Next() & 0xFF);
        else
            text += kPieces[random.Below(std::size(kPieces))];
    }
    return text;
}

constexpr std::size_t kMegabyte = 1 << 20;
constexpr std::size_t kTenMegabytes = 10 * kMegabyte;

/// n sections "[PREFIXn]" with a description, an address and, for units, a category of its own
/// among a hundred and one alias.
inline std::string ManySections(std::string_view prefix, std::size_t n) {
    std::string text;
    text.reserve(n * 48);
    bool units = prefix == "UNIT:";
    for (std::size_t i = 0; i < n; ++i) {
        std::string number = std::to_string(i);
        text += "[" + std::string(prefix) + "S" + number + "]\r\n";
        if (units) {
            text += "category=c" + std::to_string(i % 100) + "\r\nten+0=unit" + number + "\r\n";
        } else {
            text += "shortDescription=Site " + number + "\r\nurl=u" + number + "?q=!S\r\n";
        }
    }
    return text;
}

/// A configuration file that loading must survive, with what it should yield.
struct HostileConfigFile {
    std::string_view name;
    std::string text;
    std::size_t isbnSections; ///< of the file; 0: the stored default's serve
    std::size_t unitSections; ///< of the file; 0: the stored default's serve
    std::u16string convertSelection;
    /// What the conversion dialog opens with; none: whatever the file's units give.
    std::optional<std::string> convertCategory;
    std::optional<std::string> convertFrom;
};

inline std::vector<HostileConfigFile> HostileConfigFiles() {
    static const char kNuls[] = "[ISBN:A\0B]\r\nshortDescription=Shop\0A\r\nurl=a\0b?q=!S\r\n"
                                "\0[ISBN:NotAHead]\r\nke\0y=v\0alue\r\n"
                                "[UNIT:Nul]\0 rest\r\ncategory=dist\0ance\r\nten+0=n\0m,nm\r\n";
    const std::string nuls(kNuls, sizeof kNuls - 1);
    const std::string mega(kMegabyte, 'm');
    // One unit of very many aliases, and one that a failed lookup would show first.
    std::string aliases = "[UNIT:Many]\r\ncategory=many\r\nten+3=aaa\r\nten+0=zzz,";
    for (int i = 0; aliases.size() < kMegabyte; ++i)
        aliases += "alias" + std::to_string(i) + ",";
    return {
        {"random bytes", RandomBytes(256 * 1024, 1), 0, 0, u"5 km", "distance", "kilometres"},
        {"random pieces of the grammar", RandomConfigPieces(256 * 1024, 2), 413, 181, u"5 km",
         std::nullopt, std::nullopt},
        {"NUL bytes", nuls, 1, 1, u"5 nm", std::string("dist\0ance", 9), std::string("n\0m", 3)},
        {"a head of a megabyte", "[ISBN:" + mega + "]\nurl=x\n[ISBN:After]\n", 2, 0, u"5 km",
         "distance", "kilometres"},
        {"a value of a megabyte", "[ISBN:Long]\nurl=" + mega + "!S\n[ISBN:After]\n", 2, 0, u"5 km",
         "distance", "kilometres"},
        {"a line of a megabyte without an equals sign",
         "[ISBN:Before]\n" + mega + "\n[ISBN:After]\nurl=a\n", 2, 0, u"5 km", "distance",
         "kilometres"},
        {"a comment of a megabyte", "#" + mega + "\n[ISBN:After]", 1, 0, u"5 km", "distance",
         "kilometres"},
        {"a last line of a megabyte without a line end", "[ISBN:X]\r\nurl=" + mega, 1, 0, u"5 km",
         "distance", "kilometres"},
        {"a megabyte of aliases", aliases, 0, 1, u"5 alias77 more", "many", "zzz"},
        {"an alias of a megabyte",
         "[UNIT:Long]\ncategory=long\nten+0=" + mega + "\n[UNIT:Short]\ncategory=long\nten+0=m", 0,
         2, u"5 " + std::u16string(kMegabyte + 10, u'm'), "long", mega},
        {"a hundred thousand sections",
         ManySections("ISBN:", 100000) + ManySections("UNIT:", 100000), 100000, 100000,
         u"5 unit99999", "c99", "unit99999"},
        {"a hundred thousand sections of another prefix", ManySections("BOOK:", 100000), 0, 0,
         u"5 km", "distance", "kilometres"},
    };
}

/// The file of that name in HostileConfigFiles().
inline HostileConfigFile HostileConfigFileNamed(std::string_view name) {
    for (HostileConfigFile& file : HostileConfigFiles()) {
        if (file.name == name)
            return std::move(file);
    }
    return {};
}

// Selections -----------------------------------------------------------------------------------

/// piece repeated to at least size characters, then tail.
inline std::u16string Repeated(std::u16string_view piece, std::size_t size,
                               std::u16string_view tail) {
    std::u16string text;
    text.reserve(size + piece.size() + tail.size());
    while (text.size() < size)
        text += piece;
    return text + std::u16string(tail);
}

inline std::u16string WithNul(std::u16string_view before, std::u16string_view after) {
    return std::u16string(before) + u'\0' + std::u16string(after);
}

/// Ten megabytes of digit groups that make no code, then an ISBN, a UPC and a stock symbol.
inline const std::u16string& CodesAtTheEnd() {
    static const std::u16string text =
        Repeated(u"12 ", kTenMegabytes, u" ISBN 0-306-40615-2 UPC 036000291452 (ACME)");
    return text;
}

} // namespace tandrel::test
