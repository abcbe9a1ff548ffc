#pragma once

#include "platform/system_info.h"

namespace platform {

class WinVersionSource : public VersionSource {
public:
    bool QueryExtended(VersionInfo& info) override;
    bool QueryPlain(VersionInfo& info) override;
};

class WinWow64Source : public Wow64Source {
public:
    bool FindIsWow64Process() override;
    void CallIsWow64Process(std::int32_t& flag) override;

private:
    void* function_ = nullptr;
};

}  // namespace platform
