// Loads what the board draws and plays from a built game folder: tables, fonts and sounds.
#include "tools/board_sandbox/game_data.h"

#include <filesystem>
#include <system_error>

#include "engine/audio/sound.h"
#include "engine/frame/file_system.h"
#include "engine/frame/game.h"
#include "engine/frame/game_objects.h"
#include "engine/resources/config.h"
#include "engine/resources/pack_password.h"
#include "engine/resources/registry.h"
#include "engine/text/font.h"

bool LoadGameData(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (folder.empty() || !fs::exists(fs::path(folder) / "resource.xml", error) ||
        !fs::exists(fs::path(folder) / "strings.xml", error)) {
        UseBuiltInResources();
        return false;
    }
    fs::current_path(folder, error);
    if (error) {
        UseBuiltInResources();
        return false;
    }
    UsePacks = true;
    g_file_system.PackPassword = kPackPassword;
    LoadTables();

    g_file_system.SelectPack(g_resources.packs.fonts_pack);
    for (int i = 0; i < kFontCount; ++i) {
        const RESOURCE_FONT& item = g_resources.fonts[i];
        if (item.var != nullptr && fs::exists(item.var, error)) {
            g_fonts[i] = new WFONT(item.var);
            g_fonts[i]->spacing = item.space;
        }
    }
    // As the game's start-up colours them: the big and the main font in the configured text
    // colour, the loading and the score-number fonts white.
    for (int i = 0; i < kFontCount; ++i) {
        if (g_fonts[i] != nullptr) {
            g_fonts[i]->SetColour(i < 2 ? static_cast<uint32_t>(g_config.font_main_color)
                                        : 0xFFFFFFFFu);
        }
    }
    g_file_system.UnselectPack();

    WUN::ST_GAME* game = WUN::ST_GAME::GetInstance();
    g_file_system.SelectPack(g_resources.packs.music_pack);
    for (int i = 0; i < kSoundCount; ++i) {
        g_sounds[i] = game->LoadSound(g_resources.sound[i]);
    }
    // The two music tracks loop quietly, as the game sets them up.
    for (WSOUND* music : {g_sounds[13], g_sounds[14]}) {
        if (music != nullptr) {
            music->SetLoop(true);
            music->SetVolume(0.3f);
        }
    }
    g_file_system.UnselectPack();
    return true;
}
