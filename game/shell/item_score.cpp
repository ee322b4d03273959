// GAME::ITEM_SCORE: a score board row's sizing and drawing.
#include "game/shell/item_score.h"

#include <algorithm>
#include <string>

#include "engine/frame/game.h"
#include "engine/text/strings.h"
#include "engine/ui/shared_items.h"
#include "game/shell/text_fill.h"
#include "game/shell/window_parts.h"

namespace GAME {
namespace {

constexpr int kThumbnailSide = 130;  // pixels of the longer side
constexpr int kFrameGrow = 10;       // pixels the white frame adds to the thumbnail

}  // namespace

ITEM_SCORE::ITEM_SCORE(WTEXTURE* thumbnail, const RESULT_RECORD& results, WFONT* font, int number)
    : thumbnail_(thumbnail), results_(results), font_(font), number_(number) {
    const int w = std::max(thumbnail_.GetWidth(), 1);
    const int h = std::max(thumbnail_.GetHeight(), 1);
    if (w >= h) {
        thumbnail_.SetSize(kThumbnailSide, kThumbnailSide * h / w);
    } else {
        thumbnail_.SetSize(kThumbnailSide * w / h, kThumbnailSide);
    }
    thumbnail_.SetAnchor(WSPRITE::kAnchorCentre);
}

ITEM_SCORE::~ITEM_SCORE() {
    thumbnail_.SetTexture(nullptr);
}

void ITEM_SCORE::DrawRow(int x, int y) {
    PrintText(BigFont(), kAlignCentre, x - 250, y, (std::to_string(number_) + ".").c_str());
    WRENDER& render = *WUN::ST_GAME::GetInstance()->GetRender();
    render.SetFiltering(true);
    if (WSPRITE* frame = g_shared_sprites.white_plain) {
        frame->SetSize(static_cast<int>(thumbnail_.QuadWidth()) + kFrameGrow,
                       static_cast<int>(thumbnail_.QuadHeight()) + kFrameGrow);
        frame->SetAnchor(WSPRITE::kAnchorCentre);
        frame->DrawAt(static_cast<float>(x - 125), static_cast<float>(y));
    }
    thumbnail_.DrawAt(static_cast<float>(x - 125), static_cast<float>(y));
    render.SetFiltering(false);
    const bool hours = results_.hours != 0;
    const std::string lines[3] = {
        FillText(g_texts.score_txt_score, "id", std::to_string(results_.score)),
        FillText(g_texts.score_txt_pieces, "id", std::to_string(results_.pieces)),
        FillTwoNumbers(g_texts.score_txt_time, hours ? results_.hours : results_.minutes,
                       hours ? results_.minutes : results_.seconds)};
    for (int line = 0; line < 3; ++line) {
        PrintText(font_, kAlignMiddleLeft, x + 10, y - 30 + 30 * line, lines[line].c_str());
    }
}

}  // namespace GAME
