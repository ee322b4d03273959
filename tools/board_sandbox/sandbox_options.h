// The board sandbox's command line.
#pragma once

#include <cstdint>
#include <string>

struct SANDBOX_OPTIONS {
    std::string picture;  // empty: a generated test picture
    std::string pack;     // pack that holds the picture as a member ("DATA/low"); empty: a file
    int pieces = 3;       // along the shorter side (Min)
    float deformation = 0.5f;
    bool rotation = false;
    float aspect = 0.0f;     // 0: the picture's own shorter side over its longer side
    std::string screenshot;  // headless: the PNG of frame `frames`
    int frames = 120;
    bool solve = false;    // drag every piece home through synthetic input
    bool tour = false;     // try the pocket and every tool through synthetic input
    std::string game_dir;  // fonts, sounds and packs; empty: the build's game folder
    int width = 1024;      // logical screen size
    int height = 768;
    uint32_t table = 0xFFFFFFFFu;  // the player's table colour (ARGB) that tints the felt
    bool help = false;
};

// False (with a message on standard error) for unknown or malformed arguments.
bool ParseSandboxOptions(int argc, char** argv, SANDBOX_OPTIONS& options);
void PrintSandboxUsage();
