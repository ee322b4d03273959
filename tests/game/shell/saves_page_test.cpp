// The saved-games page: games kept from play, their completion percent, choosing, resuming and
// deleting them, and the book around the page.
#include "game/shell/saves_list.h"

#include <filesystem>
#include <string>

#include "engine/platform/virtual_keys.h"
#include "engine/ui/buttons.h"
#include "game/board/pieces_system.h"
#include "game/board/save_file.h"
#include "game/shell/menu_book.h"
#include "game/shell/menu_screen.h"
#include "game/shell/puzzle_category.h"
#include "tests/game/shell/shell_fixture.h"

namespace GAME {
namespace {

TEST(CompletionPercentTest, JoinsOfThePiecesLessOneRoundedWithinAHundred) {
    const struct {
        int joins, pieces, percent;
    } cases[] = {{5, 12, 45}, {0, 12, 0},  {11, 12, 100},  {1, 12, 9},
                 {0, 1, 100}, {-3, 12, 0}, {1000, 12, 100}};
    for (const auto& c : cases) {
        EXPECT_EQ(CompletionPercent(c.joins, c.pieces), c.percent) << c.joins << "/" << c.pieces;
    }
}

class SavesPageTest : public GameShellTest {
  protected:
    void SetUp() override {
        GameShellTest::SetUp();
        Settings().help_pages = false;
    }
    std::string Folder() const { return root + "Tester/"; }
    bool Exists(const std::string& name) const { return std::filesystem::exists(Folder() + name); }
    // A game from the book with one join made, left through the quit and save questions with
    // the answer "save" (Enter to both).
    void PlayAndSave(int joins = 1) {
        puzzle->Play();
        Step();  // builds the pieces
        PUZZLE_PIECES_SYSTEM& board = *puzzle->Board();
        board.counters.regSc = 40;
        board.counters.regCg = joins;
        puzzle->OpenQuitQuestion();
        Press(VK_RETURN);
        ASSERT_TRUE(puzzle->SaveQuestionOpen());
        Press(VK_RETURN);
        ASSERT_EQ(puzzle->State(), PUZZLE::kMenu);
    }
    // Copies of the first save as save2 ... save<count>.
    void CopySaves(int count) {
        for (int n = 2; n <= count; ++n) {
            std::filesystem::copy_file(Folder() + "save1.pzl",
                                       Folder() + "save" + std::to_string(n) + ".pzl");
        }
        puzzle->RefreshSaves();
    }
    SAVES_LIST& Saves() { return puzzle->Saves(); }
};

TEST_F(SavesPageTest, AGameSavedFromPlayIsResumedFromItsPage) {
    ASSERT_FALSE(puzzle->SavesShown());
    std::filesystem::create_directories(FolderPath("DATA/book"));
    Image(400, 60, 0xFF44AA99, "DATA/book/gallery_button.png");
    PlayAndSave();
    ASSERT_TRUE(Exists("save1.pzl"));
    ASSERT_TRUE(puzzle->SavesShown());
    // The saves tab joins the book with the tab image of the book's pack.
    const BUTTONACT* tab = puzzle->Book().Tab(puzzle->CategoryCount());
    ASSERT_NE(tab, nullptr);
    EXPECT_NE(tab->GetTexture(), render->GetDefaultTexture());

    puzzle->SelectPage(puzzle->SavesPage());
    EXPECT_FALSE(puzzle->Menu().Button(kButtonCut).IsEnabled());
    ASSERT_EQ(Saves().EntryCount(), 1);
    EXPECT_EQ(Saves().Entry(0).label.Percent(), 9);  // 1 join of 11
    EXPECT_EQ(Saves().Entry(0).amount, 12);

    puzzle->SetPzlOpt();  // nothing to cut on this page
    EXPECT_EQ(puzzle->State(), PUZZLE::kMenu);
    const SAVED_PUZZLE saved = *ParseSaveFile(Folder() + "save1.pzl");
    Press(VK_RETURN);
    ASSERT_EQ(puzzle->State(), PUZZLE::kPlaying);
    const PUZZLE_PIECES_SYSTEM& board = *puzzle->Board();
    ASSERT_EQ(board.Grid().size(), saved.pieces.size());
    for (size_t i = 0; i < saved.pieces.size(); ++i) {
        EXPECT_EQ(board.Grid()[i]->X(), saved.pieces[i].posx) << i;
        EXPECT_EQ(board.Grid()[i]->Y(), saved.pieces[i].posy) << i;
    }
    EXPECT_EQ(board.state, kStatePlay);
    EXPECT_EQ(board.save_path, Folder() + "save1.pzl");
    EXPECT_EQ(board.counters.regSc, 40);
    EXPECT_NE(puzzle->PlayPanel(), nullptr);
    EXPECT_EQ(puzzle->HelpScreen(), nullptr);
}

TEST_F(SavesPageTest, SavingAGameWithoutAJoinWritesNothing) {
    PlayAndSave(0);
    EXPECT_FALSE(Exists("save1.pzl"));
    EXPECT_FALSE(puzzle->SavesShown());
}

TEST_F(SavesPageTest, ChoosingIsSilentAndOnlyPlayStartsTheGame) {
    PlayAndSave();
    CopySaves(2);
    puzzle->SelectPage(puzzle->SavesPage());
    ReplaceSound(kSoundPuzzleSelection);
    ClickOn(Saves().Entry(1));
    EXPECT_EQ(Saves().Selected(), 1);
    EXPECT_FALSE(Played(kSoundPuzzleSelection));
    MoveMouse(static_cast<int>(Saves().Entry(0).pos.x), static_cast<int>(Saves().Entry(0).pos.y));
    for (int click = 0; click < 2; ++click) {
        PressLeft();
        Step();
        ReleaseLeft();
        Step();
    }
    EXPECT_EQ(Saves().Selected(), 0);
    EXPECT_EQ(puzzle->State(), PUZZLE::kMenu);
    Press(VK_RETURN);
    EXPECT_EQ(puzzle->State(), PUZZLE::kPlaying);
    EXPECT_EQ(puzzle->Board()->save_path, Folder() + "save1.pzl");
}

TEST_F(SavesPageTest, DeletingWalksBackThroughThePagesAndTheLastOneClosesThePage) {
    PlayAndSave();
    CopySaves(10);  // two pages: eight and two
    puzzle->SelectPage(puzzle->SavesPage());
    ASSERT_EQ(Saves().EntryCount(), 10);
    ClickOn(Saves().NextButton());
    ASSERT_EQ(Saves().Page(), 1);
    ClickOn(Saves().Entry(9));
    const std::string last = Saves().Entry(9).save_file;
    ClickOn(Saves().DeleteButton());
    EXPECT_FALSE(std::filesystem::exists(last));
    EXPECT_EQ(Saves().Selected(), 8);
    EXPECT_EQ(Saves().Page(), 1);
    ClickOn(Saves().DeleteButton());
    EXPECT_EQ(Saves().Selected(), 7);
    EXPECT_EQ(Saves().Page(), 0) << "back to the page that holds the selection";

    // The first entry keeps the selection at the first.
    ClickOn(Saves().Entry(0));
    ClickOn(Saves().DeleteButton());
    EXPECT_EQ(Saves().Selected(), 0);
    while (Saves().EntryCount() > 1) {
        ClickOn(Saves().DeleteButton());
    }
    ClickOn(Saves().DeleteButton());
    EXPECT_FALSE(puzzle->SavesShown());
    EXPECT_EQ(puzzle->CurrentPage(), 1);
    EXPECT_TRUE(puzzle->Menu().Button(kButtonCut).IsEnabled());
    EXPECT_FALSE(std::filesystem::exists(Folder() + "save1.pzl"));
}

TEST_F(SavesPageTest, AFileThatCannotBeRestoredStaysOnDiskAndTheMenuStays) {
    PlayAndSave();
    SAVED_PUZZLE saved = *ParseSaveFile(Folder() + "save1.pzl");
    saved.ImgAdr = "gone.png";
    const std::string text = WriteSavedPuzzle(saved);
    WFILE_SYSTEM::WriteStream(Folder() + "save1.pzl", text.data(), text.size());
    WFILE_SYSTEM::WriteStream(Folder() + "save2.pzl", "junk", 4);
    puzzle->RefreshSaves();
    // The junk is no entry, but the page stays while any save file is there.
    ASSERT_EQ(Saves().EntryCount(), 1);
    puzzle->SelectPage(puzzle->SavesPage());
    Press(VK_RETURN);
    EXPECT_EQ(puzzle->State(), PUZZLE::kMenu);
    EXPECT_EQ(puzzle->Board(), nullptr);
    EXPECT_TRUE(Exists("save1.pzl"));
    EXPECT_TRUE(Exists("save2.pzl"));
}

}  // namespace
}  // namespace GAME
