#include "engine/install_outcome.h"

namespace engine {
namespace {

const char* Headline(InstallStep step) {
    switch (step) {
        case InstallStep::DriverDirectory: return "The printer driver directory could not be determined";
        case InstallStep::CopyFile: return "A driver file could not be copied";
        case InstallStep::DriverRecord: return "The printer driver directory path is too long";
        case InstallStep::AddDriver: return "The printer driver could not be installed";
        case InstallStep::AddPrinter: return "The printer could not be added";
        case InstallStep::DefaultPrinterValue: return "The default printer could not be set";
        case InstallStep::SerialPortValue: return "The serial port settings could not be saved";
    }
    return "Unknown step";
}

}  // namespace

std::string InstallOutcome::Describe() const {
    if (failures.empty()) return "Completed!";
    std::string text = "The installation did not complete:";
    for (const InstallFailure& failure : failures) {
        text += "\n- ";
        text += Headline(failure.step);
        if (!failure.detail.empty()) text += ": " + failure.detail;
    }
    return text;
}

}  // namespace engine
