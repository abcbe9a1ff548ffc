#include "engine/catalogue.h"

#include "engine/display_names.h"

namespace engine {

const std::array<ModelEntry, kModelCount> ModelCatalogue = {{
    {"VORNPR", "Q41", "Vorn Q41", kStoredDisplayNames[0]},
    {"VORNPR", "Q47", "Vorn Q47", kStoredDisplayNames[1]},
    {"VORNPR", "QL520", "Vorn QL520", kStoredDisplayNames[2]},
}};

const ArchInfo& ArchInfoOf(TargetArch arch) {
    static const ArchInfo x86{"x86\\", "Windows NT x86"};
    static const ArchInfo x64{"x64\\", "Windows x64"};
    return arch == TargetArch::x64 ? x64 : x86;
}

const std::array<FileSetEntry, kFileSetSize> FileSet = {{
    {FileKind::PluginDll, nullptr},
    {FileKind::ModelGpd, nullptr},
    {FileKind::Fixed, "uniDRVui.DLL"},
    {FileKind::Fixed, "uniDRV.DLL"},
    {FileKind::Fixed, "UNIDRV.HLP"},
    {FileKind::Fixed, "UNIRES.DLL"},
    {FileKind::Fixed, "TTFSUB.GPD"},
    {FileKind::Fixed, "STDNAMES.GPD"},
}};

namespace PortSettings {
namespace {
const char* const kPortItems[] = {"LPT1", "LPT2", "LPT3", "COM1", "COM2", "COM3", "COM4"};
const char* const kPortTexts[] = {"LPT1:", "LPT2:", "LPT3:", "COM1:", "COM2:", "COM3:", "COM4:"};
const char* const kBaud[] = {"300", "1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"};
const char* const kDataBits[] = {"5", "6", "7", "8"};
const char* const kStopBits[] = {"1", "1.5", "2"};
const char* const kParityItems[] = {"Even", "Mark", "None", "Odd", "Space"};
// Windows reads this field as the parity letter, so Mark is "M".
const char* const kParityTexts[] = {"E", "M", "N", "O", "S"};
const char* const kFlowItems[] = {"None", "XonXoff", "Hardware"};
const char* const kFlowTexts[] = {" ", "x", "p"};
}  // namespace

const SettingTable Port{1014, kPortItems, kPortTexts, 7, 0};
const SettingTable BaudRate{1015, kBaud, kBaud, 9, 5};
const SettingTable DataBits{1016, kDataBits, kDataBits, 4, 3};
const SettingTable StopBits{1019, kStopBits, kStopBits, 3, 0};
const SettingTable Parity{1018, kParityItems, kParityTexts, 5, 2};
const SettingTable Flow{1017, kFlowItems, kFlowTexts, 3, 2};
}  // namespace PortSettings

}  // namespace engine
