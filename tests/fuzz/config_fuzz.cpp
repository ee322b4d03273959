// Fuzz target: config.xml, read from the working folder.
#include <cstdint>

#include "engine/resources/config.h"
#include "tests/fuzz/fuzz_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FUZZ_FOLDER::Get().Write("config.xml", data, size);
    FUZZ_FOLDER::Get().Enter();
    LoadConfig();
    return 0;
}
