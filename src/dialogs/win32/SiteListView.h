// The list of sites in a dialog (list view 219, status line 208): one column of labels, each with
// a state image that mirrors its entry's tick, the tick flipped by a double-click, and the
// description of the entry under the user's attention in the status line. The tick rules are the
// model's (CSiteListModel); this class only shows them.
#pragma once

#include "dialogs/SiteList.h"

#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <vector>

namespace tandrel {

class CSiteList {
public:
    /// Loads the tick images (bitmap 204) of module; the list works without them if that fails.
    CSiteList(HMODULE module, CSiteListModel& model);
    ~CSiteList();
    CSiteList(const CSiteList&) = delete;
    CSiteList& operator=(const CSiteList&) = delete;

    /// At WM_INITDIALOG: the column, one item per entry, the opening ticks, the first ticked
    /// entry scrolled into view.
    void Init(HWND dialog);
    /// LVN_ITEMCHANGED: the status line shows the changed entry's description.
    LRESULT OnItemChanged(HWND dialog, const NMLISTVIEW& change);
    /// NM_DBLCLK: the entry under the mouse, if any, flips its tick.
    LRESULT OnDoubleClick(HWND dialog);

private:
    /// Shows every entry whose tick differs from its image, and last (when given) after them all,
    /// so that the status line ends on it.
    void ShowTicks(HWND list, std::optional<std::size_t> last);
    void ShowTick(HWND list, std::size_t entry);

    CSiteListModel& model_;
    HIMAGELIST images_ = nullptr;
    std::vector<bool> shown_; ///< the tick each item's image shows
};

} // namespace tandrel
