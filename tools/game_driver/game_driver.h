// GAME_DRIVER: the game as the program runs it, one main-loop iteration at a time: a window with
// its OpenGL device on the current video driver, the data of a built game folder, a per-user
// folder of its own, the game object, synthetic input and frames read back. The offscreen
// driver keeps the picture size the window was made with (1024 x 768); larger screenshots need a
// window system (Xvfb and the x11 driver).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace GAME {
class PUZZLE;
}

class GAME_DRIVER {
  public:
    static constexpr float kFrameSeconds = 1.0f / 60.0f;

    // Removes the per-user folder it made.
    ~GAME_DRIVER();

    // Opens the window (width x height, windowed), loads the game from game_dir with HOME and
    // the XDG folders pointed into a new temporary folder, and makes the game object. The
    // game's first frame has not run yet. False with a reason in Problem() when any step fails.
    bool Start(const std::string& game_dir, int width, int height);
    const std::string& Problem() const { return problem_; }
    GAME::PUZZLE& Game() const { return *game_; }
    const std::string& UserRoot() const { return user_root_; }

    // One iteration of frame_seconds: the game's update, then the input step.
    void Step(float frame_seconds = kFrameSeconds);
    // Iterations that together last seconds.
    void Run(float seconds);

    // --- Synthetic input, in game pixels; each press and release is one iteration.
    void MoveTo(int x, int y);
    void Click(int x, int y);
    // Presses at from, moves in steps to to (one iteration each) and releases there.
    void Drag(int from_x, int from_y, int to_x, int to_y, int steps);
    // A key (Windows virtual-key code) down for one iteration, then up.
    void Tap(int vk);

    // The window's drawable size in pixels.
    void WindowSize(int& width, int& height) const;
    // Draws one frame as the frame callbacks do and reads it back (ARGB rows, top first); the
    // read waits until the frame is drawn.
    bool Capture(std::vector<uint32_t>& pixels, int& width, int& height);
    // The frame written as PNG.
    bool WriteScreenshot(const std::string& path);

  private:
    std::string problem_;
    std::string user_root_;
    GAME::PUZZLE* game_ = nullptr;
};
