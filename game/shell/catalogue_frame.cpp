// FRAME: construction, the picture check and the fitting of a catalogue entry; see
// catalogue_frame.h.
#include "game/shell/catalogue_frame.h"

#include "engine/frame/game.h"
#include "engine/platform/user_folders.h"
#include "engine/resources/config.h"
#include "engine/resources/file_system.h"
#include "engine/resources/pack_texture.h"
#include "engine/resources/registry.h"
#include "game/board/picture_tier.h"
#include "game/records/own_pictures.h"
#include "game/shell/piece_grid.h"

namespace {

constexpr int kNoPercent = -1;

}  // namespace

FRAME::FRAME(const std::string& picture_name, const std::string& thumbnail_name, int wanted,
             bool rotation_allowed, int min_pieces)
    : WBUTTON(thumbnail_name.c_str()),
      picture(picture_name),
      thumbnail(thumbnail_name),
      rot(rotation_allowed) {
    InsetUV();
    Tilt();
    SetGrid(ComputeGrid(wanted, min_pieces, GetWidth(), GetHeight()));
}

FRAME::FRAME(WTEXTURE* texture, int width, int height, const std::string& picture_path,
             const std::string& thumbnail_path, int wanted, bool rotation_allowed, int min_pieces)
    : WBUTTON(texture),
      picture(picture_path),
      thumbnail(thumbnail_path),
      rot(rotation_allowed),
      own_picture(true) {
    InitFromImage(width, height, 1.0f);
    InsetUV();
    Tilt();
    SetGrid(ComputeGrid(wanted, min_pieces, width, height));
}

void FRAME::Tilt() {
    const float tilt = g_config.book.max_frame_rotation;
    rotation = WUN::ST_GAME::GetInstance()->RandFloat(-tilt, tilt);
}

void FRAME::SetGrid(const PIECE_GRID& grid) {
    Min = grid.Min;
    amount = grid.amount;
    aspect = grid.aspect;
    columns = grid.columns;
    rows = grid.rows;
    label = FRAME_LABEL(amount, kNoPercent, rot);
}

void FRAME::SetThumbnailTexture(WTEXTURE* texture) {
    ReleaseTexture();
    quad.texture = texture;
}

bool FRAME::HasThumbnail() const {
    return quad.texture != device->GetDefaultTexture();
}

bool FRAME::PictureLoads() const {
    if (own_picture) {
        return OwnPictureStamp(platform::PicturesFolder(), picture).has_value();
    }
    const WUN::ST_GAME& frame = *WUN::ST_GAME::GetInstance();
    g_file_system.SelectPack(
        GAME::PictureTierFor(frame.GetGameWidth(), frame.GetGameHeight()).pack);
    WTEXTURE* texture = LoadNamedTexture(*device, picture.c_str(), false);
    g_file_system.UnselectPack();
    const bool loaded = texture != device->GetDefaultTexture();
    device->ReleaseTexture(texture);
    return loaded;
}

void FRAME::FitTo(int longer_side, float click_box_factor) {
    const int image_w = GetWidth() > 0 ? GetWidth() : 1;
    const int image_h = GetHeight() > 0 ? GetHeight() : 1;
    int w = longer_side;
    int h = longer_side;
    if (image_w > image_h) {
        h = static_cast<int>(static_cast<float>(longer_side) * image_h / image_w);
    } else {
        w = static_cast<int>(static_cast<float>(longer_side) * image_w / image_h);
    }
    SetSize(w, h);
    SetAnchor(kAnchorCentre);
    hit_width_ = static_cast<int>(static_cast<float>(w) * click_box_factor);
    hit_height_ = static_cast<int>(static_cast<float>(h) * click_box_factor);
}
