// Fuzz target: "LC.pzl", the name of the last player.
#include <cstdint>
#include <string_view>

#include "game/shell/player_name.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    LastPlayerFromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
