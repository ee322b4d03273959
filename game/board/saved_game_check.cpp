// Bringing a saved game into a state the board can play; see saved_game_check.h.
#include "game/board/saved_game_check.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

namespace GAME {
namespace {

// How far (pixels) a group's piece may stray from its place in the formation before it is put
// back: a saved group is exact up to the float rounding of its moves.
constexpr float kFormationSlack = 2.0f;
constexpr float kMostSeconds = 1.0e9f;

int QuarterTurns(int value) {
    return (value % 4 + 4) % 4;
}

// A position that is no number lies in the middle.
float IntoRange(float value, float low, float high) {
    return std::isfinite(value) ? std::clamp(value, low, high) : (low + high) / 2.0f;
}

float Seconds(float value) {
    return std::isfinite(value) ? std::clamp(value, 0.0f, kMostSeconds) : 0.0f;
}

// The cells of one group id that hang together with one turn, first cell (in grid order) first.
using CELLS = std::vector<int>;

class GROUPS {
  public:
    GROUPS(const RESTORE_GRID& grid, std::vector<int> ids, std::vector<int> turns)
        : grid_(grid), ids_(std::move(ids)), turns_(std::move(turns)) {}

    // Leaves an id only on the largest connected set of the cells that carry it (the first one
    // in grid order among equals), when that set holds two cells or more.
    void KeepConnected() {
        std::vector<bool> seen(ids_.size(), false);
        std::vector<CELLS> sets;
        for (int cell = 0; cell < static_cast<int>(ids_.size()); ++cell) {
            if (ids_[cell] != 0 && !seen[cell]) {
                sets.push_back(ConnectedFrom(cell, seen));
            }
        }
        std::map<int, const CELLS*> largest;
        for (const CELLS& set : sets) {
            const CELLS*& best = largest[ids_[set.front()]];
            if (best == nullptr || set.size() > best->size()) {
                best = &set;
            }
        }
        for (const CELLS& set : sets) {
            const bool kept = largest[ids_[set.front()]] == &set && set.size() >= 2;
            if (kept) {
                kept_.push_back(set);
            }
        }
        std::vector<int> kept_ids(ids_.size(), 0);
        for (const CELLS& set : kept_) {
            for (int cell : set) {
                kept_ids[cell] = ids_[cell];
            }
        }
        ids_ = std::move(kept_ids);
    }

    int Id(int cell) const { return ids_[cell]; }
    const std::vector<CELLS>& Kept() const { return kept_; }

  private:
    CELLS ConnectedFrom(int first, std::vector<bool>& seen) const {
        CELLS set{first};
        seen[first] = true;
        for (size_t next = 0; next < set.size(); ++next) {
            const int cell = set[next];
            const int col = cell % grid_.cols;
            const int row = cell / grid_.cols;
            const int around[4][2] = {
                {col - 1, row}, {col + 1, row}, {col, row - 1}, {col, row + 1}};
            for (const auto& at : around) {
                if (at[0] < 0 || at[1] < 0 || at[0] >= grid_.cols || at[1] >= grid_.rows) {
                    continue;
                }
                const int other = at[1] * grid_.cols + at[0];
                if (!seen[other] && ids_[other] == ids_[first] && turns_[other] == turns_[first]) {
                    seen[other] = true;
                    set.push_back(other);
                }
            }
        }
        return set;
    }

    const RESTORE_GRID& grid_;
    std::vector<int> ids_;
    std::vector<int> turns_;
    std::vector<CELLS> kept_;
};

struct OFFSET {
    float dx = 0.0f;
    float dy = 0.0f;
};

// Where a piece of a group lies relative to the group's first piece: its grid offset in pixels,
// turned clockwise with the group.
OFFSET FormationOffset(const RESTORE_GRID& grid, int first, int cell, int turns) {
    float dx = static_cast<float>((cell % grid.cols - first % grid.cols) * grid.cell_w);
    float dy = static_cast<float>((cell / grid.cols - first / grid.cols) * grid.cell_h);
    for (int turn = 0; turn < turns; ++turn) {
        const float x = dx;
        dx = -dy;
        dy = x;
    }
    return {dx, dy};
}

bool IsEdge(const RESTORE_GRID& grid, int cell) {
    const int col = cell % grid.cols;
    const int row = cell / grid.cols;
    return row == 0 || col == 0 || row == grid.rows - 1 || col == grid.cols - 1;
}

void CheckPiece(SAVED_PIECE& piece, const RESTORE_GRID& grid, bool rotation) {
    piece.posx = IntoRange(piece.posx, grid.left, grid.right);
    piece.posy = IntoRange(piece.posy, grid.top, grid.bottom);
    piece.trt = rotation ? QuarterTurns(piece.trt) : 0;
    piece.nstr = piece.nstr > 0 && piece.nstr <= kMostGroupId ? piece.nstr : 0;
    piece.BK = piece.BK != 0 ? 1 : 0;
}

// A kept group's pieces: out of the pocket, and back in formation where one strayed.
void FormGroup(const CELLS& set, std::vector<SAVED_PIECE>& pieces, const RESTORE_GRID& grid) {
    const int first = set.front();
    for (int cell : set) {
        SAVED_PIECE& piece = pieces[cell];
        piece.BK = 0;
        const OFFSET offset = FormationOffset(grid, first, cell, piece.trt);
        const float x = pieces[first].posx + offset.dx;
        const float y = pieces[first].posy + offset.dy;
        if (std::fabs(piece.posx - x) > kFormationSlack ||
            std::fabs(piece.posy - y) > kFormationSlack) {
            piece.posx = x;
            piece.posy = y;
        }
    }
}

}  // namespace

void CheckSavedGame(SAVED_PUZZLE& saved, const RESTORE_GRID& grid) {
    const int cells = std::max(grid.cols, 1) * std::max(grid.rows, 1);
    std::vector<SAVED_PIECE>& pieces = saved.pieces;
    if (static_cast<int>(pieces.size()) > cells) {
        pieces.resize(static_cast<size_t>(cells));
    }
    // Pieces the file lacks stay as dealt: single and upright.
    std::vector<int> ids(static_cast<size_t>(cells), 0);
    std::vector<int> turns(static_cast<size_t>(cells), 0);
    for (size_t i = 0; i < pieces.size(); ++i) {
        CheckPiece(pieces[i], grid, saved.rt);
        ids[i] = pieces[i].nstr;
        turns[i] = pieces[i].trt;
    }
    GROUPS groups(grid, std::move(ids), std::move(turns));
    groups.KeepConnected();
    for (size_t i = 0; i < pieces.size(); ++i) {
        pieces[i].nstr = groups.Id(static_cast<int>(i));
    }
    for (const CELLS& set : groups.Kept()) {
        FormGroup(set, pieces, grid);
    }

    // Every unit is a single piece or a kept group; joins merge two units into one.
    int units = 0;
    int edge_units = 0;
    int top_id = 0;
    for (int cell = 0; cell < cells; ++cell) {
        if (groups.Id(cell) == 0) {
            ++units;
            edge_units += IsEdge(grid, cell) ? 1 : 0;
        }
    }
    for (const CELLS& set : groups.Kept()) {
        ++units;
        const bool edge =
            std::any_of(set.begin(), set.end(), [&](int cell) { return IsEdge(grid, cell); });
        edge_units += edge ? 1 : 0;
        top_id = std::max(top_id, groups.Id(set.front()));
    }
    BOARD_COUNTERS& c = saved.counters;
    c.regF = units;
    c.regCg = cells - units;
    c.regBr = edge_units;
    c.regFinishP = 0;
    if (c.regBr < 2) {
        // The frame is complete: it is the group of the top-left piece.
        for (const CELLS& set : groups.Kept()) {
            if (set.front() == 0) {
                c.regFinishP = static_cast<int>(set.size());
            }
        }
    }
    c.cstr = std::max(std::clamp(c.cstr, 0, kMostGroupId), top_id);
    c.regFastGlue = std::clamp(c.regFastGlue, 0, c.regCg);
    c.regH = std::max(c.regH, 0);
    c.regSc = std::max(c.regSc, 0);
    c.regPf = std::max(c.regPf, 0);
    c.regT = Seconds(c.regT);
    c.regTa = Seconds(c.regTa);
}

}  // namespace GAME
