// The currency and unit commands with their dialogs answered from lists: what the dialogs open
// with, what OK, Cancel and Help do, and the checks made before OK is accepted.
#include "CommandFixture.h"

#include "config/SelectionMemory.h"
#include "dialogs/CurrencyCommand.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>

namespace tandrel {
namespace {

class CurrencyCommand : public test::CommandFixture {
protected:
    CurrencyCommand()
        : CommandFixture("[CURRENCY:A]\nshortDescription=Rates A\nurl=a?s=!S&f=!F&t=!L\n"
                         "defaultSelected=y\n"
                         "[CURRENCY:B]\nshortDescription=Rates B\nurl=b?!F!L=!S\n") {
        top->hostName = u"shop.example.com";
    }
};

TEST_F(CurrencyCommand, OpensWithTheGuessesAndAnotherToCurrencyWhenBothAgree) {
    const struct {
        std::u16string_view host;
        std::optional<std::string> localeCurrency;
        std::u16string_view selection;
        ShownCurrency shown;
    } cases[] = {
        {u"shop.example.com", "USD", u"\u00A350", {u"50", "GBP", "USD"}},
        {u"shop.example.com", "USD", u"$100", {u"100", "USD", "CAD"}},
        {u"shop.example.ca", "CAD", u"$100", {u"100", "CAD", "USD"}},
        {u"shop.example.de", "EUR", u"EUR 1.234,50", {u"1234.50", "EUR", "USD"}},
    };
    for (const auto& c : cases) {
        top->hostName = std::u16string(c.host);
        scope.platform.locale.currencySymbol = c.localeCurrency;
        dialogs.currenciesShown.clear();
        Run("CURRENCY", std::u16string(c.selection));
        ASSERT_EQ(dialogs.currenciesShown.size(), 1u);
        EXPECT_EQ(dialogs.currenciesShown[0].amount, c.shown.amount);
        EXPECT_EQ(dialogs.currenciesShown[0].from, c.shown.from) << c.shown.to;
        EXPECT_EQ(dialogs.currenciesShown[0].to, c.shown.to) << c.shown.from;
    }
    EXPECT_TRUE(Opened().empty()) << "cancelled";
}

TEST_F(CurrencyCommand, OkOpensTheTickedSitesWithTheChosenCurrencies) {
    dialogs.currencyAnswers = {{u"12abc", "EUR", "JPY", {u"Rates B"}, kIdOk}};
    Run("CURRENCY", u"\u00A350");
    EXPECT_EQ(Opened(), (std::vector<std::u16string>{u"a?s=12abc&f=EUR&t=JPY", u"b?EURJPY=12abc"}));
    EXPECT_EQ(ReadRememberedChoice("CURRENCY:B"), true);
}

TEST_F(CurrencyCommand, RefusedOkKeepsTheDialogAndCancelOrHelpSaveNothing) {
    dialogs.currencyAnswers = {{u"", {}, {}, {}, kIdOk},
                               {u"abc", {}, {}, {}, kIdOk},
                               {u" 5", {}, {}, {u"Rates A"}, kIdOk},
                               {std::nullopt, {}, {}, {}, kIdCancel}};
    Run("CURRENCY", u"$5");
    const std::string notANumber = "The currency amount must be a decimal number, such as 1.00";
    EXPECT_EQ(Messages(), (std::vector<std::string>{notANumber, notANumber,
                                                    "No site or action chosen.\nYou must choose "
                                                    "at least one site or action for something "
                                                    "to happen."}));
    EXPECT_TRUE(Opened().empty());
    EXPECT_FALSE(ReadRememberedChoice("CURRENCY:A")) << "Cancel saves nothing";

    dialogs.currencyAnswers.push_back({std::nullopt, {}, {}, {u"Rates B"}, IDC_HELP_BUTTON});
    Run("CURRENCY", u"$5");
    EXPECT_FALSE(ReadRememberedChoice("CURRENCY:B")) << "Help saves nothing";
    ASSERT_EQ(Opened().size(), 1u);
    EXPECT_NE(Opened()[0].find(u"HelpCurrency.htm"), std::u16string::npos);
}

class ConvertCommand : public test::CommandFixture {
protected:
    ConvertCommand() : CommandFixture(std::nullopt) {}
    std::vector<std::string> Results() const {
        std::vector<std::string> results;
        for (const ShownConvert& state : dialogs.convertStates)
            results.push_back(state.result);
        return results;
    }
};

TEST_F(ConvertCommand, OpensWithTheAmountAndUnitOfTheSelection) {
    const struct {
        std::u16string_view selection;
        std::u16string_view amount;
        std::string_view category, from, to;
    } cases[] = {
        {u"about 5 km from here", u"5", "distance", "kilometres", "Angstroms"},
        {u"-40 F", u"-40", "temperature", "Farenheit", "Celsius"},
        {u"1234.5678 km", u"1234.57", "distance", "kilometres", "Angstroms"},
        {u"no digits", u"1", "angle", "degrees", "degrees"},
    };
    for (const auto& c : cases) {
        dialogs.convertStates.clear();
        Run("CONVERT", std::u16string(c.selection));
        ASSERT_EQ(dialogs.convertStates.size(), 1u);
        const ShownConvert& shown = dialogs.convertStates[0];
        EXPECT_EQ(shown.amount, c.amount);
        EXPECT_EQ(shown.category, c.category);
        EXPECT_EQ(shown.from, c.from);
        EXPECT_EQ(shown.to, c.to);
    }
}

TEST_F(ConvertCommand, CalculatesAsOftenAsAskedAndOnlyHelpOpensAPage) {
    dialogs.convertAnswers = {
        {std::nullopt, std::nullopt, std::nullopt, "miles"},
        {std::nullopt, u"  7.5 kg", std::nullopt, std::nullopt},
        {std::nullopt, u"abc", std::nullopt, std::nullopt},
        {std::nullopt, std::nullopt, std::nullopt, "no such unit"},
        {"fuel consumption", u"0", "miles per gallon (UK)", "litres/100Km"},
        {std::nullopt, std::nullopt, std::nullopt, std::nullopt, kIdOk},
    };
    Run("CONVERT", u"about 5 km from here");
    EXPECT_EQ(Results(), (std::vector<std::string>{
                             "", "5 kilometres = 3.10686 miles", "7.5 kilometres = 4.66028 miles",
                             "7.5 kilometres = 4.66028 miles", "7.5 kilometres = 4.66028 miles",
                             "Cannot calculate answer (Division by zero)"}));
    EXPECT_EQ(dialogs.convertStates[2].amount, u"7.5");
    EXPECT_EQ(dialogs.convertStates[3].amount, u"abc") << "a refused amount stays";
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"The amount should be a decimal number, such as 1.00"});
    EXPECT_EQ(scope.platform.ui.beeps, std::vector<std::uint32_t>{kMbIconExclamation});
    EXPECT_TRUE(Opened().empty());

    dialogs.convertAnswers.push_back(
        {std::nullopt, std::nullopt, std::nullopt, std::nullopt, IDC_HELP_BUTTON});
    Run("CONVERT", u"x");
    ASSERT_EQ(Opened().size(), 1u);
    EXPECT_NE(Opened()[0].find(u"HelpUnits.htm"), std::u16string::npos);
}

} // namespace
} // namespace tandrel
