#include "platform/win32/win_system_info.h"

#include <windows.h>

namespace platform {
namespace {

void CopyOut(const OSVERSIONINFOA& record, VersionInfo& info) {
    info.platformId = record.dwPlatformId;
    info.major = record.dwMajorVersion;
    info.minor = record.dwMinorVersion;
}

}  // namespace

bool WinVersionSource::QueryExtended(VersionInfo& info) {
    OSVERSIONINFOEXA record{};
    record.dwOSVersionInfoSize = sizeof(record);
    if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&record))) return false;
    CopyOut(*reinterpret_cast<OSVERSIONINFOA*>(&record), info);
    return true;
}

bool WinVersionSource::QueryPlain(VersionInfo& info) {
    OSVERSIONINFOA record{};
    record.dwOSVersionInfoSize = sizeof(record);
    if (!GetVersionExA(&record)) return false;
    CopyOut(record, info);
    return true;
}

bool WinWow64Source::FindIsWow64Process() {
    // Looked up by name: Windows 2000 and early XP do not export it.
    HMODULE kernel = GetModuleHandleA("kernel32");
    function_ = kernel ? reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")) : nullptr;
    return function_ != nullptr;
}

void WinWow64Source::CallIsWow64Process(std::int32_t& flag) {
    using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
    BOOL value = FALSE;
    reinterpret_cast<IsWow64ProcessFn>(function_)(GetCurrentProcess(), &value);
    flag = value;
}

}  // namespace platform
