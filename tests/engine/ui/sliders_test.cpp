// Sliders: stepping by the caps or the buttons, dragging with clamping, and the drawn parts.
#include "engine/ui/sliders.h"

#include "tests/engine/ui/ui_fixture.h"

namespace {

// A 64 x 16 strip: W / 8 = 8, W / 4 = 16, knob radius 8. The track starts at (100, 100) with
// length 216, so the knob runs from x 108 to 308, two pixels per percent.
class SlidersTest : public UiTest {
  protected:
    template <class SLIDER>
    void PlaceTrack(SLIDER& slider) {
        slider.SetLength(216.0f);
        slider.SetTrackPosition(100.0f, 100.0f);
    }
    // A press and a release at (x, y); the results of both frames, added.
    int Click(WST::ST& item, int x, int y) {
        MoveMouse(x, y);
        PressLeft();
        int changed = item.Update(0, 0.0f);
        EndFrame();
        ReleaseLeft();
        changed += item.Update(0, 0.0f);
        EndFrame();
        return changed;
    }
    std::string Strip() { return Image(64, 16); }
    std::string ButtonStrip() { return Image(64, 16, 0xFF808080, "button.png"); }  // hit 16 x 16
};

TEST_F(SlidersTest, RightCapStepsUpToTheMaximumAndThenReportsNoChange) {
    WUN::WSLIDER slider(Strip().c_str());
    PlaceTrack(slider);
    EXPECT_EQ(slider.Query(0), 1);
    for (int i = 1; i <= 100; ++i) {
        ASSERT_EQ(Click(slider, 316, 100), 1) << i;
        ASSERT_FLOAT_EQ(slider.GetValue(), static_cast<float>(i));
    }
    EXPECT_FLOAT_EQ(slider.GetPercent(), 100.0f);
    EXPECT_FLOAT_EQ(slider.GetKnobX(), 308.0f);
    EXPECT_EQ(Click(slider, 316, 100), 0);
    EXPECT_FLOAT_EQ(slider.GetValue(), 100.0f);
    // The left cap steps back down and stops at the minimum.
    EXPECT_EQ(Click(slider, 100, 100), 1);
    EXPECT_FLOAT_EQ(slider.GetValue(), 99.0f);
    EXPECT_FLOAT_EQ(slider.GetKnobX(), 306.0f);
}

TEST_F(SlidersTest, DraggingBeyondTheEndClampsKnobAndValue) {
    WUN::WSLIDER slider(Strip().c_str());
    PlaceTrack(slider);
    slider.SetRange(0, 50);
    MoveMouse(108, 100);  // on the knob
    PressLeft();
    EXPECT_EQ(slider.Update(0, 0.0f), 0);  // grabbed, not moved
    EndFrame();
    MoveMouse(208, 130);
    EXPECT_EQ(slider.Update(0, 0.0f), 1);
    EXPECT_FLOAT_EQ(slider.GetPercent(), 50.0f);
    EXPECT_FLOAT_EQ(slider.GetValue(), 25.0f);
    EndFrame();
    MoveMouse(1000, 100);
    ReleaseLeft();  // the release frame still moves the knob
    EXPECT_EQ(slider.Update(0, 0.0f), 1);
    EXPECT_FLOAT_EQ(slider.GetKnobX(), 308.0f);
    EXPECT_FLOAT_EQ(slider.GetValue(), 50.0f);
    EndFrame();
    EXPECT_EQ(slider.Update(0, 0.0f), 0);
    EXPECT_FALSE(slider.IsDragging());
    // And before the start.
    MoveMouse(308, 100);
    PressLeft();
    slider.Update(0, 0.0f);
    EndFrame();
    MoveMouse(-50, 100);
    slider.Update(0, 0.0f);
    EXPECT_FLOAT_EQ(slider.GetKnobX(), 108.0f);
    EXPECT_FLOAT_EQ(slider.GetValue(), 0.0f);
}

TEST_F(SlidersTest, StepAfterADragStopsAtTheBoundInsteadOfPassingIt) {
    WUN::WSLIDER slider(Strip().c_str());
    PlaceTrack(slider);
    MoveMouse(108, 100);
    PressLeft();
    slider.Update(0, 0.0f);
    EndFrame();
    MoveMouse(307, 100);  // 99.5 %
    slider.Update(0, 0.0f);
    EndFrame();
    ReleaseLeft();
    slider.Update(0, 0.0f);
    EndFrame();
    slider.Update(0, 0.0f);
    ASSERT_FALSE(slider.IsDragging());
    ASSERT_FLOAT_EQ(slider.GetValue(), 99.5f);
    EXPECT_EQ(Click(slider, 316, 100), 1);
    EXPECT_FLOAT_EQ(slider.GetValue(), 100.0f);
    EXPECT_FLOAT_EQ(slider.GetKnobX(), 308.0f);
}

TEST_F(SlidersTest, SliderWithButtonsIgnoresMinusAtTheMinimumAndStepsOnPlus) {
    const std::string button = ButtonStrip();
    WUN::WSLIDER_E slider(Strip().c_str(), button.c_str(), button.c_str());
    PlaceTrack(slider);
    slider.SetRange(3, 15);
    // Minus at (100 - 16 / 8, 100), plus at (16 / 4 + 216 + 100, 100).
    EXPECT_FLOAT_EQ(slider.GetMinusButton()->pos.x, 98.0f);
    EXPECT_FLOAT_EQ(slider.GetPlusButton()->pos.x, 320.0f);
    EXPECT_EQ(Click(slider, 98, 100), 0);
    EXPECT_FLOAT_EQ(slider.GetValue(), 3.0f);
    EXPECT_EQ(Click(slider, 320, 100), 1);
    EXPECT_FLOAT_EQ(slider.GetValue(), 4.0f);
    EXPECT_NEAR(slider.GetPercent(), 100.0f / 12.0f, 1e-4);
    // SetLength moves the buttons but not the knob.
    const float knob = slider.GetKnobX();
    slider.SetLength(116.0f);
    EXPECT_FLOAT_EQ(slider.GetPlusButton()->pos.x, 220.0f);
    EXPECT_FLOAT_EQ(slider.GetKnobX(), knob);
}

TEST_F(SlidersTest, DrawsCapsTrackAndKnobAsFourPartsOfTheStrip) {
    WUN::WSLIDER slider(Strip().c_str());
    PlaceTrack(slider);
    slider.SetRange(0, 100);
    Click(slider, 316, 100);  // value 1: knob at 110
    render->ClearRecordedDraws();
    slider.Draw(0);
    const std::vector<WRECORDED_DRAW> draws = QuadDraws();
    ASSERT_EQ(draws.size(), 4u);
    struct PART {
        float u, left, right;
    };
    const PART parts[] = {{0.0f, 92, 108}, {0.25f, 108, 308}, {0.5f, 308, 324}, {0.75f, 102, 118}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const COVERED c = Covered(draws[i]);
        EXPECT_FLOAT_EQ(draws[i].corners[0].u, parts[i].u);
        EXPECT_FLOAT_EQ(c.left, parts[i].left);
        EXPECT_FLOAT_EQ(c.right, parts[i].right);
        EXPECT_FLOAT_EQ(c.top, 92.0f);
        EXPECT_FLOAT_EQ(c.bottom, 108.0f);
    }
}

TEST_F(SlidersTest, VerticalSliderRunsDownwardAndDrawsItsPartsTurned) {
    WUN::WVSLIDER slider(Strip().c_str());
    PlaceTrack(slider);
    EXPECT_FLOAT_EQ(slider.GetKnobX(), 100.0f);
    EXPECT_FLOAT_EQ(slider.GetKnobY(), 108.0f);
    EXPECT_EQ(Click(slider, 100, 316), 1);  // the lower cap
    EXPECT_FLOAT_EQ(slider.GetValue(), 1.0f);
    slider.SetValue(50);
    EXPECT_FLOAT_EQ(slider.GetKnobY(), 208.0f);
    EXPECT_EQ(slider.GetValueInt(), 50);
    render->ClearRecordedDraws();
    slider.Draw(0);
    const std::vector<WRECORDED_DRAW> draws = QuadDraws();
    ASSERT_EQ(draws.size(), 4u);
    const COVERED track = Covered(draws[1]);
    EXPECT_NEAR(track.top, 108.0f, 1e-3);
    EXPECT_NEAR(track.bottom, 308.0f, 1e-3);
    EXPECT_NEAR(track.left, 92.0f, 1e-3);
    EXPECT_NEAR(track.right, 108.0f, 1e-3);
    const COVERED knob = Covered(draws[3]);
    EXPECT_NEAR((knob.top + knob.bottom) / 2.0f, 208.0f, 1e-3);
    for (const WRECORDED_DRAW& draw : draws) {
        EXPECT_FLOAT_EQ(draw.angle, 1.5707964f);
    }
}

TEST_F(SlidersTest, SetPercentPlacesTheKnobAQuarterImageBeforeTheTrack) {
    WUN::WSLIDER slider(Strip().c_str());
    PlaceTrack(slider);
    slider.SetRange(0, 200);
    slider.SetPercent(50);
    EXPECT_FLOAT_EQ(slider.GetValue(), 100.0f);
    EXPECT_FLOAT_EQ(slider.GetKnobX(), 208.0f - 16.0f);
    EXPECT_EQ(Click(slider, 316, 100), 1);  // a step puts it back on the track
    EXPECT_FLOAT_EQ(slider.GetKnobX(), 208.0f + 1.0f);
}

TEST_F(SlidersTest, ScrollBarDrawsNothingWithoutARangeAndStepsWithItsButtons) {
    const std::string button = ButtonStrip();
    WVSLIDER_E bar(Strip().c_str(), button.c_str(), button.c_str());
    PlaceTrack(bar);
    bar.SetRange(0, 0);
    bar.Draw(0);
    EXPECT_TRUE(Draws().empty());
    bar.SetMax(3);
    bar.Draw(0);
    EXPECT_EQ(QuadDraws().size(), 6u);  // four parts and two buttons
    // Minus above the track at (100, 98), plus below at (100, 320).
    EXPECT_EQ(Click(bar, 100, 320), 1);
    EXPECT_EQ(Click(bar, 100, 320), 1);
    EXPECT_EQ(bar.GetValueInt(), 2);
    EXPECT_EQ(Click(bar, 100, 98), 1);
    EXPECT_EQ(bar.GetValueInt(), 1);
}

}  // namespace
