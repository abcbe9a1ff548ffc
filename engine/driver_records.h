// Pure builders of what one installation hands to the file system, the
// spooler and the registry. The records are portable; platform/ turns them
// into the Win32 structures.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/catalogue.h"

namespace engine {

constexpr std::size_t kDriverDirSize = 255;     // buffer of the directory query
constexpr std::size_t kRecordPathSize = 260;    // each path of the driver record
constexpr std::size_t kDependentFilesSize = 255;
constexpr std::size_t kPluginFileNameSize = 20;

using RecordPath = std::array<char, kRecordPathSize>;
using DependentFiles = std::array<char, kDependentFilesSize>;

struct CopyPair {
    std::string source;       // relative to the current directory
    std::string destination;  // in the driver directory
};

struct DriverRecord {
    unsigned version = 2;
    std::string name;
    std::string environment;
    RecordPath driverPath{};
    RecordPath dataFile{};
    RecordPath configFile{};
    RecordPath helpFile{};
    DependentFiles dependentFiles{};
    std::string monitorName;        // empty text, never absent
    std::string defaultDataType = "RAW";
};

struct PrinterRecord {
    std::string printerName;
    std::string portName;
    std::string driverName;
    std::string printProcessor = "WinPrint";
    std::string datatype = "RAW";
};

struct RegistryValue {
    std::string name;
    std::string text;
};

// The eight copies, in file-set order.
std::vector<CopyPair> BuildCopyPairs(int modelIndex, TargetArch arch, const std::string& driverDir);

// Empty when a path would not fit its 260-byte buffer: a cut path is never
// handed to the spooler.
std::optional<DriverRecord> BuildDriverRecord(int modelIndex, TargetArch arch, const std::string& driverDir);

DependentFiles BuildDependentFiles(const char* pluginBase);

PrinterRecord BuildPrinterRecord(int modelIndex, const std::string& portName);

// "Device" under the user's Windows key: "<driver>,winspool,<port>".
RegistryValue BuildDefaultPrinterValue(int modelIndex, const std::string& portName);

struct SerialSelection {
    int port = 0;
    int baud = 0;
    int dataBits = 0;
    int stopBits = 0;
    int parity = 0;
    int flow = 0;
};

// Value named by the port text ("COM1:"), holding "baud,parity,data,stop,flow".
RegistryValue BuildSerialPortValue(const SerialSelection& selection);

}  // namespace engine
