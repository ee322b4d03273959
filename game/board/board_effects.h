// The board's short-lived effect items: the swelling score number and the bullet that carries
// a join's sparkle trail up to the score panel.
#pragma once

#include <string>

#include "engine/ui/object_tree.h"

class WFONT;
class WSPRITE;
namespace WUN {
class PARTIC;
}

namespace GAME {

// An effect item that its owner may advance by a step of its own; Update advances it by the
// frame delta. Both answer -1 once finished, and the owner then deletes the item.
class TIMED_EFFECT : public WST::STE {
  public:
    int64_t Update() override;
    virtual int64_t Advance(float dt) = 0;
};

class PUZZLE_EXPENSE : public TIMED_EFFECT {
  public:
    PUZZLE_EXPENSE(WFONT* font, float x, float y, std::string text);
    int64_t Advance(float dt) override;
    void Draw() override;

    float time = 1.0f;   // seconds left
    float angle = 0.0f;  // drives the swelling: 1 + 2 sin(angle)

    // The numbers font is baked at the largest size a number swells to, this many times the size
    // it starts at: drawn scaled down, it is sharp where it is seen longest.
    static constexpr float kBakedScale = 3.0f;

  private:
    WFONT* font_;
    std::string text_;
};

class PARTICLE_BULLET : public TIMED_EFFECT {
  public:
    // Flies from start to end in half a second, leaving a trail, and dies past end's y.
    PARTICLE_BULLET(WUN::PARTIC* trail, WSPRITE* head, float start_x, float start_y, float end_x,
                    float end_y, int screen_width);
    int64_t Advance(float dt) override;
    void Draw() override;

  private:
    WUN::PARTIC* trail_;
    WSPRITE* head_;
    WST::VEC2 start_;
    WST::VEC2 end_;
    float min_x_;
    float max_x_;
    float min_y_;
    float timer_ = 0.0f;
};

}  // namespace GAME
