// WSPRITE: construction from an image, placement and texture-coordinate operations.
#include "engine/ui/sprite.h"

#include "engine/frame/game.h"
#include "engine/resources/pack_texture.h"

namespace {

WRENDER* AppDevice() {
    return WUN::ST_GAME::GetInstance()->GetRender();
}

// Texture coordinates within this of 0 or 1 are pulled inwards by InsetUV.
constexpr float kInsetLow = 0.005f;
constexpr float kInsetHigh = 0.995f;

float Inset(float coordinate) {
    if (coordinate == 0.0f) {
        return kInsetLow;
    }
    if (coordinate == 1.0f) {
        return kInsetHigh;
    }
    return coordinate;
}

}  // namespace

WSPRITE::WSPRITE() : device(AppDevice()) {
    InitFromImage(0, 0, 1.0f);
}

WSPRITE::WSPRITE(const char* name, bool full_path) : device(AppDevice()) {
    quad.texture = LoadNamedTexture(*device, name, full_path);
    // The size of the image just read; a failed load leaves the size of the one before.
    InitFromImage(device->GetImageWidth(), device->GetImageHeight(), 1.0f);
}

WSPRITE::WSPRITE(WTEXTURE* texture) : device(AppDevice()) {
    quad.texture = texture;
    int width = 0;
    int height = 0;
    device->GetTextureSize(texture, width, height);
    InitFromImage(width < 0 ? 0 : width, height < 0 ? 0 : height, 0.99f);
}

WSPRITE::~WSPRITE() {
    ReleaseTexture();
}

void WSPRITE::InitFromImage(int width, int height, float uv_max) {
    pos = {0.0f, 0.0f};
    rotation = 0.0f;
    scale = {1.0f, 1.0f};
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    quad.corners[0] = {0.0f, 0.0f, 0.0f, 0.0f};
    quad.corners[1] = {0.0f, h, 0.0f, uv_max};
    quad.corners[2] = {w, h, uv_max, uv_max};
    quad.corners[3] = {w, 0.0f, uv_max, 0.0f};
    quad.blend = 1;
    quad.depth = 50;
    quad.colour = 0xFFFFFFFF;
    cx_ = width / 2;
    cy_ = height / 2;
    image_width_ = width;
    image_height_ = height;
}

int WSPRITE::Update(int, float) {
    return 0;
}

int WSPRITE::Draw(int) {
    DrawQuadAt(pos.x, pos.y, rotation);
    return 0;
}

int WSPRITE::DrawAt(float x, float y) {
    DrawQuadAt(x, y, rotation);
    return 0;
}

int WSPRITE::DrawRotated(float x, float y, float angle) {
    DrawQuadAt(x, y, angle);
    return 1;
}

void WSPRITE::SetPosition(int x, int y) {
    pos = {static_cast<float>(x), static_cast<float>(y)};
}

void WSPRITE::SetSize(int width, int height) {
    const float right = quad.corners[0].x + static_cast<float>(width);
    const float bottom = quad.corners[0].y + static_cast<float>(height);
    quad.corners[2].x = right;
    quad.corners[3].x = right;
    quad.corners[1].y = bottom;
    quad.corners[2].y = bottom;
}

void WSPRITE::SetUV(float left, float top, float right, float bottom) {
    quad.corners[0].u = left;
    quad.corners[1].u = left;
    quad.corners[0].v = top;
    quad.corners[3].v = top;
    quad.corners[2].u = right;
    quad.corners[3].u = right;
    quad.corners[1].v = bottom;
    quad.corners[2].v = bottom;
}

void WSPRITE::FitUVToImage() {
    // An image of no size (nothing ever loaded) keeps the coordinates finite.
    const float w = image_width_ > 0 ? static_cast<float>(image_width_) : 1.0f;
    const float h = image_height_ > 0 ? static_cast<float>(image_height_) : 1.0f;
    SetUV(0.0f, 0.0f, QuadWidth() / w, QuadHeight() / h);
}

void WSPRITE::InsetUV() {
    for (WQUAD_CORNER& corner : quad.corners) {
        corner.u = Inset(corner.u);
        corner.v = Inset(corner.v);
    }
}

void WSPRITE::SetAnchor(int mode) {
    const int w = static_cast<int>(QuadWidth());
    const int h = static_cast<int>(QuadHeight());
    switch (mode) {
        case kAnchorCentre:
            SetCentre(w / 2, h / 2);
            break;
        case kAnchorTopLeft:
            SetCentre(0, 0);
            break;
        case kAnchorTopRight:
            SetCentre(w, 0);
            break;
        case kAnchorBottomLeft:
            SetCentre(0, h);
            break;
        case kAnchorBottomRight:
            SetCentre(w, h);
            break;
        case kAnchorTopCentre:
            SetCentre(w / 2, 0);
            break;
        case kAnchorMiddleLeft:
            SetCentre(0, h / 2);
            break;
        case kAnchorMiddleRight:
            SetCentre(w, h / 2);
            break;
        default:
            break;
    }
}

void WSPRITE::SetCentre(int cx, int cy) {
    cx_ = cx;
    cy_ = cy;
}

void WSPRITE::ReleaseTexture() {
    if (quad.texture != nullptr) {
        device->ReleaseTexture(quad.texture);
        quad.texture = nullptr;
    }
}
