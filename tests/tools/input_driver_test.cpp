// INPUT_DRIVER: logical positions through the letter-box, clicks, drags, keys, text, focus and
// the close button reach the game through the real frame step.
#include "tools/devkit/input_driver.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/frame/game.h"
#include "engine/platform/virtual_keys.h"

namespace {

// What the game's update saw in one step.
struct SEEN {
    int x = 0, y = 0;
    int left = 0, right = 0;
    bool double_click = false;
    int enter = 0;  // the Enter key's counter
    std::u16string chars;
};
std::vector<SEEN> g_seen;

int RecordStep() {
    const WINPUT& input = WUN::ST_GAME::GetInstance()->input;
    SEEN seen;
    input.GetPosition(seen.x, seen.y);
    seen.left = input.GetLeft();
    seen.right = input.GetRight();
    seen.double_click = input.IsDoubleClick();
    seen.enter = input.GetKey(VK_RETURN);
    if (const char16_t* chars = input.GetChars()) {
        seen.chars = chars;
    }
    g_seen.push_back(seen);
    return 0;
}

class InputDriverTest : public testing::Test {
  protected:
    void SetUp() override {
        game_->render.ResetMode(1024, 768, false);
        game_->render.SetLogicalSize(1024, 768);
        game_->SetUpdateCallback(RecordStep);
        g_seen.clear();
    }
    void TearDown() override { game_->SetUpdateCallback(nullptr); }

    std::vector<int> Seen(int SEEN::*field) const {
        std::vector<int> values;
        for (const SEEN& seen : g_seen) {
            values.push_back(seen.*field);
        }
        return values;
    }

    WUN::ST_GAME* game_ = WUN::ST_GAME::GetInstance();
    INPUT_DRIVER driver_{*game_};
};

TEST_F(InputDriverTest, LogicalPositionsReachTheGameThroughTheLetterBox) {
    struct Case {
        const char* name;
        int back_buffer_width, back_buffer_height;
        bool full_screen;
        int tolerance;  // a picture shown smaller than its logical size skips coordinates
    };
    const Case cases[] = {
        {"windowed", 1024, 768, false, 0},
        {"letter-boxed on 1920 x 1080", 1920, 1080, true, 0},
        {"shrunk onto 800 x 600", 800, 600, true, 1},
    };
    for (const Case& c : cases) {
        game_->render.ResetMode(c.back_buffer_width, c.back_buffer_height, c.full_screen);
        game_->render.SetLogicalSize(1024, 768);
        g_seen.clear();
        for (int x = 0; x < 1024; ++x) {
            ASSERT_TRUE(driver_.MoveTo(x, x * 3 / 4, 1));
            ASSERT_LE(std::abs(g_seen.back().x - x), c.tolerance) << c.name << " x " << x;
            ASSERT_LE(std::abs(g_seen.back().y - x * 3 / 4), c.tolerance) << c.name << " x " << x;
        }
    }
}

TEST_F(InputDriverTest, AClickShowsItsPressInOneStepAndItsReleaseInTheNext) {
    ASSERT_TRUE(driver_.Click(300, 200, 3));
    EXPECT_EQ(Seen(&SEEN::left), (std::vector<int>{1, -1, 0}));
    EXPECT_EQ(g_seen[0].x, 300);
    EXPECT_EQ(g_seen[0].y, 200);
    g_seen.clear();
    ASSERT_TRUE(driver_.Click(10, 20, 2, WINPUT::kRight));
    EXPECT_EQ(Seen(&SEEN::right), (std::vector<int>{1, -1}));
    EXPECT_EQ(Seen(&SEEN::left), (std::vector<int>{0, 0}));
}

TEST_F(InputDriverTest, ADoubleClickMarksItsSecondPress) {
    ASSERT_TRUE(driver_.DoubleClick(50, 60, 2));
    EXPECT_EQ(Seen(&SEEN::left), (std::vector<int>{1, -1, 1, -1}));
    std::vector<bool> marked;
    for (const SEEN& seen : g_seen) {
        marked.push_back(seen.double_click);
    }
    EXPECT_EQ(marked, (std::vector<bool>{false, false, true, false}));
}

TEST_F(InputDriverTest, ADragMovesAlongTheLineWithTheButtonHeld) {
    ASSERT_TRUE(driver_.Drag(100, 100, 400, 400, 3, 1));
    EXPECT_EQ(Seen(&SEEN::left), (std::vector<int>{1, 2, 3, 4, -1}));
    EXPECT_EQ(Seen(&SEEN::x), (std::vector<int>{100, 200, 300, 400, 400}));
    EXPECT_EQ(Seen(&SEEN::y), (std::vector<int>{100, 200, 300, 400, 400}));
}

TEST_F(InputDriverTest, KeysAndTextArriveOneKeyAStep) {
    ASSERT_TRUE(driver_.PressKey(VK_RETURN, 3));
    EXPECT_EQ(Seen(&SEEN::enter), (std::vector<int>{1, 0xFF, 0}));
    g_seen.clear();
    ASSERT_TRUE(driver_.Type("h\xC3\xA9!", 1));
    ASSERT_EQ(g_seen.size(), 3u);
    EXPECT_EQ(g_seen[0].chars, u"h");
    EXPECT_EQ(g_seen[1].chars, u"\u00e9");
    EXPECT_EQ(g_seen[2].chars, u"!");
    // The window has no key with this code: nothing is queued.
    EXPECT_FALSE(driver_.PressKey(VK_LBUTTON));
}

TEST_F(InputDriverTest, FocusPausesTheFrameAndTheCloseButtonEndsTheLoop) {
    ASSERT_TRUE(driver_.Focus(false, 2));
    EXPECT_TRUE(game_->IsInactive());
    EXPECT_TRUE(g_seen.empty()) << "no update while paused";
    ASSERT_TRUE(driver_.Focus(true, 1));
    EXPECT_FALSE(game_->IsInactive());
    EXPECT_EQ(g_seen.size(), 1u);
    ASSERT_TRUE(driver_.Close());
    EXPECT_EQ(game_->Run(), 0);
    EXPECT_FALSE(game_->IsRunning());
}

}  // namespace
