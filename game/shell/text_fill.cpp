// FillText: one value into a localised text, printf's way but without printf.
#include "game/shell/text_fill.h"

#include <cstdio>
#include <cstring>
#include <string_view>

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

std::string FillTwoNumbers(const std::string& text, int first, int second) {
    const int values[2] = {first, second};
    int filled = 0;
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = std::string_view(text).substr(i);
        if (rest.starts_with("%%")) {
            out += '%';
            ++i;
            continue;
        }
        const bool padded = rest.starts_with("%.*i") || rest.starts_with("%.*d");
        const bool plain = rest.starts_with("%i") || rest.starts_with("%d");
        if (filled < 2 && (padded || plain)) {
            char number[16];
            std::snprintf(number, sizeof number, padded ? "%02d" : "%d", values[filled++]);
            out += number;
            i += padded ? 3 : 1;
            continue;
        }
        out += text[i];
    }
    return out;
}

}  // namespace GAME
