// INPUT_DRIVER: synthetic events through the platform seam, logical pixels mapped to the window's.
#include "tools/devkit/input_driver.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "engine/frame/game.h"
#include "engine/frame/window_events.h"
#include "engine/platform/platform.h"

namespace {

platform::MouseButton PlatformButton(WINPUT::Button button) {
    switch (button) {
        case WINPUT::kRight:
            return platform::MouseButton::kRight;
        case WINPUT::kMiddle:
            return platform::MouseButton::kMiddle;
        case WINPUT::kLeft:
            break;
    }
    return platform::MouseButton::kLeft;
}

// The window pixel on one axis that the frame maps to the logical coordinate: the first one
// that maps to it exactly, or the nearest where a picture shown smaller than its logical size
// skips the coordinate.
int WindowPixel(const LETTERBOX& box, bool horizontal, int logical) {
    const int offset = horizontal ? box.offset_x : box.offset_y;
    const int logical_size = horizontal ? box.logical_width : box.logical_height;
    const int scaled_size = horizontal ? box.scaled_width : box.scaled_height;
    if (logical_size <= 0 || scaled_size <= 0) {
        return logical;  // no picture yet: positions pass through unchanged
    }
    const int estimate =
        offset +
        static_cast<int>(std::floor(static_cast<double>(logical) * scaled_size / logical_size));
    int best = estimate;
    int best_error = INT_MAX;
    for (int pixel = estimate - 2; pixel <= estimate + 2; ++pixel) {
        int x = 0;
        int y = 0;
        MapClientToGame(box, horizontal ? pixel : 0, horizontal ? 0 : pixel, x, y);
        const int error = std::abs((horizontal ? x : y) - logical);
        if (error < best_error) {
            best = pixel;
            best_error = error;
        }
    }
    return best;
}

// The length in bytes of the UTF-8 character that starts at `at`; a stray byte counts as one.
std::string::size_type CharacterLength(const std::string& text, std::string::size_type at) {
    const unsigned char lead = static_cast<unsigned char>(text[at]);
    const std::string::size_type length = lead >= 0xF0   ? 4
                                          : lead >= 0xE0 ? 3
                                          : lead >= 0xC0 ? 2
                                                         : 1;
    return std::min(length, text.size() - at);
}

}  // namespace

INPUT_DRIVER::INPUT_DRIVER(WUN::ST_GAME& game, float step_seconds)
    : game_(game), step_seconds_(step_seconds) {}

void INPUT_DRIVER::Steps(int count, bool draw) {
    for (int i = 0; i < count; ++i) {
        game_.Step(step_seconds_, draw);
    }
}

bool INPUT_DRIVER::Then(bool queued, int steps) {
    Steps(steps);
    return queued;
}

bool INPUT_DRIVER::MoveTo(int x, int y, int steps) {
    const LETTERBOX box = LetterboxOf(game_.render);
    return Then(platform::PushMouseMove(WindowPixel(box, true, x), WindowPixel(box, false, y)),
                steps);
}

bool INPUT_DRIVER::Press(WINPUT::Button button, int steps) {
    return Then(platform::PushMouseButton(PlatformButton(button), true, false), steps);
}

bool INPUT_DRIVER::Release(WINPUT::Button button, int steps) {
    return Then(platform::PushMouseButton(PlatformButton(button), false, false), steps);
}

bool INPUT_DRIVER::Click(int x, int y, int steps, WINPUT::Button button) {
    bool queued = MoveTo(x, y);
    queued &= Press(button);
    queued &= Release(button);
    return Then(queued, steps);
}

bool INPUT_DRIVER::DoubleClick(int x, int y, int steps) {
    bool queued = Click(x, y, 2);
    queued &= platform::PushMouseButton(platform::MouseButton::kLeft, true, true);
    queued &= Release(WINPUT::kLeft);
    return Then(queued, steps);
}

bool INPUT_DRIVER::Drag(int from_x, int from_y, int to_x, int to_y, int moves, int steps) {
    bool queued = MoveTo(from_x, from_y);
    queued &= Press(WINPUT::kLeft, 1);
    for (int move = 1; move <= moves; ++move) {
        queued &= MoveTo(from_x + (to_x - from_x) * move / moves,
                         from_y + (to_y - from_y) * move / moves, 1);
    }
    queued &= Release(WINPUT::kLeft);
    return Then(queued, steps);
}

bool INPUT_DRIVER::KeyDown(int vk, int steps) {
    return Then(platform::PushKey(vk, true), steps);
}

bool INPUT_DRIVER::KeyUp(int vk, int steps) {
    return Then(platform::PushKey(vk, false), steps);
}

bool INPUT_DRIVER::PressKey(int vk, int steps) {
    bool queued = KeyDown(vk);
    queued &= KeyUp(vk);
    return Then(queued, steps);
}

bool INPUT_DRIVER::Type(const std::string& utf8, int steps) {
    bool queued = true;
    for (std::string::size_type at = 0; at < utf8.size();) {
        if (at > 0) {
            Steps(1);
        }
        const std::string::size_type length = CharacterLength(utf8, at);
        queued &= platform::PushText(utf8.substr(at, length));
        at += length;
    }
    return Then(queued, steps);
}

bool INPUT_DRIVER::Focus(bool active, int steps) {
    return Then(platform::PushActivate(active), steps);
}

bool INPUT_DRIVER::Expose(int steps) {
    return Then(platform::PushExpose(), steps);
}

bool INPUT_DRIVER::Close(int steps) {
    return Then(platform::PushCloseRequest(), steps);
}
