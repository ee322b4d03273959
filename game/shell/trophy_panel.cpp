// WUN::TROFEI_PANEL: the trophies' images and hints, their two rows, the answer and the drawing.
#include "game/shell/trophy_panel.h"

#include <algorithm>
#include <string>

#include "engine/frame/game.h"
#include "engine/platform/virtual_keys.h"
#include "engine/resources/registry.h"
#include "engine/text/strings.h"
#include "engine/ui/buttons.h"
#include "engine/ui/trophy_item.h"
#include "game/shell/window_parts.h"

namespace WUN {
namespace {

using P = PUZZLE_PLAYER_PROFILE;

constexpr int kHintUnderScreenCentre = 0;  // TROFEI placement
// The highest level of each ladder, in the record's order (the lord has one).
constexpr int kTopLevel[P::kTrophyCount] = {5, 3, 4, 4, 4, 6, 1};

// The image of trophy t at level (0: not earned, shown as the first level).
std::string ImageOf(int t, int level) {
    const auto& names = g_resources.window_trophy;
    // Registry texts are null until the registry is read.
    const auto text = [](const char* value) { return std::string(value != nullptr ? value : ""); };
    if (t == P::kLord) {
        return text(names.lord);
    }
    const char* const ladders[] = {names.collector,  names.jigsaw_master, names.endurence,
                                   names.meditation, names.inconstancy,   names.sage};
    return text(ladders[t]) + std::to_string(std::max(level, 1)) + text(names.file_extemsion);
}

}  // namespace

TROFEI_PANEL::TROFEI_PANEL(WFONT* font, const PUZZLE_PLAYER_PROFILE& settings)
    : WSPRITE(g_resources.gui.window),
      back_(std::make_unique<WSPRITE>(g_resources.window_trophy.back)),
      magnifier_(std::make_unique<WSPRITE>(g_resources.window_trophy.magnifer)),
      ok_(std::make_unique<WBUTTONMAP4>(g_resources.gui.ok_button)) {
    const char* const hints[P::kTrophyCount] = {
        g_texts.achievements_hnt_pieces_total_description,
        g_texts.achievements_hnt_score_total_description,
        g_texts.achievements_hnt_puzzle_pieces_description,
        g_texts.achievements_hnt_time_total_description,
        g_texts.achievements_hnt_puzzles_description,
        g_texts.achievements_hnt_pieces_joining_description,
        g_texts.achievements_hnt_puzzle_hardmode_description};
    for (int t = 0; t < P::kTrophyCount; ++t) {
        const int level = std::min<int>(settings.trophy_levels[t], kTopLevel[t]);
        auto trophy = std::make_unique<TROFEI>(ImageOf(t, level).c_str(), kHintUnderScreenCentre);
        if (level == 0) {
            trophy->SetColour(kFaint);
        }
        trophy->hint_text = hints[t];
        trophy->hint_font = font;
        trophies_.push_back(std::move(trophy));
    }
    Layout();
}

TROFEI_PANEL::~TROFEI_PANEL() = default;

void TROFEI_PANEL::Layout() {
    const WINT_POINT centre = ST_GAME::GetInstance()->Centre;
    const int cx = centre.x;
    const int cy = centre.y;
    const float h = QuadHeight();
    SetPosition(cx, cy);
    back_->SetPosition(cx, cy - 230);
    ok_->SetPosition(cx, static_cast<int>(cy + h / 2.0f - 0.25f * ok_->QuadHeight()));
    magnifier_->SetPosition(cx - 80, static_cast<int>(cy + h / 2.0f - 60.0f));
    const auto place = [&](int t, int x, int y) {
        trophies_[static_cast<size_t>(t)]->SetPosition(x, y);
    };
    const auto width = [&](int t) { return trophies_[static_cast<size_t>(t)]->GetWidth(); };
    place(P::kMeditation, cx - 3 * (width(P::kMeditation) / 2) - 30, cy - 100);
    place(P::kCollector, cx - width(P::kCollector) / 2 - 10, cy - 100);
    place(P::kJigsawMaster, cx + width(P::kJigsawMaster) / 2 + 10, cy - 100);
    place(P::kEndurence, cx + 3 * (width(P::kEndurence) / 2) + 30, cy - 100);
    place(P::kLord, cx - width(P::kLord) - 10, cy + 100);
    place(P::kInconstancy, cx, cy + 100);
    place(P::kSage, cx + width(P::kSage) + 10, cy + 100);
}

int TROFEI_PANEL::Update(int, float) {
    for (const auto& trophy : trophies_) {
        trophy->UpdateHover();
    }
    if (ok_->Update(0, 0.0f) == 1 || GAME::KeyPressed(VK_RETURN)) {
        GAME::PlayShellSound(GAME::kSoundButtonPress);
        return 1;
    }
    return 0;
}

int TROFEI_PANEL::Draw(int) {
    GAME::DrawScreenOverlay();
    WSPRITE::Draw(0);
    back_->Draw(0);
    magnifier_->Draw(0);
    ok_->Draw(0);
    GAME::PrintText(GAME::BigFont(), GAME::kAlignCentre, static_cast<int>(pos.x),
                    static_cast<int>(pos.y) - 255, g_texts.achievements_txt_header);
    for (const auto& trophy : trophies_) {
        trophy->Draw(0);
    }
    for (const auto& trophy : trophies_) {
        trophy->DrawHint();
    }
    return 0;
}

}  // namespace WUN
