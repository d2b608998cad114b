// A locale whose decimal point is a comma, for tests that number reading and writing ignore the
// process locale.
#pragma once

#include <clocale>
#include <string>

namespace tandrel::test {

/// Sets the numeric part of the process locale to one with a decimal comma while it lives, when
/// one is installed; restores the previous one after.
class CommaLocaleScope {
public:
    CommaLocaleScope() : previous_(std::setlocale(LC_NUMERIC, nullptr)) {
        for (const char* name : {"de_DE.UTF-8", "de_DE", "fr_FR.UTF-8", "German"}) {
            if (std::setlocale(LC_NUMERIC, name)) {
                name_ = name;
                break;
            }
        }
    }
    ~CommaLocaleScope() { std::setlocale(LC_NUMERIC, previous_.c_str()); }
    CommaLocaleScope(const CommaLocaleScope&) = delete;
    CommaLocaleScope& operator=(const CommaLocaleScope&) = delete;

    /// The locale set, or null when no locale with a decimal comma is installed.
    const char* Name() const { return name_; }

private:
    std::string previous_;
    const char* name_ = nullptr;
};

} // namespace tandrel::test
