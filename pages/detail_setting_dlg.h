// Detail-settings page: the printer model, the default-printer option and
// the hidden serial-port settings. Its Next button runs the port page, which
// runs the installation on this page through g_detailDlg.
#pragma once

#include "engine/catalogue.h"
#include "engine/install_outcome.h"
#include "engine/install_sequence.h"
#include "ui/dialog.h"

class CDetailSettingDlg : public ui::CDialog, private engine::InstallInputs {
public:
    explicit CDetailSettingDlg(HWND parent = nullptr);

    // Installs the chosen model with this page's choices and the port page's
    // (g_portDlg) port, moving that page's progress bar.
    engine::InstallOutcome InstallPrinterDriver(engine::TargetArch arch);

protected:
    BOOL OnInitDialog() override;
    // Escape, the close box and "&Exit" finish the wizard: they end the page
    // with IDOK, not IDCANCEL.
    void OnCancel() override;
    const ui::MessageTable* GetMessageTable() const override { return &kMessageTable; }

private:
    // The installation reads the page's controls at the moments it needs them.
    std::string ChosenPort() override;
    void StoreSelectedPort(const std::string& port) override;
    int PortIndex() override;
    int ModelIndex() override;
    bool MakeDefault() override;
    int BaudIndex() override;
    int DataBitsIndex() override;
    int StopBitsIndex() override;
    int ParityIndex() override;
    int FlowIndex() override;

    void OnBack();
    void OnNext();
    void OnSelChangeModel();
    void OnSelChangePort();
    bool OnSysCommand(ui::MessageArgs& args);
    bool OnPaint(ui::MessageArgs& args);
    bool OnQueryDragIcon(ui::MessageArgs& args);
    void EnableSerialSettings(bool enable);

    HWND m_pModelCombo = nullptr;
    HWND m_pPortCombo = nullptr;
    HWND m_pBaudCombo = nullptr;
    HWND m_pDataBitsCombo = nullptr;
    HWND m_pStopBitsCombo = nullptr;
    HWND m_pParityCombo = nullptr;
    HWND m_pFlowCombo = nullptr;
    HWND m_pDefaultCheck = nullptr;   // taken by the installation when it reads the box
    HICON m_hIcon;

    static const ui::MessageEntry kMessageEntries[];
    static const ui::MessageTable kMessageTable;
};
