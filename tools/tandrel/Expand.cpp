#include "ConfigText.h"
#include "Subcommands.h"

#include "actions/MacroExpansion.h"
#include "common/TextConversion.h"
#include "page/HostDomain.h"

#include <ostream>

namespace tandrel::tool {

namespace {

// The one argument left, or a usage error naming what it should be.
const std::string& OnlyArgument(const ToolContext& context, const char* usage) {
    if (context.arguments.size() != 1)
        throw UsageError{usage};
    return context.arguments.front();
}

// A template is configuration text: every character must be one Windows-1252 holds.
std::string TemplateBytes(const std::string& utf8) {
    std::u16string wide = Utf8ToWide(utf8);
    std::string bytes = WideToWindows1252(wide);
    if (Windows1252ToWide(bytes) != wide)
        throw UsageError{"the template holds a character Windows-1252 cannot hold"};
    return bytes;
}

} // namespace

int RunExpand(ToolContext& context) {
    bool encode = false;
    for (auto it = context.arguments.begin(); it != context.arguments.end();) {
        encode = encode || *it == "--encode";
        it = *it == "--encode" ? context.arguments.erase(it) : it + 1;
    }
    std::string templateText =
        TemplateBytes(OnlyArgument(context, "expand takes one TEMPLATE (and --encode)"));
    CPageContext page;
    if (Failed(page.Load(context.frame)))
        return kExitNotFound;
    *context.out << WideToUtf8(ExpandTemplate(templateText, page, encode)) << "\n";
    return kExitSuccess;
}

int RunDomain(ToolContext& context) {
    const std::string& host = OnlyArgument(context, "domain takes one HOST");
    *context.out << WideToUtf8(DomainOfHost(Utf8ToWide(host))) << "\n";
    return kExitSuccess;
}

int RunCurrency(ToolContext& context) {
    if (!context.arguments.empty())
        throw UsageError{"currency takes no arguments"};
    CPageContext page;
    if (Failed(page.Load(context.frame)))
        return kExitNotFound;
    auto code = [](const CCurrency* currency) {
        return currency ? std::string(currency->code) : std::string();
    };
    *context.out << WideToUtf8(page.CurrencyAmount()) << "\t" << code(page.GetFromCurrency())
                 << "\t" << code(page.GetToCurrency()) << "\n";
    return kExitSuccess;
}

} // namespace tandrel::tool
