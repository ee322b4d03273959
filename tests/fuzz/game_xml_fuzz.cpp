// Fuzz target: "game.xml", the window configuration in the per-user folder.
#include <stdlib.h>

#include <cstdint>

#include "engine/frame/game.h"
#include "tests/fuzz/fuzz_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static WUN::ST_GAME* const game = [] {
        setenv("XDG_DATA_HOME", FUZZ_FOLDER::Get().Root().c_str(), 1);
        WUN::ST_GAME* instance = WUN::ST_GAME::GetInstance();
        instance->SetFolderName("fuzz");
        return instance;
    }();
    FUZZ_FOLDER::Get().Write("fuzz/game.xml", data, size);
    game->ParseGameXml();
    return 0;
}
