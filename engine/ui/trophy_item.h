// TROFEI: a trophy picture whose hint box fades in while the pointer rests on it.
#pragma once

#include <string>

#include "engine/ui/colour4.h"
#include "engine/ui/sprite.h"

class WFONT;

class TROFEI : public WSPRITE {
  public:
    // Where the hint box lies.
    enum Placement { kUnderScreenCentre = 0, kOnLowerEdge = 1 };

    // The picture is read from the currently selected pack.
    TROFEI(const char* image, int placement);

    // Once per frame: hover state and fade. Hovering needs a hint text and a font.
    void UpdateHover();
    // While hovered: the box and the text. Owners call it after drawing all their items.
    void DrawHint();
    bool IsHovered() const { return hovered_; }
    // The fade's colours as they are drawn.
    uint32_t GetHintBackColour() const { return ToArgb(back_); }
    uint32_t GetHintBorderColour() const { return ToArgb(border_); }
    uint32_t GetHintTextColour() const { return ToArgb(text_); }

    std::string hint_text;       // UTF-8
    WFONT* hint_font = nullptr;  // not owned

  private:
    bool hovered_ = false;
    COLOUR4 back_;
    COLOUR4 border_;
    COLOUR4 text_;
    int placement_;
    float hover_timer_ = 0.0f;  // seconds the pointer has rested on the item, at most kFadeTime
};
