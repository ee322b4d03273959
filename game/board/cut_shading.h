// Shading a cut piece: a bevel lit from the upper left, then a soft outline.
#pragma once

#include "game/board/texel_view.h"

namespace GAME {

// Lightens the first texels of every run of inside texels and darkens the last ones, down the
// columns and then along the rows. Inside means any texel that is not 0, so the colour-only
// texels of the cut line become opaque and belong to both pieces that share them.
void BevelPiece(TEXEL_VIEW piece);

// Fills transparent texels next to two or more opaque ones and fades long shallow steps of the
// outline over up to ten texels.
void SmoothOutline(TEXEL_VIEW piece);

}  // namespace GAME
