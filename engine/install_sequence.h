// One installation: copy the model's driver files, register the driver, add
// the printer, write the registry values, and report progress 10..100.
#pragma once

#include <string>

#include "engine/catalogue.h"
#include "engine/install_outcome.h"
#include "platform/install_platform.h"
#include "platform/spooler.h"

namespace engine {

// The wizard's choices, read at the moment the sequence needs each of them
// (the detail page and the port page stand behind this in the program).
class InstallInputs {
public:
    virtual ~InstallInputs() = default;
    virtual std::string ChosenPort() = 0;                      // the port page's choice
    virtual void StoreSelectedPort(const std::string& port) = 0;  // process-wide copy
    virtual int PortIndex() = 0;
    virtual int ModelIndex() = 0;
    virtual bool MakeDefault() = 0;
    virtual int BaudIndex() = 0;
    virtual int DataBitsIndex() = 0;
    virtual int StopBitsIndex() = 0;
    virtual int ParityIndex() = 0;
    virtual int FlowIndex() = 0;
};

struct InstallContext {
    InstallInputs& inputs;
    platform::ProgressTarget& progress;
    platform::Spooler& spooler;
    platform::InstallPlatform& system;
};

// Registry error shown while the run goes on.
inline constexpr const char* kRegistryErrorText = "错误：无法设置有关的注册表信息";
inline constexpr const char* kUserWindowsKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
inline constexpr const char* kPortsKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";

// Runs every step whatever fails, always reports up to 100, and returns the
// steps that failed.
InstallOutcome InstallPrinterDriver(TargetArch arch, const InstallContext& context);

}  // namespace engine
