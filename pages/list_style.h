// The look both of the program's lists share: grid lines and full-row
// selection on, hover selection off, every other extended bit as it was.
#pragma once

#include "ui/controls.h"

inline void ApplyListStyle(const ui::CListCtrl& list) {
    DWORD style = list.GetExtendedStyle();
    style &= ~static_cast<DWORD>(LVS_EX_TRACKSELECT);
    style |= LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
    list.SetExtendedStyle(style);
}
