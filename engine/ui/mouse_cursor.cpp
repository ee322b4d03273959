// WMOUSEB: cursor and letter-box bars.
#include "engine/ui/mouse_cursor.h"

#include "engine/frame/game.h"
#include "engine/frame/input.h"

namespace {
constexpr int kBarTextureSize = 2;
constexpr uint32_t kBarColour = 0xFF000000;
}  // namespace

WMOUSEB::WMOUSEB(const char* name)
    : WSPRITE(name), input_(WUN::ST_GAME::GetInstance()->GetInput()) {
    WTEXTURE* texture = device->CreateTexture(kBarTextureSize, kBarTextureSize);
    bar_ = new WSPRITE(texture);
    FillTexture(kBarColour, texture);
    bar_->SetAnchor(kAnchorTopLeft);
}

WMOUSEB::~WMOUSEB() {
    delete bar_;
}

int WMOUSEB::Update(int, float) {
    int x = 0;
    int y = 0;
    input_->GetPosition(x, y);
    SetPosition(x, y);
    return 0;
}

void WMOUSEB::DrawBar(float x, float y, int width, int height) {
    bar_->SetSize(width, height);
    bar_->DrawAt(x, y);
}

int WMOUSEB::Draw(int flag) {
    // The bars are placed in back-buffer pixels, outside the letter-box transform.
    device->SetupTransforms();
    const int ox = device->GetOffsetX();
    const int oy = device->GetOffsetY();
    const int picture_width = device->GetScaledWidth();
    const int picture_height = device->GetScaledHeight();
    const int logical_width = device->GetLogicalWidth();
    const int desktop_height = WUN::ST_GAME::GetInstance()->GetDesktopHeight();
    DrawBar(0.0f, 0.0f, ox, 2 * desktop_height);
    DrawBar(static_cast<float>(ox + picture_width), 0.0f, ox, 2 * desktop_height);
    DrawBar(0.0f, 0.0f, 2 * logical_width, oy);
    DrawBar(0.0f, static_cast<float>(oy + picture_height), 2 * logical_width, oy);
    device->SetLogicalSize(logical_width, device->GetLogicalHeight());
    if (visible_) {
        WSPRITE::Draw(flag);
    }
    return 1;
}
