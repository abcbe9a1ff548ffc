// Operating-system page: shows the detected Windows version; Next or Exit.
#pragma once

#include "ui/dialog.h"

class CSelectOsDlg : public ui::CDialog {
public:
    explicit CSelectOsDlg(HWND parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    const ui::MessageTable* GetMessageTable() const override { return &kMessageTable; }

private:
    void OnInstallUsbDriver();
    void OnInstallOldUsbDriver();
    bool OnPaint(ui::MessageArgs& args);

    static const ui::MessageEntry kMessageEntries[];
    static const ui::MessageTable kMessageTable;
};
