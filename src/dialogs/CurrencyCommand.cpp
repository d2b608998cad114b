#include "dialogs/CurrencyCommand.h"

#include "common/DecimalNumber.h"
#include "common/Platform.h"
#include "common/TextConversion.h"
#include "dialogs/DialogHost.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "runner/EntryRunner.h"

namespace tandrel {

OkOutcome CheckCurrencyOk(const CSiteListModel& model, std::u16string_view amount) {
    if (!ScanLeadingDecimal(WideToAnsi(amount)))
        return {false, ids::kCurrencyAmountNotANumber, IDC_TEXT};
    if (!model.AnyTicked())
        return {false, ids::kNothingChosen, IDC_SITE_LIST};
    return {true, 0, 0};
}

const CCurrency* ProposedToCurrency(const CCurrency* from, const CCurrency* to) {
    if (to != from)
        return to;
    const CCurrency* dollar = FindCurrency("USD");
    return to == dollar ? FindCurrency("CAD") : dollar;
}

void RunCurrencyCommand(CPageContext& page, std::string_view prefix, std::string_view helpEntry) {
    CLinkList links;
    LoadLinks(links, prefix, false);
    const CCurrency* from = page.GetFromCurrency();
    CurrencyRequest request{&links, page.CurrencyAmount(), from,
                            ProposedToCurrency(from, page.GetToCurrency())};
    switch (CurrentDialogs().ShowCurrency(request)) {
    case kIdOk:
        // The amount as the user left it: the sites get exactly that text.
        page.SetSelection(request.amount);
        links.SaveSelections();
        page.SetFromCurrency(request.from);
        page.SetToCurrency(request.to);
        RunChosenEntries(links, page);
        break;
    case IDC_HELP_BUTTON:
        RunSystemEntry(page, helpEntry);
        break;
    default:
        break;
    }
}

} // namespace tandrel
