#include "pages/select_port_dlg.h"

#include <iterator>
#include <string>
#include <vector>

#include "app/globals.h"
#include "engine/port_preselection.h"
#include "pages/create_port_dlg.h"
#include "pages/detail_setting_dlg.h"
#include "pages/list_style.h"
#include "platform/win32/win_spooler.h"
#include "res/resource.h"

namespace {

constexpr int kPortColumnWidth = 150;
constexpr int kTypeColumnWidth = 280;
constexpr int kProgressMax = 100;

}  // namespace

const ui::MessageEntry CSelectPortDlg::kMessageEntries[] = {
    ui::OnCommand(IDC_CREATE_PORT, BN_CLICKED, &CSelectPortDlg::OnCreatePort),
    ui::OnCommand(IDC_CONFIGURE_PORT, BN_CLICKED, &CSelectPortDlg::OnConfigurePort),
    ui::OnCommand(IDC_PORT_BACK, BN_CLICKED, &CSelectPortDlg::OnCancel),
    ui::OnCommand(IDC_INSTALL, BN_CLICKED, &CSelectPortDlg::OnInstall),
    ui::OnCommand(IDC_PORT_CANCEL, BN_CLICKED, &CSelectPortDlg::OnCancel),
};

const ui::MessageTable CSelectPortDlg::kMessageTable = {
    &ui::CDialog::kMessageTable, std::begin(kMessageEntries), std::end(kMessageEntries)};

CSelectPortDlg::CSelectPortDlg(HWND parent) : ui::CDialog(IDD_SELECT_PORT, parent) {}

void CSelectPortDlg::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Control(pDX, IDC_PROGRESS, m_progress);
    ui::DDX_Control(pDX, IDC_PORT_LIST, m_listPorts);
}

BOOL CSelectPortDlg::OnInitDialog() {
    ui::CDialog::OnInitDialog();
    m_listPorts.InsertColumn(0, "Port", LVCFMT_LEFT);
    m_listPorts.InsertColumn(1, "Type", LVCFMT_LEFT);
    m_listPorts.SetColumnWidth(0, kPortColumnWidth);
    m_listPorts.SetColumnWidth(1, kTypeColumnWidth);
    FillPortList();
    m_progress.SetRange(0, kProgressMax);
    m_progress.SetPos(0);
    return TRUE;
}

void CSelectPortDlg::FillPortList() {
    platform::WinSpooler spooler;
    const std::vector<platform::PortInfo> ports = spooler.ListPorts();

    ApplyListStyle(m_listPorts);

    std::vector<std::string> names;
    names.reserve(ports.size());
    for (const platform::PortInfo& port : ports) {
        OutputDebugStringA((port.name + "\n").c_str());
        const int row = m_listPorts.InsertItem(static_cast<int>(names.size()), port.name.c_str());
        m_listPorts.SetItemText(row, 1, port.description.c_str());
        names.push_back(port.name);
    }
    // Selected but not marked focused; the list is not scrolled to it.
    if (const std::optional<std::size_t> row = engine::PreselectPort(names)) {
        m_listPorts.SetItemState(static_cast<int>(*row), LVIS_SELECTED, LVIS_SELECTED | LVIS_FOCUSED);
    }
}

void CSelectPortDlg::OnCreatePort() {
    CCreatePortDlg createPort;
    createPort.DoModal();
    m_listPorts.DeleteAllItems();
    FillPortList();
}

void CSelectPortDlg::OnConfigurePort() {
    const int row = m_listPorts.GetFirstSelectedRow();
    if (row < 0) return;
    platform::WinSpooler spooler;
    spooler.RunConfigurePort(m_hWnd, m_listPorts.GetItemText(row, 0));
}

void CSelectPortDlg::OnInstall() {
    const int row = m_listPorts.GetFirstSelectedRow();
    if (row < 0) {
        // A printer on no port would be useless; let the user choose.
        ui::AfxMessageBox("Please select a port.");
        return;
    }
    m_strPort = m_listPorts.GetItemText(row, 0);
    const engine::TargetArch arch = IsWow64() ? engine::TargetArch::x64 : engine::TargetArch::x86;
    m_outcome = g_detailDlg->InstallPrinterDriver(arch);
    ui::CDialog::OnOK();
}
