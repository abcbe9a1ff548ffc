#include "engine/os_version.h"

#include <optional>

namespace engine {
namespace {

constexpr std::uint32_t kPlatformWindows = 1;   // Windows 95, 98, Me
constexpr std::uint32_t kPlatformNt = 2;

std::optional<OsType> Classify(const platform::VersionInfo& v) {
    if (v.platformId == kPlatformWindows) {
        if (v.major != 4) return std::nullopt;
        if (v.minor == 0) return 1;
        if (v.minor == 10 || v.minor == 90) return 2;
        return std::nullopt;
    }
    if (v.platformId == kPlatformNt) {
        if (v.major <= 4) return 3;
        if (v.minor > 2) return std::nullopt;
        if (v.major == 5) return static_cast<OsType>(4 + v.minor);
        if (v.major == 6) return static_cast<OsType>(7 + v.minor);
        return std::nullopt;
    }
    return 8;
}

}  // namespace

void DetectOsType(platform::VersionSource& source, OsType& osType) {
    platform::VersionInfo info;
    if (!source.QueryExtended(info) && !source.QueryPlain(info)) return;
    if (const std::optional<OsType> type = Classify(info)) osType = *type;
}

bool IsWow64(platform::Wow64Source& source) {
    std::int32_t flag = 0;
    if (source.FindIsWow64Process()) source.CallIsWow64Process(flag);
    return flag == 1;
}

}  // namespace engine
