// The board's overlay step, drawn after the play panel: the magnifier's lens, the win dialog and
// the resolution message.
#include <algorithm>

#include "engine/frame/game.h"
#include "engine/resources/file_system.h"
#include "engine/resources/registry.h"
#include "engine/ui/sprite.h"
#include "game/board/pieces_system.h"
#include "game/board/resolution_message.h"
#include "game/board/win_dialog.h"

namespace GAME {
namespace {

constexpr int kLensWidth = 200;  // logical pixels
constexpr int kLensHeight = 150;
// Half the screen area the lens shows, so that it magnifies 200 / 140 times.
constexpr float kSeenHalfWidth = 70.0f;
constexpr float kSeenHalfHeight = 52.5f;
constexpr uint32_t kLensOutline = 0xFF1A4780u;

using WUN::Frame;

}  // namespace

void PUZZLE_PIECES_SYSTEM::DrawOverlay() {
    if (state != kStatePlay) {
        return;
    }
    if (magnifier_on) {
        DrawMagnifier();
    }
    if (win_dialog_ != nullptr) {
        win_dialog_->Draw(0);
    }
    if (resolution_message_ != nullptr) {
        resolution_message_->DrawMessage();
    }
}

void PUZZLE_PIECES_SYSTEM::OpenResolutionMessage() {
    g_file_system.SelectPack(g_resources.packs.gui_pack);
    resolution_message_ = std::make_unique<PUZZLE_MESSAGE_RESOLUTION>();
    g_file_system.UnselectPack();
}

WSPRITE* PUZZLE_PIECES_SYSTEM::MakeLens() {
    // The sprite never owns the scene texture: the device refuses to release it.
    WSPRITE* lens = new WSPRITE(Frame().GetRender()->GetSceneTexture());
    lens->SetSize(kLensWidth, kLensHeight);
    lens->SetAnchor(WSPRITE::kAnchorCentre);
    return lens;
}

void PUZZLE_PIECES_SYSTEM::DrawMagnifier() {
    WUN::ST_GAME& frame = Frame();
    WRENDER& render = *frame.GetRender();
    const int w = frame.GetGameWidth();
    const int h = frame.GetGameHeight();
    int x = 0;
    int y = 0;
    frame.GetInput()->GetPosition(x, y);
    x = std::clamp(x, 0, w - 1);
    y = std::clamp(y, 0, h - 1);

    // The scene texture holds the finished scene letter-boxed at the window's own pixels.
    WTEXTURE* scene = lens_->GetTexture();
    const float texture_w = static_cast<float>(std::max(render.GetTextureWidth(scene), 1));
    const float texture_h = static_cast<float>(std::max(render.GetTextureHeight(scene), 1));
    auto u = [&](float logical_x) {
        return (render.GetOffsetX() + logical_x * render.GetScaleX()) / texture_w;
    };
    auto v = [&](float logical_y) {
        return (render.GetOffsetY() + logical_y * render.GetScaleY()) / texture_h;
    };
    lens_->SetUV(u(x - kSeenHalfWidth), v(y - kSeenHalfHeight), u(x + kSeenHalfWidth),
                 v(y + kSeenHalfHeight));
    lens_->DrawAt(static_cast<float>(x), static_cast<float>(y));

    const float left = static_cast<float>(std::clamp(x - kLensWidth / 2, 1, w - 1));
    const float right = static_cast<float>(std::clamp(x + kLensWidth / 2, 1, w - 1));
    const float top = static_cast<float>(std::clamp(y - kLensHeight / 2, 1, h - 1));
    const float bottom = static_cast<float>(std::clamp(y + kLensHeight / 2, 1, h - 1));
    render.DrawLine(left, top, right, top, kLensOutline);
    render.DrawLine(right, top, right, bottom, kLensOutline);
    render.DrawLine(right, bottom, left, bottom, kLensOutline);
    render.DrawLine(left, bottom, left, top, kLensOutline);
}

}  // namespace GAME
