// A piece's soft drop shadow: the piece's alpha, shrunk and blurred into a texture of its own,
// so the pinned cut stays as it is.
#pragma once

#include "game/board/texel_view.h"

class WRENDER;
struct WTEXTURE;

namespace GAME {

// Piece texels per shadow texel along each side: the shadow is blurred anyway, so a quarter of
// the resolution shows the same and costs a sixteenth of the memory.
constexpr int kShadowShrink = 4;
// Shadow texels around the piece's texture, room for the blur to fade out in.
constexpr int kShadowMargin = 2;

// The shadow of piece (black, its alpha the piece's, shrunk and blurred), kShadowMargin texels
// larger than the shrunk piece on every side; null when the device makes no texture of that
// size.
WTEXTURE* MakeSoftShadow(WRENDER& render, TEXEL_VIEW piece);

}  // namespace GAME
