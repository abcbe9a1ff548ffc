#include <gtest/gtest.h>

#include "engine/catalogue.h"
#include "engine/display_names.h"

namespace {

using engine::DecipherText;
using engine::EncipherText;
using engine::kDisplayNameKey;

TEST(DisplayNames, StoredNamesDecipherToTheDriverNames) {
    for (std::size_t i = 0; i < engine::kModelCount; ++i) {
        const engine::ModelEntry& model = engine::ModelCatalogue[i];
        EXPECT_EQ(DecipherText(model.storedName, kDisplayNameKey), model.driverName) << "row " << i;
        EXPECT_EQ(EncipherText(model.driverName, kDisplayNameKey), model.storedName) << "row " << i;
    }
    EXPECT_EQ(std::string(engine::kStoredDisplayNames[0]).size(), 16u);
    EXPECT_EQ(std::string(engine::kStoredDisplayNames[2]).size(), 20u);
}

TEST(DisplayNames, EdgeCases) {
    struct Row {
        const char* stored;
        std::uint16_t key;
        std::string clear;
    };
    // Key 0 makes the first clear byte the enciphered byte itself.
    const Row rows[] = {
        {"", 0x1234, ""},
        {"Q", 0x1234, ""},                              // a single letter yields nothing
        {"JW", 0, std::string(1, '\0')},                // 26*9+22 = 256 wraps to 0
        {"JX", 0, "\x01"},                              // 257 -> 1
        {"ZZ", 0, std::string(1, static_cast<char>(675 % 256))},
        {"AA", 0, std::string(1, '\0')},                // byte 0 stays in the result
    };
    for (const Row& row : rows) EXPECT_EQ(DecipherText(row.stored, row.key), row.clear) << row.stored;
}

TEST(DisplayNames, OddLastLetterHasNoEffect) {
    const std::string stored = engine::kStoredDisplayNames[0];
    EXPECT_EQ(DecipherText(stored + "Q", kDisplayNameKey), DecipherText(stored, kDisplayNameKey));
}

TEST(DisplayNames, PrefixOfStoredGivesPrefixOfClear) {
    const std::string stored = engine::kStoredDisplayNames[2];
    const std::string clear = DecipherText(stored, kDisplayNameKey);
    for (std::size_t j = 0; j <= clear.size(); ++j)
        EXPECT_EQ(DecipherText(stored.substr(0, 2 * j), kDisplayNameKey), clear.substr(0, j)) << j;
}

TEST(DisplayNames, ZeroByteStillAdvancesTheKey) {
    // "AA" is byte 0: it is XORed and feeds the key, so what follows depends on it.
    const std::string withZero = DecipherText("AAJX", 0x4321);
    ASSERT_EQ(withZero.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(withZero[0]), 0x43u);
    // k1 = (0x4321 + 0) * 62239 + 17602 mod 65536; second byte = 1 ^ (k1 >> 8).
    const std::uint16_t k1 = static_cast<std::uint16_t>(0x4321u * 62239u + 17602u);
    EXPECT_EQ(static_cast<unsigned char>(withZero[1]), (1u ^ (k1 >> 8)) & 0xFFu);
}

TEST(DisplayNames, RoundTripOfArbitraryBytes) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    for (std::uint16_t key : {0, 1, 0x5A3C, 0xFFFF})
        EXPECT_EQ(DecipherText(EncipherText(all, key), key), all) << key;
}

}  // namespace
