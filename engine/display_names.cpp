#include "engine/display_names.h"

namespace engine {
namespace {

std::uint16_t NextKey(std::uint16_t key, std::uint8_t enciphered) {
    return static_cast<std::uint16_t>((key + enciphered) * 62239u + 17602u);
}

}  // namespace

std::string DecipherText(std::string stored, std::uint16_t startKey) {
    const std::size_t n = stored.size() / 2;  // an odd last letter is ignored
    std::string clear(n, '\0');
    std::uint16_t key = startKey;
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned c1 = static_cast<unsigned char>(stored[2 * i]);
        const unsigned c2 = static_cast<unsigned char>(stored[2 * i + 1]);
        const auto b = static_cast<std::uint8_t>(26u * c1 + c2 - 1755u);
        clear[i] = static_cast<char>(b ^ (key >> 8));
        key = NextKey(key, b);
    }
    return clear;
}

std::string EncipherText(const std::string& clear, std::uint16_t startKey) {
    std::string stored;
    std::uint16_t key = startKey;
    for (char ch : clear) {
        const auto b = static_cast<std::uint8_t>(static_cast<unsigned char>(ch) ^ (key >> 8));
        stored += static_cast<char>('A' + b / 26);
        stored += static_cast<char>('A' + b % 26);
        key = NextKey(key, b);
    }
    return stored;
}

}  // namespace engine
