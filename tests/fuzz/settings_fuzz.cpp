// Fuzz target: "set.bin", a player's settings record, read and written back.
#include <cstdint>

#include "game/records/player_settings.h"
#include "tests/fuzz/fuzz_folder.h"

namespace {

// A frame of a 1920 x 1080 desktop configured at 1024 x 768, that keeps nothing written to it.
class FIXED_FRAME : public FRAME_SCREEN_LINK {
  public:
    FRAME_SCREEN Read() override { return {1024, 768, 1024 * 768, 1920, 1080, false}; }
    void WriteConfiguration(int, int, bool) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FUZZ_FOLDER::Get().Write("player/set.bin", data, size);
    FIXED_FRAME frame;
    PUZZLE_PLAYER_PROFILE settings;
    LoadSettings(settings, FUZZ_FOLDER::Get().Path("player"), frame);
    uint8_t bytes[PUZZLE_PLAYER_PROFILE::kFileSize];
    settings.Encode(bytes);
    return 0;
}
