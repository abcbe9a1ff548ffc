#pragma once

#include <windows.h>

#include <string>

namespace platform {

// The executable's file name without its extension: the caption of every
// message box the program shows.
std::string AppTitle();

// Modal OK box with the exclamation icon. The text goes through the wide API
// so that it reads right whatever the system's ANSI code page is.
void ShowMessageUtf8(HWND owner, const std::string& utf8Text);

}  // namespace platform
