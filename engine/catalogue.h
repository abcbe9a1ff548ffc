// Fixed data of one installation: the printer models, the two target
// architectures, the driver file set and the serial-port settings tables.
#pragma once

#include <array>
#include <cstddef>

namespace engine {

struct ModelEntry {
    const char* pluginBase;     // plug-in DLL file name without extension
    const char* gpdBase;        // GPD data file name without extension
    const char* driverName;     // spooler driver name, also the printer name
    const char* storedName;     // enciphered display name (see display_names.h)
};

constexpr std::size_t kModelCount = 3;
extern const std::array<ModelEntry, kModelCount> ModelCatalogue;

enum class TargetArch { x86, x64 };

struct ArchInfo {
    const char* sourcePrefix;   // "x86\\" or "x64\\"
    const char* environment;    // spooler environment name
};
const ArchInfo& ArchInfoOf(TargetArch arch);

// One entry of the file set: either a model-dependent file (plug-in DLL or
// GPD, from base name + extension) or a fixed Unidrv file name.
enum class FileKind { PluginDll, ModelGpd, Fixed };
struct FileSetEntry {
    FileKind kind;
    const char* fixedName;      // only for FileKind::Fixed
};
constexpr std::size_t kFileSetSize = 8;
extern const std::array<FileSetEntry, kFileSetSize> FileSet;

// Hidden serial-port settings of the detail page: items shown in the combo
// boxes and the texts written to the registry, index for index.
struct SettingTable {
    int controlId;
    const char* const* items;
    const char* const* texts;
    int count;
    int initialSelection;
};

namespace PortSettings {
extern const SettingTable Port;       // 1014
extern const SettingTable BaudRate;   // 1015
extern const SettingTable DataBits;   // 1016
extern const SettingTable StopBits;   // 1019
extern const SettingTable Parity;     // 1018
extern const SettingTable Flow;       // 1017
// Port rows from this index on are serial ports (COM1..COM4).
constexpr int kFirstSerialPortIndex = 3;
}  // namespace PortSettings

}  // namespace engine
