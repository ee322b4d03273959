// Value sliders: horizontal WUN::WSLIDER and vertical WUN::WVSLIDER, and their variants with
// minus and plus buttons at the ends, WUN::WSLIDER_E and WVSLIDER_E (the scroll bar).
#pragma once

#include "engine/ui/buttons.h"
#include "engine/ui/sprite.h"

class WINPUT;

namespace WUN {

// The track both directions share. The image is a strip of four equal parts: left cap, track,
// right cap, knob (W is the whole strip's width, H its height). "Along" is x for a horizontal
// slider and y for a vertical one; positions are logical pixels, the percent runs 0..100.
class WSLIDER_TRACK : public WSPRITE {
  public:
    ~WSLIDER_TRACK() override;

    // Drags the knob or steps by one unit; 1 when the value changed this frame, else 0.
    int Update(int flag, float step) override;
    // The caps, the track and the knob, then the buttons (if any). Returns 1 when it drew
    // buttons, else 0.
    int Draw(int flag) override;
    int Query(int) override { return 1; }

    // The track's start; the knob follows its percent onto the new track.
    void SetTrackPosition(float x, float y);
    void SetLength(float length);
    void SetRange(int min, int max);
    int SetMin(int min);
    int SetMax(int max);
    // Places the knob a quarter image width before where dragging to the same percent would;
    // the next drag or step moves it back onto the track.
    void SetPercent(int percent);
    void SetValue(int value);

    float GetValue() const { return value_; }
    int GetValueInt() const { return static_cast<int>(value_); }
    float GetPercent() const { return percent_; }
    float GetMin() const { return min_; }
    float GetMax() const { return max_; }
    float GetLength() const { return length_; }
    // Where SetTrackPosition put the track's start.
    float GetTrackX() const { return vertical_ ? start_across_ : start_along_; }
    float GetTrackY() const { return vertical_ ? start_along_ : start_across_; }
    bool IsDragging() const { return dragging_; }
    float GetKnobX() const { return vertical_ ? knob_across_ : knob_along_; }
    float GetKnobY() const { return vertical_ ? knob_along_ : knob_across_; }
    WBUTTONMAP4* GetMinusButton() const { return minus_; }
    WBUTTONMAP4* GetPlusButton() const { return plus_; }

  protected:
    // With minus and plus image names the caps step nothing and the buttons step instead.
    WSLIDER_TRACK(const char* name, bool vertical, const char* minus_name, const char* plus_name);

  private:
    // Steps 1 and 2 of the update: -1 when the knob is not being dragged, else the result.
    int Drag();
    int StepDown();
    int StepUp();
    // Percent and knob from the value after a step.
    void FollowValue();
    float PercentOfValue() const;
    float KnobOnTrack() const;
    float MouseAlong() const;
    bool MouseNear(float along, float across, float radius) const;
    void PlaceButtons();
    void DrawPart(float u, float along, float across, int size_along);

    bool vertical_;
    float start_along_ = 100.0f;
    float start_across_ = 100.0f;
    float length_;
    float min_ = 0.0f;
    float max_ = 100.0f;
    float percent_ = 0.0f;
    float value_ = 0.0f;
    float previous_percent_ = 0.0f;
    bool dragging_ = false;
    float image_w_;  // W
    float image_h_;  // H
    float knob_along_;
    float knob_across_;
    float knob_radius_;
    WINPUT* input_;
    WBUTTONMAP4* minus_ = nullptr;  // owned, or null for a slider stepped by its caps
    WBUTTONMAP4* plus_ = nullptr;
};

// A horizontal slider stepped by clicking its end caps.
class WSLIDER : public WSLIDER_TRACK {
  public:
    explicit WSLIDER(const char* name) : WSLIDER_TRACK(name, false, nullptr, nullptr) {}

  protected:
    WSLIDER(const char* name, const char* minus_name, const char* plus_name)
        : WSLIDER_TRACK(name, false, minus_name, plus_name) {}
};

// A vertical slider: the track runs downward and every part is drawn turned a quarter turn.
class WVSLIDER : public WSLIDER_TRACK {
  public:
    explicit WVSLIDER(const char* name) : WSLIDER_TRACK(name, true, nullptr, nullptr) {}

  protected:
    WVSLIDER(const char* name, const char* minus_name, const char* plus_name)
        : WSLIDER_TRACK(name, true, minus_name, plus_name) {}
};

// A horizontal slider with a minus button left of the track and a plus button right of it.
class WSLIDER_E : public WSLIDER {
  public:
    WSLIDER_E(const char* name, const char* minus_name, const char* plus_name)
        : WSLIDER(name, minus_name, plus_name) {}
};

}  // namespace WUN

// The scroll bar: a vertical slider with a minus button above and a plus button below.
class WVSLIDER_E : public WUN::WVSLIDER {
  public:
    WVSLIDER_E(const char* name, const char* minus_name, const char* plus_name)
        : WVSLIDER(name, minus_name, plus_name) {}

    // While the knob is dragged the buttons show their normal frame.
    int Update(int flag, float step) override;
    // Nothing while there is nothing to scroll (maximum 0 or less).
    int Draw(int flag) override;
};
