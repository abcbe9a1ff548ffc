// Modal dialogs built from a template number. The dialog procedure finds the
// object through the window (stored at WM_INITDIALOG) and passes messages to
// the message tables (cmd_target.h); what no table takes goes to the dialog
// manager's default processing.
#pragma once

#include <windows.h>

#include "ui/cmd_target.h"
#include "ui/controls.h"

namespace ui {

class CDataExchange {
public:
    CDataExchange(HWND dialog, bool saveAndValidate) : m_hDlg(dialog), m_bSaveAndValidate(saveAndValidate) {}

    HWND m_hDlg;
    bool m_bSaveAndValidate;
};

// Attaches `control` to the dialog's child window `id`.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

class CDialog : public CDialogBase {
public:
    explicit CDialog(unsigned templateId, HWND parent = nullptr);
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // The dialog's result, or -1 when the dialog cannot be created. Without
    // a parent the dialog is owned by the window active at the time, so a
    // nested page disables the page that opened it.
    INT_PTR DoModal();
    void EndDialog(int result);
    HWND GetSafeHwnd() const { return m_hWnd; }

    // Data exchange, then ends the dialog with IDOK.
    void OnOK() override;
    // Ends the dialog with IDCANCEL.
    void OnCancel() override;

    HWND m_hWnd = nullptr;

protected:
    // Fills the template's list and combo boxes from its initialisation data,
    // then runs data exchange. TRUE lets the dialog manager set the focus.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    void UpdateData(bool saveAndValidate);

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void ApplyInitData();

    unsigned m_templateId;
    HWND m_hParent;
};

}  // namespace ui
