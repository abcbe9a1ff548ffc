// The models' display names are stored enciphered: two capital letters per
// byte, XORed with a key stream that is advanced by the enciphered bytes.
#pragma once

#include <cstdint>
#include <string>

namespace engine {

std::string DecipherText(std::string stored, std::uint16_t startKey);

// Inverse of DecipherText, kept for tests and for making new stored names.
std::string EncipherText(const std::string& clear, std::uint16_t startKey);

// One start key deciphers all three stored names (catalogue order).
inline constexpr std::uint16_t kDisplayNameKey = 0x5A3C;
inline constexpr const char* kStoredDisplayNames[3] = {
    "AMIUAMEKGYDHGDAO",      // "Vorn Q41"
    "AMIUAMEKGYDHGDAI",      // "Vorn Q47"
    "AMIUAMEKGYDHIXFTDLDE",  // "Vorn QL520"
};

}  // namespace engine
