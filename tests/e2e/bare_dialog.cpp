// The smallest dialog program: one modal dialog from a template built in
// memory. Its launch time under the same Wine is the yardstick for the setup
// program's own launch time, so that the ratio means something on any machine.
#include <windows.h>

#include <cstring>
#include <cwchar>

namespace {

// DLGTEMPLATE followed by menu, class, caption and the font of DS_SETFONT,
// then one DLGITEMTEMPLATE (an OK button); every part is WORD-aligned and
// each item DWORD-aligned.
struct alignas(4) TemplateBuffer {
    WORD words[128];
};

WORD* PutText(WORD* at, const wchar_t* text) {
    const size_t length = std::wcslen(text) + 1;
    std::memcpy(at, text, length * sizeof(WORD));
    return at + length;
}

WORD* AlignDword(WORD* at, const WORD* base) {
    if ((at - base) % 2 != 0) *at++ = 0;
    return at;
}

INT_PTR CALLBACK BareProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    TemplateBuffer buffer = {};
    auto* dialog = reinterpret_cast<DLGTEMPLATE*>(buffer.words);
    dialog->style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    dialog->cdit = 1;
    dialog->cx = 160;
    dialog->cy = 60;
    WORD* at = reinterpret_cast<WORD*>(dialog + 1);
    *at++ = 0;  // no menu
    *at++ = 0;  // the standard dialog class
    at = PutText(at, L"Bare dialog");
    *at++ = 9;
    at = PutText(at, L"MS Shell Dlg");
    at = AlignDword(at, buffer.words);
    auto* item = reinterpret_cast<DLGITEMTEMPLATE*>(at);
    item->style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
    item->x = 55;
    item->y = 38;
    item->cx = 50;
    item->cy = 14;
    item->id = IDOK;
    at = reinterpret_cast<WORD*>(item + 1);
    *at++ = 0xFFFF;
    *at++ = 0x0080;  // Button
    at = PutText(at, L"OK");
    *at++ = 0;  // no creation data
    return static_cast<int>(DialogBoxIndirectW(instance, dialog, nullptr, BareProc));
}
