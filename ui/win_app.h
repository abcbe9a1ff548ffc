// The application object and the program's entry point: WinMain calls
// InitInstance of the one CWinApp, runs a message loop only when it returns
// true, then runs the exit processing.
#pragma once

#include <windows.h>

#include "ui/cmd_target.h"

namespace ui {

class CWinApp : public CCmdTarget {
public:
    // The one application object registers itself; it must be a static object.
    CWinApp();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Returns whether to go on with the message loop.
    virtual bool InitInstance() { return true; }
    // Message loop until WM_QUIT, then exit processing; returns the exit code.
    virtual int Run();
    // Exit processing; returns the exit code.
    virtual int ExitInstance() { return 0; }

    // Default help command. No help file ships, so there is nothing to open.
    void OnHelp() {}

    static const MessageTable kMessageTable;

protected:
    // The system draws three-dimensional controls itself.
    void Enable3dControlsStatic() {}
    const MessageTable* GetMessageTable() const override { return &kMessageTable; }
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();

}  // namespace ui
