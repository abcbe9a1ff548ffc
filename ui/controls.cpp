#include "ui/controls.h"

#include <vector>

namespace ui {

int CListCtrl::InsertColumn(int column, const char* heading, int format) const {
    LVCOLUMNA col = {};
    col.mask = LVCF_FMT | LVCF_TEXT;
    col.fmt = format;
    col.pszText = const_cast<char*>(heading);
    return static_cast<int>(Send(LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&col)));
}

int CListCtrl::InsertItem(int row, const char* text) const {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(text);
    return static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool CListCtrl::SetItemText(int row, int column, const char* text) const {
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text);
    return Send(LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item)) != 0;
}

bool CListCtrl::SetItemState(int row, UINT state, UINT mask) const {
    LVITEMA item = {};
    item.state = state;
    item.stateMask = mask;
    return Send(LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item)) != 0;
}

CString CListCtrl::GetItemText(int row, int column) const {
    // The control gives no length up front: grow until the text fits.
    std::vector<char> buffer(256);
    for (;;) {
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const auto length = static_cast<std::size_t>(Send(LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item)));
        if (length + 1 < buffer.size()) return CString(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

int CListCtrl::GetFirstSelectedRow() const {
    for (int row = 0; row < GetItemCount(); ++row) {
        if (GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED) return row;
    }
    return -1;
}

}  // namespace ui
