// Port page: lists the spooler's ports, creates and configures ports, and
// runs the installation on the selected one.
#pragma once

#include <optional>

#include "engine/install_outcome.h"
#include "ui/afx.h"
#include "ui/dialog.h"

class CSelectPortDlg : public ui::CDialog {
public:
    explicit CSelectPortDlg(HWND parent = nullptr);

    // What Install ran; empty until it has.
    const std::optional<engine::InstallOutcome>& InstallResult() const { return m_outcome; }

    ui::CString m_strPort;          // the chosen port, set by Install
    ui::CProgressCtrl m_progress;   // moved by the installation
    ui::CListCtrl m_listPorts;

protected:
    void DoDataExchange(ui::CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter while no push button has the focus would end the page without
    // installing; only Install, Back and Cancel end it.
    void OnOK() override {}
    const ui::MessageTable* GetMessageTable() const override { return &kMessageTable; }

private:
    void FillPortList();
    void OnCreatePort();
    void OnConfigurePort();
    void OnInstall();

    std::optional<engine::InstallOutcome> m_outcome;

    static const ui::MessageEntry kMessageEntries[];
    static const ui::MessageTable kMessageTable;
};
