#include <gtest/gtest.h>

#include "engine/install_sequence.h"
#include "tests/recording_system.h"

namespace {

using engine::InstallStep;
using engine::TargetArch;
using testing_support::RecordingSystem;

// One whole run as the fake sees it. Placeholders: {P} source prefix, {E}
// environment, {D} driver directory, {N} driver name, {G} GPD base, {O} port.
const char* const kFullRun[] = {
    "read chosen port",
    "store port {O}",
    "driver directory {E}",
    "read port index",
    "read model index",
    "copy {P}VORNPR.DLL -> {D}\\VORNPR.DLL",
    "progress 10",
    "copy {P}{G}.GPD -> {D}\\{G}.GPD",
    "progress 20",
    "copy {P}uniDRVui.DLL -> {D}\\uniDRVui.DLL",
    "progress 30",
    "copy {P}uniDRV.DLL -> {D}\\uniDRV.DLL",
    "copy {P}UNIDRV.HLP -> {D}\\UNIDRV.HLP",
    "progress 40",
    "copy {P}UNIRES.DLL -> {D}\\UNIRES.DLL",
    "copy {P}TTFSUB.GPD -> {D}\\TTFSUB.GPD",
    "progress 50",
    "copy {P}STDNAMES.GPD -> {D}\\STDNAMES.GPD",
    "progress 60",
    "add driver {N} for {E} data {D}\\{G}.GPD",
    "progress 70",
    "add printer {N} on '{O}' driver {N}",
    "progress 80",
    "read default check",
    "[default]open HKCU\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows",
    "[default]set Device = {N},winspool,{O}",
    "[default]close key",
    "progress 90",
    "[serial]read baud",
    "[serial]read data bits",
    "[serial]read stop bits",
    "[serial]read parity",
    "[serial]read flow",
    "[serial]open HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports",
    "[serial]set COM1: = 19200,N,8,1,p",
    "[serial]close key",
    "progress 95",
    "close printer",
    "sleep 500",
    "progress 100",
};

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

struct RunCase {
    TargetArch arch;
    int model;
    bool makeDefault;
    int portIndex;
    const char* port;
};

std::vector<std::string> ExpectedRun(const RunCase& c, const std::string& dir) {
    static const char* const kGpd[] = {"Q41", "Q47", "QL520"};
    static const char* const kName[] = {"Vorn Q41", "Vorn Q47", "Vorn QL520"};
    const bool x64 = c.arch == TargetArch::x64;
    std::vector<std::string> lines;
    for (std::string line : kFullRun) {
        if (line.rfind("[default]", 0) == 0) {
            if (!c.makeDefault) continue;
            line.erase(0, 9);
        }
        if (line.rfind("[serial]", 0) == 0) {
            if (c.portIndex < 3) continue;
            line.erase(0, 8);
        }
        ReplaceAll(line, "{P}", x64 ? "x64\\" : "x86\\");
        ReplaceAll(line, "{E}", x64 ? "Windows x64" : "Windows NT x86");
        ReplaceAll(line, "{D}", dir);
        ReplaceAll(line, "{N}", kName[c.model]);
        ReplaceAll(line, "{G}", kGpd[c.model]);
        ReplaceAll(line, "{O}", c.port);
        lines.push_back(line);
    }
    return lines;
}

TEST(InstallSequence, CallsInOrderForEveryArchModelDefaultAndPortKind) {
    std::vector<RunCase> cases;
    for (TargetArch arch : {TargetArch::x86, TargetArch::x64})
        for (int model = 0; model < 3; ++model)
            for (bool makeDefault : {true, false}) {
                cases.push_back({arch, model, makeDefault, 0, "LPT1:"});
                cases.push_back({arch, model, makeDefault, 3, "COM1:"});
            }
    for (const RunCase& c : cases) {
        RecordingSystem fake;
        fake.driverDir = c.arch == TargetArch::x64 ? "C:\\spool\\x64" : "C:\\spool\\w32x86";
        fake.modelIndex = c.model;
        fake.makeDefault = c.makeDefault;
        fake.portIndex = c.portIndex;
        fake.chosenPort = c.port;
        const engine::InstallOutcome outcome = engine::InstallPrinterDriver(c.arch, fake.Context());
        const std::string row = std::string(c.arch == TargetArch::x64 ? "x64" : "x86") + " model " +
                                std::to_string(c.model) + (c.makeDefault ? " default" : " no default") +
                                " port " + c.port;
        EXPECT_EQ(fake.log, ExpectedRun(c, fake.driverDir)) << row;
        EXPECT_EQ(fake.progress, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 95, 100})) << row;
        EXPECT_TRUE(outcome.Succeeded()) << row << ": " << outcome.Describe();
        EXPECT_EQ(fake.storedPort, c.port) << row;
        EXPECT_TRUE(fake.messages.empty()) << row;
    }
}

TEST(InstallSequence, EmptyPortIsUsedUnchanged) {
    RecordingSystem fake;
    fake.chosenPort = "";
    engine::InstallPrinterDriver(TargetArch::x86, fake.Context());
    ASSERT_EQ(fake.printers.size(), 1u);
    EXPECT_EQ(fake.printers[0].portName, "");
    EXPECT_NE(std::find(fake.log.begin(), fake.log.end(), "set Device = Vorn Q41,winspool,"), fake.log.end());
}

// Failures: every step still runs, progress still reaches 100, and the outcome
// names exactly what failed.
struct FailureCase {
    const char* name;
    void (*arrange)(RecordingSystem&);
    std::vector<InstallStep> failedSteps;
    std::size_t messageBoxes;
    const char* detailPart;   // text the first failure's detail must hold
};

const FailureCase kFailures[] = {
    {"missing source files",
     [](RecordingSystem& f) { f.missingSources = {"x86\\VORNPR.DLL", "x86\\Q41.GPD"}; },
     {InstallStep::CopyFile, InstallStep::CopyFile}, 0, "x86\\VORNPR.DLL: system error 2"},
    {"driver directory query fails",
     [](RecordingSystem& f) { f.driverDirError = 1801; },
     {InstallStep::DriverDirectory}, 0, "system error 1801"},
    {"adding the driver fails",
     [](RecordingSystem& f) { f.addDriverError = 87; },
     {InstallStep::AddDriver}, 0, "system error 87"},
    {"driver already installed is no failure",
     [](RecordingSystem& f) { f.addDriverError = platform::kErrorDriverAlreadyInstalled; },
     {}, 0, ""},
    {"adding the printer fails",
     [](RecordingSystem& f) { f.addPrinterError = 1797; },
     {InstallStep::AddPrinter}, 0, "system error 1797"},
    {"printer already exists, as on a reinstall",
     [](RecordingSystem& f) { f.addPrinterError = platform::kErrorPrinterAlreadyExists; },
     {}, 0, ""},
    {"user key cannot be opened",
     [](RecordingSystem& f) { f.unopenableKeys = {"HKCU\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows"}; },
     {InstallStep::DefaultPrinterValue}, 0, "key could not be opened"},
    {"Device value cannot be set",
     [](RecordingSystem& f) { f.unsettableValues = {"Device"}; },
     {InstallStep::DefaultPrinterValue}, 1, "\"Device\""},
    {"both values cannot be set: two boxes",
     [](RecordingSystem& f) {
         f.portIndex = 4;
         f.unsettableValues = {"Device", "COM2:"};
     },
     {InstallStep::DefaultPrinterValue, InstallStep::SerialPortValue}, 2, "Device"},
    {"driver directory too long for the record paths",
     [](RecordingSystem& f) { f.driverDir = "C:\\" + std::string(244, 'd'); },
     {InstallStep::DriverRecord}, 0, "C:\\ddd"},
};

TEST(InstallSequence, FailuresAreReportedAndTheRunGoesOn) {
    for (const FailureCase& c : kFailures) {
        RecordingSystem fake;
        c.arrange(fake);
        const engine::InstallOutcome outcome = engine::InstallPrinterDriver(TargetArch::x86, fake.Context());
        std::vector<InstallStep> steps;
        for (const auto& failure : outcome.failures) steps.push_back(failure.step);
        EXPECT_EQ(steps, c.failedSteps) << c.name << ": " << outcome.Describe();
        EXPECT_EQ(fake.progress, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 95, 100})) << c.name;
        EXPECT_EQ(fake.messages.size(), c.messageBoxes) << c.name;
        for (const std::string& message : fake.messages) EXPECT_EQ(message, engine::kRegistryErrorText) << c.name;
        if (!outcome.failures.empty()) {
            EXPECT_NE(outcome.failures[0].detail.find(c.detailPart), std::string::npos)
                << c.name << ": " << outcome.failures[0].detail;
        }
        EXPECT_EQ(fake.log.back(), "progress 100") << c.name;
    }
}

TEST(InstallSequence, FailedDirectoryQueryGivesPathsStartingWithBackslash) {
    RecordingSystem fake;
    fake.driverDirError = 5;
    engine::InstallPrinterDriver(TargetArch::x86, fake.Context());
    EXPECT_NE(std::find(fake.log.begin(), fake.log.end(), "copy x86\\VORNPR.DLL -> \\VORNPR.DLL"), fake.log.end());
    ASSERT_EQ(fake.drivers.size(), 1u);
    EXPECT_STREQ(fake.drivers[0].driverPath.data(), "\\uniDRV.DLL");
}

TEST(InstallSequence, OverlongDirectoryNeverReachesTheSpoolerButTheRestRuns) {
    RecordingSystem fake;
    fake.driverDir = "C:\\" + std::string(244, 'd');   // 247 characters: one too many
    engine::InstallPrinterDriver(TargetArch::x86, fake.Context());
    EXPECT_TRUE(fake.drivers.empty());
    EXPECT_EQ(fake.printers.size(), 1u);
    // Copy paths are built whole, never cut.
    EXPECT_NE(std::find(fake.log.begin(), fake.log.end(),
                        "copy x86\\STDNAMES.GPD -> " + fake.driverDir + "\\STDNAMES.GPD"),
              fake.log.end());
}

TEST(InstallSequence, FailedPrinterClosesTheNullHandle) {
    RecordingSystem fake;
    fake.addPrinterError = 1802;
    engine::InstallPrinterDriver(TargetArch::x86, fake.Context());
    EXPECT_NE(std::find(fake.log.begin(), fake.log.end(), "close printer (null)"), fake.log.end());
}

TEST(InstallSequence, RegistryErrorMessageFollowsTheFailedSetAndTheKeyIsStillClosed) {
    RecordingSystem fake;
    fake.unsettableValues = {"Device"};
    engine::InstallPrinterDriver(TargetArch::x86, fake.Context());
    auto set = std::find(fake.log.begin(), fake.log.end(), "set Device = Vorn Q41,winspool,LPT1:");
    ASSERT_NE(set, fake.log.end());
    EXPECT_EQ(*(set + 1), std::string("message ") + engine::kRegistryErrorText);
    EXPECT_EQ(*(set + 2), "close key");
}

TEST(InstallOutcome, DescribeNamesEachFailure) {
    engine::InstallOutcome outcome;
    EXPECT_EQ(outcome.Describe(), "Completed!");
    outcome.failures.push_back({InstallStep::CopyFile, "x86\\Q41.GPD: The system cannot find the file specified."});
    outcome.failures.push_back({InstallStep::AddPrinter, "Access is denied."});
    EXPECT_EQ(outcome.Describe(),
              "The installation did not complete:\n"
              "- A driver file could not be copied: x86\\Q41.GPD: The system cannot find the file specified.\n"
              "- The printer could not be added: Access is denied.");
}

}  // namespace
