#include "engine/install_sequence.h"

#include <cstring>

#include "engine/driver_records.h"

namespace engine {
namespace {

using platform::RootKey;

class Run {
public:
    Run(TargetArch arch, const InstallContext& context) : arch_(arch), c_(context) {}

    InstallOutcome Execute() {
        const std::string port = c_.inputs.ChosenPort();
        c_.inputs.StoreSelectedPort(port);
        const std::string driverDir = QueryDriverDirectory();
        const int portIndex = c_.inputs.PortIndex();
        const int modelIndex = c_.inputs.ModelIndex();

        // Files 1..8 with their reports: 10, 20, 30, 40 after 4+5, 50 after 6+7, 60.
        const std::vector<CopyPair> copies = BuildCopyPairs(modelIndex, arch_, driverDir);
        static const int kReportAfterCopy[kFileSetSize] = {10, 20, 30, 0, 40, 0, 50, 60};
        for (std::size_t i = 0; i < copies.size(); ++i) {
            Copy(copies[i]);
            if (kReportAfterCopy[i] != 0) Report(kReportAfterCopy[i]);
        }

        AddDriver(modelIndex, driverDir);
        Report(70);

        platform::SystemError error = 0;
        platform::PrinterHandle printer = c_.spooler.CreatePrinter(BuildPrinterRecord(modelIndex, port), error);
        // A printer of that name is already there on a reinstall: that is the goal.
        if (printer == nullptr && error != platform::kErrorPrinterAlreadyExists)
            Fail(InstallStep::AddPrinter, c_.system.ErrorText(error));
        Report(80);

        if (c_.inputs.MakeDefault()) {
            WriteValue(RootKey::CurrentUser, kUserWindowsKey, BuildDefaultPrinterValue(modelIndex, port),
                       InstallStep::DefaultPrinterValue);
        }
        Report(90);

        if (portIndex >= PortSettings::kFirstSerialPortIndex) {
            SerialSelection selection;
            selection.port = portIndex;
            selection.baud = c_.inputs.BaudIndex();
            selection.dataBits = c_.inputs.DataBitsIndex();
            selection.stopBits = c_.inputs.StopBitsIndex();
            selection.parity = c_.inputs.ParityIndex();
            selection.flow = c_.inputs.FlowIndex();
            WriteValue(RootKey::LocalMachine, kPortsKey, BuildSerialPortValue(selection),
                       InstallStep::SerialPortValue);
        }
        Report(95);

        c_.spooler.ClosePrinter(printer);
        c_.system.Sleep(500);
        Report(100);
        return std::move(outcome_);
    }

private:
    std::string QueryDriverDirectory() {
        std::array<char, kDriverDirSize> buffer{};
        const platform::SystemError error =
            c_.spooler.DriverDirectory(ArchInfoOf(arch_).environment, buffer);
        if (error != 0) {
            buffer.fill('\0');   // the paths then start with the backslash
            Fail(InstallStep::DriverDirectory, c_.system.ErrorText(error));
        }
        return std::string(buffer.data(), strnlen(buffer.data(), buffer.size() - 1));
    }

    void Copy(const CopyPair& pair) {
        const platform::SystemError error = c_.system.CopyDriverFile(pair.source, pair.destination);
        if (error != 0) Fail(InstallStep::CopyFile, pair.source + ": " + c_.system.ErrorText(error));
    }

    void AddDriver(int modelIndex, const std::string& driverDir) {
        const std::optional<DriverRecord> record = BuildDriverRecord(modelIndex, arch_, driverDir);
        if (!record) {
            Fail(InstallStep::DriverRecord, driverDir);
            return;
        }
        const platform::SystemError error = c_.spooler.AddDriver(*record);
        if (error != 0 && error != platform::kErrorDriverAlreadyInstalled)
            Fail(InstallStep::AddDriver, c_.system.ErrorText(error));
    }

    void WriteValue(RootKey root, const char* subKey, const RegistryValue& value, InstallStep step) {
        const std::string where = std::string(root == RootKey::CurrentUser ? "HKEY_CURRENT_USER\\"
                                                                           : "HKEY_LOCAL_MACHINE\\") +
                                  subKey + " \"" + value.name + "\"";
        platform::KeyHandle key = c_.system.OpenKeyForSet(root, subKey);
        if (key == nullptr) {
            // Not shown during the run, but the run is not a success either.
            Fail(step, where + " (key could not be opened)");
            return;
        }
        if (!c_.system.SetStringValue(key, value.name, value.text)) {
            c_.system.ShowErrorMessage(kRegistryErrorText);
            Fail(step, where);
        }
        c_.system.CloseKey(key);
    }

    void Report(int percent) { c_.progress.SetPosition(percent); }
    void Fail(InstallStep step, std::string detail) { outcome_.failures.push_back({step, std::move(detail)}); }

    TargetArch arch_;
    const InstallContext& c_;
    InstallOutcome outcome_;
};

}  // namespace

InstallOutcome InstallPrinterDriver(TargetArch arch, const InstallContext& context) {
    return Run(arch, context).Execute();
}

}  // namespace engine
