// GAME_SESSION: the real program in this process: its start-up path in a scratch game folder
// (the built one, with a catalogue of our own) and a scratch per-user folder, on the offscreen
// driver, stepped frame by frame and played through the window's event queue.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "engine/frame/game.h"
#include "engine/frame/loading_lock.h"
#include "engine/ui/loading_screen.h"
#include "game/app/callbacks.h"
#include "game/app/entry.h"
#include "game/app/game_object.h"
#include "game/shell/puzzle.h"
#include "tests/support/scratch_folder.h"
#include "tools/devkit/input_driver.h"

// Two categories: the first opens with a 12-piece landscape, the second holds one portrait.
constexpr char kSessionCatalogue[] = R"(<?xml version="1.0"?>
<catalogue>
  <category>
    <picture adrFm="aitzgorri.jpg" adrSm="aitzgorri.jpg" amount="12" rot="false"/>
    <picture adrFm="mountain_sunset.jpg" adrSm="mountain_sunset.jpg" amount="35" rot="true"/>
  </category>
  <category>
    <picture adrFm="picos_de_europa.jpg" adrSm="picos_de_europa.jpg" amount="24" rot="false"/>
  </category>
</catalogue>
)";

class GAME_SESSION : public ::testing::Test {
  protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        const char* built = std::getenv("PD_GAME_DIR");
        ASSERT_NE(built, nullptr);
        for (const fs::directory_entry& entry : fs::directory_iterator(built)) {
            const std::string name = entry.path().filename().string();
            if (name != "pzls.xml") {
                fs::create_symlink(entry.path(), game_dir_.Path(name));
            }
        }
        game_dir_.Write("pzls.xml", kSessionCatalogue);
        ::setenv("XDG_DATA_HOME", data_home_.Root().c_str(), 1);
        ::setenv("HOME", data_home_.Root().c_str(), 1);
        ASSERT_EQ(::chdir(game_dir_.Root().c_str()), 0);
    }

    WUN::ST_GAME& Frame() { return *WUN::ST_GAME::GetInstance(); }
    GAME::PUZZLE& Game() { return *g_game; }
    std::string UserFile(const std::string& name) { return Frame().UserFolder() + name; }

    // Start-up, then steps until the loading phase hands over; the progress values the loading
    // screen showed, in the order seen, without repeats (a value the loading thread replaced
    // between two steps is not seen). Clicks skip the logos as a player would.
    std::vector<int> StartAndLoad() {
        std::vector<int> progress;
        if (GameStart() != 0) {
            ADD_FAILURE() << "start-up failed";
            return progress;
        }
        Frame().random.Seed(1.0f);
        // The loading thread works in real time: give it time, but never wait for ever.
        const auto give_up = std::chrono::steady_clock::now() + kLoadingLimit;
        for (int step = 0;
             Frame().GetLoadingCounter() > 0 && std::chrono::steady_clock::now() < give_up;
             ++step) {
            if (step % 30 == 0) {
                driver_.Click(8, 8);
            }
            driver_.Steps(1);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            LoadLock.Enter();
            if (auto* screen = dynamic_cast<GAME::LOADING_SCREEN*>(Frame().GetLoadingScreen())) {
                if (progress.empty() || progress.back() != screen->LoadProgress) {
                    progress.push_back(screen->LoadProgress);
                }
            }
            LoadLock.Leave();
        }
        EXPECT_EQ(Frame().GetLoadingCounter(), 0) << "loading never ended";
        return progress;
    }

    // One drawn frame, read back as it reaches the window (ARGB, top row first).
    std::vector<uint32_t> Capture() {
        captured_.clear();
        Frame().SetOverlayCallback(&CaptureOverlay);
        driver_.Steps(1, true);
        Frame().SetOverlayCallback(&GameDrawOverlay);
        return captured_;
    }
    uint32_t PixelAt(const std::vector<uint32_t>& picture, int x, int y) const {
        return picture.at(static_cast<size_t>(y) * captured_width_ + x);
    }

    static constexpr std::chrono::seconds kLoadingLimit{120};

    SCRATCH_FOLDER game_dir_;
    SCRATCH_FOLDER data_home_;
    INPUT_DRIVER& driver_ = Driver();

  private:
    // The frame object is made on first use and opens the audio device: only once the
    // environment above names the offscreen and dummy drivers.
    static INPUT_DRIVER& Driver() {
        ::setenv("SDL_VIDEODRIVER", "offscreen", 1);
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        static INPUT_DRIVER driver(*WUN::ST_GAME::GetInstance());
        return driver;
    }

    static void CaptureOverlay() {
        GameDrawOverlay();
        int height = 0;
        WUN::ST_GAME::GetInstance()->GetRender()->ReadBackBuffer(captured_, captured_width_,
                                                                 height);
    }

    static inline std::vector<uint32_t> captured_;
    static inline int captured_width_ = 0;
};
