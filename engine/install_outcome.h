// What one installation run achieved: the steps that failed, in run order.
#pragma once

#include <string>
#include <vector>

namespace engine {

enum class InstallStep {
    DriverDirectory,     // the spooler did not give its driver directory
    CopyFile,            // detail: source path and the system's error text
    DriverRecord,        // a record path would not fit its buffer
    AddDriver,
    AddPrinter,
    DefaultPrinterValue,
    SerialPortValue,
};

struct InstallFailure {
    InstallStep step;
    std::string detail;
};

struct InstallOutcome {
    std::vector<InstallFailure> failures;

    bool Succeeded() const { return failures.empty(); }
    // English text for the user, one line per failed step.
    std::string Describe() const;
};

}  // namespace engine
