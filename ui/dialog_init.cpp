#include "ui/dialog_init.h"

#include <cstdint>
#include <cstring>

namespace ui {
namespace {

std::uint32_t ReadLittleEndian(const unsigned char* p, std::size_t bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = bytes; i-- > 0;) value = (value << 8) | p[i];
    return value;
}

}  // namespace

std::vector<DialogInitItem> ParseDialogInit(const unsigned char* data, std::size_t size) {
    constexpr std::size_t kHeaderSize = 8;
    std::vector<DialogInitItem> items;
    std::size_t pos = 0;
    while (data != nullptr && size - pos >= 2) {
        const unsigned id = ReadLittleEndian(data + pos, 2);
        if (id == 0 || size - pos < kHeaderSize) break;
        const unsigned message = ReadLittleEndian(data + pos + 2, 2);
        const std::size_t length = ReadLittleEndian(data + pos + 4, 4);
        pos += kHeaderSize;
        if (length > size - pos) break;
        const char* text = reinterpret_cast<const char*>(data + pos);
        const void* zero = std::memchr(text, 0, length);
        const std::size_t textLength = zero ? static_cast<const char*>(zero) - text : length;
        items.push_back({id, message, std::string(text, textLength)});
        pos += length;
    }
    return items;
}

}  // namespace ui
