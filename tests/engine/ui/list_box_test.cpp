// WLISTBOX: newest entry on top, selection by click, scrolling and removal.
#include "engine/ui/list_box.h"

#include "engine/resources/registry.h"
#include "engine/ui/sliders.h"
#include "tests/engine/ui/ui_fixture.h"

namespace {

// A 200 x 120 box at (100, 100) with rows of 30 pixels: four visible rows.
class ListBoxTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        font = MakeFont();
        Image(200, 120, 0xFFEEEEEE, "list_back.png");
        Image(240, 30, 0xFF3366CC, "item.png");
        Image(64, 16, 0xFF888888, "slider.png");
        Image(64, 16, 0xFF444444, "slider_button.png");
        g_resources.window_change_player.list_back = "list_back.png";
        g_resources.window_change_player.item = "item.png";
        g_resources.gui.slider = "slider.png";
        g_resources.gui.slider_minus = "slider_button.png";
        g_resources.gui.slider_plus = "slider_button.png";
        box = std::make_unique<WLISTBOX>();
        box->SetPosition(100.0f, 100.0f);
        box->SetSize(200.0f, 120.0f);
    }
    void Add(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            box->AddItem(font.get(), name);
        }
    }
    void ClickRow(int row) {
        MoveMouse(150, 100 + 30 * row + 15);
        PressLeft();
        box->Update(0, 0.0f);
        EndFrame();
        ReleaseLeft();
        EndFrame();
    }
    std::string Shown() {
        render->ClearRecordedDraws();
        box->Draw(0);
        return DrawnText(*font);
    }

    std::unique_ptr<WFONT> font;
    std::unique_ptr<WLISTBOX> box;
};

TEST_F(ListBoxTest, NewestNameShowsAtTheTopAndIsSelected) {
    Add({"ann", "bob", "cyd"});
    EXPECT_EQ(box->GetSelectedText(), "cyd");
    EXPECT_EQ(box->GetSelectedIndex(), 2);
    EXPECT_EQ(Shown(), "1cyd2bob3ann");
    // The highlight lies under the top row.
    const WTEXTURE* highlight = nullptr;
    for (const WRECORDED_DRAW& draw : Draws()) {
        if (draw.kind == WRECORDED_DRAW::kQuad && Covered(draw).right - Covered(draw).left == 240) {
            highlight = draw.texture;
            EXPECT_FLOAT_EQ(draw.y, 135.0f);
            EXPECT_FLOAT_EQ(draw.x, 310.0f);
        }
    }
    EXPECT_NE(highlight, nullptr);
    EXPECT_EQ(box->Query(0), 1);
}

TEST_F(ListBoxTest, ClickingARowSelectsTheEntryShownThere) {
    Add({"ann", "bob", "cyd"});
    ClickRow(2);
    EXPECT_EQ(box->GetSelectedText(), "ann");
    ClickRow(1);
    EXPECT_EQ(box->GetSelectedText(), "bob");
    ClickRow(3);  // an empty row
    EXPECT_EQ(box->GetSelectedText(), "bob");
}

TEST_F(ListBoxTest, RemoveSelectedOnEmptyFirstAndLastEntries) {
    EXPECT_EQ(box->RemoveSelected(), 1);
    EXPECT_EQ(box->GetSelectedText(), "");
    Add({"ann", "bob", "cyd"});
    EXPECT_EQ(box->RemoveSelected(), 0);  // the newest
    EXPECT_EQ(box->GetSelectedText(), "bob");
    ClickRow(1);  // the oldest, "ann"
    ASSERT_EQ(box->GetSelectedIndex(), 0);
    EXPECT_EQ(box->RemoveSelected(), 0);
    EXPECT_EQ(box->GetSelectedText(), "bob");
    EXPECT_EQ(box->GetCount(), 1);
    EXPECT_EQ(box->RemoveSelected(), 0);
    EXPECT_EQ(box->GetCount(), 0);
    EXPECT_EQ(box->GetSelectedText(), "");
    EXPECT_EQ(box->RemoveSelected(), 1);
}

TEST_F(ListBoxTest, ScrollBarShiftsTheRowsOnceThereAreMoreEntriesThanRows) {
    Add({"a", "b", "c", "d", "e", "f"});
    box->Update(0, 0.0f);
    EXPECT_FLOAT_EQ(box->GetScrollBar()->GetMax(), 2.0f);
    EXPECT_EQ(Shown().substr(0, 2), "1f");
    box->GetScrollBar()->SetValue(2);
    box->Update(0, 0.0f);
    EXPECT_EQ(box->GetFirstRow(), 2);
    EXPECT_EQ(Shown(), "3d4c5b6a");
    ClickRow(0);
    EXPECT_EQ(box->GetSelectedText(), "d");
    // Removing steps the scroll bar back by one.
    box->RemoveSelected();
    EXPECT_EQ(box->GetScrollBar()->GetValueInt(), 1);
    EXPECT_EQ(box->GetSelectedText(), "c");
}

TEST_F(ListBoxTest, DrawStopsAtAnEntryWithoutAFont) {
    box->AddItem(nullptr, "nobody");
    EXPECT_EQ(box->Draw(0), 1);
}

}  // namespace
