// WMOUSEB: the game's mouse cursor, which also paints the black letter-box bars.
#pragma once

#include "engine/ui/sprite.h"

class WINPUT;

class WMOUSEB : public WSPRITE {
  public:
    explicit WMOUSEB(const char* name);
    ~WMOUSEB() override;

    // Follows the mouse position. Returns 0.
    int Update(int flag, float step) override;
    // On the back buffer: the bars over the letter-box margins, then the cursor (unless the
    // system's cursor shows instead). Returns 1.
    int Draw(int flag) override;
    // The game's own cursor, or the system's: the bars are drawn either way.
    void SetVisible(bool visible) { visible_ = visible; }
    bool IsVisible() const { return visible_; }

  private:
    void DrawBar(float x, float y, int width, int height);

    WSPRITE* bar_;  // a 2 x 2 opaque black texture, stretched over each margin
    WINPUT* input_;
    bool visible_ = true;
};
