// A category page: the eight staggered slots, page counts and page-turn buttons, selection and
// double click through synthetic input, and what a page draws.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/audio/sound.h"
#include "game/shell/puzzle_category.h"
#include "tests/game/shell/catalogue_fixture.h"
#include "tests/support/silent_wav.h"

namespace {

constexpr int kSelectionSound = 19;

class CataloguePageTest : public CatalogueTest {
  protected:
    void TearDown() override {
        g_sounds[kSelectionSound] = nullptr;
        g_fonts[1] = nullptr;
        CatalogueTest::TearDown();
    }
};

// On 1024 x 768 with the built-in book: the page runs from (167, 155) to (856, 612), so a cell
// is 172 x 228; thumbnails are 103 pixels on their longer side.
TEST_F(CataloguePageTest, EntriesTakeTheEightStaggeredSlotsOnEveryPage) {
    auto category = CategoryOf(9);
    const struct {
        float x, y;
    } slots[] = {{270.2f, 271.8f}, {407.8f, 271.8f}, {614.2f, 271.8f},
                 {751.8f, 271.8f}, {270.2f, 454.2f}, {407.8f, 454.2f},
                 {614.2f, 454.2f}, {751.8f, 454.2f}, {270.2f, 271.8f}};
    for (int i = 0; i < category->EntryCount(); ++i) {
        SCOPED_TRACE(i);
        const FRAME& entry = category->Entry(i);
        EXPECT_NEAR(entry.pos.x, slots[i].x, 0.01f);
        EXPECT_NEAR(entry.pos.y, slots[i].y, 0.01f);
        EXPECT_FLOAT_EQ(entry.DrawnWidth(), 103.0f);
        EXPECT_FLOAT_EQ(entry.DrawnHeight(), 77.0f);
        EXPECT_EQ(entry.GetCentreX(), 51);
        EXPECT_EQ(entry.GetCentreY(), 38);
        EXPECT_EQ(entry.HitWidth(), 133);  // 1.3 times the drawn size
        EXPECT_EQ(entry.HitHeight(), 100);
    }
    EXPECT_EQ(category->NextButton().pos.x, 667.0f);
    EXPECT_EQ(category->NextButton().pos.y, 569.0f);
    EXPECT_EQ(category->PreviousButton().pos.x, 325.0f);
    EXPECT_EQ(category->PreviousButton().pos.y, 569.0f);
    EXPECT_EQ(category->CounterX(), 483);
    EXPECT_EQ(category->CounterY(), 580);

    auto portrait = CategoryOf(1, 30, 40);
    EXPECT_FLOAT_EQ(portrait->Entry(0).DrawnWidth(), 77.0f);
    EXPECT_FLOAT_EQ(portrait->Entry(0).DrawnHeight(), 103.0f);
}

TEST_F(CataloguePageTest, PageCountAndPageButtonsFollowTheEntryCount) {
    const struct {
        int entries, pages;
        bool previous, next;
    } cases[] = {{0, 0, false, false}, {1, 1, false, false}, {8, 1, false, false},
                 {9, 2, false, true},  {16, 2, false, true}, {17, 3, false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entries);
        auto category = CategoryOf(c.entries);
        EXPECT_EQ(category->PageCount(), c.pages);
        EXPECT_EQ(category->PreviousButton().IsEnabled(), c.previous);
        EXPECT_EQ(category->NextButton().IsEnabled(), c.next);
    }
}

TEST_F(CataloguePageTest, TurningAPageSelectsItsFirstEntry) {
    auto category = CategoryOf(17);
    Click(*category, category->NextButton());
    EXPECT_EQ(category->Page(), 1);
    EXPECT_EQ(category->Selected(), 8);
    EXPECT_TRUE(category->PreviousButton().IsEnabled());
    EXPECT_TRUE(category->NextButton().IsEnabled());
    Click(*category, category->NextButton());
    EXPECT_EQ(category->Page(), 2);
    EXPECT_EQ(category->Selected(), 16);
    EXPECT_FALSE(category->NextButton().IsEnabled());

    Click(*category, category->NextButton());  // disabled: no page beyond the last
    EXPECT_EQ(category->Page(), 2);
    Click(*category, category->PreviousButton());
    EXPECT_EQ(category->Page(), 1);
    EXPECT_EQ(category->Selected(), 8);

    // Only the entries of the current page answer: slot 2 of page 1 is entry 9.
    const FRAME& slot_two = category->Entry(1);
    EXPECT_EQ(Frame(*category, slot_two.pos.x, slot_two.pos.y, kPress), 9);
    EXPECT_EQ(category->Selected(), 9);
}

TEST_F(CataloguePageTest, PressesSelectWithTheSelectionSoundAndADoubleClickAnswersPlay) {
    auto category = CategoryOf(9);
    const FRAME& third = category->Entry(2);
    const FRAME& sixth = category->Entry(5);
    const struct {
        const char* name;
        float x, y;
        PRESS press;
        int answer, selected;
        bool sound;
    } cases[] = {
        {"left press", third.pos.x, third.pos.y, kPress, 2, 2, true},
        {"right press", sixth.pos.x, sixth.pos.y, kRightPress, 5, 5, true},
        {"pointer resting", third.pos.x, third.pos.y, kNoPress, 0, 5, false},
        {"press between entries", 340.0f, 360.0f, kPress, 0, 5, false},
        // The click box reaches past the drawn thumbnail (103 x 77) to 133 x 100.
        {"press inside the click box", third.pos.x + 60.0f, third.pos.y + 45.0f, kPress, 2, 2,
         true},
        {"press outside the click box", third.pos.x + 70.0f, third.pos.y, kPress, 0, 2, false},
        {"double click", sixth.pos.x, sixth.pos.y, kDoublePress, PUZZLE_CATEGORY::kPlay, 5, false},
    };
    const std::string wav = SilentWav();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // A fresh sound has no channel until it plays (null without an audio device).
        std::unique_ptr<WSOUND> sound(game->sound.LoadMemory(wav.data(), wav.size()));
        g_sounds[kSelectionSound] = sound.get();
        EXPECT_EQ(Frame(*category, c.x, c.y, c.press), c.answer);
        EXPECT_EQ(category->Selected(), c.selected);
        EXPECT_EQ(category->SelectedEntry(), &category->Entry(c.selected));
        if (sound != nullptr && sound->HasChunk()) {
            EXPECT_EQ(sound->Channel() >= 0, c.sound);
        }
        g_sounds[kSelectionSound] = nullptr;
    }
}

TEST_F(CataloguePageTest, AnEmptyCategoryAnswersNothingAndDrawsNothing) {
    MakeSharedSprites();
    auto category = CategoryOf(0);
    EXPECT_EQ(category->SelectedEntry(), nullptr);
    EXPECT_EQ(Frame(*category, 270, 271, kDoublePress), 0);
    render->ClearRecordedDraws();
    category->Draw();
    EXPECT_TRUE(Draws().empty());
}

TEST_F(CataloguePageTest, APageDrawsBordersLabelsAShadowUnderTheSelectionAndItsCounter) {
    MakeSharedSprites();
    auto font = MakeFont();
    g_fonts[1] = font.get();
    g_config.book.max_frame_rotation = 0.06f;
    auto category = CategoryOf(9);
    g_config.book.max_frame_rotation = CONFIG().book.max_frame_rotation;
    const FRAME& second = category->Entry(1);
    Frame(*category, second.pos.x, second.pos.y, kPress);

    render->ClearRecordedDraws();
    category->Draw();
    const std::vector<WRECORDED_DRAW> shadows = DrawsOf(g_shared_sprites.shadow);
    ASSERT_EQ(shadows.size(), 1u);
    EXPECT_FLOAT_EQ(shadows[0].x, second.pos.x + 10.0f);
    EXPECT_FLOAT_EQ(shadows[0].y, second.pos.y + 10.0f);
    EXPECT_FLOAT_EQ(shadows[0].angle, second.rotation);
    // The entry's size plus count_pixel_for_frame, tilted like the entry.
    const float tilt = std::fabs(second.rotation);
    EXPECT_NEAR(Covered(shadows[0]).right - Covered(shadows[0]).left,
                (103 + 20) * std::cos(tilt) + (77 + 20) * std::sin(tilt), 0.01f);
    EXPECT_EQ(DrawsOf(g_shared_sprites.white_plain).size(), 8u);
    EXPECT_EQ(DrawsOf(g_shared_sprites.darkening).size(), 8u);  // count plates, no percent
    EXPECT_EQ(DrawsOf(g_shared_sprites.rot_yes).size(), 4u);
    EXPECT_EQ(DrawsOf(g_shared_sprites.rot_no).size(), 4u);
    bool tilted = false;
    for (int i = 0; i < category->EntryCount(); ++i) {
        EXPECT_LE(std::fabs(category->Entry(i).rotation), 0.06f);
        tilted = tilted || category->Entry(i).rotation != 0.0f;
    }
    EXPECT_TRUE(tilted);
    EXPECT_EQ(DrawnText(*font), "12121212121212121/2");

    auto one_page = CategoryOf(8);
    render->ClearRecordedDraws();
    one_page->Draw();
    EXPECT_EQ(DrawnText(*font), "1212121212121212");
}

TEST_F(CataloguePageTest, LabelPlatesSitAtTheThumbnailsCorners) {
    MakeSharedSprites();
    auto font = MakeFont();
    font->spacing = 0;  // glyphs of 16 pixels side by side
    g_fonts[1] = font.get();
    FRAME_LABEL label(12, -1, true);
    EXPECT_EQ(label.PlateHeight(), 32 + 8);
    EXPECT_EQ(label.CountPlateWidth(), 3 * 16 + 25);
    EXPECT_EQ(label.PercentPlateWidth(), 0);

    label.Draw(300.0f, 200.0f, 100.0f, 80.0f);
    std::vector<WRECORDED_DRAW> plates = DrawsOf(g_shared_sprites.darkening);
    ASSERT_EQ(plates.size(), 1u);
    // Lower-right corner at (x + w/2 + 10, y + h/2 + 48).
    EXPECT_EQ(Covered(plates[0]).right, 360.0f);
    EXPECT_EQ(Covered(plates[0]).bottom, 288.0f);
    EXPECT_EQ(Covered(plates[0]).left, 360.0f - 73);
    EXPECT_EQ(Covered(plates[0]).top, 288.0f - 40);
    ASSERT_EQ(DrawsOf(g_shared_sprites.rot_yes).size(), 1u);
    EXPECT_EQ(Covered(DrawsOf(g_shared_sprites.rot_yes)[0]).left, 360.0f - 40);
    EXPECT_EQ(DrawnText(*font), "12");

    label.SetPercent(45);
    EXPECT_EQ(label.PercentPlateWidth(), 4 * 16 + 10);  // "45 %"
    render->ClearRecordedDraws();
    label.Draw(300.0f, 200.0f, 100.0f, 80.0f);
    plates = DrawsOf(g_shared_sprites.darkening);
    ASSERT_EQ(plates.size(), 2u);
    // Upper-right corner at (x + w/2 + 10, y - h/2).
    EXPECT_EQ(Covered(plates[1]).right, 360.0f);
    EXPECT_EQ(Covered(plates[1]).top, 160.0f);
    EXPECT_EQ(Covered(plates[1]).left, 360.0f - 74);
    EXPECT_EQ(DrawnText(*font), "1245 %");
}

}  // namespace
