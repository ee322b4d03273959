// GAME::PUZZLE_AUTHORS: layout, answer and the two columns of credits.
#include "game/shell/credits_window.h"

#include <algorithm>
#include <string>

#include "engine/frame/editions.h"
#include "engine/frame/game.h"
#include "engine/platform/virtual_keys.h"
#include "engine/resources/config.h"
#include "engine/resources/registry.h"
#include "engine/text/font.h"
#include "engine/text/strings.h"
#include "engine/ui/buttons.h"
#include "game/shell/window_parts.h"

namespace GAME {

namespace {

constexpr int kLeftColumnX = 16;    // from the window's centre
constexpr int kRightColumnX = 265;  // from the window's centre
constexpr int kCompaniesY = -200;   // from the window's centre; the columns start below
constexpr int kHeaderY = -270;
constexpr int kLineStep = 25;
constexpr int kGroupGap = 10;
constexpr int kFirstRightGroup = 2;
// The one role line printed with the big font.
constexpr int kBigRoleGroup = 1;
// Pixels kept between the lowest line and OK.
constexpr int kOkMargin = 4;

// How far below the cursor's start the lowest line of groups first to end - 1 stands at the
// usual spacing: every line advances the cursor, and every group with lines but the last adds
// its gap.
int ColumnDepth(int first, int end) {
    int lines = 0;
    int groups = 0;
    for (int g = first; g < end; ++g) {
        if (!g_credits[g].texts.empty()) {
            lines += static_cast<int>(g_credits[g].texts.size());
            ++groups;
        }
    }
    return lines * kLineStep + std::max(groups - 1, 0) * kGroupGap;
}

}  // namespace

PUZZLE_AUTHORS::PUZZLE_AUTHORS()
    : WSPRITE(g_resources.gui.window),
      picture_(std::make_unique<WSPRITE>(g_resources.author_screen.blue_pic)),
      ok_(std::make_unique<WBUTTONMAP4>(g_resources.gui.ok_button)) {
    Layout();
}

PUZZLE_AUTHORS::~PUZZLE_AUTHORS() = default;

void PUZZLE_AUTHORS::Layout() {
    const WINT_POINT centre = WUN::ST_GAME::GetInstance()->Centre;
    SetPosition(centre.x, centre.y);
    picture_->SetPosition(centre.x - static_cast<int>(QuadWidth()) / 4, centre.y);
    ok_->SetPosition(
        centre.x, static_cast<int>(centre.y + QuadHeight() * g_config.button_sokand_cancel_identy));
}

int PUZZLE_AUTHORS::Update(int, float) {
    if (ok_->Update(0, 0.0f) == 1 || KeyPressed(VK_RETURN)) {
        PlayShellSound(kSoundButtonPress);
        return 1;
    }
    return 0;
}

int PUZZLE_AUTHORS::Draw(int) {
    WSPRITE::Draw(0);
    picture_->Draw(0);
    const int cx = static_cast<int>(pos.x);
    const int cy = static_cast<int>(pos.y);
    PrintText(BigFont(), kAlignCentre, cx, cy + kHeaderY, g_texts.credits_txt_header);
    PrintText(BigFont(), kAlignCentre, cx + kLeftColumnX, cy + kCompaniesY,
              g_texts.credits_txt_company_publisher);
    PrintText(BigFont(), kAlignCentre, cx + kRightColumnX, cy + kCompaniesY,
              g_texts.credits_txt_company_developer);
    DrawGroups();
    if (g_editions.notice_text != nullptr) {
        PrintText(MainFont(), kAlignTopLeft, cx + g_editions.notice_x, cy + g_editions.notice_y,
                  g_editions.notice_text);
    }
    ok_->Draw(0);
    return 0;
}

float PUZZLE_AUTHORS::SpacingScale(int top) const {
    const int deepest = std::max(ColumnDepth(0, kFirstRightGroup),
                                 ColumnDepth(kFirstRightGroup, kCreditsGroupCount));
    // The lowest line's centre stays half a line and a margin above OK.
    const float half_line = MainFont() != nullptr ? MainFont()->Size() / 2.0f : 0.0f;
    const float room = ok_->pos.y - ok_->QuadHeight() / 2 - half_line - kOkMargin - top;
    return deepest > room ? std::max(room, 0.0f) / deepest : 1.0f;
}

void PUZZLE_AUTHORS::DrawGroups() {
    const int cx = static_cast<int>(pos.x);
    const int top = static_cast<int>(pos.y) + kCompaniesY + 5;
    const float scale = SpacingScale(top);
    float x = static_cast<float>(cx + kLeftColumnX);
    float y = static_cast<float>(top);
    for (int g = 0; g < kCreditsGroupCount; ++g) {
        if (g == kFirstRightGroup) {
            x = static_cast<float>(cx + kRightColumnX);
            y = static_cast<float>(top);
        }
        const std::vector<std::string>& lines = g_credits[g].texts;
        for (size_t i = 0; i < lines.size(); ++i) {
            y += kLineStep * scale;
            WFONT* font = g == kBigRoleGroup && i == 0 ? BigFont() : MainFont();
            PrintText(font, kAlignCentre, static_cast<int>(x), static_cast<int>(y),
                      lines[i].c_str());
        }
        if (!lines.empty()) {
            y += kGroupGap * scale;
        }
    }
}

}  // namespace GAME
