// The ANSI conversion as Windows does it by default for a character Windows-1252 has no byte for:
// the full-width forms U+FF01..U+FF5E become the ASCII characters they look like (its "best
// fit"); everything else as the in-memory platform converts it.
#pragma once

#include "common/MemoryPlatform.h"

namespace tandrel::test {

class BestFitText : public CWindows1252Text {
public:
    std::string WideToAnsi(std::u16string_view text) override {
        std::u16string fitted(text);
        for (char16_t& c : fitted) {
            if (c >= 0xFF01 && c <= 0xFF5E)
                c = static_cast<char16_t>(c - 0xFEE0);
        }
        return CWindows1252Text::WideToAnsi(fitted);
    }
};

} // namespace tandrel::test
