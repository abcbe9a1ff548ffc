#include "window_query.h"

#include "text.h"

namespace {

struct EnumState {
    DWORD pid;
    std::vector<HWND>* found;
};

BOOL CALLBACK CollectTop(HWND window, LPARAM param) {
    auto* state = reinterpret_cast<EnumState*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == state->pid && IsWindowVisible(window)) state->found->push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> TopWindows(DWORD pid) {
    std::vector<HWND> found;
    EnumState state{pid, &found};
    EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&state));
    return found;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

std::string Caption(HWND window) {
    wchar_t buffer[1024] = {};
    GetWindowTextW(window, buffer, 1024);
    return Narrow(buffer);
}

std::string ControlText(HWND control) {
    LRESULT length = 0;
    if (!SendTimeout(control, WM_GETTEXTLENGTH, 0, 0, &length)) return Caption(control);
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = 0;
    if (!SendTimeout(control, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(&buffer[0]), &copied))
        return Caption(control);
    buffer.resize(static_cast<size_t>(copied));
    return Narrow(buffer);
}

std::string ClassOf(HWND window) {
    wchar_t buffer[256] = {};
    GetClassNameW(window, buffer, 256);
    std::string name = Narrow(buffer);
    const size_t bang = name.rfind('!');
    return bang == std::string::npos ? name : name.substr(bang + 1);
}

bool IsClass(HWND window, const char* name) { return lstrcmpiA(ClassOf(window).c_str(), name) == 0; }

bool SendTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result, UINT timeoutMs) {
    DWORD_PTR answer = 0;
    const LRESULT ok = SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, timeoutMs, &answer);
    if (result != nullptr) *result = static_cast<LRESULT>(answer);
    return ok != 0;
}

void Settle(HWND window) {
    Sleep(50);
    if (IsWindow(window)) SendTimeout(window, WM_NULL, 0, 0, nullptr, 1000);
    Sleep(20);
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

bool BringToFront(HWND window) {
    if (GetForegroundWindow() == window) return true;
    SetForegroundWindow(window);
    for (int i = 0; i < 40; ++i) {
        if (GetForegroundWindow() == window) return true;
        Sleep(25);
    }
    return false;
}

std::string MessageBoxText(HWND box) {
    if (HWND text = GetDlgItem(box, 0xFFFF)) return ControlText(text);
    for (HWND child : Children(box)) {
        if (!IsClass(child, "Static")) continue;
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if ((style & SS_TYPEMASK) == SS_ICON) continue;
        const std::string text = ControlText(child);
        if (!text.empty()) return text;
    }
    return std::string();
}

namespace {

std::string ComboItem(HWND combo, int index) {
    LRESULT length = 0;
    if (!SendTimeout(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0, &length) || length < 0) return "?";
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendTimeout(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return Narrow(text);
}

}  // namespace

std::vector<std::string> ComboItems(HWND combo) {
    std::vector<std::string> items;
    LRESULT count = 0;
    if (!SendTimeout(combo, CB_GETCOUNT, 0, 0, &count)) return items;
    for (int i = 0; i < count; ++i) items.push_back(ComboItem(combo, i));
    return items;
}

