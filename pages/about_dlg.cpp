#include "pages/about_dlg.h"

#include "res/resource.h"

CAboutDlg::CAboutDlg(HWND parent) : ui::CDialog(IDD_ABOUTBOX, parent) {}
