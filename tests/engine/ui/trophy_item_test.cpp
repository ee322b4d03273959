// TROFEI: hovering, the hint fade and where the hint box lies.
#include "engine/ui/trophy_item.h"

#include "engine/resources/config.h"
#include "tests/engine/ui/ui_fixture.h"

namespace {

// A 60 x 40 trophy at (300, 200): hovered while 270 < x < 330 and 180 < y < 220.
class TrophyItemTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        font = MakeFont();
        SetDelta(0.05f);
    }
    std::unique_ptr<TROFEI> Make(int placement, const char* text = "Sage") {
        auto trophy = std::make_unique<TROFEI>(Image(60, 40).c_str(), placement);
        trophy->SetPosition(300, 200);
        trophy->hint_text = text;
        trophy->hint_font = font.get();
        return trophy;
    }
    static uint32_t Alpha(uint32_t argb) { return argb >> 24; }

    std::unique_ptr<WFONT> font;
};

TEST_F(TrophyItemTest, HintFadesInWhileThePointerRestsAndVanishesWhenItLeaves) {
    auto trophy = Make(TROFEI::kOnLowerEdge);
    MoveMouse(310, 210);
    for (int frame = 0; frame < 3; ++frame) {
        trophy->UpdateHover();
    }
    EXPECT_TRUE(trophy->IsHovered());
    EXPECT_EQ(Alpha(trophy->GetHintBackColour()), 64u);  // 0.25
    EXPECT_EQ(Alpha(trophy->GetHintBorderColour()), 64u);
    EXPECT_EQ(Alpha(trophy->GetHintTextColour()), 128u);  // 0.5
    for (int frame = 0; frame < 10; ++frame) {
        trophy->UpdateHover();
    }
    EXPECT_EQ(Alpha(trophy->GetHintBackColour()), 128u);  // 0.5 at most
    EXPECT_EQ(Alpha(trophy->GetHintTextColour()), 255u);
    EXPECT_EQ(trophy->GetHintBorderColour() & 0xFFFFFF, 0xFFCC00u);
    EXPECT_EQ(trophy->GetHintTextColour() & 0xFFFFFF,
              static_cast<uint32_t>(g_config.font_main_color) & 0xFFFFFF);

    MoveMouse(400, 210);
    trophy->UpdateHover();
    EXPECT_FALSE(trophy->IsHovered());
    EXPECT_EQ(Alpha(trophy->GetHintTextColour()), 0u);
    trophy->DrawHint();
    EXPECT_TRUE(Draws().empty());
    // Back on it, the fade starts again from the beginning.
    MoveMouse(300, 200);
    trophy->UpdateHover();
    EXPECT_EQ(Alpha(trophy->GetHintTextColour()), ChannelByte(0.05f / 0.3f));
}

TEST_F(TrophyItemTest, WithoutHintTextItNeverHovers) {
    auto trophy = Make(TROFEI::kOnLowerEdge, "");
    MoveMouse(300, 200);
    trophy->UpdateHover();
    EXPECT_FALSE(trophy->IsHovered());
    trophy->DrawHint();
    EXPECT_TRUE(Draws().empty());
}

TEST_F(TrophyItemTest, OnTheLowerEdgeTheBoxReachesEightPixelsFurtherRight) {
    auto trophy = Make(TROFEI::kOnLowerEdge);
    MoveMouse(300, 200);
    trophy->UpdateHover();
    trophy->DrawHint();
    ASSERT_FALSE(Draws().empty());
    ASSERT_EQ(Draws()[0].kind, WRECORDED_DRAW::kRect);
    // Text width 4 * (16 + 8) = 96; the lower edge at 220; font size 32 * 1.2.
    const COVERED box = Covered(Draws()[0]);
    EXPECT_FLOAT_EQ(300.0f - box.left, 48.0f + 5.0f);
    EXPECT_FLOAT_EQ(box.right - 300.0f, 48.0f + 8.0f + 5.0f);
    EXPECT_FLOAT_EQ(box.top, static_cast<int>(20.0f + 200.0f - 19.2f));
    EXPECT_FLOAT_EQ(box.bottom, static_cast<int>(19.2f + 20.0f + 200.0f));
    EXPECT_EQ(DrawnText(*font), "Sage");
    // The font keeps its own colour afterwards.
    EXPECT_EQ(font->GetColour(), 0xFFFFFFFFu);
}

TEST_F(TrophyItemTest, UnderTheScreenCentreTheBoxLiesAtAFixedPlace) {
    auto trophy = Make(TROFEI::kUnderScreenCentre);
    MoveMouse(300, 200);
    trophy->UpdateHover();
    trophy->DrawHint();
    ASSERT_FALSE(Draws().empty());
    const COVERED box = Covered(Draws()[0]);
    EXPECT_FLOAT_EQ(box.left, 512 - 48 - 5 - 5);
    EXPECT_FLOAT_EQ(box.right, 512 + 48 + 5 + 5);
    EXPECT_FLOAT_EQ(box.top, 384 + 180);
    EXPECT_FLOAT_EQ(box.bottom, 384 + 180 + 32);
}

}  // namespace
