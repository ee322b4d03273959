// Saving a game in progress to its ".pzl" file and restoring one onto a new board.
#include <algorithm>
#include <set>

#include "engine/frame/game.h"
#include "engine/render/render_device.h"
#include "engine/resources/file_system.h"
#include "engine/ui/sprite.h"
#include "game/board/cut_grid.h"
#include "game/board/picture_tier.h"
#include "game/board/pieces_system.h"
#include "game/board/save_file.h"
#include "game/board/saved_game_check.h"
#include "game/board/saved_puzzle.h"

namespace GAME {

std::string PUZZLE_PIECES_SYSTEM::SavedText(int resolution_code) const {
    SAVED_PUZZLE saved;
    saved.ImgAdr = picture_path;
    saved.ImgSmAdr = small_picture_path;
    saved.piece_amount = cols * rows;
    saved.ImgPkAdr = pack_name;
    saved.Min = Min;
    saved.distort = DistortPercent(distort);
    saved.typeborder = typeborder;
    saved.fly = fly_shown;
    saved.frame = ghost_image;
    saved.counters = counters;
    saved.rt = rt;
    saved.regRes = resolution_code;
    saved.ImgSize = picture_stamp.size;
    saved.ImgTime = picture_stamp.modified_ns;
    saved.ImgTierW = tier_width;
    saved.ImgTierH = tier_height;
    for (const PUZZLE_PIECE* p : grid_) {
        saved.pieces.push_back({p->X(), p->Y(), p->trt, p->nstr, p->BK});
    }
    return WriteSavedPuzzle(saved);
}

int PUZZLE_PIECES_SYSTEM::Save(const std::string& prefix, int resolution_code) const {
    const std::string path = save_path.empty() ? FreeSaveName(prefix) : save_path;
    if (path.empty()) {
        return -1;
    }
    const std::string text = SavedText(resolution_code);
    return WFILE_SYSTEM::WriteStream(path, text.data(), text.size()) == 0 ? 1 : -1;
}

int PUZZLE_PIECES_SYSTEM::Restore(const SAVED_PUZZLE& file, const std::string& path,
                                  PUZZLE_PLAYER_PROFILE* player_settings, int resolution_code) {
    WUN::ST_GAME& frame = *WUN::ST_GAME::GetInstance();
    WRENDER& render = *frame.GetRender();
    SAVED_PUZZLE saved = file;
    save_path = path;
    pack_name = saved.ImgPkAdr;
    if (IsOwnPictureSave(saved)) {
        // The saved tier, not the current screen's: the same picture size gives the same cut.
        picture_stamp = {saved.ImgSize, saved.ImgTime};
        tier_width = std::clamp(saved.ImgTierW, 1, WRENDER::kMaxTextureSize);
        tier_height = std::clamp(saved.ImgTierH, 1, WRENDER::kMaxTextureSize);
    }
    // The difficulty choice's own path from percent to deformation, so the cut is the same.
    const float deformation = std::clamp(saved.distort, 0, 100) / 100.0f;
    Init(saved.ImgAdr, std::clamp(saved.Min, kFewestAcross, kMostAcross), 0, player_settings, false,
         deformation, saved.typeborder);
    small_picture_path = saved.ImgSmAdr;
    int width = 0;
    int height = 0;
    render.GetTextureSize(picture->GetTexture(), width, height);
    const CUT_GRID grid = ChooseGrid(width, height, Min, aspect, distort);
    const int cells = grid.cols * grid.rows;
    if (picture->GetTexture() == render.GetDefaultTexture() || cells != saved.piece_amount ||
        cells > static_cast<int>(kMostSavedPieces)) {
        return -1;
    }
    BuildPieces();
    if (grid_.empty()) {
        return -1;
    }
    rt = saved.rt;
    // Pieces saved while they flew in lie off the screen, and the board pushes any such piece
    // back into the play area: a screen's size all round is room enough.
    const float w = static_cast<float>(frame.GetGameWidth());
    const float h = static_cast<float>(frame.GetGameHeight());
    CheckSavedGame(saved, {cols, rows, cellW, cellH, -w, -h, 2.0f * w, 2.0f * h});
    for (size_t i = 0; i < saved.pieces.size(); ++i) {
        const SAVED_PIECE& from = saved.pieces[i];
        PUZZLE_PIECE& piece = *grid_[i];
        piece.Place(from.posx, from.posy);
        piece.SetTurns(from.trt);
        piece.nstr = from.nstr;
        piece.BK = from.BK;
    }
    // Single pieces lie above every group.
    std::set<int> groups;
    for (const PUZZLE_PIECE* p : grid_) {
        if (!p->IsSingle()) {
            groups.insert(p->nstr);
        }
    }
    for (int group : groups) {
        SendGroupToBack(group, false);
    }
    for (PUZZLE_PIECE* p : grid_) {
        p->lift = 0.0f;
        p->lift_direction = 0;
    }
    counters = saved.counters;
    if (counters.regBr < 2) {
        SendGroupToBack(FrameGroup(), false);
        wave_index = -2;
    }
    // A game saved during its finish sparkle finishes now.
    if (counters.regF < 2) {
        finish_index = 0;
    }
    // Two desktops of one resolution code can differ in size, so the pack speaks for itself.
    const bool outgrown =
        PackOutgrowsScreen(pack_name, frame.GetGameWidth(), frame.GetGameHeight());
    if (outgrown) {
        BringUnitsIntoPlayArea();
    }
    if (saved.regRes != resolution_code || outgrown) {
        OpenResolutionMessage();
    }
    state = kStatePlay;
    score_display.SetTarget(counters.regSc);
    return 1;
}

}  // namespace GAME
