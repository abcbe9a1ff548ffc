#include <gtest/gtest.h>

#include <cstring>

#include "engine/driver_records.h"

namespace {

using engine::TargetArch;

TEST(DependentFiles, ByteForByte) {
    const engine::DependentFiles list = engine::BuildDependentFiles("VORNPR");
    const char expected[50] = "\\ttfsub.GPD\0\\unires.DLL\0\\stdnames.GPD\0VORNPR.DLL\0";
    EXPECT_EQ(std::memcmp(list.data(), expected, sizeof expected), 0);
    EXPECT_STREQ(list.data() + 38, "VORNPR.DLL");
    EXPECT_EQ(list[48], '\0');
    EXPECT_EQ(list[49], '\0');
    for (std::size_t i = 50; i < list.size(); ++i) ASSERT_EQ(list[i], '\0') << "byte " << i;
}

TEST(DependentFiles, PluginNameIsCutToItsNineteenByteBuffer) {
    const engine::DependentFiles list = engine::BuildDependentFiles("ABCDEFGHIJKLMNOPQRSTUV");
    EXPECT_STREQ(list.data() + 38, "ABCDEFGHIJKLMNOPQRS");
}

TEST(DriverRecord, FieldsForEachModelAndArch) {
    struct Row {
        TargetArch arch;
        int model;
        const char* name;
        const char* environment;
        const char* dataFile;
    };
    const Row rows[] = {
        {TargetArch::x86, 0, "Vorn Q41", "Windows NT x86", "D:\\drv\\Q41.GPD"},
        {TargetArch::x86, 2, "Vorn QL520", "Windows NT x86", "D:\\drv\\QL520.GPD"},
        {TargetArch::x64, 1, "Vorn Q47", "Windows x64", "D:\\drv\\Q47.GPD"},
    };
    for (const Row& row : rows) {
        const auto record = engine::BuildDriverRecord(row.model, row.arch, "D:\\drv");
        ASSERT_TRUE(record) << row.name;
        EXPECT_EQ(record->version, 2u) << row.name;
        EXPECT_EQ(record->name, row.name);
        EXPECT_EQ(record->environment, row.environment) << row.name;
        EXPECT_STREQ(record->driverPath.data(), "D:\\drv\\uniDRV.DLL") << row.name;
        EXPECT_STREQ(record->dataFile.data(), row.dataFile) << row.name;
        EXPECT_STREQ(record->configFile.data(), "D:\\drv\\uniDRVui.DLL") << row.name;
        EXPECT_STREQ(record->helpFile.data(), "D:\\drv\\uniDRV.HLP") << row.name;
        EXPECT_EQ(record->monitorName, "") << row.name;
        EXPECT_EQ(record->defaultDataType, "RAW") << row.name;
        EXPECT_STREQ(record->dependentFiles.data() + 38, "VORNPR.DLL") << row.name;
    }
}

TEST(DriverRecord, DirectoryLengthLimit) {
    // "\uniDRVui.DLL" is the longest ending (13): 246 + 13 + 1 = 260 fits.
    EXPECT_TRUE(engine::BuildDriverRecord(0, TargetArch::x86, std::string(246, 'd')));
    EXPECT_FALSE(engine::BuildDriverRecord(0, TargetArch::x86, std::string(247, 'd')));
    // The GPD of model 2 is as long as that ending: same limit.
    EXPECT_TRUE(engine::BuildDriverRecord(2, TargetArch::x86, std::string(246, 'd')));
}

TEST(CopyPairs, EightFilesInOrder) {
    const auto pairs = engine::BuildCopyPairs(2, TargetArch::x64, "C:\\d");
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"x64\\VORNPR.DLL", "C:\\d\\VORNPR.DLL"},     {"x64\\QL520.GPD", "C:\\d\\QL520.GPD"},
        {"x64\\uniDRVui.DLL", "C:\\d\\uniDRVui.DLL"}, {"x64\\uniDRV.DLL", "C:\\d\\uniDRV.DLL"},
        {"x64\\UNIDRV.HLP", "C:\\d\\UNIDRV.HLP"},     {"x64\\UNIRES.DLL", "C:\\d\\UNIRES.DLL"},
        {"x64\\TTFSUB.GPD", "C:\\d\\TTFSUB.GPD"},     {"x64\\STDNAMES.GPD", "C:\\d\\STDNAMES.GPD"},
    };
    ASSERT_EQ(pairs.size(), expected.size());
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        EXPECT_EQ(pairs[i].source, expected[i].first) << "file " << i + 1;
        EXPECT_EQ(pairs[i].destination, expected[i].second) << "file " << i + 1;
    }
}

TEST(PrinterRecord, NamesFromTheCatalogue) {
    const engine::PrinterRecord record = engine::BuildPrinterRecord(1, "COM2:");
    EXPECT_EQ(record.printerName, "Vorn Q47");
    EXPECT_EQ(record.driverName, "Vorn Q47");
    EXPECT_EQ(record.portName, "COM2:");
    EXPECT_EQ(record.printProcessor, "WinPrint");
    EXPECT_EQ(record.datatype, "RAW");
}

TEST(RegistryTexts, DefaultPrinterAndSerialPort) {
    const engine::RegistryValue device = engine::BuildDefaultPrinterValue(0, "LPT1:");
    EXPECT_EQ(device.name, "Device");
    EXPECT_EQ(device.text, "Vorn Q41,winspool,LPT1:");

    struct Row {
        engine::SerialSelection selection;
        const char* name;
        const char* text;
    };
    const Row rows[] = {
        {{3, 5, 3, 0, 2, 2}, "COM1:", "19200,N,8,1,p"},       // the page's initial choices
        {{6, 0, 0, 1, 0, 1}, "COM4:", "300,E,5,1.5,x"},
        {{4, 8, 2, 2, 1, 0}, "COM2:", "115200,M,7,2, "},      // Mark is "M"; flow None is one blank
        {{5, 3, 1, 0, 3, 2}, "COM3:", "4800,O,6,1,p"},
        {{3, 6, 3, 0, 4, 2}, "COM1:", "38400,S,8,1,p"},
    };
    for (const Row& row : rows) {
        const engine::RegistryValue value = engine::BuildSerialPortValue(row.selection);
        EXPECT_EQ(value.name, row.name) << row.text;
        EXPECT_EQ(value.text, row.text) << row.name;
    }
}

TEST(PortSettings, TablesAndInitialSelections) {
    using namespace engine::PortSettings;
    struct Row {
        const engine::SettingTable& table;
        int id;
        int count;
        const char* initialItem;
    };
    const Row rows[] = {
        {Port, 1014, 7, "LPT1"}, {BaudRate, 1015, 9, "19200"}, {DataBits, 1016, 4, "8"},
        {StopBits, 1019, 3, "1"}, {Parity, 1018, 5, "None"},   {Flow, 1017, 3, "Hardware"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.table.controlId, row.id);
        EXPECT_EQ(row.table.count, row.count) << row.id;
        EXPECT_STREQ(row.table.items[row.table.initialSelection], row.initialItem) << row.id;
    }
}

}  // namespace
