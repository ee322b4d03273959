// The board sandbox's command line.
#include "tools/board_sandbox/sandbox_options.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool ToInt(const char* text, int lo, int hi, int& out) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < lo || value > hi)
        return false;
    out = static_cast<int>(value);
    return true;
}

bool ToFloat(const char* text, float lo, float hi, float& out) {
    char* end = nullptr;
    const float value = std::strtof(text, &end);
    if (end == text || *end != '\0' || !(value >= lo && value <= hi))
        return false;
    out = value;
    return true;
}

}  // namespace

void PrintSandboxUsage() {
    std::fprintf(
        stderr,
        "usage: board_sandbox [PICTURE] [--pack PACK] [--pieces N] [--deform D]\n"
        "                     [--rotate] [--aspect A] [--game-dir DIR] [--size W H]\n"
        "                     [--table ARGB]\n"
        "                     [--screenshot FILE --frames N] [--solve | --tour]\n"
        "  PICTURE     a PNG or JPEG; without one a generated test picture is cut\n"
        "  --pack      PICTURE is a member of this pack of the game folder (DATA/low)\n"
        "  --pieces    pieces along the shorter side, 2..40 (default 3)\n"
        "  --deform    deformation of the cut, 0..1 (default 0.5)\n"
        "  --rotate    pieces come turned and may be turned\n"
        "  --aspect    grid aspect, shorter over longer side (default: the picture's)\n"
        "  --game-dir  built game folder with fonts, sounds and packs\n"
        "  --table     the table colour tinting the felt, hex ARGB (default FFFFFFFF)\n"
        "  --screenshot FILE --frames N   write frame N as PNG and quit (headless)\n"
        "  --solve     drag the pieces home one by one\n"
        "  --tour      open the pocket, park pieces, close it, then try every tool; the\n"
        "              frame at which each stage shows is printed\n"
        "In the window, Escape, the panel's exit button, closing it or Enter on the finished\n"
        "puzzle ends the game.\n");
}

bool ParseSandboxOptions(int argc, char** argv, SANDBOX_OPTIONS& o) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const bool has_value = i + 1 < argc;
        auto fail = [&]() {
            std::fprintf(stderr, "board_sandbox: bad argument '%s'\n", arg);
            return false;
        };
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            o.help = true;
        } else if (std::strcmp(arg, "--pieces") == 0) {
            if (!has_value || !ToInt(argv[++i], 2, 40, o.pieces))
                return fail();
        } else if (std::strcmp(arg, "--deform") == 0) {
            if (!has_value || !ToFloat(argv[++i], 0.0f, 1.0f, o.deformation))
                return fail();
        } else if (std::strcmp(arg, "--rotate") == 0) {
            o.rotation = true;
        } else if (std::strcmp(arg, "--aspect") == 0) {
            if (!has_value || !ToFloat(argv[++i], 0.05f, 1.0f, o.aspect))
                return fail();
        } else if (std::strcmp(arg, "--screenshot") == 0) {
            if (!has_value)
                return fail();
            o.screenshot = argv[++i];
        } else if (std::strcmp(arg, "--frames") == 0) {
            if (!has_value || !ToInt(argv[++i], 0, 10000000, o.frames))
                return fail();
        } else if (std::strcmp(arg, "--solve") == 0) {
            o.solve = true;
        } else if (std::strcmp(arg, "--tour") == 0) {
            o.tour = true;
        } else if (std::strcmp(arg, "--pack") == 0) {
            if (!has_value)
                return fail();
            o.pack = argv[++i];
        } else if (std::strcmp(arg, "--game-dir") == 0) {
            if (!has_value)
                return fail();
            o.game_dir = argv[++i];
        } else if (std::strcmp(arg, "--size") == 0) {
            if (i + 2 >= argc || !ToInt(argv[i + 1], 640, 4096, o.width) ||
                !ToInt(argv[i + 2], 480, 4096, o.height)) {
                return fail();
            }
            i += 2;
        } else if (std::strcmp(arg, "--table") == 0) {
            char* end = nullptr;
            if (!has_value)
                return fail();
            o.table = static_cast<uint32_t>(std::strtoul(argv[++i], &end, 16));
            if (*end != '\0' || end == argv[i])
                return fail();
        } else if (arg[0] == '-') {
            return fail();
        } else if (o.picture.empty()) {
            o.picture = arg;
        } else {
            return fail();
        }
    }
    if (o.solve && o.tour) {
        std::fprintf(stderr, "board_sandbox: --solve and --tour cannot play at once\n");
        return false;
    }
    return true;
}
