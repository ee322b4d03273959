// Events pushed into SDL reach the EventSink as the frame expects them.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/platform/platform.h"
#include "engine/platform/virtual_keys.h"

namespace {

// Writes every event as one short line.
class RecordingSink : public platform::EventSink {
  public:
    void OnMouseMove(int x, int y) override {
        log.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    }
    void OnMouseButton(platform::MouseButton b, bool down, bool double_click) override {
        log.push_back("button " + std::to_string(int(b)) + (down ? " down" : " up") +
                      (double_click ? " double" : ""));
    }
    void OnKey(int vk, bool down) override {
        log.push_back("key " + std::to_string(vk) + (down ? " down" : " up"));
    }
    void OnText(const char16_t* units, int count) override {
        std::string text = "text";
        for (int i = 0; i < count; ++i) {
            text += " " + std::to_string(int(units[i]));
        }
        log.push_back(text);
    }
    void OnActivate(bool active) override { log.push_back(active ? "active" : "inactive"); }
    void OnExpose() override { log.push_back("expose"); }
    void OnResize(int width, int height) override {
        log.push_back("resize " + std::to_string(width) + "x" + std::to_string(height));
    }
    void OnCloseRequest() override { log.push_back("close"); }
    std::vector<std::string> log;
};

class SdlEventsTest : public testing::Test {
  protected:
    static void SetUpTestSuite() { window_ = platform::CreateGameWindow("events"); }
    void SetUp() override {
        if (window_ == nullptr) {
            GTEST_SKIP() << "no window on this machine";
        }
        RecordingSink drain;
        platform::PumpEvents(drain);
    }
    static void Push(SDL_Event e) { ASSERT_EQ(SDL_PushEvent(&e), 1); }
    static void* window_;
};

void* SdlEventsTest::window_ = nullptr;

TEST_F(SdlEventsTest, DeliversMouseKeysTextAndCloseInOrder) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = 12;
    e.motion.y = 34;
    Push(e);
    e = {};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_RIGHT;
    e.button.clicks = 2;
    e.button.x = 12;
    e.button.y = 34;
    Push(e);
    e.type = SDL_MOUSEBUTTONUP;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.clicks = 1;
    Push(e);
    e = {};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = SDLK_LSHIFT;
    Push(e);
    e.type = SDL_KEYUP;
    e.key.keysym.sym = SDLK_F13;  // no game key: nothing delivered
    Push(e);
    e = {};
    e.type = SDL_TEXTINPUT;
    SDL_strlcpy(e.text.text, "\xC3\xA9", sizeof(e.text.text));
    Push(e);
    e = {};
    e.type = SDL_QUIT;
    Push(e);

    RecordingSink sink;
    platform::PumpEvents(sink);
    std::vector<std::string> expected = {"move 12,34",  "button 1 down double",
                                         "button 0 up", "key " + std::to_string(VK_SHIFT) + " down",
                                         "text 233",    "close"};
    EXPECT_EQ(sink.log, expected);
}

TEST_F(SdlEventsTest, ANewWindowSizeArrivesAsTheDrawableSize) {
    SDL_Window* window = static_cast<SDL_Window*>(window_);
    SDL_SetWindowSize(window, 640, 480);
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
    e.window.windowID = SDL_GetWindowID(window);
    Push(e);
    RecordingSink sink;
    platform::PumpEvents(sink);
    ASSERT_FALSE(sink.log.empty());
    EXPECT_EQ(sink.log.back(), "resize 640x480");
}

TEST_F(SdlEventsTest, SyntheticEventsArriveAsTheWindowsOwn) {
    using platform::MouseButton;
    ASSERT_TRUE(platform::PushMouseMove(-5, 700));
    ASSERT_TRUE(platform::PushMouseButton(MouseButton::kLeft, true, false));
    ASSERT_TRUE(platform::PushMouseButton(MouseButton::kLeft, false, false));
    ASSERT_TRUE(platform::PushMouseButton(MouseButton::kMiddle, true, true));
    ASSERT_TRUE(platform::PushKey(VK_RETURN, true));
    ASSERT_TRUE(platform::PushKey('Q', false));
    ASSERT_TRUE(platform::PushText("a\xE2\x82\xAC"));
    ASSERT_TRUE(platform::PushActivate(false));
    ASSERT_TRUE(platform::PushExpose());
    ASSERT_TRUE(platform::PushActivate(true));
    ASSERT_TRUE(platform::PushCloseRequest());
    // Nothing is queued for what the window could never report.
    EXPECT_FALSE(platform::PushKey(VK_LBUTTON, true));
    EXPECT_FALSE(platform::PushText(std::string(platform::kMaxPushedText + 1, 'x')));

    RecordingSink sink;
    platform::PumpEvents(sink);
    const std::vector<std::string> expected = {"move -5,700",
                                               "button 0 down",
                                               "button 0 up",
                                               "button 2 down double",
                                               "key " + std::to_string(VK_RETURN) + " down",
                                               "key " + std::to_string('Q') + " up",
                                               "text 97 8364",
                                               "inactive",
                                               "expose",
                                               "active",
                                               "close"};
    EXPECT_EQ(sink.log, expected);
}

// Also where the driver cannot wait for events and the wait sleeps through instead.
TEST_F(SdlEventsTest, WaitingTellsOfAPendingEventAndLeavesItForThePump) {
    RecordingSink sink;
    platform::PumpEvents(sink);
    EXPECT_FALSE(platform::WaitForEvent(2)) << "nothing pending";
    SDL_Event e{};
    e.type = SDL_QUIT;
    Push(e);
    for (int timeout_ms : {0, 2}) {
        EXPECT_TRUE(platform::WaitForEvent(timeout_ms)) << timeout_ms;
    }
    sink.log.clear();
    platform::PumpEvents(sink);
    EXPECT_EQ(sink.log, std::vector<std::string>{"close"});
}

}  // namespace
