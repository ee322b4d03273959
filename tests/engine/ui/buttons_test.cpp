// Buttons: hit rectangles, the click latch of four-frame buttons, actions and hints, check boxes
// and the cursor's letter-box bars.
#include "engine/ui/buttons.h"

#include <memory>
#include <string>
#include <vector>

#include "engine/audio/sound.h"
#include "engine/ui/mouse_cursor.h"
#include "tests/engine/ui/ui_fixture.h"
#include "tests/support/silent_wav.h"

namespace {

void PlainAction();

class ButtonsTest : public UiTest {
  protected:
    // A four-frame strip of 40 x 40 frames, centred on (200, 200): its hit rectangle is
    // 180 < x < 220, 180 < y < 220.
    std::string Strip() { return Image(160, 40); }

    // An action button on the strip with the hint "Go" in font, the mouse resting on it.
    std::unique_ptr<BUTTONACT> HintedButton(WFONT* font) {
        auto button = std::make_unique<BUTTONACT>(Strip().c_str(), PlainAction);
        button->SetPosition(200, 200);
        button->hint_text = "Go";
        button->hint_font = font;
        SetDelta(0.016f);
        MoveMouse(200, 200);
        return button;
    }

    enum EVENT { kNoEvent, kPress, kRelease };

    // One frame: the event, the button's update, then the end of the frame.
    template <class BUTTON>
    int Frame(BUTTON& button, EVENT event = kNoEvent) {
        if (event == kPress) {
            PressLeft();
        } else if (event == kRelease) {
            ReleaseLeft();
        }
        const int result = button.Update(0, 0.0f);
        EndFrame();
        return result;
    }
};

TEST_F(ButtonsTest, FourFrameButtonReportsAPressAndReleaseInsideExactlyOnce) {
    WBUTTONMAP4 button(Strip().c_str());
    button.SetPosition(200, 200);
    EXPECT_EQ(button.GetHitWidth(), 40);
    EXPECT_EQ(button.GetHitHeight(), 40);
    MoveMouse(205, 195);
    std::vector<int> results;
    results.push_back(Frame(button));
    EXPECT_EQ(button.GetState(), WBUTTONMAP4::kHover);
    results.push_back(Frame(button, kPress));
    EXPECT_EQ(button.GetState(), WBUTTONMAP4::kPressed);
    results.push_back(Frame(button));  // held
    EXPECT_EQ(button.GetState(), WBUTTONMAP4::kPressed);
    results.push_back(Frame(button, kRelease));
    results.push_back(Frame(button));
    results.push_back(Frame(button));
    EXPECT_EQ(results, (std::vector<int>{0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(button.GetState(), WBUTTONMAP4::kHover);
}

TEST_F(ButtonsTest, FourFrameButtonIgnoresPressesOrReleasesOutside) {
    WBUTTONMAP4 button(Strip().c_str());
    button.SetPosition(200, 200);
    // Pressed inside, dragged out, released outside.
    MoveMouse(200, 200);
    EXPECT_EQ(Frame(button, kPress), 0);
    MoveMouse(300, 200);
    EXPECT_EQ(Frame(button), 0);
    EXPECT_EQ(Frame(button, kRelease), 0);
    EXPECT_EQ(button.GetState(), WBUTTONMAP4::kNormal);
    // Pressed outside, released inside: held over it, it is not held down on it.
    EXPECT_EQ(Frame(button, kPress), 0);
    MoveMouse(200, 200);
    EXPECT_EQ(Frame(button), 0);
    EXPECT_FALSE(button.IsHeldDown());
    EXPECT_EQ(Frame(button, kRelease), 0);
    // Pressed inside, out and back in while held: leaving cleared the latch.
    EXPECT_EQ(Frame(button, kPress), 0);
    MoveMouse(100, 100);
    EXPECT_EQ(Frame(button), 0);
    MoveMouse(200, 200);
    EXPECT_EQ(Frame(button), 0);
    EXPECT_EQ(Frame(button, kRelease), 0);
}

TEST_F(ButtonsTest, PointerOnTheEdgeIsOutside) {
    WBUTTONMAP4 button(Strip().c_str());
    button.SetPosition(200, 200);
    for (auto [x, y, state] :
         {std::tuple{180, 200, 0}, {181, 200, 1}, {200, 220, 0}, {219, 219, 1}}) {
        MoveMouse(x, y);
        Frame(button);
        EXPECT_EQ(button.GetState(), state) << x << "," << y;
    }
}

TEST_F(ButtonsTest, DisabledButtonShowsItsFourthFrameAndStillClicks) {
    WBUTTONMAP4 button(Strip().c_str());
    button.SetPosition(200, 200);
    button.SetEnabled(false);
    EXPECT_FLOAT_EQ(button.quad.corners[0].u, 0.75f);
    EXPECT_FLOAT_EQ(button.quad.corners[2].u, 1.0f);
    MoveMouse(200, 200);
    EXPECT_EQ(Frame(button, kPress), 0);
    EXPECT_EQ(button.GetState(), WBUTTONMAP4::kDisabled);
    EXPECT_TRUE(button.IsHeldDown());  // the look hides the press, the button knows it
    EXPECT_EQ(Frame(button, kRelease), 1);
    // The strip is scaled to one frame: drawn 40 wide at scale 1.
    render->ClearRecordedDraws();
    button.Draw(0);
    const COVERED covered = Covered(Draws().at(0));
    EXPECT_FLOAT_EQ(covered.right - covered.left, 40.0f);
    button.SetUniformScale(2.0f);
    EXPECT_FLOAT_EQ(button.scale.x, 0.5f);
    EXPECT_FLOAT_EQ(button.scale.y, 2.0f);
}

std::vector<std::string> g_calls;
void PlainAction() {
    g_calls.push_back("plain");
}
void ArgumentAction(void* argument) {
    g_calls.push_back("argument " + std::to_string(*static_cast<int*>(argument)));
}
void TagAction(void* argument) {
    g_calls.push_back("tag " + std::to_string(static_cast<BUTTONACT*>(argument)->tag));
}

TEST_F(ButtonsTest, ActionButtonsRunTheirActionOncePerClick) {
    g_calls.clear();
    int argument = 7;
    BUTTONACT plain(Strip().c_str(), PlainAction);
    BUTTONACT with_argument(Strip().c_str(), ArgumentAction, &argument);
    BUTTONACT tagged(Strip().c_str(), TagAction, 12);
    for (BUTTONACT* button : {&plain, &with_argument, &tagged}) {
        button->SetPosition(200, 200);
        EXPECT_EQ(button->GetState(), WBUTTONMAP4::kNormal);
    }
    MoveMouse(200, 200);
    for (BUTTONACT* button : {&plain, &with_argument, &tagged}) {
        PressLeft();
        EXPECT_EQ(button->Update(0, 0.0f), 0);
        EndFrame();
        EXPECT_EQ(button->Update(0, 0.0f), 0);  // held
        EndFrame();
        ReleaseLeft();
        EXPECT_EQ(button->Update(0, 0.0f), 1);
        EndFrame();
        EXPECT_EQ(button->Update(0, 0.0f), 0);
        EndFrame();
    }
    EXPECT_EQ(g_calls, (std::vector<std::string>{"plain", "argument 7", "tag 12"}));
}

TEST_F(ButtonsTest, HoverSoundPlaysOnceEachTimeThePointerComesOntoTheButton) {
    const std::string wav = SilentWav();
    std::unique_ptr<WSOUND> sound(game->sound.LoadMemory(wav.data(), wav.size()));
    if (sound == nullptr || !sound->HasChunk()) {
        GTEST_SKIP() << "no audio device";
    }
    // Looping keeps each play on its channel, so a second play shows as a new channel.
    sound->SetLoop(true);
    BUTTONACT button(Strip().c_str(), PlainAction);
    button.SetPosition(200, 200);
    button.SetHoverSound(sound.get());
    MoveMouse(100, 100);
    Frame(button);
    EXPECT_EQ(sound->Channel(), -1);
    MoveMouse(200, 200);
    Frame(button);
    const int first = sound->Channel();
    EXPECT_GE(first, 0);
    for (int frame = 0; frame < 5; ++frame) {
        Frame(button);
    }
    EXPECT_EQ(sound->Channel(), first);  // resting on it plays nothing more
    MoveMouse(100, 100);
    Frame(button);
    MoveMouse(200, 200);
    Frame(button);
    EXPECT_NE(sound->Channel(), first);
    EXPECT_GE(sound->Channel(), 0);
}

TEST_F(ButtonsTest, HintShowsFromTheSecondHoverFrameUntilTheFrameAfterLeaving) {
    auto font = MakeFont();
    auto button = HintedButton(font.get());
    Frame(*button);
    EXPECT_FALSE(button->IsHintShown());  // the first frame only turns the state to hover
    Frame(*button);
    EXPECT_TRUE(button->IsHintShown());
    MoveMouse(400, 400);
    Frame(*button);
    EXPECT_TRUE(button->IsHintShown());  // still the state of the frame before
    Frame(*button);
    EXPECT_FALSE(button->IsHintShown());

    // Without a font there is no hint at all.
    auto fontless = HintedButton(nullptr);
    Frame(*fontless);
    Frame(*fontless);
    EXPECT_FALSE(fontless->IsHintShown());
}

TEST_F(ButtonsTest, HintBoxSitsCentredOnTheTopEdge) {
    auto font = MakeFont();
    auto button = HintedButton(font.get());
    Frame(*button);
    Frame(*button);
    render->ClearRecordedDraws();
    button->DrawHint();
    ASSERT_FALSE(Draws().empty());
    const WRECORDED_DRAW& box = Draws()[0];
    ASSERT_EQ(box.kind, WRECORDED_DRAW::kRect);
    EXPECT_EQ(box.colour, 0x88000000u);
    EXPECT_EQ(box.outline_colour, 0xFFFFCC00u);
    // Text width 2 * (16 + spacing 8) = 48; top edge at y 180; font size 32.
    const COVERED c = Covered(box);
    EXPECT_FLOAT_EQ(c.left, 200 - 24 - 5);
    EXPECT_FLOAT_EQ(c.right, 200 + 24 + 8 + 5);
    EXPECT_FLOAT_EQ(c.top, static_cast<int>(180 - 32 * 1.4f / 2));
    EXPECT_FLOAT_EQ(c.bottom, static_cast<int>(32 * 1.8f / 2 + 180));
    EXPECT_EQ(DrawnText(*font), "Go");

    // With a shadow colour the box first casts a shadow down and to the right.
    button->hint_shadow = 0x88000000u;
    render->ClearRecordedDraws();
    button->DrawHint();
    ASSERT_GE(Draws().size(), 2u);
    const COVERED shadow = Covered(Draws()[0]);
    EXPECT_EQ(Draws()[0].colour, 0x88000000u);
    EXPECT_FLOAT_EQ(shadow.left, c.left + 3);
    EXPECT_FLOAT_EQ(shadow.bottom, c.bottom + 3);
    EXPECT_FLOAT_EQ(Covered(Draws()[1]).left, c.left);
}

TEST_F(ButtonsTest, PlainButtonReportsWhichButtonWentDownInsideItsScaledRectangle) {
    WBUTTON button(Image(40, 20).c_str());
    button.SetPosition(200, 200);
    button.SetUniformScale(2.0f);  // 80 x 40 around the position: 160 < x < 240, 180 < y < 220
    MoveMouse(235, 215);
    EXPECT_TRUE(button.IsOver());
    EXPECT_EQ(Frame(button), WBUTTON::kNone);
    EXPECT_EQ(Frame(button, kPress), WBUTTON::kLeft);
    EXPECT_EQ(Frame(button), WBUTTON::kNone);  // held
    ReleaseLeft();
    EndFrame();
    input->SetButton(WINPUT::kRight, true);
    EXPECT_EQ(Frame(button), WBUTTON::kRight);
    input->SetButton(WINPUT::kRight, false);
    EndFrame();
    input->SetDoubleClick();
    EXPECT_EQ(Frame(button), WBUTTON::kDoubleClick);
    MoveMouse(241, 200);
    EXPECT_EQ(Frame(button, kPress), WBUTTON::kNone);
    EXPECT_FLOAT_EQ(button.DistanceTo(230, 240), 50.0f);
    EXPECT_FLOAT_EQ(button.DistanceRatio(230, 240), 2.5f);
}

TEST_F(ButtonsTest, CheckBoxTogglesOncePerPressInsideItsCircle) {
    WBUTTONCHK box(Image(64, 32).c_str());  // radius 16
    box.SetPosition(100, 100);
    MoveMouse(110, 110);  // distance 14.1
    EXPECT_EQ(Frame(box, kPress), 1);
    for (int held = 0; held < 5; ++held) {
        EXPECT_EQ(Frame(box), 0);
    }
    EXPECT_EQ(box.IsChecked(), 1);
    ReleaseLeft();
    EndFrame();
    MoveMouse(116, 100);  // exactly on the circle: outside
    EXPECT_EQ(Frame(box, kPress), 0);
    ReleaseLeft();
    EndFrame();
    MoveMouse(100, 100);
    EXPECT_EQ(Frame(box, kPress), 1);
    EXPECT_EQ(box.IsChecked(), 0);
}

TEST_F(ButtonsTest, CheckBoxDrawsTheBoxAndThenTheMark) {
    WBUTTONCHK box(Image(64, 32).c_str());
    box.Draw(0);
    box.SetChecked(true);
    box.Draw(0);
    box.box_under_mark = false;
    box.Draw(0);
    const std::vector<WRECORDED_DRAW> draws = QuadDraws();
    ASSERT_EQ(draws.size(), 4u);
    const float expected_left_u[] = {0.0f, 0.0f, 0.5f, 0.5f};
    for (size_t i = 0; i < draws.size(); ++i) {
        EXPECT_FLOAT_EQ(draws[i].corners[0].u, expected_left_u[i]) << i;
    }
    // Half the strip at scale 1.
    const COVERED c = Covered(draws[0]);
    EXPECT_FLOAT_EQ(c.right - c.left, 32.0f);
}

TEST_F(ButtonsTest, CursorFollowsTheMouseAndDrawsLast) {
    WMOUSEB cursor(Image(16, 16).c_str());
    cursor.SetAnchor(WSPRITE::kAnchorTopLeft);
    MoveMouse(321, 123);
    cursor.Update(0, 0.0f);
    EXPECT_EQ(cursor.Draw(0), 1);
    const std::vector<WRECORDED_DRAW> draws = QuadDraws();
    ASSERT_EQ(draws.size(), 5u);  // four bars, then the cursor
    EXPECT_FLOAT_EQ(draws[4].corners[0].x, 321.0f);
    EXPECT_FLOAT_EQ(draws[4].corners[0].y, 123.0f);
    for (int bar = 0; bar < 4; ++bar) {
        EXPECT_EQ(draws[bar].colour, 0xFFFFFFFFu);
        EXPECT_NE(draws[bar].texture, draws[4].texture);
    }
}

TEST_F(ButtonsTest, CursorPaintsTheLetterBoxMarginsBlack) {
    // 1024 x 768 on 1920 x 1080: picture 1440 x 1080 at offset (240, 0).
    render->ResetMode(1920, 1080, true);
    render->SetLogicalSize(1024, 768);
    WMOUSEB cursor(Image(16, 16).c_str());
    render->ClearRecordedDraws();
    cursor.Draw(0);
    const std::vector<WRECORDED_DRAW> draws = QuadDraws();
    ASSERT_EQ(draws.size(), 5u);
    const float tall = 2.0f * static_cast<float>(game->GetDesktopHeight());
    const COVERED expected[] = {
        {0, 0, 240, tall}, {1680, 0, 1920, tall}, {0, 0, 2048, 0}, {0, 1080, 2048, 1080}};
    for (int bar = 0; bar < 4; ++bar) {
        SCOPED_TRACE(bar);
        const COVERED c = Covered(draws[bar]);
        EXPECT_FLOAT_EQ(c.left, expected[bar].left);
        EXPECT_FLOAT_EQ(c.top, expected[bar].top);
        EXPECT_FLOAT_EQ(c.right, expected[bar].right);
        EXPECT_FLOAT_EQ(c.bottom, expected[bar].bottom);
        EXPECT_EQ(render->LockTexture(draws[bar].texture)[0], 0xFF000000u);
    }
    // The letter-box transform is back for whatever the overlay draws next.
    EXPECT_EQ(render->GetLogicalWidth(), 1024);
    EXPECT_EQ(render->GetOffsetX(), 240);
    render->SetLogicalSize(0, 0);
}

}  // namespace
