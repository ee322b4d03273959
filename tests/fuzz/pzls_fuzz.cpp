// Fuzz target: "pzls.xml", the picture catalogue, read against packs (loose folders here) that
// hold the pictures and thumbnails "a.jpg" and "b.png".
#include <cstdint>
#include <filesystem>
#include <vector>

#include "engine/frame/game.h"
#include "engine/platform/png_writer.h"
#include "engine/resources/file_system.h"
#include "engine/resources/registry.h"
#include "game/shell/catalogue_reader.h"
#include "tests/fuzz/fuzz_folder.h"

namespace {

void WritePictures() {
    const FUZZ_FOLDER& folder = FUZZ_FOLDER::Get();
    const std::vector<uint32_t> texels(16 * 12, 0xFF336699);
    for (const char* pack : {"DATA/low/", "DATA/pre/"}) {
        for (const char* name : {"a.jpg", "b.png"}) {
            std::filesystem::create_directories(folder.Path(pack));
            platform::WritePng(folder.Path(std::string(pack) + name), texels.data(), 16, 12);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = [] {
        WUN::ST_GAME::GetInstance();
        WritePictures();
        return true;
    }();
    (void)ready;
    UsePacks = false;
    UseBuiltInResources();
    FUZZ_FOLDER::Get().Enter();
    const std::string path = FUZZ_FOLDER::Get().Write("pzls.xml", data, size);
    LoadFramesList(path, 1024, 768);
    return 0;
}
