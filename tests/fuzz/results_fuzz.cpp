// Fuzz target: a player's results file.
#include <cstdint>
#include <string_view>

#include "game/records/results_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ParseResults(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
