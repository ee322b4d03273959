// The pieces' soft drop shadows: each piece's alpha, shrunk and blurred, packed with the others
// into one texture, so the pinned cut stays as it is and the driver keeps one texture, not one
// per piece.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/board/texel_view.h"

class WRENDER;
struct WTEXTURE;

namespace GAME {

// Piece texels per shadow texel along each side: the shadow is blurred anyway, so a quarter of
// the resolution shows the same and costs a sixteenth of the memory.
constexpr int kShadowShrink = 4;
// Shadow texels around the piece's texture, room for the blur to fade out in.
constexpr int kShadowMargin = 2;

// One piece's shadow alpha: the piece's texture shrunk, kShadowMargin texels wider on every
// side, then blurred.
struct SHADOW_ALPHA {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> alpha;
    int At(int x, int y) const { return alpha[static_cast<size_t>(y) * width + x]; }
};
SHADOW_ALPHA ShadowAlpha(TEXEL_VIEW piece);

// Where a piece's shadow lies in the atlas: only the part of its SHADOW_ALPHA that is not
// transparent, from (left, top) of it; empty when the piece shows nothing.
struct SHADOW_PLACE {
    int atlas_x = 0;
    int atlas_y = 0;
    int width = 0;
    int height = 0;
    int left = 0;
    int top = 0;
};

// The shadows of pieces (black, alpha as ShadowAlpha) in one texture, apart by a transparent
// texel so filtering never mixes two; places[i] is pieces[i]'s. Null when there is nothing to
// show or the device makes no texture of the size.
WTEXTURE* MakeShadowAtlas(WRENDER& render, const std::vector<TEXEL_VIEW>& pieces,
                          std::vector<SHADOW_PLACE>& places);

}  // namespace GAME
