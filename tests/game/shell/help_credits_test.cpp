// The help pages (their delay, Enter on a hidden page, the game under them) and the credits'
// columns.
#include <map>
#include <string>

#include "engine/platform/virtual_keys.h"
#include "engine/ui/buttons.h"
#include "game/board/pieces_system.h"
#include "game/shell/credits_window.h"
#include "game/shell/help_page.h"
#include "tests/game/shell/shell_fixture.h"

namespace {

using GAME::FAQ_SCREEN;
using GAME::PUZZLE_AUTHORS;

class HelpPageTest : public ShellWindowTest {};

TEST_F(HelpPageTest, MousePagesWaitThreeSecondsAndThePocketPageShowsAtOnce) {
    for (const int page :
         {FAQ_SCREEN::kMouseWithRotation, FAQ_SCREEN::kMouseWithoutRotation, FAQ_SCREEN::kPocket}) {
        SCOPED_TRACE(page);
        auto help = Open<FAQ_SCREEN>(page);
        const bool at_once = page == FAQ_SCREEN::kPocket;
        EXPECT_EQ(help->IsVisible(), at_once);
        SetDelta(2.5f);
        help->Update(0, 0.0f);
        render->ClearRecordedDraws();
        help->Draw(0);
        EXPECT_EQ(help->IsVisible(), at_once);
        EXPECT_EQ(QuadDraws().empty(), !at_once);
        SetDelta(0.5f);
        help->Update(0, 0.0f);
        help->Draw(0);
        EXPECT_TRUE(help->IsVisible());
        EXPECT_FALSE(QuadDraws().empty());
    }
}

TEST_F(HelpPageTest, EnterClosesAPageThatIsStillHidden) {
    auto help = Open<FAQ_SCREEN>(FAQ_SCREEN::kMouseWithoutRotation);
    EXPECT_EQ(Key(VK_RETURN, [&] { return help->Update(0, 0.0f); }), 1);
    EXPECT_FALSE(help->IsVisible());
    EXPECT_TRUE(Played(GAME::kSoundButtonPress));
}

class HelpInGameTest : public GameShellTest {
  protected:
    float Played() const { return puzzle->Board()->counters.regT; }
};

TEST_F(HelpInGameTest, TheGameRunsUnderAHiddenPageAndStandsStillUnderAShownOne) {
    puzzle->Play();
    ASSERT_NE(puzzle->HelpScreen(), nullptr);
    EXPECT_EQ(puzzle->HelpScreen()->Page(), FAQ_SCREEN::kMouseWithoutRotation);
    SetDelta(1.0f);
    Step();  // builds the pieces
    Step();
    Step();
    EXPECT_FLOAT_EQ(Played(), 2.0f);
    puzzle->DrawOverlay();  // three seconds: the page shows
    ASSERT_TRUE(puzzle->HelpScreen()->IsVisible());
    Step();
    EXPECT_FLOAT_EQ(Played(), 2.0f);
    Press(VK_RETURN);
    EXPECT_EQ(puzzle->HelpScreen(), nullptr);
    EXPECT_TRUE(puzzle->Board()->tutorial_step_marked);
    Step();
    EXPECT_GT(Played(), 2.0f);
}

TEST_F(HelpInGameTest, ThePocketPageEndsTheHelpForThePlayer) {
    puzzle->Play();
    puzzle->ShowHelp(2);
    ASSERT_NE(puzzle->HelpScreen(), nullptr);
    EXPECT_TRUE(puzzle->HelpScreen()->IsVisible());
    EXPECT_FALSE(Settings().help_pages);
    Press(VK_RETURN);
    puzzle->ShowHelp(1);
    EXPECT_EQ(puzzle->HelpScreen(), nullptr);
}

class CreditsTest : public ShellWindowTest {
  protected:
    void SetUp() override {
        ShellWindowTest::SetUp();
        credits = Open<PUZZLE_AUTHORS>();
    }
    // Each line drawn with the test font, by the y of its glyphs' top.
    std::map<std::string, float> DrawnLines() {
        render->ClearRecordedDraws();
        credits->Draw(0);
        std::map<float, std::string> by_y;
        for (const WRECORDED_DRAW& draw : QuadDraws()) {
            if (draw.texture == font->PageTexture()) {
                by_y[draw.corners[0].y] += GlyphOf(draw);
            }
        }
        std::map<std::string, float> lines;
        for (const auto& [y, text] : by_y) {
            lines[text] = y;
        }
        return lines;
    }

    std::unique_ptr<PUZZLE_AUTHORS> credits;
};

TEST_F(CreditsTest, AGroupWhoseKeysAreAllMissingTakesNoRoom) {
    g_credits[2].texts = {"Role", "Name"};
    g_credits[3].texts = {"Zed"};
    const float with_group = DrawnLines().at("Zed");
    g_credits[2].texts = {};
    const float without_group = DrawnLines().at("Zed");
    EXPECT_FLOAT_EQ(with_group - without_group, 2 * 25 + 10);
}

TEST_F(CreditsTest, AColumnTooLongForTheWindowIsSqueezedAboveOk) {
    for (int g = 2; g < kCreditsGroupCount; ++g) {
        g_credits[g].texts = {"R" + std::to_string(g), "A", "B", "C"};
    }
    const std::map<std::string, float> lines = DrawnLines();
    const float ok_top = credits->OkButton().pos.y - credits->OkButton().QuadHeight() / 2;
    // The lowest line, C of the last group; the glyphs stand 32 pixels high from their top.
    EXPECT_LE(lines.at("C") + 32, ok_top);
    EXPECT_GT(lines.at("C"), lines.at("R9"));
}

}  // namespace
