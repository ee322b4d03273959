// GAME::WTILE_MAP_9: sizing the nine pieces and centring the frame on its position.
#include "engine/ui/tile_map_9.h"

#include <algorithm>

#include "engine/ui/sprite.h"

namespace GAME {

namespace {

int Trunc(float value) {
    return static_cast<int>(value);
}

// The lengthened piece shows its image repeated from the start of its texture.
void Lengthen(WSPRITE* piece, int width, int height) {
    piece->SetSize(width, height);
    piece->SetAnchor(WSPRITE::kAnchorCentre);
    piece->FitUVToImage();
}

}  // namespace

WTILE_MAP_9::WTILE_MAP_9(const char* const names[9]) {
    for (int i = 0; i < 9; ++i) {
        pieces_[i] = new WSPRITE(names[i]);
    }
}

WTILE_MAP_9::~WTILE_MAP_9() {
    for (WSPRITE* piece : pieces_) {
        delete piece;
    }
}

WSPRITE* WTILE_MAP_9::Piece(int code) const {
    const int row = code / 10;
    const int column = code % 10;
    if (row < 1 || row > 3 || column < 1 || column > 3) {
        return nullptr;
    }
    return pieces_[(row - 1) * 3 + (column - 1)];
}

void WTILE_MAP_9::SetSize(int width, int height) {
    WSPRITE* top_left = Piece(11);
    WSPRITE* bottom_right = Piece(33);
    const float min_width = top_left->QuadWidth() + bottom_right->QuadWidth();
    const float min_height = top_left->QuadHeight() + bottom_right->QuadHeight();
    if (static_cast<float>(width) < min_width) {
        width = Trunc(min_width);
    }
    if (static_cast<float>(height) < min_height) {
        height = Trunc(min_height);
    }
    // Corners of different sizes could leave less than nothing between them.
    const int centre_width = std::max(
        0, Trunc(static_cast<float>(width) - top_left->QuadWidth() - Piece(13)->QuadWidth()));
    const int centre_height = std::max(
        0, Trunc(static_cast<float>(height) - top_left->QuadHeight() - Piece(31)->QuadHeight()));

    Lengthen(Piece(22), centre_width, centre_height);
    for (int code : {12, 32}) {
        Lengthen(Piece(code), centre_width, Trunc(Piece(code)->QuadHeight()));
    }
    for (int code : {21, 23}) {
        Lengthen(Piece(code), Trunc(Piece(code)->QuadWidth()), centre_height);
    }
    // Inset keeps the framing pieces from sampling the opposite edge of their images; the
    // centre keeps its exact coordinates.
    for (int code : {11, 12, 13, 21, 23, 31, 32, 33}) {
        Piece(code)->InsetUV();
    }
    SetPosition(Trunc(pos.x), Trunc(pos.y));
}

void WTILE_MAP_9::SetPosition(int x, int y) {
    pos = {static_cast<float>(x), static_cast<float>(y)};
    WSPRITE* centre = Piece(22);
    centre->SetPosition(x, y);
    const int hw = Trunc(centre->QuadWidth() / 2.0f);
    const int hh = Trunc(centre->QuadHeight() / 2.0f);

    WSPRITE* top_left = Piece(11);
    WSPRITE* top_right = Piece(13);
    const int a = Trunc(top_left->QuadWidth() / 2.0f + static_cast<float>(hw));
    const int b = Trunc(top_left->QuadHeight() / 2.0f + static_cast<float>(hh));
    top_left->SetPosition(x - a, y - b);
    const int top_y = Trunc(top_left->pos.y);
    Piece(12)->SetPosition(x, top_y);
    const int c = Trunc(top_right->QuadWidth() / 2.0f + static_cast<float>(hw));
    top_right->SetPosition(x + c, top_y);

    const int left_x = Trunc(top_left->pos.x);
    Piece(21)->SetPosition(left_x, y);
    Piece(23)->SetPosition(Trunc(top_right->pos.x), y);

    WSPRITE* bottom_right = Piece(33);
    const int d = Trunc(Piece(31)->QuadHeight() / 2.0f + static_cast<float>(hh));
    Piece(31)->SetPosition(left_x, y + d);
    Piece(32)->SetPosition(x, y + d);
    bottom_right->SetPosition(Trunc(Piece(23)->pos.x), y + d);

    // Shift everything so that the outer edges of the two corners centre on (x, y).
    const int left = Trunc(top_left->pos.x - top_left->QuadWidth() / 2.0f);
    const int top = Trunc(top_left->pos.y - top_left->QuadHeight() / 2.0f);
    const int right = Trunc(bottom_right->pos.x + bottom_right->QuadWidth() / 2.0f);
    const int bottom = Trunc(bottom_right->pos.y + bottom_right->QuadHeight() / 2.0f);
    const int shift_x = Trunc(centre->pos.x - static_cast<float>((left + right) / 2));
    const int shift_y = Trunc(centre->pos.y - static_cast<float>((top + bottom) / 2));
    for (WSPRITE* piece : pieces_) {
        piece->pos.x += static_cast<float>(shift_x);
        piece->pos.y += static_cast<float>(shift_y);
    }
}

void WTILE_MAP_9::RemovePiece(int code) {
    if (WSPRITE* piece = Piece(code)) {
        piece->ReleaseTexture();
    }
}

void WTILE_MAP_9::SetColour(uint32_t argb) {
    colour_ = argb;
    for (WSPRITE* piece : pieces_) {
        piece->SetColour(argb);
    }
}

int WTILE_MAP_9::Draw(int) {
    for (int code : {31, 32, 33, 11, 12, 13, 21, 22, 23}) {
        WSPRITE* piece = Piece(code);
        if (piece->GetTexture() != nullptr) {
            piece->Draw(0);
        }
    }
    return 0;
}

}  // namespace GAME
