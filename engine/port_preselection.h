// Which row of the port list the port page preselects.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace engine {

// "LPT1" before "COM1" before "FILE". A name matches a keyword when it is the
// keyword alone or the keyword followed by ':' (case as the spooler reports
// it), so "COM10:" is not COM1. Among rows matching the same keyword the last
// one wins. Empty when no row matches.
std::optional<std::size_t> PreselectPort(const std::vector<std::string>& portNames);

}  // namespace engine
