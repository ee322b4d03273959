// WTEXTBOX: a one-line text entry field with fixed-pitch cells, a blinking caret, keyboard
// editing and a set of refused characters.
#pragma once

#include <string>

#include "engine/ui/object_tree.h"

class WFONT;
class WINPUT;
class WSPRITE;

class WTEXTBOX : public WST::ST {
  public:
    // Update results.
    enum { kNothing = 0, kCharacter = 1, kBackspace = 2, kDelete = 3 };

    // The background image (its top-left at the box's corner) and the font, which may be null
    // (a box that shows and accepts nothing). The box starts focused at the screen centre.
    WTEXTBOX(const char* image, WFONT* font);
    ~WTEXTBOX() override;
    WTEXTBOX(const WTEXTBOX&) = delete;
    WTEXTBOX& operator=(const WTEXTBOX&) = delete;

    // Caret blink, focus and caret placement by a click, then editing keys: kCharacter for any
    // key that went down with typed text (inserted or refused), kBackspace, kDelete, or
    // kNothing.
    int Update(int flag, float step) override;
    // The background, the characters, and the caret while focused. Returns 0.
    int Draw(int flag) override;

    // Top-left corner, logical pixels.
    void SetPosition(float x, float y);
    // The box holds at most width / cell - 1 characters (truncated), less one.
    void SetWidth(int width);
    void SetHeight(int height);
    float GetX() const { return x_; }
    float GetY() const { return y_; }
    float GetWidth() const { return width_; }
    float GetHeight() const { return height_; }
    int GetMaxLength() const { return max_length_; }
    int GetCaret() const { return caret_; }
    bool IsFocused() const { return focused_; }
    void SetFocused(bool focused) { focused_ = focused; }
    bool IsCaretShown() const { return caret_shown_; }

    // The text without trailing spaces, UTF-8; the box keeps its own text unchanged.
    std::string GetText() const;
    // Replaces the text (UTF-8) and puts the caret at its end.
    void SetText(const std::string& text);
    // Empties the text; caret 0.
    void Clear();

    // Characters a name may not contain (they would break file names and formats).
    static const std::wstring kRefused;

  private:
    void PlaceBackground();
    void PlaceCaret(int mouse_x);
    int Edit();

    float x_;
    float y_;
    float width_ = 200.0f;
    float height_;
    int max_length_ = 0;
    bool focused_ = true;
    int cell_ = 0;  // pixels per character
    int margin_ = 20;
    std::wstring text_;
    WINPUT* input_;
    WSPRITE* background_;  // owned
    WFONT* font_;          // not owned, may be null
    bool caret_shown_ = true;
    int caret_ = 0;
    float blink_timer_ = 0.0f;  // seconds
};
