// Building the pieces from the cut (board state 3) and the cut-line preview over the picture.
#include <algorithm>
#include <cmath>

#include "engine/frame/game.h"
#include "game/board/cut_grid.h"
#include "game/board/pieces_system.h"
#include "game/board/soft_shadow.h"

namespace GAME {
namespace {

using WUN::Frame;

TEXEL_VIEW Lock(WRENDER& render, WTEXTURE* texture) {
    TEXEL_VIEW view;
    view.texels = render.LockTexture(texture);
    render.GetTextureSize(texture, view.width, view.height);
    return view;
}

// RandInt over lo..hi, with an empty range (a cell wider than the play area) giving lo.
int RandomIn(WRANDOM& random, int lo, int hi) {
    return static_cast<int>(random.RandInt(lo, std::max(lo, hi), 0));
}

}  // namespace

void PUZZLE_PIECES_SYSTEM::BuildPieces() {
    WRENDER& render = *Frame().GetRender();
    WRANDOM& random = Frame().random;
    random.Seed(0);

    held_ = nullptr;
    pieces_.clear();
    ReleaseShadowAtlas();
    stack_.clear();
    grid_.clear();
    const TEXEL_VIEW source = Lock(render, picture->GetTexture());
    const TEXEL_VIEW mask_view = Lock(render, mask->GetTexture());
    if (source.texels == nullptr || mask_view.texels == nullptr ||
        mask_view.width != source.width || mask_view.height != source.height) {
        return;
    }
    const CUT_GRID grid = ChooseGrid(source.width, source.height, Min, aspect, distort);
    const PICTURE_CUT cut = cut_arena_.Cut(source.texels, grid, mask_view);
    render.UnlockTexture(mask->GetTexture());
    typeborder = 0;
    cols = grid.cols;
    rows = grid.rows;
    cellW = grid.cell_w;
    cellH = grid.cell_h;
    shapes = cut.lines.shapes;

    const WINT_POINT centre = Frame().Centre;
    const int radius = std::max(centre.x, centre.y) + 200;
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
            const TEXEL_VIEW texels = cut_arena_.Piece(row * cols + col);
            WTEXTURE* texture =
                render.CreateTextureOver(texels.width, texels.height, texels.texels);
            // Hit tests follow the outline and the magnifier reads the drawn scene: once on the
            // GPU, a piece's texels are read by nothing.
            if (texture != nullptr) {
                texture->drop_after_upload = true;
            }
            const bool edge = row == 0 || col == 0 || col == cols - 1 || row == rows - 1;
            const int turns = rt ? static_cast<int>(random.RandInt(0, 3, 0)) : 0;
            const int target_x =
                RandomIn(random, play_area.left + cellW / 2, play_area.right - cellW / 2);
            const int target_y =
                RandomIn(random, play_area.top + cellH / 2, play_area.bottom - cellH / 2);
            const float angle = random.RandFloat(0.0f, 6.2831855f, 0);
            const int start_x = static_cast<int>(centre.x + std::cos(angle) * radius);
            const int start_y = static_cast<int>(centre.y + std::sin(angle) * radius);
            pieces_.push_back(std::make_unique<PUZZLE_PIECE>(
                texture, col, row, target_x, target_y, cellW, cellH, start_x, start_y, turns, edge,
                cut.lines.Shape(grid, col, row), random));
            stack_.push_back(pieces_.back().get());
            grid_.push_back(pieces_.back().get());
        }
    }
    MakeShadows();
    ResetCounters();
    BuildBorderRing();
    const int ring_span = std::max(rows + cols - 2, 1);
    wave_step = 0.4f / ring_span + 0.4f / ring_span;
    finish_sparkles = 12;
}

void PUZZLE_PIECES_SYSTEM::MakeShadows() {
    std::vector<TEXEL_VIEW> texels;
    for (int i = 0; i < cut_arena_.PieceCount(); ++i) {
        texels.push_back(cut_arena_.Piece(i));
    }
    std::vector<SHADOW_PLACE> places;
    shadow_atlas_ = MakeShadowAtlas(*Frame().GetRender(), texels, places);
    if (shadow_atlas_ != nullptr) {
        shadow_atlas_->drop_after_upload = true;
    }
    for (size_t i = 0; i < places.size() && i < grid_.size(); ++i) {
        grid_[i]->SetShadow(shadow_atlas_, places[i]);
    }
}

void PUZZLE_PIECES_SYSTEM::ReleaseShadowAtlas() {
    Frame().GetRender()->ReleaseTexture(shadow_atlas_);
    shadow_atlas_ = nullptr;
}

void PUZZLE_PIECES_SYSTEM::ReleaseUploadedCut() {
    if (cut_arena_.PieceCount() == 0 || !Frame().GetRender()->HasDevice()) {
        return;
    }
    for (const std::unique_ptr<PUZZLE_PIECE>& piece : pieces_) {
        WTEXTURE* texture = piece->sprite.GetTexture();
        if (texture != nullptr && texture->Texels() != nullptr) {
            return;
        }
    }
    cut_arena_.Release();
}

void PUZZLE_PIECES_SYSTEM::DrawPreviewGrid() {
    WRENDER& render = *Frame().GetRender();
    const TEXEL_VIEW view = Lock(render, mask->GetTexture());
    if (view.texels == nullptr) {
        return;
    }
    std::fill(view.texels, view.texels + static_cast<size_t>(view.width) * view.height,
              0x00FFFFFFu);
    const CUT_GRID grid = ChooseGrid(view.width, view.height, Min, aspect, distort);
    const CUT_LINES lines = TraceCutLines(grid, view, 0xFFFFFFFFu);
    ThickenLines(view, 0xFFFFFFFFu);
    render.UnlockTexture(mask->GetTexture());
    cols = grid.cols;
    rows = grid.rows;
    cellW = grid.cell_w;
    cellH = grid.cell_h;
    shapes = lines.shapes;
}

}  // namespace GAME
