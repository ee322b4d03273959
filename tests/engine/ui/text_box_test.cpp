// WTEXTBOX and WUN::WDIALOGEDIT: typing, refused characters, the length limit, editing keys,
// the caret, and accepting or cancelling a name.
#include "engine/ui/text_box.h"

#include "engine/platform/virtual_keys.h"
#include "engine/resources/registry.h"
#include "engine/ui/buttons.h"
#include "engine/ui/edit_dialog.h"
#include "tests/engine/ui/ui_fixture.h"

namespace {

class TextBoxTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        font = MakeFont();  // size 32: cells of 32 pixels
        box_image = Image(400, 54, 0xFFFFFFEE, "edit_box.png");
    }
    // One key event with typed text, as the window delivers it; returns the update's result.
    int TypeInto(WST::ST& item, const char16_t* text) {
        Type(text);
        const int result = item.Update(0, 0.0f);
        KeyUp('A');
        EndFrame();
        return result;
    }
    // The key down for one iteration, up in the next.
    int PressKey(WST::ST& item, int vk) {
        KeyDown(vk);
        const int result = item.Update(0, 0.0f);
        EndFrame();
        KeyUp(vk);
        EndFrame();
        return result;
    }

    std::unique_ptr<WFONT> font;
    std::string box_image;
};

TEST_F(TextBoxTest, RefusedCharactersChangeNothingButStillCountAsTyped) {
    WTEXTBOX box(box_image.c_str(), font.get());
    for (const char16_t* refused : {u" ", u".", u"/", u"\\", u":", u"_"}) {
        EXPECT_EQ(TypeInto(box, refused), WTEXTBOX::kCharacter);
    }
    EXPECT_EQ(box.GetText(), "");
    EXPECT_EQ(box.GetCaret(), 0);
    EXPECT_EQ(TypeInto(box, u"k"), WTEXTBOX::kCharacter);
    EXPECT_EQ(box.GetText(), "k");
    EXPECT_EQ(WTEXTBOX::kRefused.size(), 31u);
}

TEST_F(TextBoxTest, WidthAndCellLimitTheLength) {
    WTEXTBOX box(box_image.c_str(), font.get());
    EXPECT_EQ(box.GetMaxLength(), 5);  // 200 / 32 - 1
    box.SetWidth(400);
    ASSERT_EQ(box.GetMaxLength(), 11);
    for (int i = 0; i < 10; ++i) {
        TypeInto(box, u"x");
    }
    EXPECT_EQ(box.GetText(), "xxxxxxxxxx");
    EXPECT_EQ(TypeInto(box, u"y"), WTEXTBOX::kCharacter);
    EXPECT_EQ(box.GetText(), "xxxxxxxxxx");
    EXPECT_EQ(box.GetCaret(), 10);
}

TEST_F(TextBoxTest, TwoCharactersOfOneKeyEventAreCheckedEachAndLeaveTheCaretAfterBoth) {
    WTEXTBOX box(box_image.c_str(), font.get());
    box.SetWidth(400);
    // Refused as a whole when any of them is refused.
    for (const char16_t* refused : {u"/a", u"a.", u"`a"}) {
        EXPECT_EQ(TypeInto(box, refused), WTEXTBOX::kCharacter);
    }
    EXPECT_EQ(box.GetText(), "");
    EXPECT_EQ(TypeInto(box, u"ab"), WTEXTBOX::kCharacter);
    EXPECT_EQ(box.GetCaret(), 2);
    TypeInto(box, u"c");
    EXPECT_EQ(box.GetText(), "abc");
}

TEST_F(TextBoxTest, BackspaceDeleteAndArrowsEditAroundTheCaret) {
    WTEXTBOX box(box_image.c_str(), font.get());
    box.SetWidth(400);
    for (const char16_t* c : {u"a", u"b", u"c", u"d"}) {
        TypeInto(box, c);
    }
    EXPECT_EQ(PressKey(box, VK_BACK), WTEXTBOX::kBackspace);
    EXPECT_EQ(box.GetText(), "abc");
    EXPECT_EQ(PressKey(box, VK_LEFT), WTEXTBOX::kNothing);
    EXPECT_EQ(PressKey(box, VK_LEFT), WTEXTBOX::kNothing);
    EXPECT_EQ(box.GetCaret(), 1);
    EXPECT_EQ(PressKey(box, VK_DELETE), WTEXTBOX::kDelete);
    EXPECT_EQ(box.GetText(), "ac");
    TypeInto(box, u"z");
    EXPECT_EQ(box.GetText(), "azc");
    for (int i = 0; i < 5; ++i) {
        PressKey(box, VK_RIGHT);
    }
    EXPECT_EQ(box.GetCaret(), 3);
    EXPECT_EQ(PressKey(box, VK_DELETE), WTEXTBOX::kDelete);  // nothing after the caret
    EXPECT_EQ(box.GetText(), "azc");
    for (int i = 0; i < 5; ++i) {
        PressKey(box, VK_LEFT);
    }
    EXPECT_EQ(box.GetCaret(), 0);
    EXPECT_EQ(PressKey(box, VK_BACK), WTEXTBOX::kBackspace);  // nothing before it
    EXPECT_EQ(box.GetText(), "azc");
}

TEST_F(TextBoxTest, ClicksPlaceTheCaretAndMoveTheFocus) {
    WTEXTBOX box(box_image.c_str(), font.get());
    box.SetWidth(400);
    box.SetPosition(100.0f, 100.0f);
    box.SetText("abcd");
    auto click = [&](int x, int y) {
        MoveMouse(x, y);
        PressLeft();
        box.Update(0, 0.0f);
        EndFrame();
        ReleaseLeft();
        box.Update(0, 0.0f);
        EndFrame();
    };
    click(100 + 20 + 32 + 5, 120);  // on cell 1
    EXPECT_EQ(box.GetCaret(), 2);
    click(100 + 20 + 10, 120);  // within half a cell of the margin
    EXPECT_EQ(box.GetCaret(), 0);
    click(480, 120);  // right of the last character
    EXPECT_EQ(box.GetCaret(), 4);
    click(100, 400);  // outside
    EXPECT_FALSE(box.IsFocused());
    EXPECT_EQ(TypeInto(box, u"e"), WTEXTBOX::kNothing);
    EXPECT_EQ(box.GetText(), "abcd");
    click(200, 120);
    EXPECT_TRUE(box.IsFocused());
}

TEST_F(TextBoxTest, CaretBlinksHalfASecondOnAndOff) {
    WTEXTBOX box(box_image.c_str(), font.get());
    SetDelta(0.3f);
    std::vector<bool> shown;
    for (int frame = 0; frame < 5; ++frame) {
        box.Update(0, 0.0f);
        shown.push_back(box.IsCaretShown());
    }
    EXPECT_EQ(shown, (std::vector<bool>{true, false, false, true, true}));
}

TEST_F(TextBoxTest, DrawsEachCharacterInItsCellAndTheCaretAfterThem) {
    WTEXTBOX box(box_image.c_str(), font.get());
    box.SetPosition(100.0f, 100.0f);
    box.SetText("hi");
    box.Draw(0);
    EXPECT_EQ(DrawnText(*font), "hi|");
    std::vector<float> xs;
    for (const WRECORDED_DRAW& draw : QuadDraws()) {
        if (draw.texture == font->PageTexture()) {
            xs.push_back(draw.corners[0].x);
            EXPECT_FLOAT_EQ(draw.corners[0].y, static_cast<int>((54.4f - 32.0f) / 2.0f + 100.0f));
        }
    }
    EXPECT_EQ(xs, (std::vector<float>{120.0f, 152.0f, 184.0f}));
}

TEST_F(TextBoxTest, TextIsUtf8WithoutTrailingSpaces) {
    WTEXTBOX box(box_image.c_str(), font.get());
    TypeInto(box, u"\u00e9");
    EXPECT_EQ(box.GetText(), "\xc3\xa9");
    box.SetText("Jo  ");
    EXPECT_EQ(box.GetText(), "Jo");
    EXPECT_EQ(box.GetCaret(), 4);  // the box keeps its own text
    box.Clear();
    EXPECT_EQ(box.GetText(), "");
    EXPECT_EQ(box.GetCaret(), 0);
}

TEST_F(TextBoxTest, BoxWithoutFontAcceptsNothing) {
    WTEXTBOX box(box_image.c_str(), nullptr);
    EXPECT_EQ(box.GetMaxLength(), 0);
    EXPECT_EQ(TypeInto(box, u"a"), WTEXTBOX::kCharacter);
    EXPECT_EQ(box.GetText(), "");
    EXPECT_EQ(box.Draw(0), 0);
}

class EditDialogTest : public TextBoxTest {
  protected:
    void SetUp() override {
        TextBoxTest::SetUp();
        Image(300, 200, 0xFFCCCCCC, "window_mini.png");
        Image(160, 40, 0xFF00AA00, "ok.png");
        Image(160, 40, 0xFFAA0000, "cancel.png");
        g_resources.gui.window_mini = "window_mini.png";
        g_resources.gui.ok_button = "ok.png";
        g_resources.gui.cancel_button = "cancel.png";
        dialog = std::make_unique<WUN::WDIALOGEDIT>(box_image.c_str(), font.get());
        dialog->SetPosition(512, 384);
    }
    int ClickOn(const WBUTTONMAP4& button) {
        MoveMouse(static_cast<int>(button.pos.x), static_cast<int>(button.pos.y));
        PressLeft();
        int result = dialog->Update(0, 0.0f);
        EndFrame();
        ReleaseLeft();
        result += dialog->Update(0, 0.0f);
        EndFrame();
        return result;
    }
    std::unique_ptr<WUN::WDIALOGEDIT> dialog;
};

TEST_F(EditDialogTest, LaysOutButtonsUnderTheWindowAndTheBoxBelowItsMiddle) {
    EXPECT_FLOAT_EQ(dialog->GetOkButton()->pos.x, 492.0f);  // 512 - 160 / 8
    EXPECT_FLOAT_EQ(dialog->GetCancelButton()->pos.x, 532.0f);
    EXPECT_FLOAT_EQ(dialog->GetOkButton()->pos.y, 464.0f);  // 384 + 100 - 40 + 20
    WTEXTBOX* box = dialog->GetTextBox();
    EXPECT_EQ(box->GetMaxLength(), 11);
    EXPECT_FLOAT_EQ(box->GetX(), 312.0f);
    EXPECT_FLOAT_EQ(box->GetY(), 384.0f - box->GetHeight() / 2.0f + 50.0f);
}

TEST_F(EditDialogTest, OkOrEnterAcceptsANameAndClearsTheBox) {
    TypeInto(*dialog, u"B");
    EXPECT_EQ(PressKey(*dialog, VK_RETURN), 1);
    EXPECT_EQ(dialog->result_name, "B");
    for (const char16_t* c : {u"A", u"n", u"n"}) {
        TypeInto(*dialog, c);
    }
    EXPECT_EQ(ClickOn(*dialog->GetOkButton()), 1);
    EXPECT_EQ(dialog->result_name, "Ann");
    EXPECT_EQ(dialog->GetTextBox()->GetText(), "");
    EXPECT_EQ(dialog->GetTextBox()->GetCaret(), 0);
}

TEST_F(EditDialogTest, OkWithOnlySpacesCancelsAndLeavesTheSpaces) {
    dialog->GetTextBox()->SetText("   ");
    EXPECT_EQ(ClickOn(*dialog->GetOkButton()), -1);
    EXPECT_EQ(dialog->result_name, "");
    EXPECT_EQ(dialog->GetTextBox()->GetCaret(), 3);
}

TEST_F(EditDialogTest, CancelAndEscapeClearTheBox) {
    TypeInto(*dialog, u"Z");
    EXPECT_EQ(ClickOn(*dialog->GetCancelButton()), -1);
    EXPECT_EQ(dialog->GetTextBox()->GetCaret(), 0);
    EXPECT_FALSE(dialog->GetTextBox()->IsFocused());  // the click landed outside the box
    dialog->GetTextBox()->SetFocused(true);
    TypeInto(*dialog, u"Z");
    ASSERT_EQ(dialog->GetTextBox()->GetText(), "Z");
    EXPECT_EQ(PressKey(*dialog, VK_ESCAPE), -1);
    EXPECT_EQ(dialog->GetTextBox()->GetText(), "");
    EXPECT_EQ(dialog->Update(0, 0.0f), 0);
}

TEST_F(EditDialogTest, DrawMovesTheDialogToTheScreenCentre) {
    dialog->SetPosition(100, 100);
    game->Centre = {400, 300};
    dialog->Draw(0);
    EXPECT_FLOAT_EQ(dialog->pos.x, 400.0f);
    EXPECT_FLOAT_EQ(dialog->GetOkButton()->pos.x, 380.0f);
    // The window itself is drawn there already in this first frame.
    ASSERT_FALSE(QuadDraws().empty());
    EXPECT_FLOAT_EQ(QuadDraws()[0].x, 400.0f);
    EXPECT_FLOAT_EQ(QuadDraws()[0].y, 300.0f);
}

}  // namespace
