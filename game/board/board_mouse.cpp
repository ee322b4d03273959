// The board's mouse handling: picking, dragging, dropping, the rubber band, quarter turns with
// the right button, snapping home and hover.
#include <algorithm>
#include <cmath>
#include <set>

#include "engine/frame/game.h"
#include "game/board/board_sounds.h"
#include "game/board/pieces_system.h"
#include "game/records/player_settings.h"

namespace GAME {
namespace {

using WUN::Frame;

}  // namespace

int PUZZLE_PIECES_SYSTEM::HitTest(int x, int y) const {
    for (int i = 0; i < StackSize(); ++i) {
        const PUZZLE_PIECE& p = *stack_[i];
        // Faded pieces (the border filter) are out of reach until fully present again.
        const bool takes_part = p.appear == 1.0f && (p.edge || !border_filter || !p.IsSingle());
        const bool reachable = p.BK == 0 || pocket_->IsOpen();
        if (takes_part && reachable && p.OutlineContains(x, y)) {
            return i + 1;
        }
    }
    return 0;
}

bool PUZZLE_PIECES_SYSTEM::IsHintPiece(const PUZZLE_PIECE& piece) const {
    if (!hint_active) {
        return false;
    }
    for (const CUT_POINT& cell : hint_cells) {
        if (cell.x == piece.col && cell.y == piece.row)
            return true;
    }
    return false;
}

void PUZZLE_PIECES_SYSTEM::StartBand(int x, int y) {
    ClearSelection();
    band_active_ = true;
    band_over_pocket_ = pointer_over_pocket_;
    band_x1_ = band_x2_ = x;
    band_y1_ = band_y2_ = y;
}

void PUZZLE_PIECES_SYSTEM::UpdateBand() {
    auto eligible = [&](const PUZZLE_PIECE& p) {
        if (FrameLocked(p) || p.placed || (p.BK == 1 && !pocket_->IsOpen()))
            return false;
        return band_over_pocket_ ? p.BK == 1 : p.BK == 0;
    };
    auto inside = [&](const PUZZLE_PIECE& p) {
        return eligible(p) && p.InsideRect(band_x1_, band_y1_, band_x2_, band_y2_);
    };
    std::set<int> groups;
    for (const PUZZLE_PIECE* p : stack_) {
        if (!p->IsSingle() && inside(*p))
            groups.insert(p->nstr);
    }
    for (PUZZLE_PIECE* p : stack_) {
        p->selected = inside(*p) || (!p->IsSingle() && groups.count(p->nstr) && eligible(*p));
    }
}

int PUZZLE_PIECES_SYSTEM::HandleMouse() {
    WINPUT& input = *Frame().GetInput();
    int x = 0;
    int y = 0;
    input.GetPosition(x, y);
    if (!pocket_->ContainsPointer() && fly_shown && fly_frame_ != nullptr && held_ == nullptr &&
        !band_active_) {
        const int answer = fly_frame_->Update(0, 0.0f);
        if (answer >= FLUING_FRAME::kZoom1 && answer <= FLUING_FRAME::kZoom3) {
            fly_frame_->SetZoom(answer);
        } else if (answer == FLUING_FRAME::kDragging) {
            int dx = 0;
            int dy = 0;
            input.GetMotion(dx, dy);
            fly_frame_->MoveBy(static_cast<float>(dx), static_cast<float>(dy));
        } else if (answer == FLUING_FRAME::kClosed) {
            fly_shown = false;
            return kBoardFlyClosed;
        }
        if (answer != 0) {
            return kBoardNothing;
        }
    }
    if (input.GetRight() == 1 && !band_active_) {
        return HandleRightPress(x, y);
    }
    const int left = input.GetLeft();
    if (left == 1) {
        return HandleLeftPress(x, y);
    }
    if (left >= 2) {
        HandleLeftHeld(x, y);
        return kBoardNothing;
    }
    if (left == -1) {
        return HandleLeftRelease();
    }
    HandleHover(x, y);
    return kBoardNothing;
}

int PUZZLE_PIECES_SYSTEM::HandleRightPress(int x, int y) {
    if (magnifier_on) {
        magnifier_on = false;
        held_ = nullptr;
        return kBoardMagnifierOff;
    }
    if (!rt) {
        PlaySound(kSoundRotationWrong);
        return kBoardNothing;
    }
    // A piece found here turns but is not picked up.
    const int index = held_ != nullptr ? HeldPiece() : HitTest(x, y);
    if (index == 0) {
        if (hint_active) {
            ClearHint();
            return kBoardHintCleared;
        }
        return kBoardNothing;
    }
    PUZZLE_PIECE& piece = *stack_[index - 1];
    if (piece.BK == 1 && !pocket_->IsOpen()) {
        PlaySound(kSoundRotationWrong);
        return kBoardNothing;
    }
    if (piece.selected) {
        PlaySound(kSoundRotation);
        for (PUZZLE_PIECE* p : stack_) {
            if (p->selected && !p->IsTurning())
                p->TurnAbout(x, y);
        }
    } else if (piece.IsSingle()) {
        if (piece.BK == 0 && pocket_->ContainsPointer()) {
            PlaySound(kSoundRotationWrong);
            return kBoardNothing;
        }
        if (!piece.IsTurning()) {
            PlaySound(kSoundRotation);
            piece.TurnAbout(x, y);
        }
    } else {
        if (FrameLocked(piece)) {
            PlaySound(kSoundRotationWrong);
            return kBoardNothing;
        }
        PlaySound(kSoundRotation);
        RotateGroup(piece.nstr, x, y);
    }
    if (!IsHintPiece(piece)) {
        ClearHint();
        return kBoardHintCleared;
    }
    return kBoardNothing;
}

int PUZZLE_PIECES_SYSTEM::HandleLeftPress(int x, int y) {
    StopBand();
    if (magnifier_on) {
        magnifier_on = false;
        return kBoardMagnifierOff;
    }
    last_x_ = x;
    last_y_ = y;
    pointer_over_pocket_ = pocket_->ContainsPointer();
    const int hit = HitTest(x, y);
    if (hit == 0) {
        if (!(pointer_over_pocket_ && !pocket_->IsOpen())) {
            StartBand(x, y);
        }
        return kBoardNothing;
    }
    if (settings != nullptr && settings->help_pages && tutorial_step_marked) {
        return kBoardTutorialStep;
    }
    PUZZLE_PIECE& piece = *stack_[hit - 1];
    const bool outside_under_pocket = piece.BK == 0 && pointer_over_pocket_;
    if ((piece.BK == 1 && !pocket_->IsOpen()) || piece.placed || outside_under_pocket ||
        (!piece.selected && FrameLocked(piece))) {
        StartBand(x, y);
        return kBoardNothing;
    }
    int result = kBoardNothing;
    if (piece.selected) {
        BringSelectionToFront();
        PlaySound(kSoundPickup);
        if (pocket_->IsOpen()) {
            for (PUZZLE_PIECE* p : stack_) {
                if (p->selected && p->IsSingle())
                    p->BK = 1;
            }
        }
    } else if (piece.IsSingle()) {
        stack_.erase(stack_.begin() + (hit - 1));
        stack_.insert(stack_.begin(), &piece);
        piece.lift_direction = 1;
        piece.hover = true;
        if (pocket_->IsOpen())
            piece.BK = 1;
        PlaySound(kSoundPickup);
        if (hint_active && !IsHintPiece(piece)) {
            ClearHint();
            result = kBoardHintCleared;
        }
        ClearSelection();
    } else {
        SetGroupHover(piece.nstr);
        BringGroupToFront(piece.nstr, hit - 1, true);
        PlaySound(kSoundPickup);
    }
    // The piece is held even when the hint was cleared, so that it is dropped (and lowered)
    // on the release like any other.
    const int held = HitTest(x, y);
    held_ = held != 0 ? stack_[held - 1] : nullptr;
    return result;
}

void PUZZLE_PIECES_SYSTEM::HandleLeftHeld(int x, int y) {
    if (held_ == nullptr) {
        band_x2_ = x;
        band_y2_ = y;
        band_sprite_->SetPosition(std::min(band_x1_, band_x2_), std::min(band_y1_, band_y2_));
        band_sprite_->SetSize(std::abs(band_x2_ - band_x1_), std::abs(band_y2_ - band_y1_));
        return;
    }
    PUZZLE_PIECE& piece = *held_;
    const int dx = x - last_x_;
    const int dy = y - last_y_;
    if (piece.IsSingle()) {
        piece.hover = true;
    } else {
        SetGroupHover(piece.nstr);
    }
    if (!piece.selected) {
        MoveUnit(StackIndexOf(held_), dx, dy);
    } else {
        // A resting selected single stops at the play area's edge on the side it moves toward.
        for (PUZZLE_PIECE* p : stack_) {
            if (!p->selected || FrameLocked(*p))
                continue;
            float mx = dx;
            float my = dy;
            if (p->IsSingle() && p->lift == 0.0f) {
                const float half = p->cellW / 2;
                if (dx > 0)
                    mx = std::clamp(play_area.right - half - p->X(), 0.0f, mx);
                if (dx < 0)
                    mx = std::clamp(play_area.left + half - p->X(), mx, 0.0f);
                if (dy > 0)
                    my = std::clamp(play_area.bottom - half - p->Y(), 0.0f, my);
                if (dy < 0)
                    my = std::clamp(play_area.top + half - p->Y(), my, 0.0f);
            }
            p->MoveBy(mx, my);
        }
    }
    last_x_ = x;
    last_y_ = y;
}

int PUZZLE_PIECES_SYSTEM::DropIntoPocket(PUZZLE_PIECE& piece) {
    piece.BK = 1;
    if (!pocket_->IsOpen()) {
        WRANDOM& random = Frame().random;
        const int cell = grid_.empty() ? 0 : grid_[0]->cellW;
        const int y = static_cast<int>(random.RandInt(0, std::max(pocket_->Height() - cell, 0), 0));
        const int x = static_cast<int>(random.RandInt(0, std::max(pocket_->Width() - cell, 0), 0));
        piece.Place(static_cast<float>(x), static_cast<float>(y));
    }
    return kBoardHintCleared;
}

int PUZZLE_PIECES_SYSTEM::HandleLeftRelease() {
    if (band_active_) {
        band_sprite_->SetSize(0, 0);
        band_x1_ = band_x2_ = band_y1_ = band_y2_ = 0;
        StopBand();
        std::set<int> units;
        int singles = 0;
        for (const PUZZLE_PIECE* p : stack_) {
            if (!p->selected)
                continue;
            if (p->IsSingle()) {
                ++singles;
            } else {
                units.insert(p->nstr);
            }
        }
        if (singles + static_cast<int>(units.size()) < 2) {
            ClearSelection();
        }
        return kBoardNothing;
    }
    if (held_ == nullptr) {
        return kBoardNothing;
    }
    PUZZLE_PIECE& piece = *held_;
    PlaySound(kSoundPut);
    band_x1_ = band_x2_ = band_y1_ = band_y2_ = 0;
    const bool over_pocket = pocket_->ContainsPointer();
    bool snapped = false;
    if (settings != nullptr && settings->pieces_fix && !over_pocket) {
        snapped = SnapHome(StackIndexOf(held_));
    }
    int result = kBoardNothing;
    if (!piece.selected && piece.IsSingle()) {
        piece.BK = 0;
        piece.lift_direction = -1;
        piece.hover = true;
        bool joined = false;
        while (TryJoin(StackIndexOf(&piece))) {
            joined = true;
        }
        if (joined) {
            held_ = nullptr;
            ClearHint();
            return kBoardHintCleared;
        }
        if (over_pocket) {
            ClearHint();
            held_ = nullptr;
            return DropIntoPocket(piece);
        }
        if (snapped) {
            SendSingleToBack(StackIndexOf(&piece));
        }
    } else if (!piece.selected) {
        if (FrameLocked(piece)) {
            held_ = nullptr;
            return kBoardNothing;
        }
        dropped_group = piece.nstr;
        BringGroupToFront(piece.nstr, StackIndexOf(&piece), true);
        SetGroupLift(-1, piece.nstr, false);
        std::vector<PUZZLE_PIECE*> members;
        for (PUZZLE_PIECE* p : stack_) {
            if (p->nstr == piece.nstr)
                members.push_back(p);
        }
        // Stack positions are looked up, not searched for, and found again after each join,
        // which reorders the stack.
        std::vector<int> positions = StackPositions();
        for (PUZZLE_PIECE* member : members) {
            while (TryJoin(positions[GridIndex(*member)])) {
                positions = StackPositions();
            }
        }
        if (!stack_.empty())
            SetGroupHover(stack_[0]->nstr);
        if (snapped)
            SendGroupToBack(piece.nstr, true);
    } else {
        for (PUZZLE_PIECE* p : stack_) {
            if (p->selected)
                p->lift_direction = -1;
        }
        if (over_pocket) {
            for (PUZZLE_PIECE* p : stack_) {
                if (p->selected && p->IsSingle())
                    DropIntoPocket(*p);
            }
            ClearHint();
            ClearSelection();
            result = kBoardHintCleared;
        } else {
            for (PUZZLE_PIECE* p : stack_) {
                if (p->selected && p->IsSingle())
                    p->BK = 0;
            }
        }
    }
    held_ = nullptr;
    return result;
}

void PUZZLE_PIECES_SYSTEM::HandleHover(int x, int y) {
    if (magnifier_on) {
        return;
    }
    pointer_over_pocket_ = pocket_->ContainsPointer();
    const int hit = HitTest(x, y);
    if (hit == 0) {
        return;
    }
    PUZZLE_PIECE& piece = *stack_[hit - 1];
    if (piece.BK == 1 && !pocket_->IsOpen()) {
        return;
    }
    if (piece.IsSingle()) {
        if (!pointer_over_pocket_ || (piece.BK == 1 && !pocket_->IsSliding()))
            piece.hover = true;
    } else if (!FrameLocked(piece) && piece.nstr != pulse_group &&
               (!pointer_over_pocket_ || piece.BK == 1)) {
        SetGroupHover(piece.nstr);
    }
}

FLOAT_POINT PUZZLE_PIECES_SYSTEM::HomeOf(const PUZZLE_PIECE& piece) const {
    const WINT_POINT centre = Frame().Centre;
    const int width = picture != nullptr ? picture->GetWidth() : cols * cellW;
    const int height = picture != nullptr ? picture->GetHeight() : rows * cellH;
    const int left = centre.x - width / 2;
    const int top = centre.y - height / 2;
    return {static_cast<float>(left + cellW / 2 + piece.col * cellW),
            static_cast<float>(top + cellH / 2 + piece.row * cellH)};
}

bool PUZZLE_PIECES_SYSTEM::SnapHome(int stack_index) {
    PUZZLE_PIECE& piece = *stack_[stack_index];
    if (piece.trt != 0) {
        return false;
    }
    const FLOAT_POINT home = HomeOf(piece);
    const int px = static_cast<int>(piece.X());
    const int py = static_cast<int>(piece.Y());
    const int d = static_cast<int>(std::hypot(home.x - px, home.y - py));
    if (!(d < piece.cellW / 3 || d < piece.cellH / 3)) {
        return false;
    }
    MoveUnit(stack_index, home.x - px, home.y - py);
    piece.placed = true;
    if (!piece.IsSingle()) {
        for (PUZZLE_PIECE* p : stack_) {
            if (p->nstr == piece.nstr)
                p->placed = true;
        }
    }
    return true;
}

}  // namespace GAME
