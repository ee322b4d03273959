// GAME_DRIVER: the real program, run frame by frame: its own start-up path (installation checks,
// tables, callbacks, Init, the loading thread) in a built game folder, with a per-user folder
// of its own, on the current video driver; input through the window's event queue; frames read
// back. For end-to-end tests, screenshots and benchmarks. One per process, as there is one
// application frame.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class INPUT_DRIVER;
namespace GAME {
class PUZZLE;
}

class GAME_DRIVER {
  public:
    static constexpr float kFrameSeconds = 1.0f / 60.0f;

    struct START {
        int width = 1024;
        int height = 768;
        // The player who played last; empty for a first start (no player yet).
        std::string player = "Tester";
    };

    GAME_DRIVER();
    // Removes the per-user folder it made.
    ~GAME_DRIVER();
    GAME_DRIVER(const GAME_DRIVER&) = delete;
    GAME_DRIVER& operator=(const GAME_DRIVER&) = delete;

    // Makes game_dir the working folder, points HOME and the XDG folders into a new temporary
    // folder, writes a windowed "game.xml" of the size asked for (and the last player), then
    // starts the program as its entry function does and steps until loading is over, clicking
    // the logos away. The game's first frame (which applies the player's settings) has not run
    // yet. False with a reason in Problem() when any step fails.
    bool Start(const std::string& game_dir, const START& start);
    bool Start(const std::string& game_dir, int width, int height);
    const std::string& Problem() const { return problem_; }
    GAME::PUZZLE& Game() const;
    const std::string& UserRoot() const { return user_root_; }
    // The loading screen's progress values in the order they were seen, without repeats (a
    // value the loading thread replaced between two steps is not seen).
    const std::vector<int>& LoadingProgress() const { return progress_; }

    // One iteration of the main loop of frame_seconds. The steps of Step, Run and the input
    // actions below draw their frames without the GPU (Capture draws for real).
    void Step(float frame_seconds = kFrameSeconds);
    // Iterations that together last seconds.
    void Run(float seconds);

    // --- The player's input, in game pixels; the game sees one edge of a button or key per
    // iteration.
    INPUT_DRIVER& Input() { return *input_; }
    void MoveTo(int x, int y);
    void Click(int x, int y);
    // Presses at from, moves in steps to to (one iteration each) and releases there.
    void Drag(int from_x, int from_y, int to_x, int to_y, int steps);
    // A key (Windows virtual-key code) down, then up.
    void Tap(int vk);

    // The window's drawable size in pixels.
    void WindowSize(int& width, int& height) const;
    // One iteration with a drawn frame, read back as it reaches the window (ARGB rows, top
    // first).
    bool Capture(std::vector<uint32_t>& pixels, int& width, int& height);
    // The frame written as PNG.
    bool WriteScreenshot(const std::string& path);

  private:
    bool LoadToMenu();
    // Runs steps whose frames go through their draw code but not to the GPU.
    void Unseen(const std::function<void()>& steps);

    std::string problem_;
    std::string user_root_;
    std::vector<int> progress_;
    std::unique_ptr<INPUT_DRIVER> input_;
};
