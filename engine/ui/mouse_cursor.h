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
    // On the back buffer: the bars over the letter-box margins, then the cursor. Returns 1.
    int Draw(int flag) override;

  private:
    void DrawBar(float x, float y, int width, int height);

    WSPRITE* bar_;  // a 2 x 2 opaque black texture, stretched over each margin
    WINPUT* input_;
};
