// WINPUT: the counter rules for buttons and keys, typed text and the strict hit tests.
#include "engine/frame/input.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>

#include "engine/platform/virtual_keys.h"

void MapClientToGame(const LETTERBOX& box, int client_x, int client_y, int& game_x, int& game_y) {
    const double x = client_x - box.offset_x;
    const double y = client_y - box.offset_y;
    game_x = client_x;
    game_y = client_y;
    if (box.scaled_width > 0 && box.scaled_height > 0) {
        game_x =
            static_cast<int>(x - (x / box.scaled_width) * (box.scaled_width - box.logical_width));
        game_y = static_cast<int>(y - (y / box.scaled_height) *
                                          (box.scaled_height - box.logical_height));
    }
}

namespace {

// Edges that arrived behind one the game has not seen yet; at most this many wait.
constexpr uint8_t kMaxWaitingEdges = 7;

// The edge a counter shows that the game has not seen yet: +1 went down, -1 went up, 0 none.
int ShownEdge(int counter, int released) {
    return counter == 1 ? 1 : counter == released ? -1 : 0;
}

// Puts an event (+1 down, -1 up) behind the edge shown, when there is one the game must see
// first. False when the event is for the counter itself.
bool Wait(int shown, int event, uint8_t& waiting) {
    if (waiting == 0) {
        if (shown == 0 || event == shown) {
            return false;
        }
        waiting = 1;
        return true;
    }
    const int last = waiting % 2 == 1 ? -shown : shown;
    if (event == last) {
        return true;  // a repeat changes nothing
    }
    // A full queue drops its last edge with this one: the state stays right, one tap is lost.
    waiting = waiting < kMaxWaitingEdges ? waiting + 1 : waiting - 1;
    return true;
}

}  // namespace

WINPUT::WINPUT() = default;

void WINPUT::SetPosition(int x, int y) {
    previous_x_ = x_;
    previous_y_ = y_;
    x_ = x;
    y_ = y;
    dx_ = x_ - previous_x_;
    dy_ = y_ - previous_y_;
}

int* WINPUT::ButtonCounter(int button) {
    switch (button) {
        case kLeft:
            return &left_;
        case kRight:
            return &right_;
        case kMiddle:
            return &middle_;
        default:
            return nullptr;
    }
}

void WINPUT::SetButton(int button, bool down) {
    int* counter = ButtonCounter(button);
    if (!counter) {
        return;
    }
    if (Wait(ShownEdge(*counter, -1), down ? 1 : -1, waiting_buttons_[button])) {
        return;
    }
    if (down) {
        *counter += 1;
    } else if (*counter > 0) {
        *counter = -1;
    }
}

bool WINPUT::TypesNoCharacter(int vk) {
    switch (vk) {
        case VK_BACK:
        case VK_RETURN:
        case VK_SHIFT:
        case VK_CONTROL:
        case VK_CAPITAL:
        case VK_ESCAPE:
        case VK_END:
        case VK_HOME:
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
        case VK_INSERT:
        case VK_DELETE:
            return true;
        default:
            return false;
    }
}

void WINPUT::KeyDown(int vk) {
    if (vk < 0 || vk > 255) {
        return;
    }
    last_key_ = vk;
    key_event_ = true;
    // Caps Lock is a toggle, not a key the game polls.
    if (vk == VK_CAPITAL) {
        return;
    }
    uint8_t& counter = keys_[vk];
    if (!Wait(ShownEdge(counter, 0xFF), 1, waiting_keys_[vk])) {
        counter = counter <= 120 ? counter + 1 : 2;
    }
}

void WINPUT::KeyUp(int vk) {
    if (vk < 0 || vk > 255 || vk == VK_CAPITAL) {
        return;
    }
    if (!Wait(ShownEdge(keys_[vk], 0xFF), -1, waiting_keys_[vk])) {
        keys_[vk] = 0xFF;
    }
}

void WINPUT::OnText(const char16_t* units, int count) {
    if (!units || count <= 0 || TypesNoCharacter(last_key_)) {
        return;
    }
    const int kept = count < 2 ? count : 2;
    for (int i = 0; i < kept; ++i) {
        chars_[i] = units[i];
    }
    chars_[kept] = 0;
    key_event_ = true;
}

int WINPUT::EndFrame() {
    for (int button : {kLeft, kMiddle, kRight}) {
        int& counter = *ButtonCounter(button);
        const int shown = ShownEdge(counter, -1);
        if (counter > 127) {
            counter = 2;
        }
        if (counter != 0) {
            counter += 1;
        }
        if (waiting_buttons_[button] > 0) {
            --waiting_buttons_[button];
            counter = -shown;
        }
    }
    for (int vk = 0; vk < 256; ++vk) {
        uint8_t& counter = keys_[vk];
        if (vk == VK_CAPITAL || counter == 0) {
            continue;
        }
        const int shown = ShownEdge(counter, 0xFF);
        counter = static_cast<uint8_t>(counter + 1);
        if (counter & 0x80) {
            counter = 2;
        }
        if (waiting_keys_[vk] > 0) {
            --waiting_keys_[vk];
            counter = shown == 1 ? 0xFF : 1;
        }
    }
    std::fill(std::begin(taken_keys_), std::end(taken_keys_), false);
    last_key_ = 0;
    chars_[0] = 0;
    key_event_ = false;
    double_click_ = false;
    dx_ = 0;
    dy_ = 0;
    return 1;
}

void WINPUT::GetPosition(int& x, int& y) const {
    x = x_;
    y = y_;
}

void WINPUT::GetPosition(float& x, float& y) const {
    x = static_cast<float>(x_);
    y = static_cast<float>(y_);
}

void WINPUT::GetMotion(int& dx, int& dy) const {
    dx = dx_;
    dy = dy_;
}

uint8_t WINPUT::GetKey(int vk) const {
    if (vk < 0 || vk > 255) {
        return 0;
    }
    return taken_keys_[vk] && keys_[vk] == 1 ? 2 : keys_[vk];
}

void WINPUT::TakeKeyPress(int vk) {
    if (vk < 0 || vk > 255 || keys_[vk] != 1) {
        return;
    }
    taken_keys_[vk] = true;
    if (last_key_ == vk) {
        last_key_ = 0;
        key_event_ = false;
    }
}

const char16_t* WINPUT::GetChars() const {
    return key_event_ ? chars_ : nullptr;
}

void WINPUT::ClearButtons() {
    left_ = right_ = middle_ = 0;
    for (uint8_t& waiting : waiting_buttons_) {
        waiting = 0;
    }
}

bool WINPUT::InCircle(float cx, float cy, float r) const {
    const double dx = x_ - static_cast<double>(cx);
    const double dy = y_ - static_cast<double>(cy);
    return std::sqrt(dx * dx + dy * dy) < r;
}

bool WINPUT::InRect(float x, float y, float w, float h) const {
    return x < x_ && x_ < x + w && y < y_ && y_ < y + h;
}
