// Port-creation dialog: lists the port monitors and lets the selected one
// add a port through its own dialog.
#pragma once

#include "ui/dialog.h"

class CCreatePortDlg : public ui::CDialog {
public:
    explicit CCreatePortDlg(HWND parent = nullptr);

    ui::CListCtrl m_listMonitors;

protected:
    void DoDataExchange(ui::CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    const ui::MessageTable* GetMessageTable() const override { return &kMessageTable; }

private:
    void OnNewPort();

    static const ui::MessageEntry kMessageEntries[];
    static const ui::MessageTable kMessageTable;
};
