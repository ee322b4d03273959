// COLOUR_CHOOSER: four swatches of the configured board colours, the chosen one lifted on a
// shadow.
#pragma once

#include <cstdint>
#include <memory>

class WBUTTON;
class WSPRITE;

namespace GAME {

class COLOUR_CHOOSER {
  public:
    static constexpr int kSwatchCount = 4;
    static constexpr int kSwatchSize = 75;
    static constexpr int kSwatchStep = 95;

    // The swatch whose colour is colour (ARGB) starts chosen; none when no swatch has it. Reads
    // the swatches and the shadow from menu_pack and the plates from gui_pack; leaves no pack
    // selected.
    explicit COLOUR_CHOOSER(uint32_t colour);
    ~COLOUR_CHOOSER();
    COLOUR_CHOOSER(const COLOUR_CHOOSER&) = delete;
    COLOUR_CHOOSER& operator=(const COLOUR_CHOOSER&) = delete;

    // The swatch clicked this frame (it becomes the chosen one), else -1.
    int Update();
    void Draw();
    // The first swatch's centre; the others follow kSwatchStep apart to the right.
    void SetPosition(int x, int y);

    // -1 while none is chosen.
    int Chosen() const { return chosen_; }
    // The configured colour of swatch i (ARGB).
    static uint32_t Colour(int i);
    WBUTTON& Swatch(int i) const { return *swatches_[i]; }

  private:
    std::unique_ptr<WBUTTON> swatches_[kSwatchCount];
    std::unique_ptr<WSPRITE> plate_;
    std::unique_ptr<WSPRITE> shadow_;
    int chosen_ = -1;
};

}  // namespace GAME
