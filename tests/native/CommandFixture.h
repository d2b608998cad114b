// A page in a memory browser with its dialogs answered from lists: runs a command of the menu's
// table and reports what it opened and which messages it showed.
#pragma once

#include "TestPlatform.h"

#include "com/CommandTable.h"
#include "config/ConfigPath.h"
#include "dialogs/MemoryDialogs.h"
#include "page/MemoryBrowser.h"
#include "page/PageContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace tandrel::test {

class CommandFixture : public ::testing::Test {
protected:
    /// Without a configuration file the stored default serves.
    explicit CommandFixture(std::optional<std::string> config) {
        if (config)
            scope.platform.files.Files()[ConfigFilePath()].bytes = std::move(*config);
        top->href = u"https://www.example.org/page.html";
        top->hostName = u"www.example.org";
    }
    void Run(std::string_view keyword, std::u16string selection) {
        top->selection = SelectionText{std::move(selection), u""};
        CPageContext page;
        ASSERT_EQ(page.Load(top), kOk);
        const auto& table = CommandTable();
        auto row = std::find_if(table.begin(), table.end(),
                                [&](const CommandRow& r) { return r.keyword == keyword; });
        ASSERT_NE(row, table.end()) << keyword;
        row->handler(page, *row);
    }
    std::vector<std::u16string> Opened() {
        std::vector<std::u16string> addresses;
        for (const BrowserEvent& event : top->Log()->events)
            if (event.kind == BrowserEvent::kOpen)
                addresses.push_back(event.address);
        return addresses;
    }
    std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const auto& box : scope.platform.ui.messageBoxes)
            texts.push_back(box.text);
        return texts;
    }

    MemoryPlatformScope scope;
    CMemoryDialogs dialogs;
    ScopedDialogHost installed{dialogs};
    std::shared_ptr<CMemoryWindow> top = std::make_shared<CMemoryWindow>();
};

} // namespace tandrel::test
