// What a user does: clicks, keys, selections, the close box, the system menu.
#include <cctype>

#include "commands.h"
#include "text.h"
#include "window_query.h"

namespace {

struct KeyName {
    const char* name;
    WORD vk;
};

const KeyName kKeys[] = {
    {"ENTER", VK_RETURN}, {"RETURN", VK_RETURN}, {"ESCAPE", VK_ESCAPE}, {"ESC", VK_ESCAPE},
    {"TAB", VK_TAB},      {"SPACE", VK_SPACE},   {"UP", VK_UP},         {"DOWN", VK_DOWN},
    {"LEFT", VK_LEFT},    {"RIGHT", VK_RIGHT},   {"HOME", VK_HOME},     {"END", VK_END},
    {"PGUP", VK_PRIOR},   {"PGDN", VK_NEXT},     {"F1", VK_F1},         {"F4", VK_F4},
    {"BACKSPACE", VK_BACK}, {"DELETE", VK_DELETE}, {"ALT", VK_MENU},    {"SHIFT", VK_SHIFT},
    {"CTRL", VK_CONTROL},
};

bool KeyCode(const std::string& name, WORD& vk) {
    for (const KeyName& key : kKeys)
        if (lstrcmpiA(name.c_str(), key.name) == 0) {
            vk = key.vk;
            return true;
        }
    if (name.size() == 1 && isalnum(static_cast<unsigned char>(name[0]))) {
        vk = static_cast<WORD>(toupper(static_cast<unsigned char>(name[0])));
        return true;
    }
    return false;
}

INPUT KeyInput(WORD vk, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, 0));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT MouseInput(DWORD flags, LONG x = 0, LONG y = 0) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = x;
    input.mi.dy = y;
    input.mi.dwFlags = flags;
    return input;
}

// Group boxes sit above the controls they frame but let clicks through.
bool IsGroupBox(HWND window) {
    return IsClass(window, "Button") && (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

void Front(HWND window) {
    if (!BringToFront(window)) Emit("note: the window did not become the foreground window");
}

Outcome PostCommand(Session& session, UINT message, WPARAM wParam, LPARAM lParam) {
    if (HWND window = session.Window()) {
        PostMessageW(window, message, wParam, lParam);
        Settle(window);
    }
    return Outcome::Continue;
}

}  // namespace

Outcome CmdClick(Session& session, const Args& args) {
    long id;
    if (!NumberArg(session, args[0], id)) return Outcome::Fatal;
    HWND control = session.Control(id);
    if (control == nullptr) return Outcome::Continue;
    if (!IsWindowVisible(control)) {
        session.Fail(Format("click %ld: the control is not visible, a user cannot click it", id));
        return Outcome::Continue;
    }
    Front(session.current);
    RECT r = {};
    GetWindowRect(control, &r);
    const POINT centre = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    HWND hit = WindowFromPoint(centre);
    if (hit != control && !IsChild(control, hit) && !IsGroupBox(hit)) {
        session.Fail(Format("click %ld: the point (%ld,%ld) shows %s %s, not the control", id, centre.x, centre.y,
                            ClassOf(hit).c_str(), Quote(Caption(hit)).c_str()));
        return Outcome::Continue;
    }
    const LONG width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    SetCursorPos(centre.x, centre.y);
    INPUT move = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, MulDiv(centre.x, 65535, width - 1),
                            MulDiv(centre.y, 65535, height - 1));
    INPUT down = MouseInput(MOUSEEVENTF_LEFTDOWN);
    INPUT up = MouseInput(MOUSEEVENTF_LEFTUP);
    SendInput(1, &move, sizeof(INPUT));
    Sleep(20);
    SendInput(1, &down, sizeof(INPUT));
    Sleep(50);
    SendInput(1, &up, sizeof(INPUT));
    Settle(session.current);
    return Outcome::Continue;
}

Outcome CmdBmClick(Session& session, const Args& args) {
    long id;
    if (!NumberArg(session, args[0], id)) return Outcome::Fatal;
    if (HWND control = session.Control(id)) {
        Front(session.current);
        // Posted: the handler may run a modal dialog and not return for long.
        PostMessageW(control, BM_CLICK, 0, 0);
        Settle(session.current);
    }
    return Outcome::Continue;
}

Outcome CmdSelectCombo(Session& session, const Args& args) {
    long id, index;
    if (!NumberArg(session, args[0], id) || !NumberArg(session, args[1], index)) return Outcome::Fatal;
    HWND combo = session.Control(id);
    if (combo == nullptr) return Outcome::Continue;
    LRESULT result = 0;
    SendTimeout(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0, &result);
    if (result != index) session.Fail(Format("select-combo %ld: the box has no row %ld", id, index));
    // A user's selection also tells the parent; CB_SETCURSEL alone does not.
    PostMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    Settle(session.current);
    return Outcome::Continue;
}

Outcome CmdKey(Session& session, const Args& args) {
    std::vector<WORD> keys;
    for (const std::string& name : Split(args[0], '+')) {
        WORD vk;
        if (!KeyCode(name, vk)) return Fatal(session, "unknown key " + Quote(name));
        keys.push_back(vk);
    }
    HWND window = session.Window();
    if (window == nullptr) return Outcome::Continue;
    Front(window);
    // Modifiers first and released last, as fingers do.
    for (WORD vk : keys) {
        INPUT down = KeyInput(vk, false);
        SendInput(1, &down, sizeof(INPUT));
        Sleep(20);
    }
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
        INPUT up = KeyInput(*it, true);
        SendInput(1, &up, sizeof(INPUT));
        Sleep(20);
    }
    Settle(window);
    return Outcome::Continue;
}

Outcome CmdPostKey(Session& session, const Args& args) {
    WORD vk;
    if (!KeyCode(args[0], vk)) return Fatal(session, "unknown key " + Quote(args[0]));
    HWND window = session.Window();
    if (window == nullptr) return Outcome::Continue;
    HWND target = FocusOf(window);
    if (target == nullptr) target = window;
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(vk, 0)) << 16;
    PostMessageW(target, WM_KEYDOWN, vk, scan | 1);
    PostMessageW(target, WM_KEYUP, vk, scan | 1 | (1L << 30) | (1L << 31));
    Settle(window);
    return Outcome::Continue;
}

Outcome CmdClose(Session& session, const Args&) { return PostCommand(session, WM_SYSCOMMAND, SC_CLOSE, 0); }

Outcome CmdSysMenu(Session& session, const Args& args) {
    long command;
    if (!NumberArg(session, args[0], command)) return Outcome::Fatal;
    return PostCommand(session, WM_SYSCOMMAND, static_cast<WPARAM>(command), 0);
}

Outcome CmdFocus(Session& session, const Args& args) {
    long id;
    if (!NumberArg(session, args[0], id)) return Outcome::Fatal;
    HWND control = session.Control(id);
    if (control == nullptr) return Outcome::Continue;
    // The dialog's own way to move the focus, so that the default-button
    // state follows as it does for Tab.
    return PostCommand(session, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

Outcome CmdOkMessage(Session& session, const Args&) {
    HWND box = session.Window();
    if (box == nullptr) return Outcome::Continue;
    HWND ok = GetDlgItem(box, IDOK);
    if (ok == nullptr) {
        session.Fail("ok-message: the current window has no OK button");
        return Outcome::Continue;
    }
    PostMessageW(ok, BM_CLICK, 0, 0);
    Settle(box);
    return Outcome::Continue;
}
