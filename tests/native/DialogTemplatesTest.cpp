// The dialog templates the extension's interface describes (web/DialogTemplates.cpp) against the
// resource script the Windows build compiles (nubrix.rc): the same dialogs, each with the same
// caption, the same buttons in the same order (control, text, which one is the default) and the
// same texts. The script is read as written, so that a change to either side alone fails here.
#include "web/DialogTemplates.h"
#include "common/Platform.h"
#include "resources/StringIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace tandrel {
namespace {

const std::string kResourceFolder = std::string(TANDREL_SOURCE_DIR) + "/src/resources/";

std::vector<std::string> Lines(const std::string& name) {
    std::ifstream in(kResourceFolder + name);
    EXPECT_TRUE(in) << name;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The value of a name of ResourceIds.h, or of the two windows.h gives the script; fails for
// another.
int ControlId(const std::string& name) {
    static const std::map<std::string, int> ids = [] {
        std::map<std::string, int> read{{"IDOK", kIdOk}, {"IDCANCEL", kIdCancel}};
        const std::regex define(R"(^#define\s+(\w+)\s+(\d+)\s*$)");
        std::smatch match;
        for (const std::string& line : Lines("ResourceIds.h"))
            if (std::regex_match(line, match, define))
                read[match[1]] = std::stoi(match[2]);
        return read;
    }();
    auto found = ids.find(name);
    if (found == ids.end()) {
        ADD_FAILURE() << "nubrix.rc names " << name << ", which ResourceIds.h does not define";
        return -1;
    }
    return found->second;
}

// The string-table id of a text the script takes as TEXT_<name> (TemplateTexts.h makes those
// from strings.inc); fails for another name.
int TextId(const std::string& name) {
#define TANDREL_STRING(name, id, text) {#name, id},
    static const std::map<std::string, int> ids = {
#include "resources/strings.inc"
    };
#undef TANDREL_STRING
    auto found = ids.find(name);
    if (found == ids.end()) {
        ADD_FAILURE() << "nubrix.rc takes the text TEXT_" << name << ", which strings.inc lacks";
        return -1;
    }
    return found->second;
}

struct Button {
    int controlId;
    int textId;
    bool isDefault;
    bool operator==(const Button& other) const {
        return controlId == other.controlId && textId == other.textId &&
               isDefault == other.isDefault;
    }
};

std::ostream& operator<<(std::ostream& out, const Button& button) {
    return out << "{control " << button.controlId << ", text " << button.textId
               << (button.isDefault ? ", default}" : "}");
}

struct Dialog {
    int captionId = 0;
    std::vector<Button> buttons; ///< in the template's order
    std::vector<int> texts;      ///< sorted
};

// Every DIALOGEX of nubrix.rc by its template id. A list view gets its column's heading (the
// site list's "Site or Action") from the code that fills it, so it counts as a text of its dialog.
std::map<int, Dialog> ReadResourceDialogs() {
    const std::regex begin(R"(^(\w+)\s+DIALOGEX\b.*)");
    const std::regex caption(R"(^CAPTION\s+TEXT_(\w+)\s*$)");
    const std::regex button(R"(^\s+(DEFPUSHBUTTON|PUSHBUTTON)\s+TEXT_(\w+),\s*(\w+),.*)");
    const std::regex text(R"(^\s+(CTEXT|LTEXT|RTEXT|GROUPBOX)\s+TEXT_(\w+),.*)");
    const std::regex listView(R"(^\s+CONTROL\s+"",\s*\w+,\s*"SysListView32",.*)");
    std::map<int, Dialog> dialogs;
    Dialog* dialog = nullptr;
    std::smatch match;
    for (const std::string& line : Lines("nubrix.rc")) {
        if (std::regex_match(line, match, begin)) {
            dialog = &dialogs[ControlId(match[1])];
        } else if (!dialog) {
            continue;
        } else if (line == "END") {
            std::sort(dialog->texts.begin(), dialog->texts.end());
            dialog = nullptr;
        } else if (std::regex_match(line, match, caption)) {
            dialog->captionId = TextId(match[1]);
        } else if (std::regex_match(line, match, button)) {
            dialog->buttons.push_back(
                {ControlId(match[3]), TextId(match[2]), match[1] == "DEFPUSHBUTTON"});
        } else if (std::regex_match(line, match, text)) {
            dialog->texts.push_back(TextId(match[2]));
        } else if (std::regex_match(line, match, listView)) {
            dialog->texts.push_back(ids::kSiteColumn);
        } else if (line.find("TEXT_") != std::string::npos ||
                   line.find("BUTTON") != std::string::npos) {
            ADD_FAILURE() << "nubrix.rc: a text or button this test cannot read: " << line;
        }
    }
    return dialogs;
}

TEST(DialogTemplates, SayWhatTheResourceScriptSays) {
    std::map<int, Dialog> resources = ReadResourceDialogs();
    ASSERT_FALSE(resources.empty());
    for (const auto& [templateId, resource] : resources)
        EXPECT_NE(web::FindDialogTemplate(templateId), nullptr)
            << "nubrix.rc's dialog " << templateId << " has no web template";

    for (const web::DialogTemplate& web : web::DialogTemplates()) {
        auto found = resources.find(web.templateId);
        ASSERT_NE(found, resources.end()) << "no dialog " << web.templateId << " in nubrix.rc";
        const Dialog& resource = found->second;
        // The extension shows the product's name as every dialog's caption.
        EXPECT_EQ(resource.captionId, ids::kProductName) << web.templateId;
        std::vector<Button> buttons;
        for (const web::TemplateButton& button : web.buttons)
            buttons.push_back({button.controlId, button.textId, button.isDefault});
        EXPECT_EQ(buttons, resource.buttons) << "the buttons of " << web.templateId;
        std::vector<int> texts;
        for (const web::TemplateText& text : web.texts)
            texts.push_back(text.textId);
        std::sort(texts.begin(), texts.end());
        EXPECT_EQ(texts, resource.texts) << "the texts of " << web.templateId;
    }
}

} // namespace
} // namespace tandrel
