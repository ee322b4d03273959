// GameMain: start-up in its fixed order, and the messages for a start-up that cannot go on.
#include "game/app/entry.h"

#include <cstdio>
#include <string>

#include "engine/frame/editions.h"
#include "engine/frame/game.h"
#include "engine/frame/load_tables.h"
#include "engine/frame/startup_message.h"
#include "engine/resources/config.h"
#include "engine/resources/file_system.h"
#include "engine/resources/pack_password.h"
#include "engine/text/strings.h"
#include "game/app/callbacks.h"
#include "game/app/loading_thread.h"

namespace {

constexpr char kCorruptInstallation[] =
    "Some files are corrupt. The game may not run. Please reinstall the game";
constexpr uint32_t kClearColour = 0xFF000000;

// A file the editions file names must be there unless the edition runs without it.
bool InstallationFileMissing(bool run_if_lost, const std::string& file) {
    return !run_if_lost && WFILE_SYSTEM::FileExists(file) == 0;
}

}  // namespace

int GameStart() {
    WUN::ST_GAME& frame = *WUN::ST_GAME::GetInstance();
    g_file_system.PackPassword = kPackPassword;
    UsePacks = true;

    LoadEditions();
    if (InstallationFileMissing(g_editions.run_if_url_lost, g_editions.url_file) ||
        InstallationFileMissing(g_editions.run_if_exe_lost, g_editions.exe_file)) {
        g_show_message_box("Error", kCorruptInstallation);
        return -1;
    }
    LoadTables();
    frame.SetName(g_config.product);

    frame.SetLoadThread(&GameLoad);
    frame.SetSceneCallback(&GameDrawScene);
    frame.SetUpdateCallback(&GameUpdate);
    frame.SetDeactivateCallback(&GamePause);
    frame.SetOverlayCallback(&GameDrawOverlay);
    frame.SetActivateCallback(&GameResume);
    frame.SetClearColor(kClearColour);
    // The tick taken when the frame was made.
    frame.random.Seed(static_cast<float>(frame.timer.start));

    switch (frame.Init(g_config.company, g_config.product)) {
        case WUN::ST_GAME::kNoDisplay:
            // Nothing could show a message box: the terminal is the only place left to say it.
            std::fprintf(stderr, "Puzzle Desk cannot start: %s\n",
                         frame.GetDisplayProblem().c_str());
            return -1;
        case -1:
            g_show_message_box("", g_texts.error_play_url ? g_texts.error_play_url : "");
            return -1;
        case -2:
            g_show_message_box("Error",
                               g_texts.system_txt_resolution ? g_texts.system_txt_resolution : "");
            return -1;
        default:
            return 0;
    }
}

int GameMain() {
    const int started = GameStart();
    return started != 0 ? started : WUN::ST_GAME::GetInstance()->Run();
}
