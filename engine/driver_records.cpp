#include "engine/driver_records.h"

#include <cstring>

namespace engine {
namespace {

std::string FileNameOf(const FileSetEntry& entry, const ModelEntry& model) {
    switch (entry.kind) {
        case FileKind::PluginDll: return std::string(model.pluginBase) + ".DLL";
        case FileKind::ModelGpd: return std::string(model.gpdBase) + ".GPD";
        case FileKind::Fixed: break;
    }
    return entry.fixedName;
}

// Copies text with its terminating zero into a zero-filled buffer; false when
// it does not fit whole.
template <std::size_t N>
bool FitInto(std::array<char, N>& buffer, const std::string& text) {
    buffer.fill('\0');
    if (text.size() + 1 > N) return false;
    std::memcpy(buffer.data(), text.c_str(), text.size() + 1);
    return true;
}

}  // namespace

std::vector<CopyPair> BuildCopyPairs(int modelIndex, TargetArch arch, const std::string& driverDir) {
    const ModelEntry& model = ModelCatalogue[modelIndex];
    const std::string prefix = ArchInfoOf(arch).sourcePrefix;
    std::vector<CopyPair> pairs;
    for (const FileSetEntry& entry : FileSet) {
        const std::string name = FileNameOf(entry, model);
        pairs.push_back({prefix + name, driverDir + "\\" + name});
    }
    return pairs;
}

DependentFiles BuildDependentFiles(const char* pluginBase) {
    // The three fixed entries, each with its zero byte: 38 bytes in all.
    static const char kFixedHead[] = "\\ttfsub.GPD\0\\unires.DLL\0\\stdnames.GPD";
    static_assert(sizeof(kFixedHead) == 38, "fixed entries are 38 bytes");
    DependentFiles list{};
    std::memcpy(list.data(), kFixedHead, sizeof(kFixedHead));
    std::string plugin = std::string(pluginBase) + ".DLL";
    plugin.resize(std::min(plugin.size(), kPluginFileNameSize - 1));
    std::memcpy(list.data() + sizeof(kFixedHead), plugin.c_str(), plugin.size() + 1);
    return list;
}

std::optional<DriverRecord> BuildDriverRecord(int modelIndex, TargetArch arch, const std::string& driverDir) {
    const ModelEntry& model = ModelCatalogue[modelIndex];
    DriverRecord record;
    record.name = model.driverName;
    record.environment = ArchInfoOf(arch).environment;
    const bool fits = FitInto(record.driverPath, driverDir + "\\uniDRV.DLL") &&
                      FitInto(record.dataFile, driverDir + "\\" + model.gpdBase + ".GPD") &&
                      FitInto(record.configFile, driverDir + "\\uniDRVui.DLL") &&
                      FitInto(record.helpFile, driverDir + "\\uniDRV.HLP");
    if (!fits) return std::nullopt;
    record.dependentFiles = BuildDependentFiles(model.pluginBase);
    return record;
}

PrinterRecord BuildPrinterRecord(int modelIndex, const std::string& portName) {
    PrinterRecord record;
    record.printerName = ModelCatalogue[modelIndex].driverName;
    record.portName = portName;
    record.driverName = ModelCatalogue[modelIndex].driverName;
    return record;
}

RegistryValue BuildDefaultPrinterValue(int modelIndex, const std::string& portName) {
    return {"Device", std::string(ModelCatalogue[modelIndex].driverName) + ",winspool," + portName};
}

RegistryValue BuildSerialPortValue(const SerialSelection& s) {
    using namespace PortSettings;
    std::string text = std::string(BaudRate.texts[s.baud]) + "," + Parity.texts[s.parity] + "," +
                       DataBits.texts[s.dataBits] + "," + StopBits.texts[s.stopBits] + "," +
                       Flow.texts[s.flow];
    return {Port.texts[s.port], text};
}

}  // namespace engine
