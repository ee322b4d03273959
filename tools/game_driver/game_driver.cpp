// GAME_DRIVER: starting the real program in a scratch per-user folder and running it by hand.
#include "tools/game_driver/game_driver.h"

#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <system_error>
#include <thread>

#include "engine/frame/game.h"
#include "engine/frame/load_tables.h"
#include "engine/frame/loading_lock.h"
#include "engine/platform/platform.h"
#include "engine/platform/png_writer.h"
#include "engine/resources/config.h"
#include "engine/resources/file_system.h"
#include "engine/resources/pack_password.h"
#include "engine/ui/loading_screen.h"
#include "game/app/callbacks.h"
#include "game/app/entry.h"
#include "game/app/game_object.h"
#include "game/shell/puzzle.h"
#include "tools/devkit/input_driver.h"

namespace {

// The loading thread works in real time: it is given time, but never for ever.
constexpr std::chrono::seconds kLoadingLimit{120};
constexpr int kLogoClickEvery = 30;  // steps

using WUN::Frame;

// A new folder under the system's temporary folder; empty when none can be made.
std::string MakeTemporaryFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "pd_game_driver_XXXXXX").string();
    return mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
}

std::vector<uint32_t> g_captured;
int g_captured_width = 0;
int g_captured_height = 0;

// The game's overlay, then the picture as it is about to reach the window.
void CaptureOverlay() {
    GameDrawOverlay();
    Frame().render.ReadBackBuffer(g_captured, g_captured_width, g_captured_height);
}

}  // namespace

GAME_DRIVER::GAME_DRIVER() {
    // The frame object opens the audio device when it is made: only on the drivers that need
    // no hardware, unless the caller chose others.
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    input_ = std::make_unique<INPUT_DRIVER>(Frame(), kFrameSeconds);
}

GAME_DRIVER::~GAME_DRIVER() {
    if (!user_root_.empty() && !keep_user_root_) {
        std::error_code ignored;
        std::filesystem::remove_all(user_root_, ignored);
    }
}

GAME::PUZZLE& GAME_DRIVER::Game() const {
    return *g_game;
}

bool GAME_DRIVER::Start(const std::string& game_dir, int width, int height) {
    START start;
    start.width = width;
    start.height = height;
    return Start(game_dir, start);
}

bool GAME_DRIVER::Start(const std::string& game_dir, const START& start) {
    keep_user_root_ = !start.user_root.empty();
    user_root_ = keep_user_root_ ? start.user_root : MakeTemporaryFolder();
    if (user_root_.empty()) {
        problem_ = "no temporary folder";
        return false;
    }
    // Every per-user file the game writes lands in the temporary folder.
    setenv("HOME", user_root_.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (user_root_ + "/.config").c_str(), 1);
    setenv("XDG_DATA_HOME", (user_root_ + "/.local/share").c_str(), 1);
    if (::chdir(game_dir.c_str()) != 0) {
        problem_ = "no game folder " + game_dir;
        return false;
    }

    // The configuration names the per-user folder: read it once ahead to write the window's
    // size and the last player there, as an earlier run would have left them.
    WUN::ST_GAME& frame = Frame();
    g_file_system.PackPassword = kPackPassword;
    UsePacks = true;
    LoadTables();
    frame.SetFolderName(g_config.product);
    if (!frame.SaveGameXml(start.width, start.height, false, false)) {
        problem_ = "cannot write game.xml";
        return false;
    }
    if (!start.player.empty()) {
        WFILE_SYSTEM::CreateFolder(frame.UserFolder() + start.player);
        WFILE_SYSTEM::WriteStream(frame.UserFolder() + "LC.pzl", start.player.data(),
                                  start.player.size());
    }

    if (GameStart() != 0) {
        problem_ = "start-up failed";
        return false;
    }
    return LoadToMenu();
}

bool GAME_DRIVER::LoadToMenu() {
    WUN::ST_GAME& frame = Frame();
    const auto give_up = std::chrono::steady_clock::now() + kLoadingLimit;
    for (int step = 0; frame.GetLoadingCounter() > 0; ++step) {
        if (std::chrono::steady_clock::now() > give_up) {
            problem_ = "loading never ended";
            return false;
        }
        if (step % kLogoClickEvery == 0) {
            input_->Click(0, 0);
        }
        input_->Steps(1);
        LoadLock.Enter();
        if (auto* screen = dynamic_cast<GAME::LOADING_SCREEN*>(frame.GetLoadingScreen())) {
            if (progress_.empty() || progress_.back() != screen->LoadProgress) {
                progress_.push_back(screen->LoadProgress);
            }
        }
        LoadLock.Leave();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (g_game == nullptr) {
        problem_ = "loading made no game";
        return false;
    }
    return true;
}

void GAME_DRIVER::Unseen(const std::function<void()>& steps) {
    // Frames nobody looks at still run their draw code, but not on the GPU: the software
    // renderer would make every step cost a whole picture.
    WRENDER& render = Frame().render;
    render.SetFramesUnseen(true);
    steps();
    render.SetFramesUnseen(false);
}

void GAME_DRIVER::Step(float frame_seconds) {
    Unseen([&] {
        input_->SetStepSeconds(frame_seconds);
        input_->Steps(1);
    });
}

void GAME_DRIVER::Run(float seconds) {
    for (float passed = 0.0f; passed < seconds; passed += kFrameSeconds) {
        Step();
    }
}

void GAME_DRIVER::MoveTo(int x, int y) {
    Unseen([&] { input_->MoveTo(x, y, 1); });
}

void GAME_DRIVER::Click(int x, int y) {
    Unseen([&] { input_->Click(x, y, 2); });
}

void GAME_DRIVER::Drag(int from_x, int from_y, int to_x, int to_y, int steps) {
    Unseen([&] { input_->Drag(from_x, from_y, to_x, to_y, steps, 1); });
}

void GAME_DRIVER::Tap(int vk) {
    Unseen([&] { input_->PressKey(vk, 2); });
}

void GAME_DRIVER::WindowSize(int& width, int& height) const {
    platform::WindowSize(Frame().window.handle, width, height);
}

bool GAME_DRIVER::Capture(std::vector<uint32_t>& pixels, int& width, int& height) {
    g_captured.clear();
    Frame().SetOverlayCallback(&CaptureOverlay);
    input_->Steps(1, true);
    Frame().SetOverlayCallback(&GameDrawOverlay);
    pixels = g_captured;
    width = g_captured_width;
    height = g_captured_height;
    return !pixels.empty();
}

bool GAME_DRIVER::WriteScreenshot(const std::string& path) {
    std::vector<uint32_t> pixels;
    int width = 0;
    int height = 0;
    // A window system may give a resized window its new picture size only once a frame has been
    // presented: the first frame settles it.
    return Capture(pixels, width, height) && Capture(pixels, width, height) &&
           platform::WritePng(path, pixels.data(), width, height);
}
