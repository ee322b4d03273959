// The sort: single pieces fly to the play area's quadrants by quarters of the picture, the
// corner pieces to its corners.
#include <vector>

#include "engine/frame/game.h"
#include "game/board/board_sounds.h"
#include "game/board/pieces_system.h"

namespace GAME {

void PUZZLE_PIECES_SYSTEM::Sort() {
    if (grid_.empty()) {
        return;
    }
    PlaySound(kSoundToolsSort);
    counters.regGVN2 = true;
    WUN::ST_GAME& frame = *WUN::ST_GAME::GetInstance();
    auto movable = [](const PUZZLE_PIECE& p) {
        return p.IsSingle() && p.BK == 0 && p.appear != 0.0f;
    };

    std::vector<PUZZLE_PIECE*> listed;
    for (PUZZLE_PIECE* p : grid_) {
        if (p->BK == 0)
            listed.push_back(p);
    }
    const int n = static_cast<int>(listed.size());
    const int q = n / 4 + 1;
    const float m = static_cast<float>(cellW);
    const float left = static_cast<float>(play_area.left) + m;
    const float top = static_cast<float>(play_area.top) + m;
    const float right = static_cast<float>(play_area.right) - m;
    const float bottom = static_cast<float>(play_area.bottom) - m;
    const float centre_x = static_cast<float>(frame.Centre.x);
    const float centre_y = static_cast<float>(frame.Centre.y);
    // Top-left, top-right, bottom-left, bottom-right: x from, x to, y from, y to.
    const float quadrants[4][4] = {
        {left, centre_x - m, top, centre_y - m},
        {centre_x + m, right, top, centre_y - m},
        {left, centre_x - m, centre_y + m, bottom},
        {centre_x + m, right, centre_y + m, bottom},
    };
    for (int k = 0; k < q; ++k) {
        for (int j = 0; j < 4; ++j) {
            const int index = k + j * q;
            if (index >= n || !movable(*listed[index]))
                continue;
            const float* area = quadrants[j];
            const float y = frame.random.RandFloat(area[2], area[3], 0);
            const float x = frame.random.RandFloat(area[0], area[1], 0);
            listed[index]->SetTarget(static_cast<int>(x), static_cast<int>(y));
        }
    }

    const struct {
        PUZZLE_PIECE* piece;
        float x;
        float y;
    } corners[4] = {
        {GridAt(0, 0), left, top},
        {GridAt(cols - 1, 0), right, top},
        {GridAt(0, rows - 1), left, bottom},
        {GridAt(cols - 1, rows - 1), right, bottom},
    };
    for (const auto& corner : corners) {
        if (movable(*corner.piece))
            corner.piece->SetTarget(static_cast<int>(corner.x), static_cast<int>(corner.y));
    }
}

}  // namespace GAME
