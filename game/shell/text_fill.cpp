// FillText: one value into a localised text, printf's way but without printf.
#include "game/shell/text_fill.h"

#include <cstring>

namespace GAME {

std::string FillText(const std::string& text, const char* conversions, const std::string& value) {
    std::string out;
    bool filled = false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size()) {
            const char next = text[i + 1];
            if (next == '%') {
                out += '%';
                ++i;
                continue;
            }
            if (!filled && next != '\0' && std::strchr(conversions, next) != nullptr) {
                out += value;
                filled = true;
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace GAME
