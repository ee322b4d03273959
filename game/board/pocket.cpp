// GAME::PUZZLE_POCKET: the drawer's layout, its slide and its button.
#include "game/board/pocket.h"

#include "engine/frame/game.h"
#include "engine/resources/file_system.h"
#include "engine/resources/registry.h"
#include "engine/ui/buttons.h"
#include "engine/ui/shared_items.h"

namespace GAME {

namespace {

constexpr float kClosedX = 20.0f;  // the slide position of the shut drawer
constexpr float kClosedY = 20.0f;
// The opening slide stops this close to the open position.
constexpr float kOpenSnap = 5.0f;
// Both ways take half a second: the slide covers twice the drawer's size a second.
constexpr float kSlideSpeed = 2.0f;
constexpr int kShadowMargin = 10;
constexpr int kShadowOffset = 20;

using WUN::Frame;

std::unique_ptr<WSPRITE> Tile(const char* name, int anchor) {
    auto tile = std::make_unique<WSPRITE>(name);
    tile->SetAnchor(anchor);
    return tile;
}

}  // namespace

PUZZLE_POCKET::PUZZLE_POCKET() {
    width_ = static_cast<int>(Frame().GetGameWidth() * 0.6);
    height_ = static_cast<int>(Frame().GetGameHeight() * 0.6);
    g_file_system.SelectPack(g_resources.packs.pocket_pack);
    corner_ = Tile(g_resources.pocket.p2_2, WSPRITE::kAnchorTopLeft);
    const int corner_w = corner_->GetWidth();
    const int corner_h = corner_->GetHeight();
    bottom_ = std::make_unique<WSPRITE>(g_resources.pocket.p1_2);
    bottom_->SetSize(width_ - corner_w, bottom_->GetHeight());
    bottom_->SetAnchor(WSPRITE::kAnchorTopRight);
    side_ = std::make_unique<WSPRITE>(g_resources.pocket.p2_1);
    side_->SetSize(side_->GetWidth(), height_ - corner_h);
    side_->SetAnchor(WSPRITE::kAnchorBottomLeft);
    body_ = std::make_unique<WSPRITE>(g_resources.pocket.p1_1);
    body_->SetSize(width_ - corner_w, height_ - corner_h);
    body_->SetAnchor(WSPRITE::kAnchorBottomRight);
    button_ = std::make_unique<WBUTTONMAP4>(g_resources.pocket.button);
    g_file_system.UnselectPack();
    button_->SetPosition(button_->GetHitWidth() / 2, button_->GetHitHeight() / 2);
    slide_x_ = kClosedX;
    slide_y_ = kClosedY;
}

PUZZLE_POCKET::~PUZZLE_POCKET() = default;

float PUZZLE_POCKET::OpenX() const {
    return static_cast<float>(width_ - corner_->GetWidth());
}
float PUZZLE_POCKET::OpenY() const {
    return static_cast<float>(height_ - corner_->GetHeight());
}
float PUZZLE_POCKET::OffsetX() const {
    return slide_x_ - OpenX();
}
float PUZZLE_POCKET::OffsetY() const {
    return slide_y_ - OpenY();
}

int PUZZLE_POCKET::Update(float dt) {
    if (direction_ == 1 && (slide_x_ > OpenX() - kOpenSnap || slide_y_ > OpenY() - kOpenSnap)) {
        slide_x_ = OpenX();
        slide_y_ = OpenY();
        direction_ = 0;
    }
    if (direction_ == -1 && slide_x_ < corner_->GetWidth()) {
        slide_x_ = kClosedX;
        slide_y_ = kClosedY;
        direction_ = 0;
    }
    if (button_->Update(0, 0.0f) == 1) {
        // A click during a slide turns it round where it is.
        if (open_) {
            Close();
        } else {
            Open();
        }
        return kToggled;
    }
    slide_x_ += kSlideSpeed * dt * static_cast<float>(width_ * direction_);
    slide_y_ += kSlideSpeed * dt * static_cast<float>(height_ * direction_);
    return button_->IsHeldDown() ? kButtonHeld : kNothing;
}

void PUZZLE_POCKET::Open() {
    // The button's selected look (its fourth frame) marks the open drawer; it still clicks.
    open_ = true;
    direction_ = 1;
    button_->SetEnabled(false);
}

void PUZZLE_POCKET::Close() {
    if (!open_) {
        return;
    }
    open_ = false;
    direction_ = -1;
    button_->SetEnabled(true);
}

bool PUZZLE_POCKET::ContainsPointer() const {
    const WINPUT& input = *Frame().GetInput();
    if (open_) {
        const int w = static_cast<int>(corner_->GetWidth() + slide_x_);
        const int h = static_cast<int>(corner_->GetHeight() + slide_y_);
        return input.InRect(-1, -1, w, h);
    }
    const int w = static_cast<int>(button_->pos.x) + button_->GetHitWidth() / 2 + 2;
    const int h = static_cast<int>(button_->pos.y) + button_->GetHitHeight() / 2 + 2;
    return input.InRect(-1, -1, w, h);
}

void PUZZLE_POCKET::DrawBackground() {
    if (WSPRITE* shadow = g_shared_sprites.shadow) {
        shadow->SetSize(width_ + kShadowMargin, height_ + kShadowMargin);
        shadow->SetAnchor(WSPRITE::kAnchorBottomRight);
        shadow->DrawAt(corner_->GetWidth() + slide_x_ + kShadowOffset,
                       corner_->GetHeight() + slide_y_ + kShadowOffset);
    }
    for (WSPRITE* tile : {body_.get(), side_.get(), bottom_.get(), corner_.get()}) {
        tile->DrawAt(slide_x_, slide_y_);
    }
}

const WBUTTONMAP4& PUZZLE_POCKET::Button() const {
    return *button_;
}

void PUZZLE_POCKET::DrawButton() {
    button_->Draw(0);
}

}  // namespace GAME
