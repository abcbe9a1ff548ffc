#include "ui/dialog.h"

#include <exception>

#include "ui/dialog_init.h"
#include "ui/win_app.h"

namespace ui {

static_assert(kCommandMessage == WM_COMMAND && kClicked == BN_CLICKED && kIdOk == IDOK && kIdCancel == IDCANCEL,
              "message table constants out of step with windows.h");

namespace {

constexpr WORD kDialogInitResourceType = 240;

// Messages whose result the dialog procedure returns itself instead of
// storing it in DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
    switch (message) {
        case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
        case WM_COMPAREITEM: case WM_VKEYTOITEM: case WM_CHARTOITEM: case WM_QUERYDRAGICON:
        case WM_INITDIALOG:
            return true;
        default:
            return false;
    }
}

}  // namespace

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    control.m_hWnd = GetDlgItem(pDX->m_hDlg, id);
}

CDialog::CDialog(unsigned templateId, HWND parent) : m_templateId(templateId), m_hParent(parent) {}

INT_PTR CDialog::DoModal() {
    const HWND owner = m_hParent != nullptr ? m_hParent : GetActiveWindow();
    return DialogBoxParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(m_templateId), owner, &CDialog::DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(int result) { ::EndDialog(m_hWnd, result); }

void CDialog::OnOK() {
    UpdateData(true);
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnInitDialog() {
    ApplyInitData();
    UpdateData(false);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange dx(m_hWnd, saveAndValidate);
    DoDataExchange(&dx);
}

void CDialog::ApplyInitData() {
    const HINSTANCE instance = AfxGetInstanceHandle();
    const HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(m_templateId), MAKEINTRESOURCEA(kDialogInitResourceType));
    if (found == nullptr) return;
    const HGLOBAL loaded = LoadResource(instance, found);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) return;
    for (const DialogInitItem& item : ParseDialogInit(static_cast<const unsigned char*>(data), SizeofResource(instance, found))) {
        UINT message = 0;
        if (item.message == kInitCbAddString) message = CB_ADDSTRING;
        else if (item.message == kInitLbAddString) message = LB_ADDSTRING;
        else continue;
        SendDlgItemMessageA(m_hWnd, static_cast<int>(item.controlId), message, 0, reinterpret_cast<LPARAM>(item.text.c_str()));
    }
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND: {
            const unsigned id = LOWORD(wParam);
            const unsigned code = HIWORD(wParam);
            if (OnCmdMsg(id, code)) return TRUE;
            // A plain command that no dialog table takes gets a last chance
            // at the application's table (its help command).
            CWinApp* app = AfxGetApp();
            return code == kClicked && app != nullptr && app->OnCmdMsg(id, code);
        }
        default: {
            MessageArgs args;
            args.message = message;
            args.wParam = wParam;
            args.lParam = lParam;
            if (!OnWndMsg(args)) return FALSE;
            if (ReturnsResultDirectly(message)) return args.result;
            SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, args.result);
            return TRUE;
        }
    }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* dialog = nullptr;
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        dialog->m_hWnd = window;
    } else {
        dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    }
    // Messages before WM_INITDIALOG (WM_SETFONT) have no object yet.
    if (dialog == nullptr) return FALSE;

    INT_PTR result = FALSE;
    try {
        result = dialog->HandleMessage(message, wParam, lParam);
    } catch (const std::exception& e) {
        // No exception may unwind through the dialog manager.
        OutputDebugStringA(e.what());
        OutputDebugStringA("\n");
    } catch (...) {
        OutputDebugStringA("unknown exception in a dialog handler\n");
    }
    if (message == WM_NCDESTROY) dialog->m_hWnd = nullptr;
    return result;
}

}  // namespace ui
