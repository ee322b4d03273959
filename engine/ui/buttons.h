// Clickable sprites: WBUTTON, the four-frame WBUTTONMAP4, the action button BUTTONACT and the
// check box WBUTTONCHK. Each polls the application's input in its Update.
#pragma once

#include <cstdint>
#include <string>

#include "engine/ui/sprite.h"

class WINPUT;
class WFONT;
class WSOUND;

// A one-image button that reports which mouse button went down over it.
class WBUTTON : public WSPRITE {
  public:
    // Update results.
    enum { kNone = 0, kLeft = 1, kRight = 2, kDoubleClick = 3 };

    // Hit size = the quad size.
    explicit WBUTTON(const char* name);
    // Takes ownership of texture; hit size = the texture's size.
    explicit WBUTTON(WTEXTURE* texture);

    // kDoubleClick, kLeft or kRight for a press over the button this frame, else kNone.
    int Update(int flag, float step) override;
    // The hit rectangle is the hit size times the scale, centred on the position whatever the
    // anchor.
    bool IsOver() const;
    float DistanceTo(int x, int y) const;
    // DistanceTo in units of the hit height.
    float DistanceRatio(int x, int y) const;
    void SetUniformScale(float s) { scale = {s, s}; }
    void Move(float dx, float dy);
    // Hit size and quad size.
    void SetButtonSize(int width, int height);

  protected:
    WINPUT* input_;
    int hit_width_ = 0;
    int hit_height_ = 0;
};

// A button whose image is a strip of four equal frames (normal, hover, pressed, disabled) and
// which reports a completed click: a press and a release inside, without leaving in between.
class WBUTTONMAP4 : public WSPRITE {
  public:
    enum State { kNormal = 0, kHover = 1, kPressed = 2, kDisabled = 3 };

    explicit WBUTTONMAP4(const char* name);

    // 1 on the frame a click completes, else 0. A disabled button still reports clicks; only
    // its look changes.
    int Update(int flag, float step) override;
    // Scales one frame, not the whole strip.
    void SetScale(float sx, float sy) override;
    void SetEnabled(bool enabled);
    bool IsEnabled() const { return enabled_; }
    int GetState() const { return state_; }
    // The left button went down on the button and is still held there, whatever its look.
    bool IsHeldDown() const;
    int GetFrameWidth() const { return static_cast<int>(QuadWidth()) / 4; }
    int GetHitWidth() const { return hit_width_; }
    int GetHitHeight() const { return hit_height_; }
    void SetUniformScale(float s) { SetScale(s, s); }
    void ShowFrame(int state);

  protected:
    int hit_width_ = 0;
    int hit_height_ = 0;
    bool enabled_ = true;
    bool pressed_latch_ = false;
    int state_ = kHover;
    WINPUT* input_;
};

// A four-frame button with a hover sound, a hint box over its top edge and click actions: the
// menu and panel buttons.
class BUTTONACT : public WBUTTONMAP4 {
  public:
    using Action = void (*)();
    using ActionWithArgument = void (*)(void*);

    BUTTONACT(const char* name, Action action);
    BUTTONACT(const char* name, ActionWithArgument action, void* argument);
    // The action receives the button itself and reads tag from it.
    BUTTONACT(const char* name, ActionWithArgument action, int tag);

    // Runs the actions (plain first) and returns 1 on a completed click, else 0.
    int Update(int flag, float step) override;
    // The hint box and text, while the hint is shown. Owners call it after drawing the
    // buttons so that the hint lies on top.
    void DrawHint();
    // May be null (silence).
    void SetHoverSound(WSOUND* sound) { hover_sound_ = sound; }
    bool IsHintShown() const { return hint_shown_; }

    int tag = 0;
    // The hint shows only with both a text and a font.
    std::string hint_text;
    WFONT* hint_font = nullptr;
    uint32_t hint_fill = 0x88000000;    // ARGB
    uint32_t hint_border = 0xFFFFCC00;  // ARGB
    uint32_t hint_shadow = 0;           // ARGB; 0 draws the box without a shadow

  private:
    void UpdateHint();

    WSOUND* hover_sound_ = nullptr;
    bool hover_latch_ = false;
    Action action_ = nullptr;
    ActionWithArgument action_with_argument_ = nullptr;
    void* argument_ = nullptr;
    float hint_timer_ = 0.0f;  // seconds
    bool hint_shown_ = false;
};

// A check box: a two-frame image (box, mark) toggled by a left press inside the circle of half
// the image height around its position.
class WBUTTONCHK : public WSPRITE {
  public:
    explicit WBUTTONCHK(const char* name);

    // 1 when the press toggled the box this frame, else 0.
    int Update(int flag, float step) override;
    // The box (unless ticked with box_under_mark off), then the mark when ticked.
    int Draw(int flag) override;
    int IsChecked() const { return ticked_; }
    void SetChecked(bool checked) { ticked_ = checked ? 1 : 0; }

    // Draw the empty box under the mark.
    bool box_under_mark = true;

  private:
    int ticked_ = 0;
    int hit_radius_ = 0;
    WINPUT* input_;
};
