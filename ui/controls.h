// Thin wrappers over child controls. They do not own the window: the dialog
// does, and data exchange (DDX_Control) attaches them to it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "ui/afx.h"

namespace ui {

class CWnd {
public:
    HWND GetSafeHwnd() const { return m_hWnd; }

    HWND m_hWnd = nullptr;

protected:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(m_hWnd, message, wParam, lParam);
    }
};

class CProgressCtrl : public CWnd {
public:
    void SetRange(int lower, int upper) const { Send(PBM_SETRANGE, 0, MAKELPARAM(lower, upper)); }
    int SetPos(int position) const { return static_cast<int>(Send(PBM_SETPOS, position)); }
};

class CListCtrl : public CWnd {
public:
    DWORD GetExtendedStyle() const { return static_cast<DWORD>(Send(LVM_GETEXTENDEDLISTVIEWSTYLE)); }
    // Mask 0: the whole extended style is replaced.
    void SetExtendedStyle(DWORD style) const { Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style); }
    bool SetColumnWidth(int column, int width) const { return Send(LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0)) != 0; }
    int GetItemCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
    UINT GetItemState(int row, UINT mask) const { return static_cast<UINT>(Send(LVM_GETITEMSTATE, row, mask)); }
    bool DeleteAllItems() const { return Send(LVM_DELETEALLITEMS) != 0; }

    int InsertColumn(int column, const char* heading, int format) const;
    // Returns the row the item went to, -1 on failure.
    int InsertItem(int row, const char* text) const;
    bool SetItemText(int row, int column, const char* text) const;
    bool SetItemState(int row, UINT state, UINT mask) const;
    CString GetItemText(int row, int column) const;

    // First row whose state includes selected, tested from row 0 upward; -1
    // when none is.
    int GetFirstSelectedRow() const;
};

}  // namespace ui
