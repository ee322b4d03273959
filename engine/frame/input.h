// WINPUT: polled mouse and keyboard state as small counters that advance once per iteration.
#pragma once

#include <cstdint>

// Where the game picture sits in the window: the render device's letter-box numbers.
struct LETTERBOX {
    int offset_x = 0;  // back-buffer pixels from the window's left edge to the picture
    int offset_y = 0;
    int logical_width = 0;  // game pixels
    int logical_height = 0;
    int scaled_width = 0;  // back-buffer pixels the picture covers
    int scaled_height = 0;
};

// A client-area pixel to game coordinates (logical pixels), truncated toward zero. With no
// picture size yet the position is passed through unchanged.
void MapClientToGame(const LETTERBOX& box, int client_x, int client_y, int& game_x, int& game_y);

// Counters: 0 up, 1 went down since the last EndFrame, 2 and more held (counting iterations),
// -1 (0xFF for keys) went up since the last EndFrame. Keys are Windows virtual-key codes.
// The game sees one edge of a button or key per iteration: a press and its release that arrive
// together (a tap) show as 1 in one iteration and as -1 in the next, never as a lost press.
class WINPUT {
  public:
    enum Button { kLeft = 0, kRight = 1, kMiddle = 2 };

    WINPUT();

    // --- Fed by the window's events, between iterations.
    void SetPosition(int x, int y);
    void SetButton(int button, bool down);
    // A double click of the left button; cleared by EndFrame.
    void SetDoubleClick() { double_click_ = true; }
    void KeyDown(int vk);
    void KeyUp(int vk);
    // Typed text (UTF-16). Keeps the first two units, zero-terminated, and marks a key event.
    // Text that follows a key which types nothing (Enter, arrows, ...) is dropped.
    void OnText(const char16_t* units, int count);
    // Advances every counter by one iteration; called after the game's update. Returns 1.
    int EndFrame();

    // --- Read by the game.
    void GetPosition(int& x, int& y) const;
    void GetPosition(float& x, float& y) const;
    void GetMotion(int& dx, int& dy) const;
    int GetLeft() const { return left_; }
    int GetRight() const { return right_; }
    int GetMiddle() const { return middle_; }
    bool IsDoubleClick() const { return double_click_; }
    uint8_t GetKey(int vk) const;
    // The key went down since the last iteration (a held key is not pressed again).
    bool KeyWentDown(int vk) const { return GetKey(vk) == 1; }
    // The key is down, freshly or held.
    bool KeyIsDown(int vk) const {
        const uint8_t state = GetKey(vk);
        return state != 0 && state != 0xFF;
    }
    // A fresh press taken by one reader: the rest of this iteration sees the key held, not
    // pressed, so a shortcut's key does not also act on its own.
    void TakeKeyPress(int vk);
    // The virtual key of the last key-down this iteration, 0 when none.
    int GetLastKey() const { return last_key_; }
    bool HasKeyEvent() const { return key_event_; }
    // The typed characters (zero-terminated) when a key went down this iteration, else null.
    const char16_t* GetChars() const;
    void ClearButtons();
    // Strict tests: a mouse exactly on the edge is outside. Logical pixels.
    bool InCircle(float cx, float cy, float r) const;
    bool InRect(float x, float y, float w, float h) const;

  private:
    static bool TypesNoCharacter(int vk);
    // The counter of a mouse button, null for no button.
    int* ButtonCounter(int button);

    int x_ = 0;
    int y_ = 0;
    int previous_x_ = 0;
    int previous_y_ = 0;
    int dx_ = 0;
    int dy_ = 0;
    int left_ = 0;
    int right_ = 0;
    int middle_ = 0;
    uint8_t keys_[256] = {};
    // Per button and per key: how many edges wait to be shown, one per EndFrame. They alternate,
    // starting with the opposite of the edge the counter shows.
    uint8_t waiting_buttons_[3] = {};
    uint8_t waiting_keys_[256] = {};
    bool taken_keys_[256] = {};  // until EndFrame
    char16_t chars_[3] = {};
    int last_key_ = 0;
    bool key_event_ = false;
    bool double_click_ = false;
};
