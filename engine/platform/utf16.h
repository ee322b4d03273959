// UTF-8 to UTF-16 conversion for typed text.
#pragma once

#include <string>

namespace platform {

// Malformed sequences become U+FFFD; characters above U+FFFF become surrogate pairs.
std::u16string Utf8ToUtf16(const std::string& utf8);

}  // namespace platform
