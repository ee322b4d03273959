// GAME::WDIALOGWIN: the trophies a finished game brought, the layout, the answer and the drawing.
#include "game/board/win_dialog.h"

#include <cstdio>

#include "engine/audio/sound.h"
#include "engine/frame/game.h"
#include "engine/platform/virtual_keys.h"
#include "engine/resources/config.h"
#include "engine/resources/file_system.h"
#include "engine/resources/registry.h"
#include "engine/text/font.h"
#include "engine/text/strings.h"
#include "engine/ui/buttons.h"
#include "engine/ui/shared_items.h"
#include "engine/ui/trophy_item.h"
#include "game/board/board_sounds.h"

namespace GAME {
namespace {

constexpr int kBigFont = 0;  // g_fonts entries
constexpr int kMainFont = 1;
constexpr int kAlignCentre = 0;
constexpr int kTrophyHintUnderItem = 1;  // TROFEI placement: the hint box on the lower edge
constexpr float kMarkGap = 8.0f;         // pixels between the rotation mark and the piece count

// A registry text, empty before the registry is read.
std::string Text(const char* text) {
    return text != nullptr ? text : "";
}

void Print(int font_index, int x, int y, const char* text) {
    if (WFONT* font = g_fonts[font_index]) {
        font->SetColour(static_cast<uint32_t>(g_config.font_main_color));
        font->align = kAlignCentre;
        font->DrawText(x, y, text);
    }
}

// Where the k-th of count trophies lies, relative to the window's centre: one row of up to four
// under the results, the fifth to seventh on a second row.
WST::VEC2 TrophyPlace(int k, int count) {
    constexpr float kFirstRow = 105.0f;
    constexpr float kSecondRow = 170.0f;
    if (count <= 3) {
        static const float kRow[3][3] = {{0.0f}, {95.0f, -95.0f}, {0.0f, 190.0f, -190.0f}};
        return {kRow[count - 1][k], kFirstRow};
    }
    if (k < 4) {
        static const float kFour[4] = {95.0f, -95.0f, 285.0f, -285.0f};
        return {kFour[k], kFirstRow};
    }
    static const float kRest[3][3] = {{0.0f}, {190.0f, -190.0f}, {190.0f, -190.0f, 0.0f}};
    return {kRest[count - 5][k - 4], kSecondRow};
}

}  // namespace

std::string FormatPlayTime(int hours, int minutes, int seconds) {
    char text[48];
    if (hours == 0) {
        std::snprintf(text, sizeof text, "%0*i:%0*i", 2, minutes, 2, seconds);
    } else {
        std::snprintf(text, sizeof text, "%0*i:%0*i:%0*i", 2, hours, 2, minutes, 2, seconds);
    }
    return text;
}

WDIALOGWIN::WDIALOGWIN(const RESULT_RECORD& results)
    : WSPRITE(g_resources.gui.window),
      results_(results),
      complit_(std::make_unique<WSPRITE>(g_resources.level_win.complit)),
      rotation_mark_(std::make_unique<WSPRITE>(
          results.rotation != 0 ? g_resources.level_win.rot_yes : g_resources.level_win.rot_no)),
      ok_(std::make_unique<BUTTONACT>(g_resources.gui.ok_button, BUTTONACT::Action{})) {
    g_file_system.SelectPack(g_resources.packs.trofei_pack);
    MakeTrophies();
    g_file_system.SelectPack(g_resources.packs.gui_pack);
    Layout();
}

WDIALOGWIN::~WDIALOGWIN() = default;

void WDIALOGWIN::MakeTrophies() {
    const auto& names = g_resources.window_trophy;
    const char* const ladders[] = {names.collector,  names.jigsaw_master, names.endurence,
                                   names.meditation, names.inconstancy,   names.sage};
    const char* const hints[] = {g_texts.finish_hnt_achievements_pieces_total_name,
                                 g_texts.finish_hnt_achievements_score_total_name,
                                 g_texts.finish_hnt_achievements_puzzle_pieces_name,
                                 g_texts.finish_hnt_achievements_time_total_name,
                                 g_texts.finish_hnt_achievements_puzzles_name,
                                 g_texts.finish_hnt_achievements_pieces_joining_name,
                                 g_texts.finish_hnt_achievements_puzzle_hardmode_name};
    for (int t = 0; t < PUZZLE_PLAYER_PROFILE::kTrophyCount; ++t) {
        const int level = results_.new_trophy_levels[t];
        if (level == 0) {
            continue;
        }
        const std::string image =
            t == PUZZLE_PLAYER_PROFILE::kLord
                ? Text(names.lord)
                : Text(ladders[t]) + std::to_string(level) + Text(names.file_extemsion);
        auto trophy = std::make_unique<TROFEI>(image.c_str(), kTrophyHintUnderItem);
        trophy->hint_text = hints[t];
        trophy->hint_font = g_fonts[kMainFont];
        trophies_.push_back(std::move(trophy));
    }
}

void WDIALOGWIN::Layout() {
    const WINT_POINT centre = WUN::ST_GAME::GetInstance()->Centre;
    SetPosition(centre.x, centre.y);
    const float h = QuadHeight();
    const float banner_lift = trophies_.empty() ? h / 4.0f : h / 3.0f;
    complit_->SetPosition(centre.x, static_cast<int>(centre.y - banner_lift));
    ok_->SetPosition(centre.x, static_cast<int>(centre.y + h / 2.0f - ok_->QuadHeight() / 4.0f));
    const int count = static_cast<int>(trophies_.size());
    for (int k = 0; k < count; ++k) {
        const WST::VEC2 place = TrophyPlace(k, count);
        trophies_[k]->SetPosition(static_cast<int>(centre.x + place.x),
                                  static_cast<int>(centre.y + place.y));
    }
}

int WDIALOGWIN::Update(int, float) {
    const bool enter = WUN::ST_GAME::GetInstance()->GetInput()->KeyIsDown(VK_RETURN);
    if (ok_->Update(0, 0.0f) == 1 || enter) {
        SoundPlay(g_sounds[kSoundButtonPress]);
        return -1;
    }
    for (const auto& trophy : trophies_) {
        trophy->UpdateHover();
    }
    return 0;
}

int WDIALOGWIN::Draw(int) {
    // The shell lays the shared overlay out over the whole screen.
    if (WSPRITE* overlay = g_shared_sprites.black_overlay) {
        overlay->Draw(0);
    }
    WSPRITE::Draw(0);
    complit_->Draw(0);
    const int x = static_cast<int>(complit_->pos.x);
    const int y = static_cast<int>(complit_->pos.y);
    Print(kMainFont, x - 130, y + 20, g_texts.finish_txt_pieces);
    Print(kMainFont, x + 130, y + 20, g_texts.finish_txt_score);
    const std::string count = std::to_string(results_.pieces) + "x";
    Print(kBigFont, x - 110, y + 85, count.c_str());
    // Left of the count, on its line: above it the mark would cover the number.
    const int count_width =
        g_fonts[kBigFont] != nullptr ? g_fonts[kBigFont]->TextWidth(count.c_str()) : 0;
    rotation_mark_->DrawAt(
        x - 110 - count_width / 2.0f - kMarkGap - rotation_mark_->QuadWidth() / 2.0f,
        static_cast<float>(y + 85));
    Print(kBigFont, x + 130, y + 85, std::to_string(results_.score).c_str());
    Print(kMainFont, x, y + 230, g_texts.finish_txt_time);
    Print(kBigFont, x, y + 175,
          FormatPlayTime(results_.hours, results_.minutes, results_.seconds).c_str());
    ok_->Draw(0);
    Print(kBigFont, static_cast<int>(pos.x), y - 35, g_texts.finish_txt_header);
    for (const auto& trophy : trophies_) {
        trophy->Draw(0);
    }
    for (const auto& trophy : trophies_) {
        trophy->DrawHint();
    }
    return 0;
}

}  // namespace GAME
