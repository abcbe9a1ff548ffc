// The dialog initialisation data (resource type 240) that fills a template's
// list and combo boxes before the dialog's own initialisation runs.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace ui {

// Message codes as the data stores them (the 16-bit values of the messages).
constexpr unsigned kInitLbAddString = 0x0401;
constexpr unsigned kInitCbAddString = 0x0403;

struct DialogInitItem {
    unsigned controlId;
    unsigned message;
    std::string text;
};

// Records are {WORD id, WORD message, DWORD length, `length` bytes of
// zero-terminated text}, little-endian and unpadded, ended by an id of 0.
// Parsing stops at the end marker or at a record that would run past `size`.
std::vector<DialogInitItem> ParseDialogInit(const unsigned char* data, std::size_t size);

}  // namespace ui
