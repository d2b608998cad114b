#include "web/DialogTemplates.h"

#include "common/Platform.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"

namespace tandrel::web {

const std::vector<DialogTemplate>& DialogTemplates() {
    using namespace ids;
    // As nubrix.rc lays them out: OK, Cancel and Help under every site list.
    static const std::vector<TemplateButton> kSiteListButtons = {
        {kIdOk, kButtonOk, true},
        {kIdCancel, kButtonCancel, false},
        {IDC_HELP_BUTTON, kButtonHelp, false}};
    static const std::vector<DialogTemplate> kTemplates = {
        {IDD_ABOUT,
         "about",
         {{"version", kAboutVersion}, {"goTo", kAboutGoToUrl}},
         {{kIdOk, kButtonOkKey, true},
          {IDC_ABOUT_HELP, kButtonHelp, false},
          {IDC_ABOUT_CUSTOMIZATION, kAboutCustomization, false},
          {IDC_ABOUT_HOME_PAGE, kAboutHomePage, false}}},
        {IDD_ASK_ISBN,
         "siteList",
         {{"group", kAskIsbnGroup}, {"label", kAskSitesLabel}, {"column", kSiteColumn}},
         kSiteListButtons},
        {IDD_ASK_UPC,
         "siteList",
         {{"group", kAskUpcGroup}, {"label", kAskSitesLabel}, {"column", kSiteColumn}},
         kSiteListButtons},
        {IDD_ASK_OTHER,
         "siteList",
         {{"group", kAskOtherGroup}, {"label", kAskOtherLabel}, {"column", kSiteColumn}},
         kSiteListButtons},
        {IDD_ASK_STOCK,
         "siteList",
         {{"group", kAskStockGroup}, {"label", kAskStockLabel}, {"column", kSiteColumn}},
         kSiteListButtons},
        {IDD_ASK_TRANSLATE,
         "siteList",
         {{"label", kAskTranslateLabel}, {"column", kSiteColumn}},
         kSiteListButtons},
        {IDD_ASK_EMAIL,
         "siteList",
         {{"label", kAskEmailLabel}, {"column", kSiteColumn}},
         kSiteListButtons},
        {IDD_ASK_URL,
         "siteList",
         {{"label", kAskUrlLabel}, {"column", kSiteColumn}},
         kSiteListButtons},
        {IDD_ASK_CURRENCY,
         "currency",
         {{"label", kAskCurrencyLabel},
          {"column", kSiteColumn},
          {"amount", kCurrencyConvert},
          {"example", kCurrencyExample},
          {"from", kFromLabel},
          {"to", kToLabel}},
         kSiteListButtons},
        {IDD_ASK_CONVERT,
         "convert",
         {{"amount", kConvertThe},
          {"from", kFromLabel},
          {"to", kToLabel},
          {"warranty", kConvertWarranty}},
         {{kIdOk, kButtonOkKey, false},
          {IDC_HELP_BUTTON, kButtonHelp, false},
          {IDC_CALCULATE, kConvertCalculate, true}}},
    };
    return kTemplates;
}

const DialogTemplate* FindDialogTemplate(int templateId) {
    for (const DialogTemplate& dialog : DialogTemplates()) {
        if (dialog.templateId == templateId)
            return &dialog;
    }
    return nullptr;
}

} // namespace tandrel::web
