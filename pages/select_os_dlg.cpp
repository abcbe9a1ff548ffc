#include "pages/select_os_dlg.h"

#include <shellapi.h>

#include <iterator>
#include <string>
#include <vector>

#include "app/globals.h"
#include "res/resource.h"

namespace {

struct OsRadio {
    engine::OsType osType;
    int controlId;
};

const OsRadio kOsRadios[] = {
    {1, IDC_OS_WIN95}, {2, IDC_OS_WIN98}, {3, IDC_OS_NT4},   {4, IDC_OS_WIN2000}, {5, IDC_OS_XP},
    {6, IDC_OS_2003},  {7, IDC_OS_VISTA}, {8, IDC_OS_WIN7}, {9, IDC_OS_WIN8},
};

// Starts an installer that lies below the current directory. The buffer is
// sized from the directory's length, so a long directory never yields a cut
// path.
void StartInstaller(const char* relativePath) {
    const DWORD size = GetCurrentDirectoryA(0, nullptr);
    if (size == 0) return;
    std::vector<char> directory(size);
    const DWORD length = GetCurrentDirectoryA(size, directory.data());
    if (length == 0 || length >= size) return;   // changed in between
    std::string path(directory.data(), length);
    path += '\\';
    path += relativePath;
    ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

const ui::MessageEntry CSelectOsDlg::kMessageEntries[] = {
    ui::OnCommand(IDC_OS_NEXT, BN_CLICKED, &CSelectOsDlg::OnOK),
    ui::OnCommand(IDC_OS_EXIT, BN_CLICKED, &CSelectOsDlg::OnCancel),
    ui::OnCommand(IDC_OS_USB_DRIVER, BN_CLICKED, &CSelectOsDlg::OnInstallUsbDriver),
    ui::OnCommand(IDC_OS_USB_DRIVER_OLD, BN_CLICKED, &CSelectOsDlg::OnInstallOldUsbDriver),
    ui::OnMessage(WM_PAINT, &CSelectOsDlg::OnPaint),
};

const ui::MessageTable CSelectOsDlg::kMessageTable = {
    &ui::CDialog::kMessageTable, std::begin(kMessageEntries), std::end(kMessageEntries)};

CSelectOsDlg::CSelectOsDlg(HWND parent) : ui::CDialog(IDD_SELECT_OS, parent) {}

BOOL CSelectOsDlg::OnInitDialog() {
    ui::CDialog::OnInitDialog();
    DetectOsType();
    for (const OsRadio& radio : kOsRadios) {
        if (radio.osType == g_osType) SendDlgItemMessageA(m_hWnd, radio.controlId, BM_SETCHECK, BST_CHECKED, 0);
    }
    return TRUE;
}

void CSelectOsDlg::OnInstallUsbDriver() {
    StartInstaller(IsWow64() ? "USB Driver\\x64\\dpinstx64.exe" : "USB Driver\\x86\\dpinstx86.exe");
}

void CSelectOsDlg::OnInstallOldUsbDriver() { StartInstaller("USBdriver\\x86\\dpinst.exe"); }

bool CSelectOsDlg::OnPaint(ui::MessageArgs&) {
    PAINTSTRUCT paint;
    BeginPaint(m_hWnd, &paint);
    EndPaint(m_hWnd, &paint);
    return true;
}
