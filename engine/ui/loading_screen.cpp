// GAME::LOADING_SCREEN: the intro countdown and the two looks it switches between.
#include "engine/ui/loading_screen.h"

#include <string>

#include "engine/frame/editions.h"
#include "engine/frame/game.h"
#include "engine/frame/input.h"
#include "engine/resources/config.h"
#include "engine/resources/file_system.h"
#include "engine/resources/registry.h"
#include "engine/text/font.h"
#include "engine/ui/shared_items.h"
#include "engine/ui/sprite.h"

namespace GAME {

namespace {

constexpr float kLogoSeconds = 2.0f;
constexpr float kTimerCap = 0.18f;  // seconds, as the frame's timer
constexpr int kLoadingFont = 2;     // font_loading

// A logo when its file exists (a loose file: no pack is selected yet), centred on the screen.
WSPRITE* LoadLogo(const std::string& name, const char* fallback, const WINT_POINT& centre) {
    const std::string file = name.empty() ? fallback : name;
    if (WFILE_SYSTEM::FileExists(file) != 1) {
        return nullptr;
    }
    WSPRITE* logo = new WSPRITE(file.c_str(), true);
    logo->SetPosition(centre.x, centre.y);
    return logo;
}

// Stretched over the whole screen around its centre.
void CoverScreen(WSPRITE* sprite, const WINT_POINT& centre) {
    sprite->SetSize(2 * centre.x, 2 * centre.y);
    sprite->SetAnchor(WSPRITE::kAnchorCentre);
    sprite->SetPosition(centre.x, centre.y);
}

}  // namespace

LOADING_SCREEN::LOADING_SCREEN(WTIMER::Clock clock) {
    WUN::ST_GAME* game = WUN::ST_GAME::GetInstance();
    const WINT_POINT centre = game->Centre;
    first_logo_ = LoadLogo(g_editions.splash1, "logo1.png", centre);
    second_logo_ = LoadLogo(g_editions.splash2, "logo2.png", centre);
    IntroTime = (first_logo_ ? kLogoSeconds : 0.0f) + (second_logo_ ? kLogoSeconds : 0.0f);
    LoadProgress = 0;

    g_file_system.SelectPack(g_resources.packs.loading_pack);
    WRENDER* device = game->GetRender();
    WTEXTURE* splash = device->CreateTexture(1, 1);
    FillTexture(g_config.color_splash, splash);
    backdrop_ = new WSPRITE(splash);
    CoverScreen(backdrop_, centre);
    picture_ = new WSPRITE(g_resources.loading_screen.background);

    g_file_system.SelectPack(g_resources.packs.menu_pack);
    floor_ = new WSPRITE(g_resources.main_screen.linoleum);
    CoverScreen(floor_, centre);
    floor_->FitUVToImage();
    g_file_system.UnselectPack();

    timer_ = new WTIMER(kTimerCap, clock);
}

LOADING_SCREEN::~LOADING_SCREEN() {
    delete floor_;
    delete first_logo_;
    delete second_logo_;
    delete timer_;
    delete picture_;
    delete backdrop_;
}

int LOADING_SCREEN::Update(int, float) {
    timer_->Tick();
    IntroTime -= timer_->GetDelta();
    if (IntroTime > 0.0f) {
        WINPUT* input = WUN::ST_GAME::GetInstance()->GetInput();
        if (input->GetLeft() == 1) {
            IntroTime -= kLogoSeconds;
        }
    }
    return 0;
}

int LOADING_SCREEN::Draw(int) {
    const WINT_POINT centre = WUN::ST_GAME::GetInstance()->Centre;
    if (IntroTime > 0.0f) {
        // The second logo shows first, during the upper two seconds.
        WSPRITE* logo =
            IntroTime > kLogoSeconds || first_logo_ == nullptr ? second_logo_ : first_logo_;
        backdrop_->Draw(0);
        if (logo != nullptr) {
            logo->Draw(0);
        }
        return 1;
    }
    floor_->Draw(0);
    picture_->DrawAt(static_cast<float>(centre.x), static_cast<float>(centre.y));
    if (WFONT* font = g_fonts[kLoadingFont]) {
        font->align = 0;
        font->Printf(centre.x - 10, centre.y + 130, "%i%%", LoadProgress);
        if (g_editions.title_text != nullptr) {
            font->align = 0;
            font->DrawText(centre.x + g_editions.title_x, 2 * centre.y + g_editions.title_y,
                           g_editions.title_text);
        }
    }
    return 1;
}

}  // namespace GAME
