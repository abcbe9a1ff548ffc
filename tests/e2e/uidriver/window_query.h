// Looking at another process's windows without ever blocking on it: every
// message that could wait on the target goes through a send with a time-out.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Visible top-level windows of the process, top of the Z order first.
std::vector<HWND> TopWindows(DWORD pid);

// Direct children in Z order, which for a dialog is its template order.
std::vector<HWND> Children(HWND parent);

// Caption as the window manager keeps it (no message to the target).
std::string Caption(HWND window);
// Control text through WM_GETTEXT, so that edit boxes report their contents.
std::string ControlText(HWND control);
// Class name without a side-by-side version prefix ("6.0.x.y!Button").
std::string ClassOf(HWND window);
bool IsClass(HWND window, const char* name);

// SendMessageTimeout; false when the target did not answer in time.
bool SendTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result = nullptr,
                 UINT timeoutMs = 3000);

// Gives the target time to pull posted input, then waits (briefly) until
// its thread answers a message again. A modal loop started by the input
// answers too; a long handler does not, which is fine.
void Settle(HWND window);

// Focus of the window's GUI thread, or null.
HWND FocusOf(HWND window);

// Makes the dialog the foreground window; false if the system refused.
bool BringToFront(HWND window);

// Text of a message box: its static control 0xFFFF, else its first
// non-icon static with text.
std::string MessageBoxText(HWND box);

// All item texts of a combo box.
std::vector<std::string> ComboItems(HWND combo);
