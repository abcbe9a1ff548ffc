#include "ui/dialog_init.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

void AppendLittleEndian(Bytes& bytes, unsigned value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

// One record; `length` defaults to the text with its terminating zero.
Bytes Record(unsigned id, const std::string& text, int length = -1) {
    Bytes bytes;
    AppendLittleEndian(bytes, id, 2);
    AppendLittleEndian(bytes, ui::kInitCbAddString, 2);
    AppendLittleEndian(bytes, length >= 0 ? static_cast<unsigned>(length) : static_cast<unsigned>(text.size() + 1), 4);
    bytes.insert(bytes.end(), text.begin(), text.end());
    if (length < 0) bytes.push_back(0);
    return bytes;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

const Bytes kEnd = {0, 0};

struct InitCase {
    const char* name;
    Bytes data;
    std::vector<std::string> texts;   // expected, in order
};

void PrintTo(const InitCase& c, std::ostream* os) { *os << c.name; }

class DialogInitTest : public ::testing::TestWithParam<InitCase> {};

TEST_P(DialogInitTest, ParsesTheRecords) {
    const Bytes& data = GetParam().data;
    std::vector<std::string> texts;
    for (const ui::DialogInitItem& item : ui::ParseDialogInit(data.data(), data.size())) {
        EXPECT_EQ(item.message, ui::kInitCbAddString);
        texts.push_back(std::to_string(item.controlId) + "=" + item.text);
    }
    EXPECT_EQ(texts, GetParam().texts);
}

const InitCase kCases[] = {
    {"RecordsInOrderUntilTheEndMarker",
     Concat({Record(1014, "LPT1"), Record(1015, "19200"), Record(1014, "COM1"), kEnd, Record(1016, "8")}),
     {"1014=LPT1", "1015=19200", "1014=COM1"}},
    {"DataEndingWithoutMarker", Concat({Record(1014, "LPT1"), Record(1015, "300")}), {"1014=LPT1", "1015=300"}},
    {"EmptyText", Concat({Record(1011, ""), kEnd}), {"1011="}},
    {"TextWithoutTerminatorTakesTheWholeLength", Concat({Record(1011, "abc", 3), kEnd}), {"1011=abc"}},
    {"LengthRunningPastTheEndStops", Concat({Record(1014, "LPT1"), Record(1015, "19200", 40)}), {"1014=LPT1"}},
    {"CutHeaderStops", Concat({Record(1014, "LPT1"), Bytes{0xF7, 0x03, 0x03, 0x04}}), {"1014=LPT1"}},
    {"OddTrailingByte", Concat({Record(1014, "LPT1"), Bytes{0x01}}), {"1014=LPT1"}},
    {"NoData", Bytes{}, {}},
};

INSTANTIATE_TEST_SUITE_P(Records, DialogInitTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<InitCase>& info) { return info.param.name; });

TEST(DialogInitTest, NullDataGivesNoItems) { EXPECT_TRUE(ui::ParseDialogInit(nullptr, 16).empty()); }

}  // namespace
