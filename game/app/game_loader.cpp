// GAME_LOADER: the loading sequence; the order of creations and progress values is the one the
// loading screen shows.
#include "game/app/game_loader.h"

#include <cstdint>
#include <filesystem>
#include <system_error>

#include "engine/audio/sound.h"
#include "engine/frame/game.h"
#include "engine/frame/load_tables.h"
#include "engine/resources/config.h"
#include "engine/resources/file_system.h"
#include "engine/resources/pack_password.h"
#include "engine/resources/registry.h"
#include "engine/text/font.h"
#include "engine/ui/mouse_cursor.h"
#include "engine/ui/shared_items.h"
#include "engine/ui/sprite.h"

namespace {

constexpr int kLoadingFont = 2;
constexpr int kMenuMusic = 13;       // "game_01", started at once, silent until the menu fades in
constexpr int kGameMusic = 14;       // "game_02"
constexpr int kSelectionSound = 19;  // "puzzle_selection", which overlaps itself
constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kDarkeningFill = 0xBBFFFFFF;
constexpr uint32_t kDarkeningColour = 0x88000000;

using WUN::Frame;

WFONT* MakeFont(const RESOURCE_FONT& item) {
    return new WFONT(*Frame().GetRender(), item.var);
}

void LoadSound(int index) {
    g_sounds[index] = Frame().LoadSound(g_resources.sound[index]);
}

// Loops for ever on one channel, silent; the shell fades the volume in.
void PrepareMusic(WSOUND* music) {
    SoundSetLoop(music, true);
    SoundSetOverlap(music, false);
    SoundSetVolume(music, 0.0f);
}

}  // namespace

void GAME_LOADER::Run() {
    LoadLoadingFont();
    LoadSharedSprites();
    WaitForIntro();
    Enter();
    SetProgress(21);
    Leave();
    LoadSounds();
    LoadFonts();
    Finish();
}

void GAME_LOADER::LoadLoadingFont() {
    g_file_system.SelectPack(g_resources.packs.fonts_pack);
    Enter();
    g_fonts[kLoadingFont] = MakeFont(g_resources.fonts.font_loading);
    g_fonts[kLoadingFont]->spacing = g_resources.fonts.font_loading.space;
    g_fonts[kLoadingFont]->SetColour(kWhite);
    Leave();
    g_file_system.UnselectPack();
    Enter();
    ShowLoadingScreen();
    SetProgress(5);
    Leave();
}

void GAME_LOADER::LoadSharedSprites() {
    WRENDER& render = *Frame().GetRender();
    g_file_system.SelectPack(g_resources.packs.menu_pack);
    Enter();
    g_shared_sprites.shadow = new WSPRITE(g_resources.main_screen.shadow);
    g_shared_sprites.white_plain = new WSPRITE(g_resources.main_screen.white_plain);
    WTEXTURE* darkening = render.CreateTexture(8, 8);
    Leave();
    FillTexture(kDarkeningFill, darkening);
    g_shared_sprites.white_plain->SetScale(1.1f, 1.1f);

    Enter();
    g_cursor = new WMOUSEB(g_resources.cursor);
    Leave();
    g_cursor->SetAnchor(1);

    Enter();
    SetProgress(12);
    g_shared_sprites.rot_yes = new WSPRITE(g_resources.level_win.rot_yes);
    g_shared_sprites.rot_no = new WSPRITE(g_resources.level_win.rot_no);
    g_shared_sprites.darkening = new WSPRITE(darkening);
    g_shared_sprites.darkening->SetColour(kDarkeningColour);
    Leave();
    g_file_system.UnselectPack();
}

void GAME_LOADER::LoadSounds() {
    g_file_system.SelectPack(g_resources.packs.music_pack);
    LoadSound(kMenuMusic);
    PrepareMusic(g_sounds[kMenuMusic]);
    SoundPlay(g_sounds[kMenuMusic]);
    // Each group of sounds is announced before it loads.
    const struct {
        int progress;
        int first;
        int last;
    } groups[] = {{38, 0, 4}, {42, 5, 9}, {54, 10, 12}};
    for (const auto& group : groups) {
        Enter();
        SetProgress(group.progress);
        Leave();
        for (int i = group.first; i <= group.last; ++i) {
            LoadSound(i);
        }
    }
    LoadSound(kGameMusic);
    PrepareMusic(g_sounds[kGameMusic]);
    Enter();
    SetProgress(66);
    Leave();
    for (int i = 15; i <= 19; ++i) {
        LoadSound(i);
    }
    Enter();
    SetProgress(79);
    Leave();
    SoundSetOverlap(g_sounds[kSelectionSound], true);
    for (int i = 20; i < kSoundCount; ++i) {
        LoadSound(i);
    }
    Enter();
    SetProgress(93);
    Leave();
}

void GAME_LOADER::LoadFonts() {
    g_file_system.SelectPack(g_resources.packs.fonts_pack);
    const struct {
        int index;
        const RESOURCE_FONT& item;
        uint32_t colour;
    } fonts[] = {
        {1, g_resources.fonts.font, static_cast<uint32_t>(g_config.font_main_color)},
        {0, g_resources.fonts.big_font, static_cast<uint32_t>(g_config.font_main_color)},
        {3, g_resources.fonts.font_expense, kWhite},
    };
    Enter();
    for (const auto& font : fonts) {
        g_fonts[font.index] = MakeFont(font.item);
    }
    Leave();
    for (const auto& font : fonts) {
        g_fonts[font.index]->spacing = font.item.space;
        g_fonts[font.index]->SetColour(font.colour);
    }
    g_file_system.UnselectPack();
}

void MakeBlackOverlay() {
    WTEXTURE* black = Frame().GetRender()->CreateTexture(1, 1);
    g_shared_sprites.black_overlay = new WSPRITE(black);
    FillTexture(static_cast<uint32_t>(g_config.black_transluvent), black);
}

void LoadGameNow() {
    g_file_system.PackPassword = kPackPassword;
    UsePacks = true;
    LoadTables();
    GAME_LOADER().Run();
    MakeBlackOverlay();
}

bool LoadGameFrom(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    for (const char* table : {"resource.xml", "config.xml", "strings.xml"}) {
        if (folder.empty() || !fs::is_regular_file(fs::path(folder) / table, error)) {
            UseBuiltInResources();
            return false;
        }
    }
    fs::current_path(folder, error);
    if (error) {
        UseBuiltInResources();
        return false;
    }
    LoadGameNow();
    return true;
}
