// Parser of the sound recipe files.
#include "recipe.h"

#include <fstream>
#include <sstream>

bool ReadRecipes(const std::string& path, std::vector<RECIPE>& recipes, std::string& error) {
    std::ifstream file(path);
    if (!file) {
        error = "cannot open " + path;
        return false;
    }
    std::string line;
    int number = 0;
    auto fail = [&](const std::string& why) {
        error = path + ":" + std::to_string(number) + ": " + why;
        return false;
    };
    while (std::getline(file, line)) {
        ++number;
        line = line.substr(0, line.find('#'));
        std::istringstream in(line);
        std::string word;
        if (!(in >> word))
            continue;
        if (word.front() == '[') {
            if (word.back() != ']' || word.size() < 3)
                return fail("a recipe starts with [name]");
            recipes.push_back({});
            recipes.back().name = word.substr(1, word.size() - 2);
            continue;
        }
        if (recipes.empty())
            return fail("a line before the first [name]");
        RECIPE& recipe = recipes.back();
        bool ok;
        if (word == "level") {
            ok = static_cast<bool>(in >> recipe.level);
        } else if (word == "echo") {
            ok = static_cast<bool>(in >> recipe.echo);
        } else if (word == "lowpass") {
            ok = static_cast<bool>(in >> recipe.lowpass);
        } else if (word == "voice") {
            VOICE v;
            ok = static_cast<bool>(in >> v.wave >> v.freq >> v.freq_end >> v.start >> v.duration >>
                                   v.attack >> v.decay >> v.gain);
            static const char* kWaves[] = {"sine",  "triangle", "square", "saw",
                                           "noise", "pluck",    "bell"};
            bool known = false;
            for (const char* w : kWaves)
                known = known || v.wave == w;
            if (ok && !known)
                return fail("unknown wave " + v.wave);
            if (ok && (v.duration <= 0 || v.duration > 10 || v.start < 0 || v.freq <= 0 ||
                       v.freq_end <= 0)) {
                return fail("voice times and frequencies must be positive");
            }
            if (ok)
                recipe.voices.push_back(v);
        } else {
            return fail("unknown word " + word);
        }
        if (!ok)
            return fail("missing or bad numbers after " + word);
    }
    for (const RECIPE& r : recipes) {
        if (r.voices.empty()) {
            error = path + ": recipe " + r.name + " has no voice";
            return false;
        }
    }
    return true;
}
