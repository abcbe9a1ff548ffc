#include "pages/detail_setting_dlg.h"

#include <iterator>

#include "app/globals.h"
#include "engine/display_names.h"
#include "pages/about_dlg.h"
#include "pages/select_port_dlg.h"
#include "platform/win32/win_install_platform.h"
#include "platform/win32/win_spooler.h"
#include "res/resource.h"
#include "ui/win_app.h"

namespace {

constexpr engine::OsType kFirstOsWithCompletedMessage = 3;
constexpr engine::OsType kLastOsWithCompletedMessage = 9;

int Selection(HWND combo) { return static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0)); }

void Select(HWND combo, int row) { SendMessageA(combo, CB_SETCURSEL, row, 0); }

std::string DisplayName(std::size_t model) {
    return engine::DecipherText(engine::kStoredDisplayNames[model], engine::kDisplayNameKey);
}

// The port page's bar, as the installation's progress target.
class ProgressBar : public platform::ProgressTarget {
public:
    explicit ProgressBar(const ui::CProgressCtrl& bar) : bar_(bar) {}
    void SetPosition(int percent) override { bar_.SetPos(percent); }

private:
    const ui::CProgressCtrl& bar_;
};

}  // namespace

const ui::MessageEntry CDetailSettingDlg::kMessageEntries[] = {
    ui::OnMessage(WM_SYSCOMMAND, &CDetailSettingDlg::OnSysCommand),
    ui::OnMessage(WM_PAINT, &CDetailSettingDlg::OnPaint),
    ui::OnMessage(WM_QUERYDRAGICON, &CDetailSettingDlg::OnQueryDragIcon),
    ui::OnCommand(IDC_DETAIL_BACK, BN_CLICKED, &CDetailSettingDlg::OnBack),
    ui::OnCommand(IDC_DETAIL_NEXT, BN_CLICKED, &CDetailSettingDlg::OnNext),
    ui::OnCommand(IDC_MODEL_COMBO, CBN_SELCHANGE, &CDetailSettingDlg::OnSelChangeModel),
    ui::OnCommand(IDC_PORT_COMBO, CBN_SELCHANGE, &CDetailSettingDlg::OnSelChangePort),
    ui::OnCommand(IDC_DETAIL_EXIT, BN_CLICKED, &CDetailSettingDlg::OnCancel),
    // The "Set Default Printer" check box toggles itself; nothing to handle.
};

const ui::MessageTable CDetailSettingDlg::kMessageTable = {
    &ui::CDialog::kMessageTable, std::begin(kMessageEntries), std::end(kMessageEntries)};

CDetailSettingDlg::CDetailSettingDlg(HWND parent)
    : ui::CDialog(IDD_DETAIL_SETTING, parent),
      m_hIcon(LoadIconA(ui::AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME))) {}

BOOL CDetailSettingDlg::OnInitDialog() {
    ui::CDialog::OnInitDialog();

    if (HMENU systemMenu = GetSystemMenu(m_hWnd, FALSE)) {
        char about[256] = {};
        if (LoadStringA(ui::AfxGetInstanceHandle(), IDS_ABOUTBOX, about, sizeof about) > 0) {
            AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
            AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, about);
        }
    }
    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    // The initialisation data's model entries are placeholders.
    const HWND modelCombo = GetDlgItem(m_hWnd, IDC_MODEL_COMBO);
    SendMessageA(modelCombo, CB_RESETCONTENT, 0, 0);
    for (std::size_t model = 0; model < engine::kModelCount; ++model) {
        SendMessageA(modelCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(DisplayName(model).c_str()));
    }
    m_pModelCombo = modelCombo;
    Select(m_pModelCombo, 0);
    CheckDlgButton(m_hWnd, IDC_DEFAULT_CHECK, BST_CHECKED);
    SetDlgItemTextA(m_hWnd, IDC_PRINTER_NAME, DisplayName(0).c_str());

    m_pPortCombo = GetDlgItem(m_hWnd, IDC_PORT_COMBO);
    m_pBaudCombo = GetDlgItem(m_hWnd, IDC_BAUD_COMBO);
    m_pDataBitsCombo = GetDlgItem(m_hWnd, IDC_DATABITS_COMBO);
    m_pStopBitsCombo = GetDlgItem(m_hWnd, IDC_STOPBITS_COMBO);
    m_pParityCombo = GetDlgItem(m_hWnd, IDC_PARITY_COMBO);
    m_pFlowCombo = GetDlgItem(m_hWnd, IDC_FLOW_COMBO);

    using namespace engine::PortSettings;
    Select(m_pPortCombo, Port.initialSelection);
    Select(m_pBaudCombo, BaudRate.initialSelection);
    Select(m_pDataBitsCombo, DataBits.initialSelection);
    Select(m_pStopBitsCombo, StopBits.initialSelection);
    Select(m_pParityCombo, Parity.initialSelection);
    Select(m_pFlowCombo, Flow.initialSelection);
    EnableSerialSettings(false);

    g_detailDlg = this;
    return TRUE;
}

void CDetailSettingDlg::OnCancel() { ui::CDialog::OnOK(); }

void CDetailSettingDlg::OnBack() { ui::CDialog::OnCancel(); }

void CDetailSettingDlg::OnNext() {
    // Port pages stay allocated until exit, as the installation and this
    // handler reach the latest one through g_portDlg.
    g_portDlg = new CSelectPortDlg();
    const INT_PTR result = g_portDlg->DoModal();
    if (result == IDCANCEL) return;

    g_selectedPort = g_portDlg->m_strPort;
    const std::optional<engine::InstallOutcome>& outcome = g_portDlg->InstallResult();
    if (result == -1) {
        ui::AfxMessageBox("The port page could not be opened. The printer driver was not installed.");
    } else if (!outcome) {
        ui::AfxMessageBox("The printer driver was not installed.");
    } else if (!outcome->Succeeded()) {
        ui::AfxMessageBox(outcome->Describe());
    } else if (g_osType >= kFirstOsWithCompletedMessage && g_osType <= kLastOsWithCompletedMessage) {
        ui::AfxMessageBox("Completed!");
    }
    ui::CDialog::OnOK();
}

void CDetailSettingDlg::OnSelChangeModel() {
    const int model = Selection(m_pModelCombo);
    if (model < 0 || model >= static_cast<int>(engine::kModelCount)) return;
    SetDlgItemTextA(m_hWnd, IDC_PRINTER_NAME, DisplayName(static_cast<std::size_t>(model)).c_str());
}

void CDetailSettingDlg::OnSelChangePort() {
    EnableSerialSettings(Selection(m_pPortCombo) >= engine::PortSettings::kFirstSerialPortIndex);
}

void CDetailSettingDlg::EnableSerialSettings(bool enable) {
    for (HWND box : {m_pBaudCombo, m_pDataBitsCombo, m_pStopBitsCombo, m_pParityCombo, m_pFlowCombo}) {
        EnableWindow(box, enable);
    }
}

bool CDetailSettingDlg::OnSysCommand(ui::MessageArgs& args) {
    if ((args.wParam & 0xFFF0) != IDM_ABOUTBOX) return false;
    CAboutDlg about;
    about.DoModal();
    return true;
}

bool CDetailSettingDlg::OnPaint(ui::MessageArgs&) {
    if (!IsIconic(m_hWnd)) return false;
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(m_hWnd, &paint);
    SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    const int iconWidth = GetSystemMetrics(SM_CXICON);
    const int iconHeight = GetSystemMetrics(SM_CYICON);
    RECT client;
    GetClientRect(m_hWnd, &client);
    const int x = (client.right - client.left - iconWidth + 1) / 2;
    const int y = (client.bottom - client.top - iconHeight + 1) / 2;
    DrawIcon(dc, x, y, m_hIcon);
    EndPaint(m_hWnd, &paint);
    return true;
}

bool CDetailSettingDlg::OnQueryDragIcon(ui::MessageArgs& args) {
    args.result = reinterpret_cast<std::intptr_t>(m_hIcon);
    return true;
}

engine::InstallOutcome CDetailSettingDlg::InstallPrinterDriver(engine::TargetArch arch) {
    ProgressBar progress(g_portDlg->m_progress);
    platform::WinSpooler spooler;
    platform::WinInstallPlatform system;
    const engine::InstallContext context{*this, progress, spooler, system};
    return engine::InstallPrinterDriver(arch, context);
}

std::string CDetailSettingDlg::ChosenPort() { return g_portDlg->m_strPort; }

void CDetailSettingDlg::StoreSelectedPort(const std::string& port) { g_selectedPort = port; }

int CDetailSettingDlg::PortIndex() { return Selection(m_pPortCombo); }

int CDetailSettingDlg::ModelIndex() { return Selection(m_pModelCombo); }

bool CDetailSettingDlg::MakeDefault() {
    m_pDefaultCheck = GetDlgItem(m_hWnd, IDC_DEFAULT_CHECK);
    return SendMessageA(m_pDefaultCheck, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int CDetailSettingDlg::BaudIndex() { return Selection(m_pBaudCombo); }

int CDetailSettingDlg::DataBitsIndex() { return Selection(m_pDataBitsCombo); }

int CDetailSettingDlg::StopBitsIndex() { return Selection(m_pStopBitsCombo); }

int CDetailSettingDlg::ParityIndex() { return Selection(m_pParityCombo); }

int CDetailSettingDlg::FlowIndex() { return Selection(m_pFlowCombo); }
