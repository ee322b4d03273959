// WUN::ST_GAME: start-up of the frame, the main loop and its two phases, the drawn-frame
// accumulator and the loading-phase frame.
#include "engine/frame/game.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/frame/editions.h"
#include "engine/frame/item_root.h"
#include "engine/frame/loading_lock.h"
#include "engine/resources/file_system.h"
#include "engine/text/strings.h"

namespace WUN {

namespace {

constexpr float kDeltaCap = 0.18f;  // seconds: a long stall still makes one ordinary step
constexpr int kInactiveWaitMs = 100;

std::string CurrentDirectory() {
    char buffer[4096];
    return ::getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string(".");
}

}  // namespace

ST_GAME* ST_GAME::GetInstance() {
    static ST_GAME* instance = new ST_GAME();
    return instance;
}

ST_GAME::ST_GAME() : timer(kDeltaCap), events_(*this) {
    WFILE_SYSTEM::DesktopSize(desktop_width_, desktop_height_);
}

int ST_GAME::Init(const char* /*company*/, const char* product) {
    if (g_texts.error_play_url != nullptr &&
        WFILE_SYSTEM::FileExists(CurrentDirectory() + "/play.url") == 0) {
        return -1;
    }
    display_problem_ = platform::DisplayProblem();
    if (!display_problem_.empty()) {
        return kNoDisplay;
    }
    if (!DesktopFits(desktop_width_, desktop_height_)) {
        return -2;
    }
    SetFolderName(product);
    std::printf("Execution dir is %s\n", CurrentDirectory().c_str());
    std::fflush(stdout);
    if (WFILE_SYSTEM::FileExists(UserFolder()) == 0) {
        WriteDefaultGameXml();
    }
    ReadGameXml();
    // Screens place their items around the middle of the logical picture; in full screen the
    // window is the desktop, whose middle lies elsewhere in picture coordinates (the loading
    // screen's logos showed off to the lower right).
    Centre = {GetGameWidth() / 2, GetGameHeight() / 2};
    if (load_thread_) {
        loading_counter_ = 2;
        platform::StartThread(load_thread_);
    }
    return 0;
}

void ST_GAME::SetFolderName(const char* product) {
    folder_name_ = FolderNameFor(product ? product : "");
}

std::string ST_GAME::FolderNameFor(const std::string& product) {
    std::string name;
    bool gap = false;
    for (char c : product) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        // Bytes of multi-byte UTF-8 characters are kept: they belong to letters.
        const bool kept = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                          static_cast<unsigned char>(c) >= 0x80;
        if (!kept) {
            gap = true;
            continue;
        }
        if (gap && !name.empty()) {
            name += '-';
        }
        name += c;
        gap = false;
    }
    return name.empty() ? "game" : name;
}

std::string ST_GAME::UserFolder() const {
    const std::string data_home = WFILE_SYSTEM::DataHome();
    return (data_home.empty() ? std::string(".") : data_home) + "/" + folder_name_ + "/";
}

void ST_GAME::SetVideoMode(int width, int height, bool full_screen) {
    Centre = {width / 2, height / 2};
    // Device, then window, then logical size: the letter-box is worked out on the new back buffer.
    if (full_screen) {
        render.ResetMode(desktop_width_, desktop_height_, true);
        window.SetMode(desktop_width_, desktop_height_, true, false);
    } else {
        render.ResetMode(width, height, false);
        window.SetMode(width, height, false, true);
    }
    render.SetLogicalSize(width, height);
    full_screen_now_ = full_screen;
    // The window may not have taken the size asked for (or not yet): the picture goes where
    // the window really is, and a later change of its size arrives as an event.
    if (window.handle != nullptr) {
        int actual_width = 0;
        int actual_height = 0;
        platform::WindowSize(window.handle, actual_width, actual_height);
        FitToWindow(actual_width, actual_height);
    }
}

int ST_GAME::Run() {
    while (running_ != 0) {
        timer.Tick();
        Step(timer.GetDelta());
        // Nothing is due before then: sleep until it is, or until an event arrives.
        if (const int wait_ms = MillisecondsUntilNextStep(); wait_ms > 0) {
            platform::WaitForEvent(wait_ms);
        }
    }
    const std::string directory = CurrentDirectory();
    if (!g_editions.url_file.empty()) {
        WFILE_SYSTEM::OpenWithShell(directory + "/" + g_editions.url_file);
    }
    if (!g_editions.exe_file.empty()) {
        WFILE_SYSTEM::OpenWithShell(directory + "/" + g_editions.exe_file);
    }
    return 0;
}

void ST_GAME::Step(float dt, bool draw) {
    // Whatever the player or the window did is on screen by the next drawn frame, even when
    // the game's picture looks the same to the render device.
    if (platform::PumpEvents(events_) > 0) {
        render.ForceNextFrame();
    }
    if (inactive_ != 0) {
        if (exposed_) {
            Redraw();
        }
        return;
    }
    exposed_ = false;  // an active window is drawn at the frame rate anyway
    if (loading_counter_ > 0) {
        LoadingFrame();
        // The loading screen has seen this iteration's clicks (they skip its logos); they must
        // not wait and land on the menu once it shows.
        input.EndFrame();
        return;
    }
    timer.delta = dt;
    Update();
    if (AddFrameTime() || draw) {
        DrawFrame();
    }
}

int ST_GAME::MillisecondsUntilNextStep() const {
    if (inactive_ != 0) {
        return kInactiveWaitMs;
    }
    if (loading_counter_ > 0) {
        // Leaves the loading thread the lock between frames, at the drawn-frame rate.
        return 1000 / update_rate_;
    }
    if (accumulator_ >= 1.0f) {
        return 0;
    }
    return static_cast<int>(std::ceil((1.0f - accumulator_) * 1000.0f / update_rate_));
}

int ST_GAME::Update() {
    if (update_callback_) {
        update_callback_();
    }
    input.EndFrame();
    return 0;
}

void ST_GAME::Render() {
    if (AddFrameTime()) {
        DrawFrame();
    }
}

bool ST_GAME::AddFrameTime() {
    const float d = timer.delta;
    accumulator_ += d * update_rate_;
    drawn_frame_time_ += d;
    return accumulator_ >= 1.0f;
}

void ST_GAME::DrawFrame() {
    timer.delta = drawn_frame_time_;
    // A frame drawn on request before one was due uses up what had gathered.
    accumulator_ = std::max(0.0f, accumulator_ - 1.0f);
    drawn_frame_time_ = 0.0f;
    PaintFrame();
}

void ST_GAME::PaintFrame() {
    if (render.BeginFrame() == -1) {
        return;
    }
    if (scene_callback_) {
        scene_callback_();
    }
    render.EndScene();
    render.BeginBackBuffer();
    if (overlay_callback_) {
        overlay_callback_();
    }
    render.Present();
}

void ST_GAME::FitToWindow(int width, int height) {
    if (width <= 0 || height <= 0 ||
        (width == render.GetBackBufferWidth() && height == render.GetBackBufferHeight())) {
        return;
    }
    const int logical_width = render.GetLogicalWidth();
    const int logical_height = render.GetLogicalHeight();
    render.ResetMode(width, height, render.IsFullScreen());
    render.SetLogicalSize(logical_width, logical_height);
    exposed_ = true;
}

void ST_GAME::Redraw() {
    exposed_ = false;
    if (loading_counter_ > 0) {
        LoadingFrame();
        return;
    }
    timer.delta = 0.0f;
    PaintFrame();
}

void ST_GAME::LoadingFrame() {
    LoadLock.Enter();
    if (loading_screen_) {
        if (loading_blend_pending_) {
            render.SetBlendMode(1);
            loading_blend_pending_ = false;
        }
        loading_screen_->Update(0, 0.0f);
        render.BeginFrame();
        render.EndScene();
        if (render.BeginBackBuffer() == 0) {
            loading_screen_->Draw(0);
            render.Present();
        }
    }
    LoadLock.Leave();
}

void ST_GAME::OnActivate(int deactivate) {
    if (deactivate == 1) {
        if (pause_when_inactive_) {
            inactive_ = 1;
        }
        if (deactivate_callback_) {
            deactivate_callback_();
        }
    } else if (deactivate == 0) {
        inactive_ = 0;
        if (activate_callback_) {
            activate_callback_();
        }
    }
}

void ST_GAME::SetLoadingScreen(WST::ST* item) {
    loading_blend_pending_ = true;
    loading_screen_ = item;
}

void ST_GAME::ShowSystemCursor(bool show) {
    platform::ShowSystemCursor(show);
}

WSOUND* ST_GAME::LoadSound(const char* name) {
    if (!name) {
        return nullptr;
    }
    if (!g_file_system.CurrentPack) {
        return sound.LoadFile((g_file_system.LooseFolder + "/" + name).c_str());
    }
    WSOUND* loaded = nullptr;
    if (g_file_system.ReadPackMember(g_file_system.CurrentPack, name,
                                     g_file_system.PackPassword.c_str()) == 1) {
        loaded = sound.LoadMemory(g_file_system.MemberData, g_file_system.MemberSize);
    }
    g_file_system.FreeMember();
    return loaded;
}

}  // namespace WUN
