// GAME::LOADING_SCREEN: which logo shows when, skipping by click, and the percentage.
#include "engine/ui/loading_screen.h"

#include "engine/frame/editions.h"
#include "engine/resources/config.h"
#include "engine/resources/registry.h"
#include "engine/ui/shared_items.h"
#include "tests/engine/ui/ui_fixture.h"

namespace {

uint32_t g_now_ms = 0;
uint32_t FakeClock() {
    return g_now_ms;
}

// Frames of 125 ms: sixteen make two seconds exactly.
class LoadingScreenTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        font = MakeFont();
        g_fonts[2] = font.get();
        Image(1, 1, 0xFF00FF00, "loadwin.png");
        Image(64, 64, 0xFF996633, "floor.png");
        logo1 = FolderPath(Image(300, 100, 0xFFFF0000, "logo_one.png"));
        logo2 = FolderPath(Image(200, 100, 0xFF0000FF, "logo_two.png"));
        folder_path_ = FolderPath("");
        g_resources.packs.loading_pack = folder_path_.c_str();
        g_resources.packs.menu_pack = folder_path_.c_str();
        g_resources.loading_screen.background = "loadwin.png";
        g_resources.main_screen.linoleum = "floor.png";
        g_editions.splash1 = FolderPath("missing_one.png");
        g_editions.splash2 = FolderPath("missing_two.png");
        g_editions.title_text = nullptr;
        g_now_ms = 1000;
    }
    void TearDown() override {
        g_fonts[2] = nullptr;
        g_editions = EDITIONS();
        UiTest::TearDown();
    }
    std::unique_ptr<GAME::LOADING_SCREEN> Make() {
        return std::make_unique<GAME::LOADING_SCREEN>(FakeClock);
    }
    // Loading-phase frames: the screen's update, then the input advances, as the frame's
    // loading step does.
    void Frames(GAME::LOADING_SCREEN& screen, int count) {
        for (int i = 0; i < count; ++i) {
            g_now_ms += 125;
            screen.Update(0, 0.0f);
            game->input.EndFrame();
        }
    }
    // "logo 300", "logo 200", or "picture" from what a draw shows.
    std::string Showing(GAME::LOADING_SCREEN& screen) {
        render->ClearRecordedDraws();
        EXPECT_EQ(screen.Draw(0), 1);
        const std::vector<WRECORDED_DRAW> quads = QuadDraws();
        if (quads.size() == 2) {
            const COVERED logo = Covered(quads[1]);
            return "logo " + std::to_string(static_cast<int>(logo.right - logo.left));
        }
        return DrawnText(*font).empty() ? "nothing" : "picture " + DrawnText(*font);
    }

    std::unique_ptr<WFONT> font;
    std::string logo1;
    std::string logo2;
    std::string folder_path_;  // the packs name plain folders here
};

TEST_F(LoadingScreenTest, WithoutLogosTheFirstFrameShowsThePictureAndZeroPercent) {
    auto screen = Make();
    EXPECT_FLOAT_EQ(screen->IntroTime, 0.0f);
    EXPECT_EQ(Showing(*screen), "picture 0%");
    // The floor is drawn first, over the whole screen, repeating its image.
    const WRECORDED_DRAW floor = QuadDraws()[0];
    const COVERED c = Covered(floor);
    EXPECT_FLOAT_EQ(c.left, 0.0f);
    EXPECT_FLOAT_EQ(c.bottom, 768.0f);
    EXPECT_FLOAT_EQ(floor.corners[2].u, 1024.0f / 64.0f);
    Frames(*screen, 1);
    EXPECT_LT(screen->IntroTime, 0.0f);
}

TEST_F(LoadingScreenTest, ASingleSecondLogoShowsForTwoSeconds) {
    g_editions.splash2 = logo2;
    auto screen = Make();
    EXPECT_FLOAT_EQ(screen->IntroTime, 2.0f);
    EXPECT_EQ(Showing(*screen), "logo 200");
    // The backdrop of the splash colour covers the screen behind it.
    const WRECORDED_DRAW backdrop = QuadDraws()[0];
    EXPECT_EQ(render->LockTexture(backdrop.texture)[0], g_config.color_splash);
    EXPECT_FLOAT_EQ(Covered(backdrop).right, 1024.0f);
    Frames(*screen, 15);
    EXPECT_EQ(Showing(*screen), "logo 200");
    Frames(*screen, 1);
    EXPECT_EQ(Showing(*screen), "picture 0%");
}

TEST_F(LoadingScreenTest, TwoLogosShowTheSecondFirst) {
    g_editions.splash1 = logo1;
    g_editions.splash2 = logo2;
    auto screen = Make();
    EXPECT_FLOAT_EQ(screen->IntroTime, 4.0f);
    Frames(*screen, 1);
    EXPECT_EQ(Showing(*screen), "logo 200");
    Frames(*screen, 15);
    EXPECT_EQ(Showing(*screen), "logo 300");
    Frames(*screen, 16);
    EXPECT_EQ(Showing(*screen), "picture 0%");
}

TEST_F(LoadingScreenTest, AClickSkipsTheLogoOnShow) {
    g_editions.splash1 = logo1;
    g_editions.splash2 = logo2;
    auto screen = Make();
    Frames(*screen, 1);
    PressLeft();
    Frames(*screen, 1);
    EXPECT_EQ(Showing(*screen), "logo 300");
    Frames(*screen, 1);  // held: no second skip
    EXPECT_EQ(Showing(*screen), "logo 300");
    ReleaseLeft();
    Frames(*screen, 1);
    PressLeft();
    Frames(*screen, 1);
    EXPECT_EQ(Showing(*screen), "picture 0%");
}

TEST_F(LoadingScreenTest, ProgressShowsAsPercentWithTheEditionTitle) {
    auto screen = Make();
    screen->LoadProgress = 42;
    EXPECT_EQ(Showing(*screen), "picture 42%");
    g_editions.title_text = "Deluxe";
    EXPECT_EQ(Showing(*screen), "picture 42%Deluxe");
}

}  // namespace
