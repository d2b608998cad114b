// What the dialog templates of the module's resource script (nubrix.rc) say, for a shell that
// draws the dialogs itself: each template's kind, its texts by the part they label, and its
// buttons (every caption is the product's name). The texts are string-table ids (strings.inc),
// the same the resource script takes them from; DialogTemplatesTest.cpp holds the two to each
// other.
#pragma once

#include <string_view>
#include <vector>

namespace tandrel::web {

/// One text of a template and the part it labels ("group", "label", "from" ...).
struct TemplateText {
    std::string_view part;
    int textId;
};

/// One button: its control id (what the dialog ends with), its text, and whether Enter presses it.
struct TemplateButton {
    int controlId;
    int textId;
    bool isDefault;
};

struct DialogTemplate {
    int templateId;
    std::string_view kind; ///< "siteList", "currency", "convert" or "about"
    std::vector<TemplateText> texts;
    std::vector<TemplateButton> buttons; ///< in the template's order
};

/// Every dialog template of the resource script.
const std::vector<DialogTemplate>& DialogTemplates();

/// The template of that id; null for an id that is not a dialog template.
const DialogTemplate* FindDialogTemplate(int templateId);

} // namespace tandrel::web
