#include "Subcommands.h"

namespace tandrel::tool {

const std::vector<Subcommand>& AllSubcommands() {
    static const std::vector<Subcommand> subcommands = {
        {"collapse",
         "collapse [page options]   the selection trimmed, inner white space as one space",
         RunCollapse},
        {"commands",
         "commands                  the menu entries: keyword, menu text, script page, prefix, "
         "help entry",
         RunCommands},
        {"expand",
         "expand [--encode] TEMPLATE  the template with its macros and escapes replaced for the "
         "page",
         RunExpand},
        {"domain", "domain HOST               the registrable domain of a host name", RunDomain},
        {"currency",
         "currency [page options]   the amount, from and to currency codes the page gives",
         RunCurrency},
        {"units", "units [--config FILE]     the unit categories and their units, as loaded",
         RunUnits},
        {"convert",
         "convert [page options] [TO-UNIT]\n"
         "                            the amount, unit and category the selection gives; with\n"
         "                            TO-UNIT (a unit of that category) the converted answer",
         RunConvert},
        {"find",
         "find KIND [TEXT]          the code or symbol a recogniser finds in TEXT (default: the\n"
         "                            selection): isbn10, ean13, ean-to-isbn10, upc12, short-upc,\n"
         "                            complete-upc11, stock; or in the page: context-isbn,\n"
         "                            context-upc, context-stock",
         RunFind},
        {"features",
         "features [--index N] [--width V] [--height V] [--left V] [--top V] [--no-directories]\n"
         "                            [--fullscreen] [--no-location] [--no-menubar] "
         "[--no-resizable]\n"
         "                            [--no-scrollbars] [--no-status] [--no-toolbar]\n"
         "                            the window features of such an entry on the --screen",
         RunFeatures},
        {"run",
         "run SECTION...            what the named entries do, in order, instead of doing it:\n"
         "                            open, anchor, command, mailto and refused lines",
         RunEntries},
        {"sections",
         "sections PREFIX           the configuration sections of the prefix, as loaded",
         RunSections},
        {"links",
         "links PREFIX [--fields]   the link entries of the prefix with their starting ticks",
         RunLinks},
        {"lint", "lint FILE                 what a careful reader would point out in the file",
         RunLint},
    };
    return subcommands;
}

} // namespace tandrel::tool
