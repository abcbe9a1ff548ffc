// Version query and WOW64 query of the running Windows.
// Win32 implementation: platform/win32/win_system_info.cpp.
#pragma once

#include <cstdint>

namespace platform {

struct VersionInfo {
    std::uint32_t platformId = 0;
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
};

class VersionSource {
public:
    virtual ~VersionSource() = default;
    // GetVersionExA on the extended record, then on the plain record.
    virtual bool QueryExtended(VersionInfo& info) = 0;
    virtual bool QueryPlain(VersionInfo& info) = 0;
};

class Wow64Source {
public:
    virtual ~Wow64Source() = default;
    // IsWow64Process is looked up at run time: older Windows lack it.
    virtual bool FindIsWow64Process() = 0;
    virtual void CallIsWow64Process(std::int32_t& flag) = 0;
};

}  // namespace platform
