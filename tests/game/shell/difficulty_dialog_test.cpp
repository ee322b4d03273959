// The difficulty choice's panel alone: its answers and sounds, controls that change together, and
// a layout that keeps every control on the screen.
#include "game/shell/difficulty_dialog.h"

#include "engine/platform/virtual_keys.h"
#include "engine/ui/buttons.h"
#include "engine/ui/sliders.h"
#include "tests/game/shell/shell_fixture.h"

namespace {

using GAME::DIFFICULTY_DIALOG;

class DifficultyDialogTest : public ShellWindowTest {
  protected:
    void SetUp() override {
        ShellWindowTest::SetUp();
        game->render.SetLogicalSize(1024, 768);
        dialog = Open<DIFFICULTY_DIALOG>();
    }
    int Update() { return dialog->Update(); }

    std::unique_ptr<DIFFICULTY_DIALOG> dialog;
};

TEST_F(DifficultyDialogTest, OkAndEnterAcceptSilentlyCancelAndEscapeWithASound) {
    enum HOW { kClickOk, kEnter, kClickCancel, kEscape };
    const struct {
        HOW how;
        int answer;
        bool sound;
    } cases[] = {{kClickOk, DIFFICULTY_DIALOG::kAccept, false},
                 {kEnter, DIFFICULTY_DIALOG::kAccept, false},
                 {kClickCancel, DIFFICULTY_DIALOG::kCancel, true},
                 {kEscape, DIFFICULTY_DIALOG::kCancel, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        ReplaceSound(GAME::kSoundButtonPress);
        const auto update = [this] { return Update(); };
        int answer = 0;
        switch (c.how) {
            case kClickOk:
                answer = Click(dialog->OkButton().pos.x, dialog->OkButton().pos.y, update);
                break;
            case kEnter:
                answer = Key(VK_RETURN, update);
                break;
            case kClickCancel:
                answer = Click(dialog->CancelButton().pos.x, dialog->CancelButton().pos.y, update);
                break;
            case kEscape:
                answer = Key(VK_ESCAPE, update);
                break;
        }
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(Played(GAME::kSoundButtonPress), c.sound);
    }
}

TEST_F(DifficultyDialogTest, ControlsChangingInOneFrameGiveOneAnswerAndAllTakeTheirChange) {
    // The rotation box laid over the deformation knob: one press ticks the box and drags the
    // knob 12 pixels to the left.
    WUN::WSLIDER_E& deformation = dialog->DeformationSlider();
    const int x = static_cast<int>(deformation.GetKnobX()) - 12;
    const int y = static_cast<int>(deformation.GetKnobY());
    dialog->RotationBox().SetPosition(x, y);
    MoveMouse(x, y);
    PressLeft();
    EXPECT_EQ(Frame([this] { return Update(); }), DIFFICULTY_DIALOG::kChanged);
    EXPECT_TRUE(dialog->Rotation());
    EXPECT_LT(dialog->Deformation(), DIFFICULTY_DIALOG::kStartDeformation);
    ReleaseLeft();
    Frame([this] { return Update(); });
    EXPECT_EQ(Frame([this] { return Update(); }), DIFFICULTY_DIALOG::kNothing);
}

TEST_F(DifficultyDialogTest, EveryControlStaysOnTheScreen) {
    for (const auto& [w, h] : {std::pair{1024, 768}, std::pair{1440, 900}, std::pair{1920, 1080}}) {
        SCOPED_TRACE(w);
        game->render.SetLogicalSize(w, h);
        dialog->Layout();
        for (const WBUTTONMAP4* button :
             {&dialog->OkButton(), &dialog->CancelButton(), dialog->PiecesSlider().GetMinusButton(),
              dialog->PiecesSlider().GetPlusButton(), dialog->DeformationSlider().GetMinusButton(),
              dialog->DeformationSlider().GetPlusButton()}) {
            EXPECT_GE(button->pos.x - button->GetHitWidth() / 2, 0);
            EXPECT_LE(button->pos.x + button->GetHitWidth() / 2, w);
            EXPECT_GE(button->pos.y - button->GetHitHeight() / 2, h - dialog->PanelHeight());
            EXPECT_LE(button->pos.y + button->GetHitHeight() / 2, h);
        }
    }
}

}  // namespace
