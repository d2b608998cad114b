#include "dialogs/MemoryDialogs.h"

#include "common/Messages.h"
#include "common/TextConversion.h"
#include "dialogs/ConvertCommand.h"
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

// The conversion dialog's controls as a user sees them.
struct ConvertBoxes {
    std::u16string amount;
    const CUnitCategory* category = nullptr;
    const CUnit* from = nullptr;
    const CUnit* to = nullptr;
    std::string result;

    void Choose(const ConvertChoice& choice) {
        category = choice.category;
        from = choice.from;
        to = choice.to;
    }
    const CUnit* UnitNamed(const std::string& name) const {
        if (category)
            for (const CUnit& unit : category->Units())
                if (unit.GetName() == name)
                    return &unit;
        return nullptr;
    }
    ShownConvert Describe() const {
        auto name = [](const CUnit* unit) {
            return unit ? unit->GetName() : std::string();
        };
        return {amount, category ? category->GetName() : std::string(), name(from), name(to),
                result};
    }
};

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

int CMemoryDialogs::ShowConvert(const ConvertRequest& request) {
    const CUnitTable::CategoryMap& categories = request.units.Categories();
    ConvertBoxes boxes;
    boxes.amount = request.amount;
    boxes.Choose(InitialConvertChoice(request));
    convertStates.push_back(boxes.Describe());
    while (nextConvertAnswer_ < convertAnswers.size()) {
        const ConvertAnswer& answer = convertAnswers[nextConvertAnswer_++];
        if (answer.category) {
            auto found = categories.find(*answer.category);
            boxes.Choose(ChoiceOfCategory(found == categories.end() ? nullptr : &found->second));
        }
        if (answer.type)
            boxes.amount = EditBoxText(*answer.type);
        if (answer.from)
            boxes.from = boxes.UnitNamed(*answer.from);
        if (answer.to)
            boxes.to = boxes.UnitNamed(*answer.to);
        if (answer.press != IDC_CALCULATE)
            return answer.press;
        Calculation calculation = Calculate(WideToAnsi(boxes.amount), boxes.from, boxes.to);
        switch (calculation.outcome) {
        case Calculation::Outcome::kNoUnit:
            CurrentPlatform().ui->Beep(kMbIconExclamation);
            break;
        case Calculation::Outcome::kNotANumber:
            ShowMessageId(0, ids::kAmountNotANumber, ids::kProductName, kMbIconExclamation);
            break;
        case Calculation::Outcome::kCalculated:
            boxes.amount = AnsiToWide(calculation.amountText);
            boxes.result = calculation.resultText;
            break;
        }
        convertStates.push_back(boxes.Describe());
    }
    return kIdCancel;
}

} // namespace tandrel
