// Prints what the spooler holds, one fact per line, for the end-to-end
// checks and the run command:
//   driver|<environment>|<name>|<data file>
//   printer|<name>|<port>|<driver>
//   default|<default printer>
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <vector>

namespace {

template <typename Enumerate>
std::vector<BYTE> Enumerate2(Enumerate enumerate, DWORD& count) {
    DWORD needed = 0;
    count = 0;
    enumerate(nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed + 1);
    if (!enumerate(buffer.data(), needed, &needed, &count)) count = 0;
    return buffer;
}

const char* Or(const char* text) { return text ? text : ""; }

}  // namespace

int main() {
    for (const char* environment : {"Windows NT x86", "Windows x64"}) {
        DWORD count = 0;
        std::vector<BYTE> buffer = Enumerate2(
            [environment](BYTE* data, DWORD size, DWORD* needed, DWORD* returned) {
                return EnumPrinterDriversA(nullptr, const_cast<char*>(environment), 2, data, size, needed,
                                           returned) != FALSE;
            },
            count);
        const auto* drivers = reinterpret_cast<const DRIVER_INFO_2A*>(buffer.data());
        for (DWORD i = 0; i < count; ++i)
            std::printf("driver|%s|%s|%s\n", environment, Or(drivers[i].pName), Or(drivers[i].pDataFile));
    }
    DWORD count = 0;
    std::vector<BYTE> buffer = Enumerate2(
        [](BYTE* data, DWORD size, DWORD* needed, DWORD* returned) {
            return EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, data, size, needed, returned) != FALSE;
        },
        count);
    const auto* printers = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i)
        std::printf("printer|%s|%s|%s\n", Or(printers[i].pPrinterName), Or(printers[i].pPortName),
                    Or(printers[i].pDriverName));
    char name[512] = {};
    DWORD size = sizeof name;
    if (GetDefaultPrinterA(name, &size)) std::printf("default|%s\n", name);
    return 0;
}
