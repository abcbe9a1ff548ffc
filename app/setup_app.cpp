#include "app/setup_app.h"

#include <iterator>

#include "app/globals.h"
#include "pages/detail_setting_dlg.h"
#include "pages/select_os_dlg.h"

namespace {

constexpr unsigned ID_HELP = 0xE146;   // 57670, the library's standard help command

}  // namespace

// One translation unit, so the application object is constructed first and
// g_selectedPort after it, and destroyed in the reverse order.
CSetupApp theApp;
ui::CString g_selectedPort;
engine::OsType g_osType = 0;
CDetailSettingDlg* g_detailDlg = nullptr;
CSelectPortDlg* g_portDlg = nullptr;

const ui::MessageEntry CSetupApp::kMessageEntries[] = {
    ui::OnCommand(ID_HELP, ui::kClicked, &CSetupApp::OnHelp),
};

const ui::MessageTable CSetupApp::kMessageTable = {
    &ui::CWinApp::kMessageTable, std::begin(kMessageEntries), std::end(kMessageEntries)};

bool CSetupApp::InitInstance() {
    ui::AfxEnableControlContainer();
    Enable3dControlsStatic();

    CSelectOsDlg osPage;
    INT_PTR osResult = osPage.DoModal();
    while (osResult == IDOK) {
        INT_PTR detailResult;
        {
            // A fresh object per visit, so every visit starts from the defaults.
            CDetailSettingDlg detailPage;
            detailResult = detailPage.DoModal();
        }
        if (detailResult != IDCANCEL) break;
        osResult = osPage.DoModal();
    }
    return false;
}
