// WTEXTBOX: caret, focus, editing keys and the refused characters.
#include "engine/ui/text_box.h"

#include <pugixml.hpp>

#include "engine/frame/game.h"
#include "engine/frame/input.h"
#include "engine/platform/virtual_keys.h"
#include "engine/text/font.h"
#include "engine/ui/sprite.h"

namespace {

constexpr float kCaretOn = 0.5f;      // seconds the caret shows, then hides
constexpr float kBlinkPeriod = 1.0f;  // seconds
constexpr float kHeightPerCell = 1.7f;

// Typed UTF-16 units (zero-terminated) as code points; a lone surrogate is dropped.
std::wstring WideFromUnits(const char16_t* units) {
    std::wstring text;
    for (int i = 0; units[i] != 0; ++i) {
        const char32_t unit = units[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
            text.push_back(
                static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (units[i + 1] - 0xDC00)));
            ++i;
        } else if (unit < 0xD800 || unit > 0xDFFF) {
            text.push_back(static_cast<wchar_t>(unit));
        }
    }
    return text;
}

}  // namespace

const std::wstring WTEXTBOX::kRefused = L" \\*/.-+=_?&^!@#$%(){}[]|><,`~;:";

WTEXTBOX::WTEXTBOX(const char* image, WFONT* font)
    : input_(WUN::ST_GAME::GetInstance()->GetInput()),
      background_(new WSPRITE(image)),
      font_(font) {
    const WUN::ST_GAME* game = WUN::ST_GAME::GetInstance();
    x_ = static_cast<float>(game->Centre.x);
    y_ = static_cast<float>(game->Centre.y);
    if (font_ != nullptr) {
        cell_ = static_cast<int>(font_->GetScale() * static_cast<float>(font_->Size()));
    }
    height_ = static_cast<float>(cell_) * kHeightPerCell;
    background_->SetCentre(0, 0);
    SetWidth(static_cast<int>(width_));
}

WTEXTBOX::~WTEXTBOX() {
    delete background_;
}

void WTEXTBOX::PlaceBackground() {
    background_->SetPosition(static_cast<int>(x_), static_cast<int>(y_));
    background_->SetSize(static_cast<int>(width_), static_cast<int>(height_));
}

void WTEXTBOX::SetPosition(float x, float y) {
    x_ = x;
    y_ = y;
    PlaceBackground();
}

void WTEXTBOX::SetWidth(int width) {
    width_ = static_cast<float>(width);
    PlaceBackground();
    // With no cell size (no font) nothing fits.
    max_length_ = cell_ > 0 ? static_cast<int>(width_ / static_cast<float>(cell_) - 1.0f) : 0;
}

void WTEXTBOX::SetHeight(int height) {
    height_ = static_cast<float>(height);
    PlaceBackground();
}

void WTEXTBOX::PlaceCaret(int mouse_x) {
    const int length = static_cast<int>(text_.size());
    const float inside = static_cast<float>(mouse_x) - x_;
    if (cell_ <= 0 || inside < static_cast<float>(margin_) + static_cast<float>(cell_) / 2.0f) {
        caret_ = 0;
        return;
    }
    // After the character under the mouse, or after the last one.
    const int cell = static_cast<int>((inside - static_cast<float>(margin_)) / cell_);
    caret_ = cell + 1 < length ? cell + 1 : length;
}

int WTEXTBOX::Edit() {
    const int length = static_cast<int>(text_.size());
    if (input_->KeyWentDown(VK_RIGHT) && caret_ < length) {
        ++caret_;
    }
    if (input_->KeyWentDown(VK_LEFT) && caret_ > 0) {
        --caret_;
    }
    if (input_->KeyWentDown(VK_BACK)) {
        if (caret_ > 0) {
            text_.erase(static_cast<size_t>(caret_ - 1), 1);
            --caret_;
        }
        return kBackspace;
    }
    if (input_->KeyWentDown(VK_DELETE)) {
        if (caret_ < length) {
            text_.erase(static_cast<size_t>(caret_), 1);
        }
        return kDelete;
    }
    if (!input_->HasKeyEvent()) {
        return kNothing;
    }
    const char16_t* chars = input_->GetChars();
    const std::wstring typed = chars != nullptr ? WideFromUnits(chars) : std::wstring();
    if (typed.empty()) {
        return kNothing;  // a key that types nothing (arrows, Shift, ...)
    }
    const int typed_length = static_cast<int>(typed.size());
    // Each character is checked, not the typed text as a whole: a name becomes a folder name,
    // and "/a" typed in one event must not slip a separator past the set.
    if (length < max_length_ && length + typed_length < max_length_ &&
        typed.find_first_of(kRefused) == std::wstring::npos) {
        // One key event may type two characters (a dead key that did not combine).
        text_.insert(static_cast<size_t>(caret_), typed);
        caret_ += typed_length;
    }
    return kCharacter;
}

int WTEXTBOX::Update(int, float) {
    blink_timer_ += WUN::ST_GAME::GetInstance()->GetFrameTime();
    if (blink_timer_ >= kBlinkPeriod) {
        blink_timer_ = 0.0f;
    }
    caret_shown_ = blink_timer_ < kCaretOn;

    if (input_->GetLeft() != 0) {
        if (input_->InRect(static_cast<int>(x_), static_cast<int>(y_), static_cast<int>(width_),
                           static_cast<int>(height_))) {
            focused_ = true;
            int mouse_x = 0;
            int mouse_y = 0;
            input_->GetPosition(mouse_x, mouse_y);
            PlaceCaret(mouse_x);
        } else {
            focused_ = false;
        }
    }
    return focused_ ? Edit() : kNothing;
}

int WTEXTBOX::Draw(int) {
    background_->Draw(0);
    if (font_ == nullptr) {
        return 0;
    }
    const int y = static_cast<int>((height_ - static_cast<float>(cell_)) / 2.0f + y_);
    for (size_t i = 0; i < text_.size(); ++i) {
        const float x = static_cast<float>(cell_ * static_cast<int>(i) + margin_) + x_;
        font_->DrawChar(static_cast<int>(text_[i]), static_cast<int>(x), y);
    }
    if (focused_ && caret_shown_) {
        font_->DrawText(static_cast<int>(static_cast<float>(margin_ + cell_ * caret_) + x_), y,
                        "|");
    }
    return 0;
}

std::string WTEXTBOX::GetText() const {
    const size_t end = text_.find_last_not_of(L' ');
    if (end == std::wstring::npos) {
        return std::string();
    }
    return pugi::as_utf8(text_.substr(0, end + 1));
}

void WTEXTBOX::SetText(const std::string& text) {
    text_ = pugi::as_wide(text);
    caret_ = static_cast<int>(text_.size());
}

void WTEXTBOX::Clear() {
    caret_ = 0;
    text_.clear();
}
