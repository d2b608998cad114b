#include "dialogs/MemoryDialogs.h"

#include "common/Messages.h"
#include "common/TextConversion.h"
#include "dialogs/CurrencyCommand.h"
#include "resources/StringIds.h"

namespace tandrel {

namespace {

std::u16string LabelOf(const CLink& link) {
    return AnsiToWide(link.GetShortDescription());
}

ShownSiteList Describe(const SiteListRequest& request, const CSiteListModel& model) {
    ShownSiteList shown{request.templateId, request.text, {}, request.captionId, request.labelId};
    for (std::size_t entry = 0; entry < model.size(); ++entry)
        shown.items.emplace_back(LabelOf(model.Entry(entry)), model.IsTicked(entry));
    return shown;
}

void Toggle(CSiteListModel& model, const std::u16string& label) {
    for (std::size_t entry = 0; entry < model.size(); ++entry) {
        if (LabelOf(model.Entry(entry)) == label) {
            model.DoubleClick(entry);
            return;
        }
    }
}

} // namespace

int CMemoryDialogs::ShowAboutBox() {
    int shown = aboutBoxesShown++;
    return shown < static_cast<int>(aboutAnswers.size()) ? aboutAnswers[shown] : kIdCancel;
}

int CMemoryDialogs::ShowSiteList(SiteListRequest& request) {
    CSiteListModel model(*request.links);
    model.Init();
    siteListsShown.push_back(Describe(request, model));
    std::u16string text = request.text.value_or(u"");
    while (nextSiteListAnswer_ < siteListAnswers.size()) {
        const SiteListAnswer& answer = siteListAnswers[nextSiteListAnswer_++];
        if (answer.type)
            text = EditBoxText(*answer.type);
        for (const std::u16string& label : answer.toggle)
            Toggle(model, label);
        if (answer.press != kIdOk)
            return answer.press;
        OkOutcome outcome = CheckOk(request, model, text);
        if (outcome.accepted) {
            if (request.text)
                request.text = text;
            return kIdOk;
        }
        ShowMessageId(0, outcome.messageId, ids::kProductName, kMbIconExclamation);
    }
    return kIdCancel;
}

int CMemoryDialogs::ShowCurrency(CurrencyRequest& request) {
    CSiteListModel model(*request.links);
    model.Init();
    auto code = [](const CCurrency* currency) {
        return currency ? std::string(currency->code) : std::string();
    };
    currenciesShown.push_back({request.amount, code(request.from), code(request.to)});
    std::u16string amount = request.amount;
    while (nextCurrencyAnswer_ < currencyAnswers.size()) {
        const CurrencyAnswer& answer = currencyAnswers[nextCurrencyAnswer_++];
        if (answer.type)
            amount = EditBoxText(*answer.type);
        if (answer.from)
            request.from = FindCurrency(*answer.from);
        if (answer.to)
            request.to = FindCurrency(*answer.to);
        for (const std::u16string& label : answer.toggle)
            Toggle(model, label);
        if (answer.press != kIdOk)
            return answer.press;
        OkOutcome outcome = CheckCurrencyOk(model, amount);
        if (outcome.accepted) {
            request.amount = amount;
            return kIdOk;
        }
        ShowMessageId(0, outcome.messageId, ids::kProductName, kMbIconExclamation);
    }
    return kIdCancel;
}

} // namespace tandrel
