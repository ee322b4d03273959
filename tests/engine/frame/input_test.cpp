// WINPUT: counter rules for buttons and keys, typed text, strict hit tests, letter-box mapping.
#include "engine/frame/input.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/platform/virtual_keys.h"

namespace {

// Each string is one iteration's events ('D' down, 'U' up); the result holds the counter the
// game sees in each iteration, read before EndFrame.
std::vector<int> RunButton(const std::vector<std::string>& iterations) {
    WINPUT input;
    std::vector<int> seen;
    for (const std::string& events : iterations) {
        for (char e : events) {
            input.SetButton(WINPUT::kLeft, e == 'D');
        }
        seen.push_back(input.GetLeft());
        input.EndFrame();
    }
    return seen;
}

std::vector<int> RunKey(int vk, const std::vector<std::string>& iterations) {
    WINPUT input;
    std::vector<int> seen;
    for (const std::string& events : iterations) {
        for (char e : events) {
            e == 'D' ? input.KeyDown(vk) : input.KeyUp(vk);
        }
        seen.push_back(input.GetKey(vk));
        input.EndFrame();
    }
    return seen;
}

struct CounterCase {
    const char* name;
    std::vector<std::string> iterations;
    std::vector<int> seen;
};

TEST(WInput, ButtonCounters) {
    const CounterCase cases[] = {
        {"a tap in one iteration: the press, then the release", {"DU", "", ""}, {1, -1, 0}},
        {"press, hold, release", {"D", "", "", "U", ""}, {1, 2, 3, -1, 0}},
        {"release while up changes nothing", {"U", ""}, {0, 0}},
        {"a second press while held adds one", {"D", "D", ""}, {1, 3, 4}},
        {"a release and a press in one iteration", {"D", "UD", "", ""}, {1, -1, 1, 2}},
        {"a tap while the last release waits", {"DU", "DU", "", "", ""}, {1, -1, 1, -1, 0}},
        {"two taps in one iteration", {"DUDU", "", "", "", ""}, {1, -1, 1, -1, 0}},
        {"a repeat behind a waiting edge", {"DUUDD", "", "", ""}, {1, -1, 1, 2}},
        {"five taps: the last one does not fit behind the first",
         {"DUDUDUDUDU", "", "", "", "", "", "", "", ""},
         {1, -1, 1, -1, 1, -1, 1, -1, 0}},
    };
    for (const CounterCase& c : cases) {
        EXPECT_EQ(RunButton(c.iterations), c.seen) << c.name;
    }
}

TEST(WInput, HeldButtonWrapsFrom128To3) {
    std::vector<std::string> iterations(130);
    iterations[0] = "D";
    const std::vector<int> seen = RunButton(iterations);
    EXPECT_EQ(seen[126], 127);
    EXPECT_EQ(seen[127], 128);
    EXPECT_EQ(seen[128], 3);
    EXPECT_EQ(seen[129], 4);
}

TEST(WInput, KeyCounters) {
    const CounterCase cases[] = {
        {"a tap in one iteration: the press, then the release", {"DU", "", ""}, {1, 0xFF, 0}},
        {"press, hold, release", {"D", "", "U", ""}, {1, 2, 0xFF, 0}},
        {"a release and a press in one iteration", {"D", "UD", "", ""}, {1, 0xFF, 1, 2}},
        {"auto-repeat keeps counting", {"D", "D", "D"}, {1, 3, 5}},
        {"auto-repeat behind a waiting release", {"DUDD", "", ""}, {1, 0xFF, 1}},
    };
    for (const CounterCase& c : cases) {
        EXPECT_EQ(RunKey('A', c.iterations), c.seen) << c.name;
    }
}

TEST(WInput, ATakenPressIsHeldForTheRestOfItsIterationOnly) {
    // The first iteration's press is taken; the counters afterwards run as if it was not.
    const CounterCase cases[] = {
        {"a tap", {"DU", "", ""}, {2, 0xFF, 0}},
        {"a hold", {"D", "", "U"}, {2, 2, 0xFF}},
        {"a second press", {"D", "UD", ""}, {2, 0xFF, 1}},
    };
    for (const CounterCase& c : cases) {
        WINPUT input;
        std::vector<int> seen;
        for (size_t i = 0; i < c.iterations.size(); ++i) {
            for (char e : c.iterations[i]) {
                e == 'D' ? input.KeyDown(VK_RETURN) : input.KeyUp(VK_RETURN);
            }
            if (i == 0) {
                input.TakeKeyPress(VK_RETURN);
                EXPECT_FALSE(input.KeyWentDown(VK_RETURN)) << c.name;
                EXPECT_TRUE(input.KeyIsDown(VK_RETURN)) << c.name;
                EXPECT_EQ(input.GetLastKey(), 0) << c.name;
            }
            seen.push_back(input.GetKey(VK_RETURN));
            input.EndFrame();
        }
        EXPECT_EQ(seen, c.seen) << c.name;
    }
    // Only a fresh press can be taken: a held key stays as it is.
    WINPUT held;
    held.KeyDown('A');
    held.EndFrame();
    held.TakeKeyPress('A');
    held.EndFrame();
    EXPECT_EQ(held.GetKey('A'), 3);
}

TEST(WInput, AutoRepeatPast120GoesBackTo2) {
    const std::vector<int> seen = RunKey('A', std::vector<std::string>(64, "D"));
    EXPECT_EQ(seen[59], 119);
    EXPECT_EQ(seen[60], 121);  // 120 + 1: still counting
    EXPECT_EQ(seen[61], 2);    // 122 would pass 120
    EXPECT_EQ(seen[62], 4);
}

TEST(WInput, HeldKeyCyclesWithin2To127) {
    std::vector<std::string> iterations(129);
    iterations[0] = "D";
    const std::vector<int> seen = RunKey('A', iterations);
    EXPECT_EQ(seen[126], 127);
    EXPECT_EQ(seen[127], 2);
    EXPECT_EQ(seen[128], 3);
}

TEST(WInput, CapsLockNeverCounts) {
    EXPECT_EQ(RunKey(VK_CAPITAL, {"D", "", "U", "DU"}), (std::vector<int>{0, 0, 0, 0}));
    WINPUT input;
    input.KeyDown(VK_CAPITAL);
    EXPECT_TRUE(input.HasKeyEvent());
    EXPECT_EQ(input.GetLastKey(), VK_CAPITAL);
}

TEST(WInput, KeyEventAndTypedCharacters) {
    WINPUT input;
    EXPECT_EQ(input.GetChars(), nullptr);
    input.KeyDown('A');
    const char16_t a[] = {u'a'};
    input.OnText(a, 1);
    ASSERT_NE(input.GetChars(), nullptr);
    EXPECT_EQ(std::u16string(input.GetChars()), u"a");
    EXPECT_EQ(input.GetLastKey(), 'A');
    input.EndFrame();
    EXPECT_FALSE(input.HasKeyEvent());
    EXPECT_EQ(input.GetChars(), nullptr);
    EXPECT_EQ(input.GetLastKey(), 0);

    // A key that types nothing still makes a key event, with no characters.
    input.KeyDown(VK_RETURN);
    const char16_t newline[] = {u'\r'};
    input.OnText(newline, 1);
    ASSERT_NE(input.GetChars(), nullptr);
    EXPECT_EQ(input.GetChars()[0], 0);
    input.EndFrame();

    // A surrogate pair fits; longer text keeps its first two units.
    const char16_t long_text[] = {0xD83D, 0xDE00, u'x', u'y'};
    input.OnText(long_text, 4);
    EXPECT_EQ(std::u16string(input.GetChars()), (std::u16string{0xD83D, 0xDE00}));
}

TEST(WInput, MotionAndDoubleClickLastOneIteration) {
    WINPUT input;
    input.SetPosition(10, 20);
    input.SetPosition(15, 18);
    input.SetDoubleClick();
    int dx = 0, dy = 0;
    input.GetMotion(dx, dy);
    EXPECT_EQ(dx, 5);
    EXPECT_EQ(dy, -2);
    EXPECT_TRUE(input.IsDoubleClick());
    input.EndFrame();
    input.GetMotion(dx, dy);
    EXPECT_EQ(dx, 0);
    EXPECT_EQ(dy, 0);
    EXPECT_FALSE(input.IsDoubleClick());
    int x = 0, y = 0;
    input.GetPosition(x, y);
    EXPECT_EQ(x, 15);
    EXPECT_EQ(y, 18);
}

TEST(WInput, ClearButtonsResetsAllThreeWithTheirWaitingEdges) {
    WINPUT input;
    input.SetButton(WINPUT::kLeft, true);
    input.SetButton(WINPUT::kLeft, false);
    input.SetButton(WINPUT::kRight, true);
    input.SetButton(WINPUT::kMiddle, true);
    input.ClearButtons();
    EXPECT_EQ(input.GetLeft(), 0);
    EXPECT_EQ(input.GetRight(), 0);
    EXPECT_EQ(input.GetMiddle(), 0);
    input.EndFrame();
    EXPECT_EQ(input.GetLeft(), 0) << "the release that waited went with the press";
}

TEST(WInput, HitTestsAreStrict) {
    struct Case {
        int x, y;
        bool in_rect;    // rectangle (100, 50) size 20 x 10
        bool in_circle;  // centre (0, 0) radius 5
    };
    const Case cases[] = {
        {110, 55, true, false},  {100, 55, false, false}, {120, 55, false, false},
        {110, 50, false, false}, {110, 60, false, false}, {101, 51, true, false},
        {3, 4, false, false},  // distance exactly 5
        {3, 3, false, true},     {0, 0, false, true},     {-4, 2, false, true},
    };
    for (const Case& c : cases) {
        WINPUT input;
        input.SetPosition(c.x, c.y);
        EXPECT_EQ(input.InRect(100, 50, 20, 10), c.in_rect) << c.x << "," << c.y;
        EXPECT_EQ(input.InCircle(0, 0, 5), c.in_circle) << c.x << "," << c.y;
    }
}

TEST(WInput, MouseMappingThroughTheLetterBox) {
    // 1024 x 768 shown on a 1920 x 1080 desktop: picture 1440 x 1080 at (240, 0).
    const LETTERBOX full_screen{240, 0, 1024, 768, 1440, 1080};
    // Windowed: the picture fills the window.
    const LETTERBOX windowed{0, 0, 1024, 768, 1024, 768};
    struct Case {
        const LETTERBOX* box;
        int client_x, client_y;
        int game_x, game_y;
    };
    const Case cases[] = {
        {&full_screen, 240, 0, 0, 0},
        {&full_screen, 1680, 1080, 1024, 768},
        {&full_screen, 960, 540, 512, 384},
        {&full_screen, 1000, 3, 540, 2},
        {&full_screen, 241, 1, 0, 0},
        {&full_screen, 0, 0, -170, 0},
        {&windowed, 0, 0, 0, 0},
        {&windowed, 517, 301, 517, 301},
        {&windowed, 1023, 767, 1023, 767},
    };
    for (const Case& c : cases) {
        int gx = -1, gy = -1;
        MapClientToGame(*c.box, c.client_x, c.client_y, gx, gy);
        EXPECT_EQ(gx, c.game_x) << c.client_x << "," << c.client_y;
        EXPECT_EQ(gy, c.game_y) << c.client_x << "," << c.client_y;
    }
    int gx = 0, gy = 0;
    MapClientToGame(LETTERBOX{}, 33, 44, gx, gy);
    EXPECT_EQ(gx, 33);
    EXPECT_EQ(gy, 44);
}

}  // namespace
