// Looking around, pacing and marking the transcript.
#include <windows.h>
#include <commctrl.h>

#include "commands.h"
#include "dialog_template.h"
#include "layout.h"
#include "remote_list.h"
#include "text.h"
#include "window_query.h"

namespace {

std::string DluText(const RECT& px, SIZE base) {
    if (base.cx == 0 || base.cy == 0) return "";
    return Format(" dlu (%d,%d %dx%d)", MulDiv(px.left, 4, base.cx), MulDiv(px.top, 8, base.cy),
                  MulDiv(px.right - px.left, 4, base.cx), MulDiv(px.bottom - px.top, 8, base.cy));
}

void DumpContents(Session& session, HWND control) {
    if (IsClass(control, "ComboBox")) {
        LRESULT sel = -1;
        SendTimeout(control, CB_GETCURSEL, 0, 0, &sel);
        Emit(Format("      items %s sel %ld", Quote(JoinBar(ComboItems(control))).c_str(), static_cast<long>(sel)));
    } else if (IsClass(control, WC_LISTVIEWA)) {
        std::vector<std::string> columns;
        for (int column = 0; column < ListColumnCount(control); ++column) {
            std::string heading;
            int width = 0;
            ListColumn(session.process, control, column, heading, width);
            columns.push_back(Format("%s:%d", heading.c_str(), width));
        }
        Emit("      columns " + Quote(JoinBar(columns)));
        const int rows = ListRowCount(control);
        for (int row = 0; row < rows; ++row) {
            std::string text;
            ListRowText(session.process, control, row, text);
            const UINT state = ListRowState(control, row, LVIS_SELECTED | LVIS_FOCUSED);
            Emit(Format("      row %d %s%s%s", row, Quote(text).c_str(), (state & LVIS_SELECTED) ? " selected" : "",
                        (state & LVIS_FOCUSED) ? " focused" : ""));
        }
    } else if (IsClass(control, PROGRESS_CLASSA)) {
        LRESULT pos = 0, low = 0, high = 0;
        SendTimeout(control, PBM_GETPOS, 0, 0, &pos);
        SendTimeout(control, PBM_GETRANGE, TRUE, 0, &low);
        SendTimeout(control, PBM_GETRANGE, FALSE, 0, &high);
        Emit(Format("      pos %ld range %ld..%ld", static_cast<long>(pos), static_cast<long>(low),
                    static_cast<long>(high)));
    }
}

}  // namespace

Outcome CmdDump(Session& session, const Args&) {
    HWND window = session.Window();
    if (window == nullptr) return Outcome::Continue;
    SIZE base = {};
    std::string source = "no template";
    const int templateId = session.exePath.empty() ? -1 : FindDialogByCaption(session.exePath, Caption(window));
    DialogTemplate dialog;
    std::string error;
    if (templateId >= 0 && LoadDialogTemplate(session.exePath, templateId, MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), dialog, error)) {
        base = TemplateBaseUnits(dialog);
        source = Format("template %d, base units %ldx%ld", templateId, base.cx, base.cy);
    }
    RECT client = {};
    GetClientRect(window, &client);
    Emit(Format("window %s class %s client %ldx%ld%s (%s)", Quote(Caption(window)).c_str(), ClassOf(window).c_str(),
                client.right, client.bottom, DluText(client, base).c_str(), source.c_str()));
    HWND focus = FocusOf(window);
    int row = 0;
    for (HWND control : Children(window)) {
        const LONG style = GetWindowLongW(control, GWL_STYLE);
        const RECT r = ClientRectOf(control);
        std::string checked;
        if (IsClass(control, "Button")) {
            LRESULT state = 0;
            SendTimeout(control, BM_GETCHECK, 0, 0, &state);
            checked = Format(" checked %ld", static_cast<long>(state));
        }
        Emit(Format("  %2d id %d %s %s visible %d enabled %d%s%s style 0x%08lX px (%ld,%ld %ldx%ld)%s", ++row,
                    static_cast<int>(static_cast<short>(GetDlgCtrlID(control))), ClassOf(control).c_str(),
                    Quote(ControlText(control)).c_str(), (style & WS_VISIBLE) ? 1 : 0, IsWindowEnabled(control) ? 1 : 0,
                    checked.c_str(), control == focus || IsChild(control, focus) ? " focus" : "",
                    static_cast<unsigned long>(style), r.left, r.top, r.right - r.left, r.bottom - r.top,
                    DluText(r, base).c_str()));
        DumpContents(session, control);
    }
    return Outcome::Continue;
}

Outcome CmdScreenshot(Session& session, const Args& args) {
    if (session.current != nullptr && IsWindow(session.current)) Settle(session.current);
    Emit("SCREENSHOT " + args[0]);
    wchar_t directory[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"UIDRIVER_SHOT_DIR", directory, MAX_PATH) == 0) return Outcome::Continue;
    const std::wstring done = HostPath(Narrow(directory)) + L"\\" + Widen(args[0]) + L".done";
    const DWORD begin = GetTickCount();
    while (GetFileAttributesW(done.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (GetTickCount() - begin > 30000) {
            session.Fail("screenshot " + args[0] + ": no " + Narrow(done) + " after 30 s");
            return Outcome::Continue;
        }
        Sleep(50);
    }
    DeleteFileW(done.c_str());
    return Outcome::Continue;
}

Outcome CmdSleep(Session& session, const Args& args) {
    long ms;
    if (!NumberArg(session, args[0], ms)) return Outcome::Fatal;
    Sleep(static_cast<DWORD>(ms));
    return Outcome::Continue;
}

Outcome CmdTimeMark(Session& session, const Args& args) {
    if (session.startTick == 0) return Fatal(session, "time-mark before start");
    Emit(Format("TIME %s %lu ms", args[0].c_str(), GetTickCount() - session.startTick));
    return Outcome::Continue;
}

Outcome CmdEcho(Session&, const Args& args) {
    std::string text;
    for (const std::string& word : args) text += (text.empty() ? "" : " ") + word;
    Emit(text);
    return Outcome::Continue;
}
