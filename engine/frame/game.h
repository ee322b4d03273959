// WUN::ST_GAME: the single application object: window, input, render device, sound, timer,
// random generator, "game.xml", the main loop and the six callbacks through which the game runs.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "engine/audio/sound.h"
#include "engine/frame/input.h"
#include "engine/frame/random.h"
#include "engine/frame/timer.h"
#include "engine/frame/window.h"
#include "engine/frame/window_events.h"
#include "engine/render/render_device.h"

namespace WST {
class ST;
}

// A point in logical pixels.
struct WINT_POINT {
    int x = 0;
    int y = 0;
};

namespace WUN {

class ST_GAME {
  public:
    using Callback = void (*)();
    using UpdateCallback = int (*)();

    // The one frame object, made on first call and never destroyed. Making it opens no window;
    // it opens the audio device.
    static ST_GAME* GetInstance();

    // 0 ok, -1 "play.url" missing while the string table asks for it, -2 desktop below
    // 1024 x 768, kNoDisplay when there is no display at all. Reads or writes "game.xml", creates
    // the window and the render device, sets the video mode and starts the loading thread. The
    // product names the per-user folder; the company names none (one folder per program).
    virtual int Init(const char* company, const char* product);
    // Init's answer when no window can be shown: the program must say so rather than run
    // unseen. GetDisplayProblem tells why.
    static constexpr int kNoDisplay = -3;
    const std::string& GetDisplayProblem() const { return display_problem_; }
    // One drawn frame when one is due (at most update rate per second).
    virtual void Render();
    // The game's update with the timer's delta, then the input step. Returns 0.
    virtual int Update();
    // The main loop: Step with the clock's delta while running, waiting for events until the
    // next drawn frame is due. Returns 0 when the window closes or Quit is called.
    virtual int Run();

    // One iteration of the main loop with a frame delta of dt seconds: the window's events,
    // then the loading-phase frame while loading, else the update and a drawn frame when one is
    // due (or whenever draw is true). While inactive only the events are taken, and a window
    // that was exposed is drawn again as it stood. A drawn frame that looks like the one on
    // screen is not shown again, unless an event came since (WRENDER::Present).
    void Step(float dt, bool draw = false);

    // One loading-phase frame under LoadLock: the loading screen only.
    void LoadingFrame();
    // 1: deactivated, 0: activated; anything else is ignored.
    void OnActivate(int deactivate);
    // The window's picture was lost: the next step draws it again, also while paused.
    void Expose() {
        exposed_ = true;
        render.ForceNextFrame();
    }
    // The window's drawable area is width x height pixels: the back buffer takes that size and
    // the game picture is letter-boxed into it at its own logical size.
    void FitToWindow(int width, int height);
    void SetVideoMode(int width, int height, bool full_screen);
    void Quit() { running_ = 0; }
    // Below 1024 x 768 the game cannot be shown.
    static bool DesktopFits(int width, int height) { return width > 1023 && height > 767; }

    // --- "game.xml" in UserFolder().

    // Default configuration: the desktop size when the display lists 1024 x 768, else
    // 1024 x 768; full screen.
    void WriteDefaultGameXml();
    // Stores the configuration in the frame and saves it; the video mode is not changed.
    // False when the file could not be written.
    bool SaveGameXml(int width, int height, bool full_screen, bool log);
    // Reads the configuration into the frame (ParseGameXml), then creates the window and the
    // render device and sets the configured video mode (1024 x 768 when the file gives no
    // usable size). Without a device the process shows "Error Init Render" and exits with 0.
    void ReadGameXml();
    // Reads the configuration only: a missing or unreadable file gives 0 x 0 and false flags;
    // a size larger than the desktop in either axis becomes the desktop size.
    void ParseGameXml();

    // --- Setters.
    void SetName(const char* name) { name_ = name ? name : ""; }
    void SetLoadThread(Callback fn) { load_thread_ = fn; }
    void SetUpdateCallback(UpdateCallback fn) { update_callback_ = fn; }
    void SetSceneCallback(Callback fn) { scene_callback_ = fn; }
    void SetOverlayCallback(Callback fn) { overlay_callback_ = fn; }
    void SetDeactivateCallback(Callback fn) { deactivate_callback_ = fn; }
    void SetActivateCallback(Callback fn) { activate_callback_ = fn; }
    void SetClearColor(uint32_t argb) { render.SetClearColor(argb); }
    // The item the loading phase draws (null: none). Blend mode 1 is applied on the main thread
    // at the next loading frame, since the loading thread may not touch the GPU.
    void SetLoadingScreen(WST::ST* item);
    // The item the loading phase draws; read it under LoadLock, as the loading thread sets it.
    WST::ST* GetLoadingScreen() const { return loading_screen_; }
    void ShowSystemCursor(bool show);
    // Above 0 while the loading phase runs; the loading thread sets 0 when it is done.
    void SetLoadingCounter(int value) { loading_counter_ = value; }
    int GetLoadingCounter() const { return loading_counter_; }
    void SetPauseWhenInactive(bool pause) { pause_when_inactive_ = pause; }

    // A sound from the current pack (with the pack password) or, with none selected, the loose
    // file LooseFolder + "/" + name. Null when it cannot be read or there is no audio device.
    WSOUND* LoadSound(const char* name);

    // --- Getters.
    WRENDER* GetRender() { return &render; }
    WINPUT* GetInput() { return &input; }
    void* GetWindowHandle() const { return window.handle; }
    int GetGameWidth() const { return render.GetLogicalWidth(); }
    int GetGameHeight() const { return render.GetLogicalHeight(); }
    float GetFrameTime() const { return timer.GetDelta(); }
    int GetImageWidth() const { return render.GetImageWidth(); }
    int GetImageHeight() const { return render.GetImageHeight(); }
    int GetDesktopWidth() const { return desktop_width_; }
    int GetDesktopHeight() const { return desktop_height_; }
    // "resX" / "resY" of "game.xml" and their product.
    int GetConfiguredWidth() const { return configured_width_; }
    int GetConfiguredHeight() const { return configured_height_; }
    int GetPixelCount() const { return pixel_count_; }
    bool GetSupport1024() const { return support1024_; }
    bool GetFullScreenWanted() const { return full_screen_wanted_; }
    // The flag of the last SetVideoMode.
    bool IsFullScreen() const { return full_screen_now_; }
    bool IsRunning() const { return running_ != 0; }
    bool IsInactive() const { return inactive_ != 0; }
    // Frames due, fractional (Render draws one while it is at least 1).
    float GetFrameAccumulator() const { return accumulator_; }
    const std::string& GetName() const { return name_; }

    // --- Random numbers (WRANDOM).
    int Rand(int seed) const { return WRANDOM::Rand(seed); }
    bool RandBool(int seed) const { return WRANDOM::RandBool(seed); }
    uint32_t RandInt(int lo, int hi) { return random.RandInt(lo, hi, 0); }
    float RandFloat(float lo, float hi) { return random.RandFloat(lo, hi, 0); }

    // Names the per-user folder for the product (Init does so with its argument).
    void SetFolderName(const char* product);
    // The data home + "/" + the product's folder name + "/": "Puzzle Desk" keeps its data in
    // ~/.local/share/puzzle-desk/. Without a data home the current folder stands in for it.
    std::string UserFolder() const;
    // The product name in lower case with its words joined by '-'; "game" when it has none.
    static std::string FolderNameFor(const std::string& product);

    // Half the current screen size; screens place items around it. centre points at it.
    WINT_POINT Centre;
    const WINT_POINT* centre = &Centre;

    WWINDOW window;
    WTIMER timer;
    WRANDOM random;
    WINPUT input;
    WRENDER render;
    WSOUND_SYSTEM sound;

  private:
    ST_GAME();
    ~ST_GAME() = delete;
    ST_GAME(const ST_GAME&) = delete;
    ST_GAME& operator=(const ST_GAME&) = delete;

    // Milliseconds the loop may wait for events before the next step has work to do.
    int MillisecondsUntilNextStep() const;
    // Adds the timer's delta to the frames due; true when a drawn frame is due.
    bool AddFrameTime();
    // A drawn frame: it uses up one frame due, and code that runs while drawing sees the time
    // since the previous drawn frame.
    void DrawFrame();
    // The scene, the letter-boxed copy, the overlay and the presentation.
    void PaintFrame();
    // The picture of an exposed, inactive window, with time standing still.
    void Redraw();

    bool pause_when_inactive_ = true;
    bool full_screen_now_ = false;
    std::atomic<int> loading_counter_{0};
    std::string name_;
    // The program runs until Quit or the window's close: a quit asked for before the loop
    // starts (Ctrl+Q while loading) still ends it.
    int running_ = 1;
    int update_rate_ = 90;        // drawn frames per second
    float accumulator_ = 0.0f;    // frames due, fractional
    float drawn_frame_time_ = 0;  // seconds since the last drawn frame
    int inactive_ = 0;
    bool exposed_ = false;
    int configured_width_ = 1024;
    int configured_height_ = 768;
    int desktop_width_ = 0;
    int desktop_height_ = 0;
    bool support1024_ = false;
    bool full_screen_wanted_ = false;
    int pixel_count_ = 1024 * 768;
    std::string folder_name_;
    std::string display_problem_;
    WST::ST* loading_screen_ = nullptr;
    bool loading_blend_pending_ = false;
    Callback load_thread_ = nullptr;
    UpdateCallback update_callback_ = nullptr;
    Callback scene_callback_ = nullptr;
    Callback overlay_callback_ = nullptr;
    Callback deactivate_callback_ = nullptr;
    Callback activate_callback_ = nullptr;
    WINDOW_EVENTS events_;
};

// The application object, for the many places that only reach through it.
inline ST_GAME& Frame() {
    return *ST_GAME::GetInstance();
}

}  // namespace WUN
