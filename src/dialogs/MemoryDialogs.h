// Dialogs answered from lists, in order, as a user would answer them; for native tests and the
// command-line tool. No window is ever shown. Once a list is used up, every dialog is cancelled.
#pragma once

#include "dialogs/DialogHost.h"
#include "resources/ResourceIds.h"

#include <string>
#include <vector>

namespace tandrel {

/// What the user does in one site-list dialog: type into the edit box, double-click entries by
/// their label, then press a button. A refused OK leaves the dialog open for the next answer.
struct SiteListAnswer {
    std::optional<std::u16string> type;
    std::vector<std::u16string> toggle;
    int press = 1;
};

/// What the user does in the currency dialog: type an amount, choose currencies by code,
/// double-click sites, press a button.
struct CurrencyAnswer {
    std::optional<std::u16string> type;
    std::optional<std::string> from;
    std::optional<std::string> to;
    std::vector<std::u16string> toggle;
    int press = 1;
};

/// The currency dialog as it opened.
struct ShownCurrency {
    std::u16string amount;
    std::string from;
    std::string to;
};

/// What the user does in the conversion dialog: choose a category (both unit lists start again
/// at their first item), type an amount, choose units by name (a name the list lacks leaves
/// nothing chosen, as typing into the list does), press a button. Calculate keeps the dialog
/// open for the next answer.
struct ConvertAnswer {
    std::optional<std::string> category;
    std::optional<std::u16string> type;
    std::optional<std::string> from;
    std::optional<std::string> to;
    int press = IDC_CALCULATE;
};

/// The conversion dialog's boxes, as it opened and after each Calculate; an empty unit name
/// when nothing is chosen.
struct ShownConvert {
    std::u16string amount;
    std::string category;
    std::string from;
    std::string to;
    std::string result;
};

/// A site-list dialog as it opened.
struct ShownSiteList {
    int templateId = 0;
    std::optional<std::u16string> text;
    std::vector<std::pair<std::u16string, bool>> items; ///< label and tick
    int captionId = 0;
    int labelId = 0;
};

class CMemoryDialogs : public IDialogHost {
public:
    int ShowAboutBox() override;
    int ShowSiteList(SiteListRequest& request) override;
    int ShowCurrency(CurrencyRequest& request) override;
    int ShowConvert(const ConvertRequest& request) override;

    std::vector<int> aboutAnswers;
    int aboutBoxesShown = 0;
    std::vector<SiteListAnswer> siteListAnswers;
    std::vector<ShownSiteList> siteListsShown;
    std::vector<CurrencyAnswer> currencyAnswers;
    std::vector<ShownCurrency> currenciesShown;
    std::vector<ConvertAnswer> convertAnswers;
    std::vector<ShownConvert> convertStates;

private:
    std::size_t nextSiteListAnswer_ = 0;
    std::size_t nextCurrencyAnswer_ = 0;
    std::size_t nextConvertAnswer_ = 0;
};

} // namespace tandrel
