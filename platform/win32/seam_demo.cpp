// Console check of the Win32 seam on a real system: what the installer would
// see of the spooler and of the running Windows.
#include <cstdio>

#include "engine/catalogue.h"
#include "engine/os_version.h"
#include "platform/win32/win_spooler.h"
#include "platform/win32/win_system_info.h"

int main() {
    platform::WinVersionSource versions;
    platform::WinWow64Source wow64;
    engine::OsType osType = 0;
    engine::DetectOsType(versions, osType);
    const bool underWow64 = engine::IsWow64(wow64);
    std::printf("OsType %d, WOW64 %s\n", static_cast<int>(osType), underWow64 ? "yes" : "no");

    platform::WinSpooler spooler;
    for (engine::TargetArch arch : {engine::TargetArch::x86, engine::TargetArch::x64}) {
        std::array<char, engine::kDriverDirSize> dir{};
        const platform::SystemError error = spooler.DriverDirectory(engine::ArchInfoOf(arch).environment, dir);
        std::printf("Driver directory for %s: %s (error %lu)\n", engine::ArchInfoOf(arch).environment, dir.data(),
                    static_cast<unsigned long>(error));
    }
    for (const platform::PortInfo& port : spooler.ListPorts())
        std::printf("Port %s (%s)\n", port.name.c_str(), port.description.c_str());
    for (const auto& monitor : spooler.ListMonitors())
        std::printf("Monitor %s\n", monitor ? monitor->c_str() : "(no name)");
    return 0;
}
