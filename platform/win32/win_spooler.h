#pragma once

#include "platform/spooler.h"

namespace platform {

// winspool on the local machine, ANSI forms.
class WinSpooler : public Spooler {
public:
    SystemError DriverDirectory(const std::string& environment,
                                          std::array<char, engine::kDriverDirSize>& buffer) override;
    SystemError AddDriver(const engine::DriverRecord& record) override;
    PrinterHandle CreatePrinter(const engine::PrinterRecord& record, SystemError& error) override;
    void ClosePrinter(PrinterHandle printer) override;
    std::vector<PortInfo> ListPorts() override;
    std::vector<std::optional<std::string>> ListMonitors() override;
    void RunAddPort(WindowHandle owner, const std::string& monitorName) override;
    void RunConfigurePort(WindowHandle owner, const std::string& portName) override;
};

}  // namespace platform
