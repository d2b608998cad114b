#include "web/WebDialogs.h"

#include "common/Messages.h"
#include "conversions/Currency.h"
#include "dialogs/ConvertCommand.h"
#include "dialogs/CurrencyCommand.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "web/DialogTemplates.h"
#include "web/WebSession.h"

#include <algorithm>

namespace tandrel::web {

namespace {

Json TextOf(int textId) {
    return AnsiText(LoadText(textId));
}

// The template's kind, caption, texts and buttons; a request's own texts replace the template's
// group and label, as the keyword searches' dialog sets them when it opens.
Json DescribeTemplate(int templateId, int groupId = 0, int labelId = 0) {
    const DialogTemplate* layout = FindDialogTemplate(templateId);
    Json dialog{{"kind", layout ? layout->kind : "unknown"},
                {"template", templateId},
                {"caption", TextOf(ids::kProductName)}};
    Json texts = Json::object();
    Json buttons = Json::array();
    if (layout) {
        for (const TemplateText& text : layout->texts)
            texts[std::string(text.part)] = TextOf(text.textId);
        for (const TemplateButton& button : layout->buttons)
            buttons.push_back({{"id", button.controlId},
                               {"text", TextOf(button.textId)},
                               {"default", button.isDefault}});
    }
    if (groupId)
        texts["group"] = TextOf(groupId);
    if (labelId)
        texts["label"] = TextOf(labelId);
    dialog["texts"] = texts;
    dialog["buttons"] = buttons;
    return dialog;
}

// The entries as the list shows them once it has opened.
Json DescribeEntries(const CSiteListModel& model) {
    Json entries = Json::array();
    for (std::size_t entry = 0; entry < model.size(); ++entry) {
        const CLink& link = model.Entry(entry);
        entries.push_back({{"section", AnsiText(link.GetSectionName())},
                           {"short", AnsiText(link.GetShortDescription())},
                           {"long", AnsiText(link.GetLongDescription())},
                           {"status", AnsiText(link.GetShownDescription())},
                           {"ticked", model.IsTicked(entry)},
                           {"exclusive", link.GetExclusive()}});
    }
    return entries;
}

Json CodeOf(const CCurrency* currency) {
    return currency ? Json(std::string(currency->code)) : Json();
}

Json NameOf(const CUnit* unit) {
    return unit ? AnsiText(unit->GetName()) : Json();
}

Json DescribeUnits(const CUnitTable& units) {
    Json categories = Json::array();
    for (const CUnitCategory* category : ListedCategories(units)) {
        Json names = Json::array();
        for (const CUnit* unit : ListedUnits(*category))
            names.push_back(AnsiText(unit->GetName()));
        categories.push_back({{"name", AnsiText(category->GetName())}, {"units", names}});
    }
    return categories;
}

const char* FocusOf(int control) {
    return control == IDC_TEXT ? "text" : control == IDC_SITE_LIST ? "list" : "none";
}

} // namespace

Json CurrencyList() {
    // Every text starts with its unique code, so the sorted list shows the table's order.
    Json list = Json::array();
    for (const CCurrency* row = CurrenciesBegin(); row != CurrenciesEnd(); ++row)
        list.push_back({{"code", std::string(row->code)},
                        {"text", AnsiText(std::string(row->code) + " " + std::string(row->name))}});
    return list;
}

CWebDialogs::CWebDialogs(const Json& answer) : finishing_(true) {
    if (!answer.is_object())
        throw RequestError{"invalid", "answer must be an object"};
    std::optional<long long> button = NumberMember(answer, "button", "answer", 0, 0xFFFF);
    if (!button)
        throw RequestError{"invalid", "answer.button must be the id of a button"};
    button_ = static_cast<int>(*button);
    text_ = TextMember(answer, "text", "answer");
    if (const Json* ticked = Member(answer, "ticked", "answer")) {
        if (!ticked->is_array())
            throw RequestError{"invalid", "answer.ticked must be an array of booleans"};
        ticked_.emplace();
        for (const Json& tick : *ticked) {
            if (!tick.is_boolean())
                throw RequestError{"invalid", "answer.ticked must be an array of booleans"};
            ticked_->push_back(tick.get<bool>());
        }
    }
    from_ = ConfigMember(answer, "from", "answer");
    to_ = ConfigMember(answer, "to", "answer");
}

int CWebDialogs::Answer(std::initializer_list<int> buttons) const {
    if (std::find(buttons.begin(), buttons.end(), button_) == buttons.end())
        throw RequestError{"invalid", "answer.button " + std::to_string(button_) +
                                          " is no button that ends this dialog"};
    return button_;
}

void CWebDialogs::ApplyTicks(CSiteListModel& model, CLinkList& links) const {
    if (!ticked_)
        return;
    // Ticks for another list (the configuration changed since prepare) must not tick the
    // wrong sites.
    if (ticked_->size() != links.size())
        throw RequestError{"invalid", "answer.ticked must hold one tick for each of the " +
                                          std::to_string(links.size()) + " entries"};
    for (std::size_t entry = 0; entry < links.size(); ++entry)
        links[entry].SetSelected((*ticked_)[entry]);
    // Ticks the extension sets against the exclusive rule are put right as the list would.
    model.EnforceExclusive(std::nullopt);
}

void CWebDialogs::Refuse(const OkOutcome& outcome) {
    Json message = MessageOf(LoadText(outcome.messageId), LoadText(ids::kProductName),
                             kMbIconExclamation, true);
    message["focus"] = FocusOf(outcome.focusControl);
    refusal_ = std::move(message);
}

int CWebDialogs::ShowAboutBox() {
    if (finishing_)
        return Answer(
            {kIdOk, kIdCancel, IDC_ABOUT_HELP, IDC_ABOUT_CUSTOMIZATION, IDC_ABOUT_HOME_PAGE});
    if (!shown_)
        shown_ = DescribeTemplate(IDD_ABOUT);
    return kIdCancel;
}

int CWebDialogs::ShowSiteList(SiteListRequest& request) {
    CSiteListModel model(*request.links);
    model.Init();
    if (!finishing_) {
        if (!shown_) {
            Json dialog = DescribeTemplate(request.templateId, request.captionId, request.labelId);
            dialog["text"] = request.text ? Text(*request.text) : Json();
            dialog["entries"] = DescribeEntries(model);
            shown_ = std::move(dialog);
        }
        return kIdCancel;
    }
    ApplyTicks(model, *request.links);
    if (Answer({kIdOk, kIdCancel, IDC_HELP_BUTTON}) != kIdOk)
        return button_;
    std::u16string text = EditBoxText(text_.value_or(request.text.value_or(u"")));
    OkOutcome outcome = CheckOk(request, model, text);
    if (!outcome.accepted) {
        Refuse(outcome);
        return kIdCancel;
    }
    if (request.text)
        request.text = text;
    return kIdOk;
}

int CWebDialogs::ShowCurrency(CurrencyRequest& request) {
    CSiteListModel model(*request.links);
    model.Init();
    if (!finishing_) {
        if (!shown_) {
            Json dialog = DescribeTemplate(IDD_ASK_CURRENCY);
            dialog["amount"] = Text(request.amount);
            dialog["currencies"] = CurrencyList();
            dialog["from"] = CodeOf(request.from);
            dialog["to"] = CodeOf(request.to);
            dialog["entries"] = DescribeEntries(model);
            shown_ = std::move(dialog);
        }
        return kIdCancel;
    }
    ApplyTicks(model, *request.links);
    if (Answer({kIdOk, kIdCancel, IDC_HELP_BUTTON}) != kIdOk)
        return button_;
    std::u16string amount = EditBoxText(text_.value_or(request.amount));
    OkOutcome outcome = CheckCurrencyOk(model, amount);
    if (!outcome.accepted) {
        Refuse(outcome);
        return kIdCancel;
    }
    // A list left without a currency of the table keeps the one it had, as the dialog does.
    if (const CCurrency* from = from_ ? FindCurrency(*from_) : nullptr)
        request.from = from;
    if (const CCurrency* to = to_ ? FindCurrency(*to_) : nullptr)
        request.to = to;
    request.amount = amount;
    return kIdOk;
}

int CWebDialogs::ShowConvert(const ConvertRequest& request) {
    // Calculate keeps the dialog open: it is a call of its own (tandrel_calculate).
    if (finishing_)
        return Answer({kIdOk, kIdCancel, IDC_HELP_BUTTON});
    if (!shown_) {
        ConvertChoice choice = InitialConvertChoice(request);
        Json dialog = DescribeTemplate(IDD_ASK_CONVERT);
        dialog["amount"] = Text(request.amount);
        dialog["categories"] = DescribeUnits(request.units);
        dialog["category"] = choice.category ? AnsiText(choice.category->GetName()) : Json();
        dialog["from"] = NameOf(choice.from);
        dialog["to"] = NameOf(choice.to);
        shown_ = std::move(dialog);
    }
    return kIdCancel;
}

} // namespace tandrel::web
