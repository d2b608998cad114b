#include "dialogs/win32/SiteListView.h"

#include "common/Messages.h"
#include "common/TextConversion.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"

namespace tandrel {

namespace {

constexpr UINT kStateMask = 0x3000;
constexpr int kTickImageWidth = 11;

UINT StateImage(bool ticked) {
    return INDEXTOSTATEIMAGEMASK(ticked ? 2 : 1);
}

std::wstring Wide(const std::string& ansi) {
    std::u16string wide = AnsiToWide(ansi);
    return std::wstring(wide.begin(), wide.end());
}

} // namespace

CSiteList::CSiteList(HMODULE module, CSiteListModel& model) : model_(model) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    images_ = ImageList_LoadImageW(module, MAKEINTRESOURCEW(IDB_TICKS), kTickImageWidth, 0,
                                   RGB(0, 0, 0), IMAGE_BITMAP, LR_DEFAULTCOLOR);
}

CSiteList::~CSiteList() {
    // The list view shares the images (LVS_SHAREIMAGELISTS): they are this object's to free.
    if (images_)
        ImageList_Destroy(images_);
}

void CSiteList::Init(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_SITE_LIST);
    std::wstring title = Wide(LoadText(ids::kSiteColumn));
    if (images_)
        ListView_SetImageList(list, images_, LVSIL_STATE);
    RECT client = {};
    GetClientRect(list, &client);
    LVCOLUMNW column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = LVCFMT_LEFT;
    column.cx = client.right - client.left - GetSystemMetrics(SM_CXVSCROLL);
    column.pszText = title.data();
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));

    shown_.assign(model_.size(), false);
    for (std::size_t entry = 0; entry < model_.size(); ++entry) {
        std::wstring label = Wide(model_.Entry(entry).GetShortDescription());
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE;
        item.iItem = static_cast<int>(entry);
        item.pszText = label.data();
        item.lParam = static_cast<LPARAM>(entry);
        item.state = StateImage(model_.IsTicked(entry));
        item.stateMask = kStateMask;
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        shown_[entry] = model_.IsTicked(entry);
    }
    model_.Init();
    ShowTicks(list, std::nullopt);
    if (std::optional<std::size_t> first = model_.FirstTicked())
        ListView_EnsureVisible(list, static_cast<int>(*first), FALSE);
}

LRESULT CSiteList::OnItemChanged(HWND dialog, const NMLISTVIEW& change) {
    std::wstring description;
    if (change.iItem >= 0 && static_cast<std::size_t>(change.lParam) < model_.size())
        description =
            Wide(model_.Entry(static_cast<std::size_t>(change.lParam)).GetShownDescription());
    SetDlgItemTextW(dialog, IDC_STATUS, description.c_str());
    return 0;
}

LRESULT CSiteList::OnDoubleClick(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_SITE_LIST);
    LVHITTESTINFO hit = {};
    GetCursorPos(&hit.pt);
    ScreenToClient(list, &hit.pt);
    int item = ListView_HitTest(list, &hit);
    if (item < 0 || !(hit.flags & LVHT_ONITEM) || static_cast<std::size_t>(item) >= model_.size())
        return 0;
    std::size_t entry = static_cast<std::size_t>(item);
    model_.DoubleClick(entry);
    ShowTicks(list, entry);
    return 0;
}

void CSiteList::ShowTicks(HWND list, std::optional<std::size_t> last) {
    for (std::size_t entry = 0; entry < model_.size(); ++entry) {
        if (entry != last && shown_[entry] != model_.IsTicked(entry))
            ShowTick(list, entry);
    }
    if (last)
        ShowTick(list, *last);
}

void CSiteList::ShowTick(HWND list, std::size_t entry) {
    shown_[entry] = model_.IsTicked(entry);
    ListView_SetItemState(list, static_cast<int>(entry), StateImage(shown_[entry]), kStateMask);
}

} // namespace tandrel
