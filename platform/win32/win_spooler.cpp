#include "platform/win32/win_spooler.h"

#include <windows.h>
#include <winspool.h>

namespace platform {
namespace {

char* Text(std::string& s) { return &s[0]; }
char* Text(engine::RecordPath& p) { return p.data(); }

// Size query, then the call with a buffer of the reported size. A port or
// monitor added between the two calls makes the second one too small: ask
// again rather than show an empty list.
template <typename Enumerate>
std::vector<BYTE> EnumerateTwice(Enumerate enumerate, DWORD& count) {
    std::vector<BYTE> buffer;
    DWORD needed = 0;
    count = 0;
    enumerate(nullptr, 0, &needed, &count);
    for (int attempt = 0; attempt < 5; ++attempt) {
        buffer.assign(needed, 0);
        count = 0;
        if (enumerate(buffer.empty() ? nullptr : buffer.data(), needed, &needed, &count)) return buffer;
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) break;
    }
    count = 0;
    return buffer;
}

}  // namespace

SystemError WinSpooler::DriverDirectory(const std::string& environment,
                                                  std::array<char, engine::kDriverDirSize>& buffer) {
    DWORD needed = 0;
    std::string env = environment;
    if (GetPrinterDriverDirectoryA(nullptr, Text(env), 1, reinterpret_cast<BYTE*>(buffer.data()),
                                   static_cast<DWORD>(buffer.size()), &needed))
        return 0;
    const DWORD error = GetLastError();
    return error != 0 ? error : ERROR_GEN_FAILURE;
}

SystemError WinSpooler::AddDriver(const engine::DriverRecord& source) {
    engine::DriverRecord r = source;   // the Win32 record wants writable texts
    DRIVER_INFO_3A info{};
    info.cVersion = r.version;
    info.pName = Text(r.name);
    info.pEnvironment = Text(r.environment);
    info.pDriverPath = Text(r.driverPath);
    info.pDataFile = Text(r.dataFile);
    info.pConfigFile = Text(r.configFile);
    info.pHelpFile = Text(r.helpFile);
    info.pDependentFiles = r.dependentFiles.data();
    info.pMonitorName = Text(r.monitorName);
    info.pDefaultDataType = Text(r.defaultDataType);
    if (AddPrinterDriverA(nullptr, 3, reinterpret_cast<BYTE*>(&info))) return 0;
    const DWORD error = GetLastError();
    return error != 0 ? error : ERROR_GEN_FAILURE;
}

PrinterHandle WinSpooler::CreatePrinter(const engine::PrinterRecord& source, SystemError& error) {
    engine::PrinterRecord r = source;
    PRINTER_INFO_2A info{};
    info.pPrinterName = Text(r.printerName);
    info.pPortName = Text(r.portName);
    info.pDriverName = Text(r.driverName);
    info.pPrintProcessor = Text(r.printProcessor);
    info.pDatatype = Text(r.datatype);
    HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    error = printer != nullptr ? 0 : GetLastError();
    if (printer == nullptr && error == 0) error = ERROR_GEN_FAILURE;
    return printer;
}

void WinSpooler::ClosePrinter(PrinterHandle printer) { ::ClosePrinter(printer); }

std::vector<PortInfo> WinSpooler::ListPorts() {
    DWORD count = 0;
    std::vector<BYTE> buffer = EnumerateTwice(
        [](BYTE* data, DWORD size, DWORD* needed, DWORD* returned) {
            return EnumPortsA(nullptr, 2, data, size, needed, returned) != FALSE;
        },
        count);
    std::vector<PortInfo> ports;
    const auto* records = reinterpret_cast<const PORT_INFO_2A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        ports.push_back({records[i].pPortName ? records[i].pPortName : "",
                         records[i].pDescription ? records[i].pDescription : ""});
    }
    return ports;
}

std::vector<std::optional<std::string>> WinSpooler::ListMonitors() {
    DWORD count = 0;
    std::vector<BYTE> buffer = EnumerateTwice(
        [](BYTE* data, DWORD size, DWORD* needed, DWORD* returned) {
            return EnumMonitorsA(nullptr, 1, data, size, needed, returned) != FALSE;
        },
        count);
    std::vector<std::optional<std::string>> monitors;
    const auto* records = reinterpret_cast<const MONITOR_INFO_1A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        if (records[i].pName) monitors.emplace_back(records[i].pName);
        else monitors.emplace_back(std::nullopt);
    }
    return monitors;
}

void WinSpooler::RunAddPort(WindowHandle owner, const std::string& monitorName) {
    std::string name = monitorName;
    AddPortA(nullptr, static_cast<HWND>(owner), Text(name));
}

void WinSpooler::RunConfigurePort(WindowHandle owner, const std::string& portName) {
    std::string name = portName;
    ConfigurePortA(nullptr, static_cast<HWND>(owner), Text(name));
}

}  // namespace platform
