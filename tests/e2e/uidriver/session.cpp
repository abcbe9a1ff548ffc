#include "session.h"

#include "text.h"

bool Session::Exited() const { return process == nullptr || WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }

void Session::Terminate() {
    if (process == nullptr) return;
    if (!Exited()) {
        TerminateProcess(process, 255);
        WaitForSingleObject(process, 5000);
    }
    CloseHandle(process);
    process = nullptr;
    current = nullptr;
}

bool Session::Check(bool ok, const std::string& what, const std::string& expected, const std::string& got) {
    ++checks;
    if (!ok) {
        ++failures;
        Emit(Format("FAIL: %d: %s expected %s got %s", line, what.c_str(), expected.c_str(), got.c_str()));
    }
    return ok;
}

void Session::Fail(const std::string& message) {
    ++failures;
    Emit(Format("FAIL: %d: %s", line, message.c_str()));
}

HWND Session::Window() {
    // An ended dialog may linger hidden for a moment before it is destroyed.
    if (current != nullptr && IsWindow(current) && IsWindowVisible(current)) return current;
    Fail(current == nullptr ? "no current window (use wait first)" : "the current window has closed");
    return nullptr;
}

HWND Session::Control(long id) {
    HWND dialog = Window();
    if (dialog == nullptr) return nullptr;
    HWND control = GetDlgItem(dialog, static_cast<int>(id));
    if (control == nullptr) Fail(Format("control %ld: not found in the current window", id));
    return control;
}
