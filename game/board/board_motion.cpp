// The board's per-frame piece loop, pushing back into the play area, group realignment and the
// operations that move units and change the stacking order.
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "game/board/pieces_system.h"

namespace GAME {

int PUZZLE_PIECES_SYSTEM::StackIndexOf(const PUZZLE_PIECE* piece) const {
    const auto it = std::find(stack_.begin(), stack_.end(), piece);
    return it == stack_.end() ? -1 : static_cast<int>(it - stack_.begin());
}

std::vector<int> PUZZLE_PIECES_SYSTEM::StackPositions() const {
    std::vector<int> positions(grid_.size(), -1);
    for (int i = 0; i < StackSize(); ++i) {
        positions[GridIndex(*stack_[i])] = i;
    }
    return positions;
}

int PUZZLE_PIECES_SYSTEM::FrameGroup() const {
    return grid_.empty() ? 0 : grid_[0]->nstr;
}

bool PUZZLE_PIECES_SYSTEM::FrameLocked(const PUZZLE_PIECE& piece) const {
    return counters.regBr == 1 && piece.nstr != 0 && piece.nstr == FrameGroup();
}

int PUZZLE_PIECES_SYSTEM::GroupSize(int group) const {
    if (group == 0) {
        return 1;
    }
    return static_cast<int>(std::count_if(grid_.begin(), grid_.end(),
                                          [&](const PUZZLE_PIECE* p) { return p->nstr == group; }));
}

void PUZZLE_PIECES_SYSTEM::UpdatePieces(float dt) {
    bool dropped_group_rests = false;
    UNIT_PUSHES pushes;
    for (PUZZLE_PIECE* piece : stack_) {
        piece->Update(dt, border_filter);
        piece->hover = false;
        if (piece->lift == 0.0f && !piece->IsFlying()) {
            PushIntoPlayArea(*piece, dt, pushes);
        }
        if (dropped_group > 0 && piece->nstr == dropped_group && piece->lift == 0.0f) {
            dropped_group_rests = true;
        }
    }
    if (!pushes.groups.empty() || pushes.selection.x != 0.0f || pushes.selection.y != 0.0f) {
        for (PUZZLE_PIECE* piece : stack_) {
            const FLOAT_POINT push = pushes.Of(*piece, FrameLocked(*piece));
            if (push.x != 0.0f || push.y != 0.0f)
                piece->MoveBy(push.x, push.y);
        }
    }
    if (dropped_group_rests) {
        SendGroupToBack(dropped_group, false);
        dropped_group = -1;
    }
}

FLOAT_POINT PUZZLE_PIECES_SYSTEM::UNIT_PUSHES::Of(const PUZZLE_PIECE& piece,
                                                  bool frame_locked) const {
    FLOAT_POINT push;
    if (piece.selected && !frame_locked) {
        push = selection;
    }
    if (!piece.IsSingle()) {
        const auto group = groups.find(piece.nstr);
        if (group != groups.end()) {
            push.x += group->second.x;
            push.y += group->second.y;
        }
    }
    return push;
}

// A piece whose unit is the selection or a group pushes that whole unit, as MoveUnit would;
// the push is gathered in pushes (applied after the loop, one pass for all units) and counts
// for the unit's later pieces in this loop.
void PUZZLE_PIECES_SYSTEM::PushIntoPlayArea(PUZZLE_PIECE& piece, float dt, UNIT_PUSHES& pushes) {
    const bool frame_locked = FrameLocked(piece);
    const FLOAT_POINT pending = pushes.Of(piece, frame_locked);
    const float x = piece.X() + pending.x;
    const float y = piece.Y() + pending.y;
    const int margin = static_cast<int>(piece.cellW / 2.5);
    const float push = dt * 1000.0f;
    float dx = 0.0f;
    float dy = 0.0f;
    if (x > play_area.right - margin)
        dx = -push;
    if (x < play_area.left + margin)
        dx = push;
    if (y < play_area.top + margin)
        dy = push;
    if (y > play_area.bottom - margin)
        dy = -push;
    if (piece.BK == 1) {
        if (x > pocket_->Width() - piece.cellW / 1.2)
            dx = -push;
        if (y > pocket_->Height() - piece.cellH / 1.2)
            dy = -push;
    }
    if (dx == 0.0f && dy == 0.0f) {
        return;
    }
    if (piece.selected) {
        pushes.selection.x += dx;
        pushes.selection.y += dy;
    } else if (piece.IsSingle()) {
        piece.MoveBy(dx, dy);
    } else if (!frame_locked) {
        FLOAT_POINT& group = pushes.groups[piece.nstr];
        group.x += dx;
        group.y += dy;
    }
}

namespace {

// The move that takes the span [low, high] of a unit's piece centres inside [first, last]; a
// span longer than the room lines up with first.
float MoveInside(float low, float high, float first, float last) {
    if (low < first || high - low > last - first)
        return first - low;
    if (high > last)
        return last - high;
    return 0.0f;
}

}  // namespace

void PUZZLE_PIECES_SYSTEM::BringUnitsIntoPlayArea() {
    // Units as the push-back moves them: a single piece alone, a group whole.
    std::map<int, std::vector<PUZZLE_PIECE*>> units;
    for (size_t i = 0; i < grid_.size(); ++i) {
        PUZZLE_PIECE* p = grid_[i];
        if (p->BK != 1 && !FrameLocked(*p)) {
            units[p->IsSingle() ? -1 - static_cast<int>(i) : p->nstr].push_back(p);
        }
    }
    const float margin_x = static_cast<float>(static_cast<int>(cellW / 2.5));
    const float margin_y = static_cast<float>(static_cast<int>(cellH / 2.5));
    for (const auto& [key, pieces] : units) {
        const auto [left, right] = std::minmax_element(
            pieces.begin(), pieces.end(), [](auto* a, auto* b) { return a->X() < b->X(); });
        const auto [top, bottom] = std::minmax_element(
            pieces.begin(), pieces.end(), [](auto* a, auto* b) { return a->Y() < b->Y(); });
        const float dx = MoveInside((*left)->X(), (*right)->X(), play_area.left + margin_x,
                                    play_area.right - margin_x);
        const float dy = MoveInside((*top)->Y(), (*bottom)->Y(), play_area.top + margin_y,
                                    play_area.bottom - margin_y);
        for (PUZZLE_PIECE* p : pieces) {
            p->MoveBy(dx, dy);
        }
    }
}

void PUZZLE_PIECES_SYSTEM::MoveUnit(int stack_index, float dx, float dy) {
    PUZZLE_PIECE& held = *stack_[stack_index];
    if (held.selected) {
        for (PUZZLE_PIECE* p : stack_) {
            if (p->selected && !FrameLocked(*p))
                p->MoveBy(dx, dy);
        }
    } else if (held.IsSingle()) {
        held.MoveBy(dx, dy);
    } else if (!FrameLocked(held)) {
        for (PUZZLE_PIECE* p : stack_) {
            if (p->nstr == held.nstr)
                p->MoveBy(dx, dy);
        }
    }
}

void PUZZLE_PIECES_SYSTEM::RotateGroup(int group, float px, float py) {
    for (PUZZLE_PIECE* p : stack_) {
        if (p->nstr == group && !p->IsTurning())
            p->TurnAbout(px, py);
    }
}

int PUZZLE_PIECES_SYSTEM::BringGroupToFront(int group, int held_index, bool lift_up) {
    PUZZLE_PIECE* held = held_index >= 0 && held_index < StackSize() ? stack_[held_index] : nullptr;
    std::stable_partition(stack_.begin(), stack_.end(),
                          [&](const PUZZLE_PIECE* p) { return p->nstr == group; });
    for (PUZZLE_PIECE* p : stack_) {
        if (p->nstr != group)
            continue;
        if (lift_up) {
            p->lift_direction = 1;
        } else {
            p->lift = 0.0f;
        }
    }
    return held != nullptr ? StackIndexOf(held) : held_index;
}

// Pieces of the completed frame lie at the very bottom; everything else sinks to just above.
int PUZZLE_PIECES_SYSTEM::SinkBase() const {
    if (!(counters.regBr < 2 && counters.regF > 1) || FrameGroup() == 0) {
        return 0;
    }
    int base = 0;
    for (int i = StackSize() - 1; i >= 0 && stack_[i]->nstr == FrameGroup(); --i) {
        ++base;
    }
    return base;
}

void PUZZLE_PIECES_SYSTEM::SendGroupToBack(int group, bool lower) {
    std::vector<PUZZLE_PIECE*> members;
    std::vector<PUZZLE_PIECE*> others;
    for (PUZZLE_PIECE* p : stack_) {
        (p->nstr == group ? members : others).push_back(p);
        if (p->nstr == group && lower)
            p->lift_direction = -1;
    }
    // The completed frame stays underneath everything else.
    const int base = group != FrameGroup() ? SinkBase() : 0;
    others.insert(others.end() - base, members.begin(), members.end());
    stack_ = std::move(others);
}

int PUZZLE_PIECES_SYSTEM::SendSingleToBack(int stack_index) {
    PUZZLE_PIECE* piece = stack_[stack_index];
    stack_.erase(stack_.begin() + stack_index);
    const int base = SinkBase();
    int j = StackSize() - 1 - base;
    while (j >= 0 && !stack_[j]->IsSingle()) {
        --j;
    }
    stack_.insert(stack_.begin() + (j + 1), piece);
    piece->lift_direction = -1;
    return j + 2;
}

void PUZZLE_PIECES_SYSTEM::BringSelectionToFront() {
    std::stable_partition(stack_.begin(), stack_.end(),
                          [](const PUZZLE_PIECE* p) { return p->selected; });
}

void PUZZLE_PIECES_SYSTEM::SetGroupLift(int direction, int group, bool snap) {
    for (PUZZLE_PIECE* p : stack_) {
        if (p->nstr != group)
            continue;
        p->lift_direction = direction;
        if (snap)
            p->lift = direction == 1 ? 1.0f : 0.0f;
    }
}

void PUZZLE_PIECES_SYSTEM::SetGroupHover(int group) {
    if (group == 0) {
        return;
    }
    for (PUZZLE_PIECE* p : stack_) {
        if (p->nstr == group)
            p->hover = true;
    }
}

void PUZZLE_PIECES_SYSTEM::ClearSelection() {
    for (PUZZLE_PIECE* p : stack_) {
        p->selected = false;
    }
}

void PUZZLE_PIECES_SYSTEM::Realign(PUZZLE_PIECE& p, const PUZZLE_PIECE& q) {
    float w = static_cast<float>(p.cellW);
    float h = static_cast<float>(p.cellH);
    if (p.trt % 2 == 1)
        std::swap(w, h);
    const float dx = std::fabs(p.X() - q.X());
    const float dy = std::fabs(p.Y() - q.Y());
    if (dx >= h / 1.5f && dy < w / 1.5f) {
        p.Place(p.X() > q.X() ? q.X() + w : q.X() - w, q.Y());
    } else if (dx < h / 1.5f) {
        p.Place(q.X(), p.Y() > q.Y() ? q.Y() + h : q.Y() - h);
    }
}

void PUZZLE_PIECES_SYSTEM::RealignGroups() {
    single_count = 0;
    for (const PUZZLE_PIECE* p : grid_) {
        if (p->IsSingle())
            ++single_count;
    }
    auto same_group = [&](const PUZZLE_PIECE& p, int col, int row) -> PUZZLE_PIECE* {
        if (col < 0 || row < 0 || col >= cols || row >= rows)
            return nullptr;
        PUZZLE_PIECE* n = GridAt(col, row);
        return n->nstr == p.nstr ? n : nullptr;
    };
    for (PUZZLE_PIECE* p : grid_) {
        if (p->IsSingle() || p->IsTurning())
            continue;
        if (PUZZLE_PIECE* up = same_group(*p, p->col, p->row - 1))
            Realign(*p, *up);
        if (PUZZLE_PIECE* left = same_group(*p, p->col - 1, p->row))
            Realign(*p, *left);
        if (PUZZLE_PIECE* right = same_group(*p, p->col + 1, p->row))
            Realign(*right, *p);
        if (PUZZLE_PIECE* down = same_group(*p, p->col, p->row + 1))
            Realign(*down, *p);
    }
}

}  // namespace GAME
