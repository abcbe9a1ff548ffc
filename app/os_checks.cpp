#include "app/globals.h"

#include "platform/win32/win_system_info.h"

void DetectOsType() {
    platform::WinVersionSource source;
    engine::DetectOsType(source, g_osType);
}

bool IsWow64() {
    platform::WinWow64Source source;
    return engine::IsWow64(source);
}
