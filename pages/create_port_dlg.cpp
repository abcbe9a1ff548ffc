#include "pages/create_port_dlg.h"

#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "pages/list_style.h"
#include "platform/win32/win_spooler.h"
#include "res/resource.h"

namespace {

constexpr int kMonitorColumnWidth = 340;

}  // namespace

const ui::MessageEntry CCreatePortDlg::kMessageEntries[] = {
    ui::OnCommand(IDC_NEW_PORT, BN_CLICKED, &CCreatePortDlg::OnNewPort),
    ui::OnCommand(IDC_CREATE_CLOSE, BN_CLICKED, &CCreatePortDlg::OnCancel),
};

const ui::MessageTable CCreatePortDlg::kMessageTable = {
    &ui::CDialog::kMessageTable, std::begin(kMessageEntries), std::end(kMessageEntries)};

CCreatePortDlg::CCreatePortDlg(HWND parent) : ui::CDialog(IDD_CREATE_PORT, parent) {}

void CCreatePortDlg::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Control(pDX, IDC_MONITOR_LIST, m_listMonitors);
}

BOOL CCreatePortDlg::OnInitDialog() {
    ui::CDialog::OnInitDialog();
    platform::WinSpooler spooler;
    const std::vector<std::optional<std::string>> monitors = spooler.ListMonitors();

    ApplyListStyle(m_listMonitors);
    m_listMonitors.InsertColumn(0, "Available Port Type", LVCFMT_LEFT);
    m_listMonitors.SetColumnWidth(0, kMonitorColumnWidth);

    for (std::size_t i = 0; i < monitors.size(); ++i) {
        if (!monitors[i]) continue;
        OutputDebugStringA((*monitors[i] + "\n").c_str());
        // A position past the end appends, so skipped records leave no gap.
        m_listMonitors.InsertItem(static_cast<int>(i), monitors[i]->c_str());
    }
    m_listMonitors.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED | LVIS_FOCUSED);
    return TRUE;
}

void CCreatePortDlg::OnNewPort() {
    const int row = m_listMonitors.GetFirstSelectedRow();
    if (row < 0) return;
    platform::WinSpooler spooler;
    spooler.RunAddPort(m_hWnd, m_listMonitors.GetItemText(row, 0));
}
