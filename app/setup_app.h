// The application object: runs the wizard pages one after another.
#pragma once

#include "ui/win_app.h"

class CSetupApp : public ui::CWinApp {
public:
    // Runs the wizard and returns false: there is no main window and no
    // message loop of the application's own.
    bool InitInstance() override;

protected:
    const ui::MessageTable* GetMessageTable() const override { return &kMessageTable; }

private:
    static const ui::MessageEntry kMessageEntries[];
    static const ui::MessageTable kMessageTable;
};
