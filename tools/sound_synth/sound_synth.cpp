// sound_synth: renders the effects of a recipe file and cuts music into seamless loops.
//
//   sound_synth effects RECIPES.txt OUTPUT_FOLDER   one NAME.ogg per recipe
//   sound_synth loop SOURCE.ogg OUTPUT.ogg START LENGTH FADE
//
// Effects are mono at the game mixer's 22050 Hz; loops keep the source's channels.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "music_loop.h"
#include "ogg_io.h"
#include "recipe.h"
#include "synth.h"

namespace {

constexpr int kEffectRate = 22050;

int Fail(const std::string& message) {
    std::fprintf(stderr, "sound_synth: %s\n", message.c_str());
    return 1;
}

int Effects(const std::string& recipes_path, const std::string& folder) {
    std::vector<RECIPE> recipes;
    std::string error;
    if (!ReadRecipes(recipes_path, recipes, error))
        return Fail(error);
    for (const RECIPE& recipe : recipes) {
        PCM pcm;
        pcm.rate = kEffectRate;
        pcm.channels = 1;
        pcm.samples = Render(recipe, kEffectRate);
        if (!WriteOgg(folder + "/" + recipe.name + ".ogg", pcm, 0.5f, error))
            return Fail(error);
    }
    return 0;
}

int Loop(const std::string& source_path, const std::string& output, double start, double length,
         double fade) {
    PCM source, loop;
    std::string error;
    if (!ReadOgg(source_path, source, error) ||
        !MakeLoop(source, start, length, fade, loop, error) ||
        !WriteOgg(output, loop, 0.35f, error)) {
        return Fail(error);
    }
    std::printf("%s: %.1f s at %d Hz, %d channels\n", output.c_str(),
                static_cast<double>(loop.Frames()) / loop.rate, loop.rate, loop.channels);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "effects" && argc == 4)
        return Effects(argv[2], argv[3]);
    if (mode == "loop" && argc == 7) {
        return Loop(argv[2], argv[3], std::atof(argv[4]), std::atof(argv[5]), std::atof(argv[6]));
    }
    return Fail("usage: effects RECIPES.txt FOLDER | loop SOURCE.ogg OUTPUT.ogg START LENGTH FADE");
}
