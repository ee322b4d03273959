// The cut of the test picture and its FNV-1a hash, which pins the cut: a saved game keeps only
// the cut's parameters, so a changed cut would silently break every saved game.
#pragma once

#include <cstdint>
#include <vector>

#include "game/board/cut_grid.h"
#include "game/board/picture_cut.h"
#include "tools/devkit/test_picture.h"

namespace GAME {

struct CUT_RESULT {
    PICTURE_CUT cut;
    std::vector<std::vector<uint32_t>> pieces;
};

inline CUT_RESULT Cut(int w, int h, int min_pieces, float aspect, float distort) {
    const std::vector<uint32_t> picture = MakeTestPicture(w, h);
    std::vector<uint32_t> mask(picture.size());
    CUT_RESULT result;
    const CUT_GRID grid = ChooseGrid(w, h, min_pieces, aspect, distort);
    result.cut = CutPicture(picture.data(), grid, TEXEL_VIEW{mask.data(), w, h},
                            [&](int, int, int width, int height) {
                                result.pieces.emplace_back(static_cast<size_t>(width) * height);
                                return TEXEL_VIEW{result.pieces.back().data(), width, height};
                            });
    return result;
}

// FNV-1a, 64 bits, over the value's four bytes from the lowest.
inline uint64_t Fnv(uint64_t hash, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        hash ^= (value >> (8 * i)) & 0xFF;
        hash *= 1099511628211ull;
    }
    return hash;
}

// The corners, the shape table, then every piece's texels in cut order (row by row).
inline uint64_t HashOf(const CUT_RESULT& r) {
    uint64_t hash = 14695981039346656037ull;
    for (const CUT_POINT& p : r.cut.lines.corners)
        hash = Fnv(Fnv(hash, p.x), p.y);
    for (const CUT_POINT& p : r.cut.lines.shapes)
        hash = Fnv(Fnv(hash, p.x), p.y);
    for (const auto& piece : r.pieces)
        for (uint32_t t : piece)
            hash = Fnv(hash, t);
    return hash;
}

// The pinned cut that a saved game's deformation of 0.29 must give back (cut_test.cpp pins it
// with the others).
constexpr uint64_t kPinnedCut320x240Min5Distort29 = 0x9a9f567ae47880fdull;

}  // namespace GAME
