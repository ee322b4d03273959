// Fuzz target: editions.xml, read as a loose file (packs off) with strings.xml beside it.
#include <cstdint>

#include "engine/frame/editions.h"
#include "engine/resources/file_system.h"
#include "tests/fuzz/fuzz_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool strings_written = [] {
        const char kStrings[] =
            "<Workbook><Worksheet><Table><Row><Cell><Data>notice</Data></Cell><Cell><Data>Notice"
            "</Data></Cell></Row></Table></Worksheet></Workbook>";
        FUZZ_FOLDER::Get().Write("strings.xml", reinterpret_cast<const uint8_t*>(kStrings),
                                 sizeof(kStrings) - 1);
        return true;
    }();
    (void)strings_written;
    UsePacks = false;
    FUZZ_FOLDER::Get().Write("editions.xml", data, size);
    FUZZ_FOLDER::Get().Enter();
    LoadEditions();
    return 0;
}
