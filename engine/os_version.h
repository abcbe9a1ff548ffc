// Classification of the running Windows version and the WOW64 probe.
#pragma once

#include <cstdint>

#include "platform/system_info.h"

namespace engine {

// 0: not classified; 1..9: Windows 95 .. Windows 8 and later.
using OsType = std::int32_t;

// Leaves `osType` unchanged when both queries fail or no rule applies.
void DetectOsType(platform::VersionSource& source, OsType& osType);

bool IsWow64(platform::Wow64Source& source);

}  // namespace engine
