// About box, opened from the detail page's system menu.
#pragma once

#include "ui/dialog.h"

class CAboutDlg : public ui::CDialog {
public:
    explicit CAboutDlg(HWND parent = nullptr);
};
