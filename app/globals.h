// Process-wide objects of the wizard and the system queries the pages share.
#pragma once

#include "engine/os_version.h"
#include "ui/afx.h"

class CDetailSettingDlg;
class CSelectPortDlg;

// The port the printer was added on; set by the installation and again when
// the port page returns.
extern ui::CString g_selectedPort;
// Refreshed each time the operating-system page opens.
extern engine::OsType g_osType;
// The detail page from the end of its initialisation; stale once it closes.
extern CDetailSettingDlg* g_detailDlg;
// The latest port page. Port pages are never freed before exit.
extern CSelectPortDlg* g_portDlg;

// Classifies the running Windows into g_osType.
void DetectOsType();
// True when this 32-bit process runs on 64-bit Windows; probed anew each time.
bool IsWow64();
