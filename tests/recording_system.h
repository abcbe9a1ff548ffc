// A fake of everything the installation touches. Each call is written to one
// transcript, so a test sees the order of reads, copies, spooler calls,
// registry writes and progress reports together.
#pragma once

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/install_sequence.h"

namespace testing_support {

class RecordingSystem : public engine::InstallInputs,
                        public platform::ProgressTarget,
                        public platform::Spooler,
                        public platform::InstallPlatform {
public:
    // What the wizard pages hold.
    std::string chosenPort = "LPT1:";
    int portIndex = 0;
    int modelIndex = 0;
    bool makeDefault = true;
    int baud = 5, dataBits = 3, stopBits = 0, parity = 2, flow = 2;

    // How the system behaves.
    std::string driverDir = "C:\\windows\\system32\\spool\\drivers\\w32x86";
    platform::SystemError driverDirError = 0;
    std::set<std::string> missingSources;            // copies of these fail
    platform::SystemError addDriverError = 0;
    platform::SystemError addPrinterError = 0;
    std::set<std::string> unopenableKeys;
    std::set<std::string> unsettableValues;

    // What happened.
    std::vector<std::string> log;
    std::vector<int> progress;
    std::string storedPort;
    std::vector<engine::DriverRecord> drivers;
    std::vector<engine::PrinterRecord> printers;
    std::vector<std::string> messages;

    engine::InstallContext Context() { return {*this, *this, *this, *this}; }

    // InstallInputs
    std::string ChosenPort() override { return Log("read chosen port"), chosenPort; }
    void StoreSelectedPort(const std::string& port) override { storedPort = port, Log("store port " + port); }
    int PortIndex() override { return Log("read port index"), portIndex; }
    int ModelIndex() override { return Log("read model index"), modelIndex; }
    bool MakeDefault() override { return Log("read default check"), makeDefault; }
    int BaudIndex() override { return Log("read baud"), baud; }
    int DataBitsIndex() override { return Log("read data bits"), dataBits; }
    int StopBitsIndex() override { return Log("read stop bits"), stopBits; }
    int ParityIndex() override { return Log("read parity"), parity; }
    int FlowIndex() override { return Log("read flow"), flow; }

    // ProgressTarget
    void SetPosition(int percent) override {
        progress.push_back(percent);
        Log("progress " + std::to_string(percent));
    }

    // Spooler
    platform::SystemError DriverDirectory(const std::string& environment,
                                          std::array<char, engine::kDriverDirSize>& buffer) override {
        Log("driver directory " + environment);
        if (driverDirError != 0) return driverDirError;
        std::strncpy(buffer.data(), driverDir.c_str(), buffer.size() - 1);
        return 0;
    }
    platform::SystemError AddDriver(const engine::DriverRecord& record) override {
        drivers.push_back(record);
        Log("add driver " + record.name + " for " + record.environment + " data " + record.dataFile.data());
        return addDriverError;
    }
    platform::PrinterHandle CreatePrinter(const engine::PrinterRecord& record,
                                          platform::SystemError& error) override {
        printers.push_back(record);
        Log("add printer " + record.printerName + " on '" + record.portName + "' driver " + record.driverName);
        error = addPrinterError;
        return addPrinterError == 0 ? &printerToken_ : nullptr;
    }
    void ClosePrinter(platform::PrinterHandle printer) override {
        Log(printer == &printerToken_ ? "close printer" : "close printer (null)");
    }
    std::vector<platform::PortInfo> ListPorts() override { return {}; }
    std::vector<std::optional<std::string>> ListMonitors() override { return {}; }
    void RunAddPort(platform::WindowHandle, const std::string&) override {}
    void RunConfigurePort(platform::WindowHandle, const std::string&) override {}

    // InstallPlatform
    platform::SystemError CopyDriverFile(const std::string& source, const std::string& destination) override {
        Log("copy " + source + " -> " + destination);
        return missingSources.count(source) ? 2 : 0;
    }
    std::string ErrorText(platform::SystemError error) override { return "system error " + std::to_string(error); }
    platform::KeyHandle OpenKeyForSet(platform::RootKey root, const std::string& subKey) override {
        const std::string name = (root == platform::RootKey::CurrentUser ? "HKCU\\" : "HKLM\\") + subKey;
        Log("open " + name);
        if (unopenableKeys.count(name)) return nullptr;
        openKey_ = name;
        return &keyToken_;
    }
    bool SetStringValue(platform::KeyHandle key, const std::string& name, const std::string& text) override {
        Log("set " + name + " = " + text + (key == &keyToken_ ? "" : " (bad key)"));
        return unsettableValues.count(name) == 0;
    }
    void CloseKey(platform::KeyHandle key) override { Log(key == &keyToken_ ? "close key" : "close bad key"); }
    void Sleep(unsigned milliseconds) override { Log("sleep " + std::to_string(milliseconds)); }
    void ShowErrorMessage(const std::string& text) override {
        messages.push_back(text);
        Log("message " + text);
    }

private:
    void Log(const std::string& line) { log.push_back(line); }
    int printerToken_ = 0;
    int keyToken_ = 0;
    std::string openKey_;
};

}  // namespace testing_support
