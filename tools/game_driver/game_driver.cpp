// GAME_DRIVER: starting the game on a window of its own and running it by hand.
#include "tools/game_driver/game_driver.h"

#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <system_error>

#include "engine/frame/game.h"
#include "engine/platform/platform.h"
#include "engine/platform/png_writer.h"
#include "engine/resources/config.h"
#include "engine/resources/file_system.h"
#include "game/app/callbacks.h"
#include "game/app/game_loader.h"
#include "game/app/game_object.h"
#include "game/shell/puzzle.h"

namespace {

constexpr const char* kPlayer = "Tester";

WUN::ST_GAME& Frame() {
    return *WUN::ST_GAME::GetInstance();
}

// The window's own events (a resize, exposure) reach the window system; the player's input is
// the driver's own.
class IGNORED_EVENTS : public platform::EventSink {
  public:
    void OnMouseMove(int, int) override {}
    void OnMouseButton(platform::MouseButton, bool, bool) override {}
    void OnKey(int, bool) override {}
    void OnText(const char16_t*, int) override {}
    void OnActivate(bool) override {}
    void OnCloseRequest() override {}
};

// A new folder under the system's temporary folder; empty when none can be made.
std::string MakeTemporaryFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "pd_game_driver_XXXXXX").string();
    return mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
}

}  // namespace

GAME_DRIVER::~GAME_DRIVER() {
    if (!user_root_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(user_root_, ignored);
    }
}

bool GAME_DRIVER::Start(const std::string& game_dir, int width, int height) {
    user_root_ = MakeTemporaryFolder();
    if (user_root_.empty()) {
        problem_ = "no temporary folder";
        return false;
    }
    // Every per-user file the game writes lands in the temporary folder.
    setenv("HOME", user_root_.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (user_root_ + "/.config").c_str(), 1);
    setenv("XDG_DATA_HOME", (user_root_ + "/.local/share").c_str(), 1);
    unsetenv("XDG_DOCUMENTS_DIR");

    WUN::ST_GAME& frame = Frame();
    frame.window.Create("Puzzle Desk driver");
    if (frame.render.Create(frame.window.handle) != 0) {
        problem_ = "no OpenGL device";
        return false;
    }
    frame.SetVideoMode(width, height, false);
    if (!LoadGameFrom(game_dir)) {
        problem_ = "no game data in " + game_dir;
        return false;
    }
    frame.SetFolderNames(g_config.company, g_config.product);
    frame.SaveGameXml(width, height, false, false);
    // A player of its own, so the game does not start by asking for a name.
    WFILE_SYSTEM::CreateFolder(frame.UserFolder() + kPlayer);
    WFILE_SYSTEM::WriteStream(frame.UserFolder() + "LC.pzl", kPlayer, std::strlen(kPlayer));
    game_ = new GAME::PUZZLE();
    g_game = game_;
    return true;
}

void GAME_DRIVER::Step(float frame_seconds) {
    IGNORED_EVENTS events;
    platform::PumpEvents(events);
    WUN::ST_GAME& frame = Frame();
    frame.timer.delta = frame_seconds;
    GameUpdate();
    frame.input.EndFrame();
}

void GAME_DRIVER::Run(float seconds) {
    for (float passed = 0.0f; passed < seconds; passed += kFrameSeconds) {
        Step();
    }
}

void GAME_DRIVER::MoveTo(int x, int y) {
    Frame().input.SetPosition(x, y);
}

void GAME_DRIVER::Click(int x, int y) {
    MoveTo(x, y);
    Frame().input.SetButton(WINPUT::kLeft, true);
    Step();
    Frame().input.SetButton(WINPUT::kLeft, false);
    Step();
}

void GAME_DRIVER::Drag(int from_x, int from_y, int to_x, int to_y, int steps) {
    MoveTo(from_x, from_y);
    Frame().input.SetButton(WINPUT::kLeft, true);
    Step();
    for (int i = 1; i <= steps; ++i) {
        MoveTo(from_x + (to_x - from_x) * i / steps, from_y + (to_y - from_y) * i / steps);
        Step();
    }
    Frame().input.SetButton(WINPUT::kLeft, false);
    Step();
}

void GAME_DRIVER::Tap(int vk) {
    Frame().input.KeyDown(vk);
    Step();
    Frame().input.KeyUp(vk);
    Step();
}

void GAME_DRIVER::WindowSize(int& width, int& height) const {
    platform::WindowSize(Frame().window.handle, width, height);
}

bool GAME_DRIVER::Capture(std::vector<uint32_t>& pixels, int& width, int& height) {
    WRENDER& render = Frame().render;
    if (render.BeginFrame() != 0) {
        return false;
    }
    GameDrawScene();
    render.EndScene();
    render.BeginBackBuffer();
    GameDrawOverlay();
    const bool read = render.ReadBackBuffer(pixels, width, height);
    render.Present();
    return read;
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
