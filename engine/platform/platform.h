// The seam between the engine and the machine: window, events, clock, threads, desktop, shell.
// Implemented on SDL2 and POSIX; nothing outside engine/platform/ includes SDL or GL headers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// --- Clock, threads, lock.

// Milliseconds since an arbitrary start; wraps around like a 32-bit counter.
uint32_t Milliseconds();
void SleepMilliseconds(uint32_t ms);
// Starts fn on a new detached thread.
void StartThread(void (*fn)());
// The calling thread runs only when no other thread wants the processor: for background work
// that must never slow the frames down. False when the system refuses.
bool RunThisThreadWhenIdle();

// A recursive mutual-exclusion lock (the loading lock).
class Lock {
  public:
    Lock();
    ~Lock();
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;
    void Enter();
    void Leave();

  private:
    void* impl_;
};

// --- Desktop and shell.

struct DisplayMode {
    int width = 0;
    int height = 0;
    int refresh_hz = 0;
};

// Why no window can be shown, for the player; empty when there is a display, or a headless
// driver that SDL_VIDEODRIVER asks for by name. Starts the video subsystem when needed.
std::string DisplayProblem();
// Size of the primary display in pixels; starts the video subsystem when needed.
void DesktopSize(int& width, int& height);
// The modes of the primary display, or its desktop mode when it lists none.
std::vector<DisplayMode> DisplayModes();
// A modal message box with one OK button; works before and after the window exists.
void ShowMessageBox(const std::string& caption, const std::string& text);
// Where Linux keeps a user's program data: $XDG_DATA_HOME when it is an absolute path, else
// ~/.local/share; empty when no home folder is known.
std::string DataHome();
// Opens a file with the desktop's associated program (xdg-open), without waiting.
void OpenWithShell(const std::string& path);

// --- The window and its events.

enum class MouseButton { kLeft, kRight, kMiddle };

// Receives the events of one PumpEvents call. Positions are client pixels; keys are Windows
// virtual-key codes (see virtual_keys.h); typed text arrives as UTF-16 code units.
class EventSink {
  public:
    virtual ~EventSink() = default;
    virtual void OnMouseMove(int client_x, int client_y) = 0;
    virtual void OnMouseButton(MouseButton button, bool down, bool double_click) = 0;
    virtual void OnKey(int virtual_key, bool down) = 0;
    virtual void OnText(const char16_t* units, int count) = 0;
    // active false: the window was deactivated or lost focus; true: activated or focused.
    virtual void OnActivate(bool active) = 0;
    // The window's picture was lost (uncovered, restored) and has to be drawn again.
    virtual void OnExpose() = 0;
    // The window's drawable area now has this size in pixels, whoever changed it (the window
    // manager may not give a window the size or the full screen that was asked for).
    virtual void OnResize(int width, int height) = 0;
    virtual void OnCloseRequest() = 0;
};

// Creates the one game window (hidden until SetWindowMode) with an OpenGL 3.3 core context.
// Returns an opaque handle, or null when no window or context can be made.
void* CreateGameWindow(const std::string& title_utf8);
// Windowed: a fixed-size window of width x height centred on the desktop (caption, minimise,
// no resize or maximise). Full screen: a borderless window covering the desktop.
void SetWindowMode(void* window, int width, int height, bool full_screen);
void SetWindowIcon(void* window, const uint32_t* argb, int width, int height);
void MinimiseWindow(void* window);
// Size of the drawable area in pixels.
void WindowSize(void* window, int& width, int& height);
void SwapWindow(void* window);
void ShowSystemCursor(bool show);

// Delivers every pending event to sink. Returns the number of events delivered.
int PumpEvents(EventSink& sink);
// Blocks until an event is pending or timeout_ms passes; true when an event is pending.
bool WaitForEvent(int timeout_ms);

// --- Synthetic input for tests, tools and benchmarks: events put into the window's queue, which
// the next PumpEvents delivers as if a player had made them. Positions are client pixels and
// keys Windows virtual-key codes, as EventSink receives them. Each returns false when the event
// cannot be queued: no video subsystem, a virtual key no SDL key gives, or text longer than
// kMaxPushedText bytes.

constexpr int kMaxPushedText = 31;

bool PushMouseMove(int client_x, int client_y);
// double_click marks the second press of a double click.
bool PushMouseButton(MouseButton button, bool down, bool double_click);
bool PushKey(int virtual_key, bool down);
bool PushText(const std::string& utf8);
bool PushActivate(bool active);
bool PushExpose();
// The window's close button.
bool PushCloseRequest();

}  // namespace platform
