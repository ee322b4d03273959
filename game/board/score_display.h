// SCORE_DISPLAY: the score at the top of the board, rolling up to its target in two seconds.
#pragma once

#include <string>

class WFONT;

namespace GAME {

class SCORE_DISPLAY {
  public:
    // A positive target starts a roll from the shown value that takes 2 s.
    void SetTarget(int value);
    void Update(float dt);
    // format: the localised text with one integer conversion (%d, %i or %u).
    void Draw(WFONT* font, const char* format, int x, int y) const;
    void Reset();

    float shown = 0.0f;
    int target = 0;
    float speed = 0.0f;  // points per second
};

// The text with its first integer conversion replaced by value and "%%" by "%". Other
// conversions stay as they are written: the format comes from a data file and is never handed
// to printf.
std::string FormatScore(const char* format, int value);

}  // namespace GAME
