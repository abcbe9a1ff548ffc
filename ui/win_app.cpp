#include "ui/win_app.h"

#include <commctrl.h>

#include <exception>

#include "ui/afx.h"
#include "platform/win32/message_box.h"

namespace ui {
namespace {

CWinApp* g_app = nullptr;

}  // namespace

// The root of the application's chain; derived applications add their own.
const MessageTable CWinApp::kMessageTable = {nullptr, nullptr, nullptr};

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

int CWinApp::Run() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    ExitInstance();
    return static_cast<int>(message.wParam);
}

CWinApp* AfxGetApp() { return g_app; }

HINSTANCE AfxGetInstanceHandle() { return GetModuleHandleA(nullptr); }

// Texts in the system's ANSI code page, like every text of the pages.
int AfxMessageBox(const CString& text) {
    return MessageBoxA(GetActiveWindow(), text.c_str(), platform::AppTitle().c_str(), MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace ui

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Registers the common control classes (the port lists, the progress bar).
    InitCommonControls();
    ui::CWinApp* app = ui::AfxGetApp();
    if (app == nullptr) return 1;
    try {
        if (app->InitInstance()) return app->Run();
        return app->ExitInstance();
    } catch (const std::exception& e) {
        OutputDebugStringA(e.what());
        OutputDebugStringA("\n");
    } catch (...) {
    }
    return 1;
}
