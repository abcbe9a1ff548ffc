// The state one scenario run carries from command to command.
#pragma once
#include <windows.h>

#include <string>

struct Session {
    HANDLE process = nullptr;  // the started program; null before `start`
    DWORD pid = 0;
    DWORD startTick = 0;
    std::wstring exePath;      // for reading its resources
    std::wstring appTitle;     // its message boxes' caption
    HWND current = nullptr;    // the window that control commands address
    int line = 0;              // script line being run, for failure lines
    int checks = 0;
    int failures = 0;

    bool Exited() const;
    void Terminate();

    // Counts one check; on a mismatch prints
    // "FAIL: <line>: <what> expected <x> got <y>".
    bool Check(bool ok, const std::string& what, const std::string& expected, const std::string& got);
    // A failure line that is not the outcome of one check (a missing
    // control, a layout difference); counts as a failure only.
    void Fail(const std::string& message);

    // The current window, or null after a failure line saying why.
    HWND Window();
    // A control of the current window by id, or null after a failure line.
    HWND Control(long id);
};
