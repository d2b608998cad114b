// The currency command: the amount and the two currencies guessed from the page, confirmed or
// changed by the user in the currency dialog together with the conversion sites to open.
#pragma once

#include "config/LinkList.h"
#include "conversions/Currency.h"
#include "dialogs/SiteListDialog.h"
#include "page/PageContext.h"

#include <string>
#include <string_view>

namespace tandrel {

/// One run of the currency dialog; after OK it holds what the user left in it.
struct CurrencyRequest {
    CLinkList* links;
    std::u16string amount;
    const CCurrency* from;
    const CCurrency* to;
};

/// The OK checks: the amount must begin with a decimal number (anything may follow it), then
/// something must be ticked.
OkOutcome CheckCurrencyOk(const CSiteListModel& model, std::u16string_view amount);

/// The to currency the dialog proposes: the guess, or another one when it equals from (USD, or
/// CAD when the guess is USD itself).
const CCurrency* ProposedToCurrency(const CCurrency* from, const CCurrency* to);

/// Runs the currency command: on OK the amount becomes the selection, every tick is saved, the
/// chosen currencies replace the guesses and the ticked sites open; Help opens helpEntry.
void RunCurrencyCommand(CPageContext& page, std::string_view prefix, std::string_view helpEntry);

} // namespace tandrel
