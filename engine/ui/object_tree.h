// The placed screen item (WST::STO, on the frame's root WST::ST) and the root of short-lived
// effect items (WST::STE).
#pragma once

#include <cstdint>

#include "engine/frame/item_root.h"

namespace WST {

// A two-component float vector: positions in logical pixels, or scale factors.
struct VEC2 {
    float x = 0.0f;
    float y = 0.0f;
    VEC2 operator-(const VEC2& o) const { return {x - o.x, y - o.y}; }
    VEC2 operator/(float d) const { return {x / d, y / d}; }
};

// A placed item: position (logical pixels), rotation (radians) and scale (1 = natural size).
class STO : public ST {
  public:
    int Update(int, float) override { return 0; }
    int Draw(int) override { return 0; }
    virtual int Query(int) { return 0; }
    virtual void SetScale(float sx, float sy) {
        scale.x = sx;
        scale.y = sy;
    }

    VEC2 pos;
    float rotation = 0.0f;
    VEC2 scale{1.0f, 1.0f};
};

// An effect item (score numbers, bonus marks, bullets): reports -1 from Update when finished.
class STE {
  public:
    virtual int64_t Update() { return 0; }
    virtual void Draw() {}
    virtual ~STE() = default;

    VEC2 pos;
};

}  // namespace WST
