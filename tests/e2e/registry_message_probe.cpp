// Shows the installation's registry error exactly as the installation does,
// so an end-to-end run can read the box under any ANSI code page. (Wine sets
// every value of a key it lets the program open, so the installation itself
// never shows it there.)
#include "engine/install_sequence.h"
#include "platform/win32/win_install_platform.h"

int main() {
    platform::WinInstallPlatform system;
    system.ShowErrorMessage(engine::kRegistryErrorText);
    return 0;
}
