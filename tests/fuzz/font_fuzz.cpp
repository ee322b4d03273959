// Fuzz target: a font description (.fnt), then the metrics and draws that use what it read.
#include <cstdint>

#include "engine/render/render_device.h"
#include "engine/resources/file_system.h"
#include "engine/text/font.h"
#include "tests/fuzz/fuzz_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static WRENDER* const render = new WRENDER;
    g_file_system.SetPack(nullptr);
    g_file_system.SetLooseFolder(FUZZ_FOLDER::Get().Root().c_str());
    const std::string path = FUZZ_FOLDER::Get().Write("font.fnt", data, size);
    WFONT font(*render, path.c_str());
    font.TextWidth("Puzzle\nDesk");
    font.TextHeight("Puzzle\nDesk");
    for (int align : {0, 2, 4, 7, 8}) {
        font.align = align;
        font.DrawText(-5, 7, "Ab\n c");
    }
    render->ClearRecordedDraws();
    return 0;
}
