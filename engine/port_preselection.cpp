#include "engine/port_preselection.h"

namespace engine {
namespace {

bool MatchesKeyword(const std::string& name, const std::string& keyword) {
    if (name.compare(0, keyword.size(), keyword) != 0) return false;
    return name.size() == keyword.size() || (name.size() == keyword.size() + 1 && name.back() == ':');
}

}  // namespace

std::optional<std::size_t> PreselectPort(const std::vector<std::string>& portNames) {
    static const char* const kKeywordsByPriority[] = {"LPT1", "COM1", "FILE"};
    for (const char* keyword : kKeywordsByPriority) {
        for (std::size_t row = portNames.size(); row-- > 0;) {
            if (MatchesKeyword(portNames[row], keyword)) return row;
        }
    }
    return std::nullopt;
}

}  // namespace engine
