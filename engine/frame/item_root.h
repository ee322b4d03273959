// WST::ST, the root of every screen item: the one contract between the frame, which drives the
// loading screen, and the items built above it.
#pragma once

namespace WST {

// A screen item: updated once per frame and drawn once per drawn frame by its owner.
// A step of 0.0 means "use the frame delta"; every caller passes flag 0. The destructor is
// virtual so that an item may be deleted through any of its bases; it is declared after the
// two frame operations so that they keep the first two virtual slots.
class ST {
  public:
    virtual int Update(int flag, float step) = 0;
    virtual int Draw(int flag) = 0;
    virtual ~ST() = default;
};

}  // namespace WST
