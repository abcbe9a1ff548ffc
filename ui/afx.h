// Free functions and the string type of the dialog layer.
#pragma once

#include <string>

namespace ui {

// 8-bit text in the ANSI code page (the program's own texts are ASCII).
using CString = std::string;

// One OK button and the exclamation icon, captioned with the application
// title, owned by the window that is active at the time. The text is UTF-8
// (the program's own texts are ASCII, which reads the same). Returns IDOK.
int AfxMessageBox(const CString& text);

// No template of the program holds an ActiveX control, so there is nothing
// to host.
inline void AfxEnableControlContainer() {}

}  // namespace ui
