// UTF-8 to UTF-16 conversion for typed text.
#include "engine/platform/utf16.h"

#include <cstdint>

namespace platform {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// The length of the sequence a lead byte starts, and the bits it carries; 0 for a bad lead.
int SequenceLength(uint8_t lead, uint32_t& bits) {
    if (lead < 0x80) {
        bits = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        bits = lead & 0x1F;
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        bits = lead & 0x0F;
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        bits = lead & 0x07;
        return 4;
    }
    return 0;
}

}  // namespace

std::u16string Utf8ToUtf16(const std::string& utf8) {
    static constexpr uint32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
    std::u16string out;
    size_t i = 0;
    while (i < utf8.size()) {
        uint32_t code = 0;
        int length = SequenceLength(uint8_t(utf8[i]), code);
        if (length == 0) {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        int taken = 1;
        while (taken < length && i + taken < utf8.size() &&
               (uint8_t(utf8[i + taken]) & 0xC0) == 0x80) {
            code = (code << 6) | (uint8_t(utf8[i + taken]) & 0x3F);
            ++taken;
        }
        i += taken;
        bool surrogate = code >= 0xD800 && code <= 0xDFFF;
        if (taken < length || code < kSmallest[length] || code > 0x10FFFF || surrogate) {
            out.push_back(kReplacement);
        } else if (code >= 0x10000) {
            code -= 0x10000;
            out.push_back(char16_t(0xD800 + (code >> 10)));
            out.push_back(char16_t(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(char16_t(code));
        }
    }
    return out;
}

}  // namespace platform
