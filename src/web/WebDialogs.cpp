#include "web/WebDialogs.h"

#include "common/Messages.h"
#include "conversions/Currency.h"
#include "dialogs/ConvertCommand.h"
#include "dialogs/CurrencyCommand.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "web/ControlRoles.h"
#include "web/DialogTemplates.h"
#include "web/WebSession.h"

namespace tandrel::web {

namespace {

// The template's kind, caption, texts and buttons, as members of the dialog's object; a
// request's own texts replace the template's group and label, as the keyword searches' dialog
// sets them when it opens.
void DescribeTemplate(JsonWriter& dialog, int templateId, int groupId = 0, int labelId = 0) {
    const DialogTemplate* layout = FindDialogTemplate(templateId);
    dialog.Key("kind").String(layout ? layout->kind : "unknown");
    dialog.Key("template").Number(templateId);
    dialog.Key("caption").AnsiText(LoadText(ids::kProductName));
    dialog.Key("texts").BeginObject();
    if (layout) {
        for (const TemplateText& text : layout->texts) {
            if ((groupId && text.part == "group") || (labelId && text.part == "label"))
                continue;
            dialog.Key(text.part).AnsiText(LoadText(text.textId));
        }
    }
    if (groupId)
        dialog.Key("group").AnsiText(LoadText(groupId));
    if (labelId)
        dialog.Key("label").AnsiText(LoadText(labelId));
    dialog.EndObject().Key("buttons").BeginArray();
    if (layout) {
        for (const TemplateButton& button : layout->buttons) {
            dialog.BeginObject().Key("role").String(RoleOf(button.controlId));
            dialog.Key("text").AnsiText(LoadText(button.textId));
            dialog.Key("default").Bool(button.isDefault).EndObject();
        }
    }
    dialog.EndArray();
}

// The entries as the list shows them once it has opened.
void DescribeEntries(JsonWriter& out, const CSiteListModel& model) {
    out.BeginArray();
    for (std::size_t entry = 0; entry < model.size(); ++entry) {
        const CLink& link = model.Entry(entry);
        out.BeginObject().Key("section").AnsiText(link.GetSectionName());
        out.Key("short").AnsiText(link.GetShortDescription());
        out.Key("long").AnsiText(link.GetLongDescription());
        out.Key("status").AnsiText(link.GetShownDescription());
        out.Key("ticked").Bool(model.IsTicked(entry));
        out.Key("exclusive").Bool(link.GetExclusive()).EndObject();
    }
    out.EndArray();
}

void WriteCode(JsonWriter& out, const CCurrency* currency) {
    if (currency)
        out.String(currency->code);
    else
        out.Null();
}

void DescribeUnits(JsonWriter& out, const CUnitTable& units) {
    out.BeginArray();
    for (const CUnitCategory* category : ListedCategories(units)) {
        out.BeginObject().Key("name").AnsiText(category->GetName());
        out.Key("units").BeginArray();
        for (const CUnit* unit : ListedUnits(*category))
            out.AnsiText(unit->GetName());
        out.EndArray().EndObject();
    }
    out.EndArray();
}

std::string_view FocusOf(int control) {
    std::string_view role = RoleOf(control);
    return role.empty() ? "none" : role;
}

} // namespace

void WriteCurrencyList(JsonWriter& out) {
    // Every text starts with its unique code, so the sorted list shows the table's order.
    out.BeginArray();
    for (const CCurrency* row = CurrenciesBegin(); row != CurrenciesEnd(); ++row) {
        out.BeginObject().Key("code").String(row->code);
        out.Key("text").AnsiText(std::string(row->code) + " " + std::string(row->name));
        out.EndObject();
    }
    out.EndArray();
}

CWebDialogs::CWebDialogs(const Json& answer) : finishing_(true) {
    if (!answer.is_object())
        throw RequestError{"invalid", "answer must be an object"};
    const Json* button = Member(answer, "button", "answer");
    if (!button || !button->is_string())
        throw RequestError{"invalid", "answer.button must be the role of a button"};
    button_ = button->get<std::string>();
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

int CWebDialogs::Answer(const std::vector<int>& buttons) const {
    std::optional<int> pressed = ControlWithRole(button_, buttons);
    if (!pressed)
        throw RequestError{"invalid",
                           "answer.button \"" + button_ + "\" is no button that ends this dialog"};
    return *pressed;
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
    refusal_ = JsonOf([&outcome](JsonWriter& out) {
        WriteMessage(out, LoadText(outcome.messageId), LoadText(ids::kProductName),
                     kMbIconExclamation, true, FocusOf(outcome.focusControl));
    });
}

int CWebDialogs::ShowAboutBox() {
    if (finishing_)
        return Answer(
            {kIdOk, kIdCancel, IDC_ABOUT_HELP, IDC_ABOUT_CUSTOMIZATION, IDC_ABOUT_HOME_PAGE});
    if (!shown_)
        shown_ = JsonOf([](JsonWriter& out) {
            DescribeTemplate(out.BeginObject(), IDD_ABOUT);
            out.EndObject();
        });
    return kIdCancel;
}

int CWebDialogs::ShowSiteList(SiteListRequest& request) {
    CSiteListModel model(*request.links);
    model.Init();
    if (!finishing_) {
        if (!shown_) {
            shown_ = JsonOf([&](JsonWriter& out) {
                DescribeTemplate(out.BeginObject(), request.templateId, request.captionId,
                                 request.labelId);
                if (request.text)
                    out.Key("text").Text(*request.text);
                else
                    out.Key("text").Null();
                DescribeEntries(out.Key("entries"), model);
                out.EndObject();
            });
        }
        return kIdCancel;
    }
    ApplyTicks(model, *request.links);
    if (int pressed = Answer({kIdOk, kIdCancel, IDC_HELP_BUTTON}); pressed != kIdOk)
        return pressed;
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
            shown_ = JsonOf([&](JsonWriter& out) {
                DescribeTemplate(out.BeginObject(), IDD_ASK_CURRENCY);
                out.Key("amount").Text(request.amount);
                WriteCurrencyList(out.Key("currencies"));
                WriteCode(out.Key("from"), request.from);
                WriteCode(out.Key("to"), request.to);
                DescribeEntries(out.Key("entries"), model);
                out.EndObject();
            });
        }
        return kIdCancel;
    }
    ApplyTicks(model, *request.links);
    if (int pressed = Answer({kIdOk, kIdCancel, IDC_HELP_BUTTON}); pressed != kIdOk)
        return pressed;
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
        shown_ = JsonOf([&](JsonWriter& out) {
            DescribeTemplate(out.BeginObject(), IDD_ASK_CONVERT);
            out.Key("amount").Text(request.amount);
            DescribeUnits(out.Key("categories"), request.units);
            WriteName(out.Key("category"), choice.category);
            WriteName(out.Key("from"), choice.from);
            WriteName(out.Key("to"), choice.to);
            out.EndObject();
        });
    }
    return kIdCancel;
}

} // namespace tandrel::web
