#include "engine/port_preselection.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

struct PreselectionCase {
    const char* name;
    std::vector<std::string> ports;
    std::optional<std::size_t> expected;
};

std::vector<std::string> ManyPortsWithLpt1At(std::size_t count, std::size_t lpt1Row) {
    std::vector<std::string> ports;
    for (std::size_t i = 0; i < count; ++i) ports.push_back("NE" + std::to_string(i) + ":");
    ports[lpt1Row] = "LPT1:";
    return ports;
}

void PrintTo(const PreselectionCase& c, std::ostream* os) { *os << c.name; }

class PortPreselectionTest : public ::testing::TestWithParam<PreselectionCase> {};

TEST_P(PortPreselectionTest, PicksTheExpectedRow) {
    EXPECT_EQ(engine::PreselectPort(GetParam().ports), GetParam().expected);
}

const PreselectionCase kCases[] = {
    {"Lpt1InRowZeroIsFound", {"LPT1:", "COM1:", "FILE:"}, 0},
    {"Lpt1BeatsEarlierCom1", {"COM1:", "LPT1:"}, 1},
    {"Com1BeatsFile", {"FILE:", "COM1:"}, 1},
    {"OnlyFile", {"USB001", "FILE:"}, 1},
    {"FileAloneInRowZero", {"FILE:"}, 0},
    {"NothingMatches", {"USB001", "XPSPort:", "nul:"}, std::nullopt},
    {"EmptyList", {}, std::nullopt},
    {"Com12IsNotCom1", {"X", "Y", "COM1:", "COM2:", "COM3:", "COM12:"}, 2},
    {"Com10AloneIsNotCom1", {"COM10:", "COM11:"}, std::nullopt},
    {"Lpt10IsNotLpt1", {"COM1:", "LPT10:"}, 0},
    {"FileNameLongerThanKeyword", {"FILEX:", "FILE:x"}, std::nullopt},
    {"NameWithoutColonMatches", {"COM1:", "LPT1"}, 1},
    {"KeywordIsCaseSensitive", {"lpt1:", "COM1:"}, 1},
    {"LaterOfEqualMatchesWins", {"COM1:", "X", "COM1"}, 2},
    {"MatchBeyondRow255IsSeen", ManyPortsWithLpt1At(300, 280), 280},
};

INSTANTIATE_TEST_SUITE_P(Rule, PortPreselectionTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<PreselectionCase>& info) { return info.param.name; });

}  // namespace
