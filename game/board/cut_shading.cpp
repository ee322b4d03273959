// Shading a cut piece: a bevel lit from the upper left, then a soft outline.
#include "game/board/cut_shading.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace GAME {
namespace {

// Adds amount (negative darkens) to red, green and blue of a texel whose alpha is not 0.
void Shift(TEXEL_VIEW piece, int x, int y, int amount) {
    if (!piece.Contains(x, y)) {
        return;
    }
    uint32_t& texel = piece.At(x, y);
    if (AlphaOf(texel) == 0) {
        return;
    }
    auto channel = [&](int shift) {
        const int value = static_cast<int>((texel >> shift) & 0xFFu) + amount;
        return static_cast<uint32_t>(std::clamp(value, 0, 255)) << shift;
    };
    texel = (texel & 0xFF000000u) | channel(16) | channel(8) | channel(0);
}

struct BEVEL {
    int width;
    int strength;
};

BEVEL BevelFor(const TEXEL_VIEW& piece) {
    const int w = static_cast<int>(piece.width * 0.02);
    if (w < 2)
        return {2, 20};
    if (w > 5)
        return {5, 30};
    return {w, 6 * w};
}

// The row scan of the bevel: colour-only inside texels become opaque (254) after the
// lightening of their step.
void BevelRow(TEXEL_VIEW piece, BEVEL bevel, int y) {
    bool in_run = false;
    uint32_t* row = piece.texels + static_cast<size_t>(y) * piece.width;
    for (int x = 0; x + 1 < piece.width; ++x) {
        uint32_t& texel = row[x];
        if (texel != 0) {
            if (!in_run) {
                in_run = true;
                for (int k = 0; k < bevel.width; ++k) {
                    Shift(piece, x + k, y, std::abs(bevel.strength - k * bevel.width));
                }
            }
            if (AlphaOf(texel) == 0) {
                texel = WithAlpha(texel, 254);
            }
        } else if (in_run) {
            in_run = false;
            for (int k = 1; k <= bevel.width; ++k) {
                Shift(piece, x - k, y, -std::abs(bevel.strength - k * (bevel.width - 1)));
            }
        }
    }
}

}  // namespace

void BevelPiece(TEXEL_VIEW piece) {
    const BEVEL bevel = BevelFor(piece);
    // The column scans, run row by row across all columns at once: a column's scan touches only
    // its own column, so the result is the same as scanning one column after the other, with
    // the memory read in order.
    const int columns = piece.width - 1;
    std::vector<uint8_t> in_run(std::max(columns, 0), 0);
    for (int y = 0; y + 1 < piece.height; ++y) {
        uint32_t* row = piece.texels + static_cast<size_t>(y) * piece.width;
        for (int x = 0; x < columns; ++x) {
            uint32_t& texel = row[x];
            if (texel != 0) {
                if (AlphaOf(texel) == 0) {
                    texel = WithAlpha(texel, 255);
                }
                if (!in_run[x]) {
                    in_run[x] = 1;
                    for (int k = 0; k < bevel.width; ++k) {
                        Shift(piece, x, y + k, std::abs(bevel.strength - k * bevel.width));
                    }
                }
            } else if (in_run[x]) {
                in_run[x] = 0;
                for (int k = 1; k <= bevel.width; ++k) {
                    Shift(piece, x, y - k, -std::abs(bevel.strength - k * (bevel.width - 1)));
                }
            }
        }
    }
    for (int y = 0; y < piece.height; ++y) {
        BevelRow(piece, bevel, y);
    }
}

void SmoothOutline(TEXEL_VIEW piece) {
    struct TEXEL_AT {
        int x;
        int y;
    };
    std::vector<TEXEL_AT> single_neighbour;  // clear texels with exactly one opaque neighbour
    const int w = piece.width;
    const int h = piece.height;
    uint32_t* texels = piece.texels;
    constexpr uint32_t kOpaque = 0xFF000000u;
    // Neighbours outside the texture read as clear.
    auto neighbour = [&](int x, int y) -> uint32_t {
        return x >= 0 && y >= 0 && x < w && y < h ? texels[static_cast<size_t>(y) * w + x] : 0u;
    };
    // Per row, the first and last texel that is not clear; texels further out than one step
    // beyond these (in the row and the rows above and below) have no opaque neighbour.
    std::vector<int> first_set(h, w);
    std::vector<int> last_set(h, -1);
    for (int y = 0; y < h; ++y) {
        const uint32_t* row = texels + static_cast<size_t>(y) * w;
        int x = 0;
        while (x < w && AlphaOf(row[x]) == 0)
            ++x;
        if (x == w)
            continue;
        first_set[y] = x;
        x = w - 1;
        while (AlphaOf(row[x]) == 0)
            --x;
        last_set[y] = x;
    }
    for (int y = 0; y < h; ++y) {
        uint32_t* row = texels + static_cast<size_t>(y) * w;
        const bool inner_row = y > 0 && y + 1 < h;
        int from = first_set[y];
        int to = last_set[y];
        for (const int near : {y - 1, y + 1}) {
            if (near < 0 || near >= h)
                continue;
            from = std::min(from, first_set[near]);
            to = std::max(to, last_set[near]);
        }
        from = std::max(from - 1, 0);
        to = std::min(to + 1, w - 1);
        for (int x = from; x <= to; ++x) {
            uint32_t& texel = row[x];
            if (AlphaOf(texel) != 0) {
                continue;
            }
            uint32_t left, right, up, down;
            if (inner_row && x > 0 && x + 1 < w) {
                left = row[x - 1];
                right = row[x + 1];
                up = row[x - w];
                down = row[x + w];
            } else {
                left = neighbour(x - 1, y);
                right = neighbour(x + 1, y);
                up = neighbour(x, y - 1);
                down = neighbour(x, y + 1);
            }
            const int opaque =
                (left >= kOpaque) + (right >= kOpaque) + (up >= kOpaque) + (down >= kOpaque);
            if (opaque == 0) {
                continue;
            }
            // The last opaque neighbour in the order left, right, up, down lends its colour.
            const uint32_t last = down >= kOpaque    ? down
                                  : up >= kOpaque    ? up
                                  : right >= kOpaque ? right
                                                     : left;
            if (opaque == 1) {
                single_neighbour.push_back({x, y});
                continue;
            }
            // The range need not grow: its last texel has at most its left neighbour opaque.
            texel = WithAlpha(last, opaque == 2 ? 230 : 255);
            first_set[y] = std::min(first_set[y], x);
            last_set[y] = std::max(last_set[y], x);
        }
    }
    for (uint32_t alpha = 210; alpha >= 30; alpha -= 20) {
        for (const TEXEL_AT& t : single_neighbour) {
            uint32_t& texel = texels[static_cast<size_t>(t.y) * w + t.x];
            if (AlphaOf(texel) != 0) {
                continue;
            }
            bool follows_fade = false;
            uint32_t colour = 0;
            for (const uint32_t n : {neighbour(t.x - 1, t.y), neighbour(t.x + 1, t.y),
                                     neighbour(t.x, t.y - 1), neighbour(t.x, t.y + 1)}) {
                if (AlphaOf(n) == alpha + 20)
                    follows_fade = true;
                if (AlphaOf(n) == 255)
                    colour = n;
            }
            if (follows_fade) {
                texel = WithAlpha(colour, alpha);
            }
        }
    }
}

}  // namespace GAME
