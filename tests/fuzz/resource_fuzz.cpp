// Fuzz target: resource.xml, the registry of packs and item names, read from the working folder.
#include <cstdint>

#include "engine/resources/registry.h"
#include "tests/fuzz/fuzz_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FUZZ_FOLDER::Get().Write("resource.xml", data, size);
    FUZZ_FOLDER::Get().Enter();
    LoadResources();
    return 0;
}
