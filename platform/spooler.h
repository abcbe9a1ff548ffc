// The print-spooler operations the program uses, always on the local machine.
// Win32 implementation: platform/win32/win_spooler.cpp.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/driver_records.h"

namespace platform {

using SystemError = std::uint32_t;       // 0 is success
using WindowHandle = void*;
using PrinterHandle = void*;

constexpr SystemError kErrorPrinterAlreadyExists = 1802;
constexpr SystemError kErrorDriverAlreadyInstalled = 1795;

struct PortInfo {
    std::string name;
    std::string description;   // empty when the spooler gives none
};

class Spooler {
public:
    virtual ~Spooler() = default;

    // Fills the zero-filled buffer with the driver directory; on failure it
    // stays empty and the error is returned.
    virtual SystemError DriverDirectory(const std::string& environment,
                                                  std::array<char, engine::kDriverDirSize>& buffer) = 0;
    virtual SystemError AddDriver(const engine::DriverRecord& record) = 0;
    // Null handle on failure, with the error in `error`.
    virtual PrinterHandle CreatePrinter(const engine::PrinterRecord& record, SystemError& error) = 0;
    virtual void ClosePrinter(PrinterHandle printer) = 0;

    // All ports in the spooler's order.
    virtual std::vector<PortInfo> ListPorts() = 0;
    // All monitors in the spooler's order; a record without a name is kept as
    // an absent entry so that callers see the spooler's positions.
    virtual std::vector<std::optional<std::string>> ListMonitors() = 0;
    // Both run the port monitor's own dialog, owned by `owner`.
    virtual void RunAddPort(WindowHandle owner, const std::string& monitorName) = 0;
    virtual void RunConfigurePort(WindowHandle owner, const std::string& portName) = 0;
};

}  // namespace platform
