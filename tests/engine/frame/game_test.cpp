// WUN::ST_GAME without a window: the drawn-frame accumulator, the loading-phase frame,
// activation, the update step and the window's events.
#include "engine/frame/game.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "engine/frame/item_root.h"
#include "engine/platform/platform.h"
#include "engine/platform/virtual_keys.h"
#include "engine/resources/file_system.h"
#include "engine/text/strings.h"
#include "tests/engine/frame/scratch_home.h"

namespace {

int g_scene_calls = 0;
int g_overlay_calls = 0;
int g_update_calls = 0;
int g_activate_calls = 0;
int g_deactivate_calls = 0;
float g_scene_frame_time = -1.0f;  // the frame time the last scene was drawn with
int g_left_seen = 0;               // the left button's counter as the last update saw it
void CountScene() {
    ++g_scene_calls;
    g_scene_frame_time = WUN::ST_GAME::GetInstance()->GetFrameTime();
}
void CountOverlay() {
    ++g_overlay_calls;
}
int CountUpdate() {
    g_left_seen = WUN::ST_GAME::GetInstance()->input.GetLeft();
    return ++g_update_calls, 0;
}
void CountActivate() {
    ++g_activate_calls;
}
void CountDeactivate() {
    ++g_deactivate_calls;
}

class FrameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game_ = WUN::ST_GAME::GetInstance();
        game_->SetSceneCallback(&CountScene);
        game_->SetOverlayCallback(&CountOverlay);
        game_->SetUpdateCallback(&CountUpdate);
        game_->SetActivateCallback(&CountActivate);
        game_->SetDeactivateCallback(&CountDeactivate);
        g_scene_calls = g_overlay_calls = g_update_calls = 0;
        g_activate_calls = g_deactivate_calls = 0;
    }
    void TearDown() override {
        game_->SetSceneCallback(nullptr);
        game_->SetOverlayCallback(nullptr);
        game_->SetUpdateCallback(nullptr);
        game_->SetActivateCallback(nullptr);
        game_->SetDeactivateCallback(nullptr);
        game_->SetPauseWhenInactive(true);
        game_->OnActivate(0);
    }

    // Renders with no time passing until no frame is due any more.
    void DrainFrames() {
        game_->timer.delta = 0.0f;
        while (game_->GetFrameAccumulator() >= 1.0f) {
            game_->Render();
        }
        g_scene_calls = g_overlay_calls = 0;
    }

    WUN::ST_GAME* game_ = nullptr;
};

class COUNTING_SCREEN : public WST::ST {
  public:
    int Update(int, float) override { return ++updates, 0; }
    int Draw(int) override { return ++draws, 0; }
    int updates = 0;
    int draws = 0;
};

TEST_F(FrameTest, LongStepDrawsOneFramePerRenderUntilBelowOne) {
    DrainFrames();
    const float residue = game_->GetFrameAccumulator();
    // A capped 0.18 s step at 90 frames per second makes 16.2 frames due.
    game_->timer.delta = 0.18f;
    game_->Render();
    EXPECT_EQ(g_scene_calls, 1);
    // Drawing code sees the time since the previous drawn frame.
    EXPECT_FLOAT_EQ(game_->GetFrameTime(), 0.18f);
    int calls = 1;
    while (calls < 100) {
        game_->timer.delta = 0.0f;
        const int before = g_scene_calls;
        game_->Render();
        if (g_scene_calls == before) {
            break;
        }
        EXPECT_EQ(g_scene_calls, before + 1) << "one frame per call";
        ++calls;
    }
    const int expected = static_cast<int>(residue + 0.18f * 90.0f);
    EXPECT_EQ(g_scene_calls, expected);
    EXPECT_EQ(g_overlay_calls, expected);
    EXPECT_LT(game_->GetFrameAccumulator(), 1.0f);
    EXPECT_EQ(game_->render.GetFrameState(), 0) << "every drawn frame is presented";
}

TEST_F(FrameTest, ShortStepsDrawOnlyWhenAFrameIsDue) {
    DrainFrames();
    const float residue = game_->GetFrameAccumulator();
    // 4 ms steps: 0.36 frames each.
    int renders_until_draw = 0;
    while (g_scene_calls == 0 && renders_until_draw < 10) {
        game_->timer.delta = 0.004f;
        game_->Render();
        ++renders_until_draw;
    }
    int expected = 1;
    while (residue + expected * 0.36f < 1.0f) {
        ++expected;
    }
    EXPECT_EQ(renders_until_draw, expected);
    // The frame drawn sees the time of every step since the previous drawn frame.
    EXPECT_NEAR(game_->GetFrameTime(), 0.004f * expected, 1e-6);
}

TEST_F(FrameTest, UpdateCallsTheGameThenAdvancesInput) {
    game_->input.SetButton(WINPUT::kLeft, true);
    game_->input.KeyDown('Q');
    game_->Update();
    EXPECT_EQ(g_update_calls, 1);
    EXPECT_EQ(game_->input.GetLeft(), 2);
    EXPECT_EQ(game_->input.GetKey('Q'), 2);
    game_->input.SetButton(WINPUT::kLeft, false);
    game_->input.KeyUp('Q');
    game_->Update();
    game_->Update();
    EXPECT_EQ(game_->input.GetLeft(), 0);
    EXPECT_EQ(game_->input.GetKey('Q'), 0);
}

TEST_F(FrameTest, AStepTakesTheEventsThenUpdatesThenDrawsWhenAFrameIsDue) {
    // A frame drawn on request uses up the frames due: the count starts from 0.
    game_->Step(0.0f, true);
    EXPECT_EQ(game_->GetFrameAccumulator(), 0.0f);
    g_update_calls = g_scene_calls = g_overlay_calls = 0;

    ASSERT_TRUE(platform::PushMouseButton(platform::MouseButton::kLeft, true, false));
    game_->Step(0.001f);  // 0.09 frames: nothing to draw
    EXPECT_EQ(g_update_calls, 1);
    EXPECT_EQ(g_left_seen, 1) << "the press reached the update of the same step";
    EXPECT_FLOAT_EQ(game_->GetFrameTime(), 0.001f);
    EXPECT_EQ(g_scene_calls, 0);
    game_->Step(0.001f, true);
    EXPECT_EQ(g_update_calls, 2);
    EXPECT_EQ(g_scene_calls, 1);
    EXPECT_EQ(g_overlay_calls, 1);
    EXPECT_FLOAT_EQ(g_scene_frame_time, 0.002f) << "the time since the previous drawn frame";
    game_->Step(0.012f);  // 1.08 frames
    EXPECT_EQ(g_scene_calls, 2);
    EXPECT_NEAR(game_->GetFrameAccumulator(), 0.08f, 1e-5);
    game_->input.ClearButtons();
}

// The callbacks here draw nothing, so the picture stands still: a drawn frame is shown again
// only when the window or the player did something since the last one shown.
TEST_F(FrameTest, AStillPictureIsShownAgainOnlyAfterAnEvent) {
    struct CASE {
        const char* event;
        std::function<bool()> push;
        bool shown;
    };
    const CASE cases[] = {
        {"none", [] { return true; }, false},
        {"a pointer move", [] { return platform::PushMouseMove(7, 9); }, true},
        {"a key released",
         [] { return platform::PushKey(VK_ESCAPE, true) && platform::PushKey(VK_ESCAPE, false); },
         true},
        {"typed text", [] { return platform::PushText("a"); }, true},
        {"an exposure", [] { return platform::PushExpose(); }, true},
    };
    game_->Step(0.0f, true);
    for (const CASE& c : cases) {
        game_->Step(0.0f, true);
        const int before = game_->render.GetPresentedFrames();
        ASSERT_TRUE(c.push()) << c.event;
        game_->Step(0.0f, true);
        EXPECT_EQ(game_->render.GetPresentedFrames() - before, c.shown ? 1 : 0) << c.event;
        game_->Step(0.0f, true);
        EXPECT_EQ(game_->render.GetPresentedFrames() - before, c.shown ? 1 : 0)
            << c.event << ": still again";
    }
    game_->input.EndFrame();
}

TEST_F(FrameTest, StepsWhileLoadingDrawOnlyTheLoadingScreen) {
    COUNTING_SCREEN screen;
    game_->SetLoadingScreen(&screen);
    game_->SetLoadingCounter(2);
    game_->Step(0.1f, true);
    game_->Step(0.1f, true);
    game_->SetLoadingCounter(0);
    game_->SetLoadingScreen(nullptr);
    EXPECT_EQ(screen.draws, 2);
    EXPECT_EQ(g_update_calls + g_scene_calls, 0);
}

TEST_F(FrameTest, APausedWindowIsDrawnAgainOnlyWhenExposed) {
    game_->OnActivate(1);
    game_->Step(0.1f, true);
    EXPECT_EQ(g_update_calls + g_scene_calls, 0) << "paused";
    ASSERT_TRUE(platform::PushExpose());
    game_->Step(0.1f);
    EXPECT_EQ(g_update_calls, 0);
    EXPECT_EQ(g_scene_calls, 1);
    EXPECT_EQ(g_overlay_calls, 1);
    EXPECT_EQ(g_scene_frame_time, 0.0f) << "time stands still while paused";
    game_->Step(0.1f);
    EXPECT_EQ(g_scene_calls, 1) << "one picture per exposure";
    game_->OnActivate(0);
    game_->Step(0.1f);
    EXPECT_EQ(g_update_calls, 1);
}

TEST_F(FrameTest, ActivationPausesAndResumes) {
    struct Case {
        bool pause_when_inactive;
        int value;
        bool inactive;
        int deactivate_calls;
        int activate_calls;
    };
    const Case cases[] = {
        {true, 1, true, 1, 0},   {false, 1, false, 1, 0},
        {true, 0, false, 0, 1},  {true, 2, false, 0, 0},  // other values are ignored
        {true, -1, false, 0, 0},
    };
    for (const Case& c : cases) {
        game_->OnActivate(0);
        g_activate_calls = g_deactivate_calls = 0;
        game_->SetPauseWhenInactive(c.pause_when_inactive);
        game_->OnActivate(c.value);
        EXPECT_EQ(game_->IsInactive(), c.inactive) << c.value;
        EXPECT_EQ(g_deactivate_calls, c.deactivate_calls) << c.value;
        EXPECT_EQ(g_activate_calls, c.activate_calls) << c.value;
    }
}

TEST_F(FrameTest, LoadingFrameDrawsOnlyTheLoadingScreen) {
    COUNTING_SCREEN screen;
    game_->render.SetBlendMode(3);
    game_->SetLoadingScreen(&screen);
    game_->LoadingFrame();
    game_->LoadingFrame();
    EXPECT_EQ(screen.updates, 2);
    EXPECT_EQ(screen.draws, 2);
    EXPECT_EQ(game_->render.GetBlendMode(), 1);
    EXPECT_EQ(g_scene_calls + g_overlay_calls + g_update_calls, 0);
    EXPECT_EQ(game_->render.GetFrameState(), 0);
    game_->SetLoadingScreen(nullptr);
    game_->LoadingFrame();
    EXPECT_EQ(screen.updates, 2);
}

TEST_F(FrameTest, AWindowOfAnotherSizeGetsThePictureLetterBoxed) {
    // The window manager gave the full-screen window 1280 x 1024 where 1024 x 768 was shown.
    game_->SetVideoMode(1024, 768, false);
    game_->FitToWindow(1280, 1024);
    EXPECT_EQ(game_->render.GetBackBufferWidth(), 1280);
    EXPECT_EQ(game_->render.GetBackBufferHeight(), 1024);
    EXPECT_EQ(game_->GetGameWidth(), 1024);
    EXPECT_EQ(game_->GetGameHeight(), 768);
    EXPECT_EQ(game_->render.GetScaledWidth(), 1280);
    EXPECT_EQ(game_->render.GetScaledHeight(), 960);
    EXPECT_EQ(game_->render.GetOffsetY(), 32);
    game_->FitToWindow(0, 0);  // nonsense sizes change nothing
    EXPECT_EQ(game_->render.GetBackBufferWidth(), 1280);
    game_->SetVideoMode(1024, 768, false);
}

TEST_F(FrameTest, VideoModeSetsCentreAndLogicalSize) {
    game_->SetVideoMode(800, 600, false);
    EXPECT_EQ(game_->Centre.x, 400);
    EXPECT_EQ(game_->Centre.y, 300);
    EXPECT_EQ(game_->centre, &game_->Centre);
    EXPECT_EQ(game_->GetGameWidth(), 800);
    EXPECT_EQ(game_->GetGameHeight(), 600);
    EXPECT_EQ(game_->render.GetBackBufferWidth(), 800);
    EXPECT_FALSE(game_->IsFullScreen());

    game_->SetVideoMode(1025, 767, true);
    EXPECT_EQ(game_->Centre.x, 512);
    EXPECT_EQ(game_->Centre.y, 383);
    EXPECT_EQ(game_->render.GetBackBufferWidth(), game_->GetDesktopWidth());
    EXPECT_EQ(game_->render.GetBackBufferHeight(), game_->GetDesktopHeight());
    EXPECT_EQ(game_->GetGameWidth(), 1025);
    EXPECT_TRUE(game_->IsFullScreen());
    EXPECT_TRUE(game_->window.full_screen);
    EXPECT_FALSE(game_->window.scaling);
}

class InitTest : public ScratchHome {};

TEST_F(InitTest, MissingPlayLinkFileStopsBeforeAnythingIsTouched) {
    const std::string working = std::filesystem::current_path().string();
    ASSERT_EQ(::chdir(home_.Root().c_str()), 0);
    const char* saved = g_texts.error_play_url;
    g_texts.error_play_url = "The play link is missing";
    WUN::ST_GAME* game = WUN::ST_GAME::GetInstance();
    EXPECT_EQ(game->Init("Init Company", "Init Product"), -1);
    g_texts.error_play_url = saved;
    ASSERT_EQ(::chdir(working.c_str()), 0);
    EXPECT_EQ(WFILE_SYSTEM::FileExists(data_home_), 0);
    EXPECT_EQ(game->GetWindowHandle(), nullptr);
}

TEST_F(FrameTest, DesktopSizeCheck) {
    EXPECT_TRUE(WUN::ST_GAME::DesktopFits(1024, 768));
    EXPECT_TRUE(WUN::ST_GAME::DesktopFits(1920, 1080));
    EXPECT_FALSE(WUN::ST_GAME::DesktopFits(1023, 768));
    EXPECT_FALSE(WUN::ST_GAME::DesktopFits(1024, 767));
}

TEST_F(FrameTest, WindowEventsReachInputThroughTheLetterBox) {
    // 1024 x 768 letter-boxed on a 1920 x 1080 back buffer: picture 1440 x 1080 at (240, 0).
    game_->render.ResetMode(1920, 1080, true);
    game_->render.SetLogicalSize(1024, 768);
    WINDOW_EVENTS events(*game_);
    events.OnMouseMove(960, 540);
    int x = 0, y = 0;
    game_->input.GetPosition(x, y);
    EXPECT_EQ(x, 512);
    EXPECT_EQ(y, 384);

    events.OnMouseButton(platform::MouseButton::kLeft, true, true);
    events.OnMouseButton(platform::MouseButton::kRight, true, false);
    events.OnMouseButton(platform::MouseButton::kMiddle, true, false);
    events.OnKey(VK_ESCAPE, true);
    EXPECT_EQ(game_->input.GetLeft(), 1);
    EXPECT_TRUE(game_->input.IsDoubleClick());
    EXPECT_EQ(game_->input.GetRight(), 1);
    EXPECT_EQ(game_->input.GetMiddle(), 1);
    EXPECT_EQ(game_->input.GetKey(VK_ESCAPE), 1);
    // Released before the game saw the presses: the releases show in the next iteration.
    events.OnKey(VK_ESCAPE, false);
    events.OnMouseButton(platform::MouseButton::kLeft, false, false);
    EXPECT_EQ(game_->input.GetKey(VK_ESCAPE), 1);
    EXPECT_EQ(game_->input.GetLeft(), 1);
    game_->input.EndFrame();
    EXPECT_EQ(game_->input.GetKey(VK_ESCAPE), 0xFF);
    EXPECT_EQ(game_->input.GetLeft(), -1);

    events.OnKey('B', true);
    const char16_t b[] = {u'b'};
    events.OnText(b, 1);
    EXPECT_EQ(std::u16string(game_->input.GetChars()), u"b");
    game_->input.EndFrame();
    game_->input.ClearButtons();

    events.OnActivate(false);
    EXPECT_TRUE(game_->IsInactive());
    EXPECT_EQ(g_deactivate_calls, 1);
    events.OnActivate(true);
    EXPECT_FALSE(game_->IsInactive());
    EXPECT_EQ(g_activate_calls, 1);
}

TEST_F(FrameTest, LosingFocusMinimisesOnlyAFullScreenWindow) {
    for (const bool full_screen : {false, true}) {
        game_->SetVideoMode(1024, 768, full_screen);
        WINDOW_EVENTS events(*game_);
        events.OnActivate(false);
        EXPECT_EQ(game_->window.minimised, full_screen) << full_screen;
        EXPECT_TRUE(game_->IsInactive()) << "the frame pauses either way";
        events.OnActivate(true);
        EXPECT_FALSE(game_->window.minimised);
        EXPECT_FALSE(game_->IsInactive());
    }
}

}  // namespace
