// Saving a game in progress and restoring it on a new board: the round trip, the cut it rebuilds,
// the file names, a crash during the save, and hostile files that must never start a broken
// game nor be deleted.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "engine/resources/config.h"
#include "engine/resources/registry.h"
#include "game/board/picture_tier.h"
#include "game/board/resolution_message.h"
#include "game/board/save_file.h"
#include "game/board/saved_puzzle.h"
#include "tests/game/board/board_fixture.h"
#include "tests/game/board/cut_hash.h"
#include "tests/support/killed_writer.h"

namespace GAME {
namespace {

constexpr int kResolution = 786432;
// The picture of the pinned cut: 7 x 5 pieces of 46 x 48 at Min 5.
constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr int kMin = 5;
constexpr int kPieces = 35;

struct PIECE_STATE {
    float x, y;
    int trt, nstr, BK;
    bool operator==(const PIECE_STATE&) const = default;
    friend void PrintTo(const PIECE_STATE& p, std::ostream* out) {
        *out << "(" << p.x << ", " << p.y << " trt " << p.trt << " nstr " << p.nstr << " BK "
             << p.BK << ")";
    }
};

class SaveRestoreTest : public BoardTest {
  protected:
    void SetUp() override {
        BoardTest::SetUp();
        UseBuiltInResources();
        // With packs off a pack is a folder: the test's own picture pack stands in for low_pack.
        pack_ = scratch_.Path("pictures");
        std::filesystem::create_directories(pack_);
        ASSERT_TRUE(WriteTestPicture(pack_ + "/picture.png", kWidth, kHeight));
        previous_low_pack_ = g_resources.packs.low_pack;
        g_resources.packs.low_pack = pack_.c_str();
        game_pack_ = pack_;
        previous_hi_pack_ = g_resources.packs.hi_pack;
        std::filesystem::create_directories(scratch_.Path("player"));
    }
    void TearDown() override {
        BoardTest::TearDown();
        g_resources.packs.low_pack = previous_low_pack_;
        g_resources.packs.hi_pack = previous_hi_pack_;
        g_config.max_save = CONFIG{}.max_save;
    }

    // A game as the shell starts one from the catalogue, at rest with its pieces spread out.
    void NewGame(bool rotation, float deformation) {
        board = std::make_unique<PUZZLE_PIECES_SYSTEM>();
        board->pack_name = game_pack_;
        board->SetAspect(0.75f);
        board->Init("picture.png", kMin, 0, &settings, rotation, deformation, 0);
        board->SetState(kStateBuild);
        Frame();
        ASSERT_EQ(board->StackSize(), kPieces);
        for (PUZZLE_PIECE* p : board->Grid()) {
            p->Place(150.0f + p->col * 100.0f, 150.0f + p->row * 100.0f);
            p->lift = 0.0f;
            p->lift_direction = 0;
        }
    }
    // Drops piece (col, row) beside its left (or upper) neighbour, both upright: they join.
    void JoinToNeighbour(int col, int row) {
        PUZZLE_PIECE& piece = Piece(col, row);
        PUZZLE_PIECE& other = col > 0 ? Piece(col - 1, row) : Piece(col, row - 1);
        TurnTo(piece, 0);
        TurnTo(other, 0);
        const int to_x = static_cast<int>(other.X()) + (col > 0 ? board->cellW : 0);
        const int to_y = static_cast<int>(other.Y()) + (col > 0 ? 0 : board->cellH);
        DragPiece(piece, to_x, to_y);
        Frames(60);  // the join settles
    }
    std::string SavePrefix() const { return scratch_.Path("player/save"); }

    // Reads path and restores it on a new board (replacing the current one): Restore's answer,
    // or 0 when ReadSaveFile refused the file.
    int Load(const std::string& path, int resolution = kResolution) {
        board.reset();
        const std::optional<SAVED_PUZZLE> saved = ReadSaveFile(path);
        if (!saved) {
            return 0;
        }
        board = std::make_unique<PUZZLE_PIECES_SYSTEM>();
        board->SetAspect(0.75f);
        return board->Restore(*saved, path, &settings, resolution);
    }

    std::vector<PIECE_STATE> Pieces() const {
        std::vector<PIECE_STATE> pieces;
        for (const PUZZLE_PIECE* p : board->Grid()) {
            pieces.push_back({p->X(), p->Y(), p->trt, p->nstr, p->BK});
        }
        return pieces;
    }
    std::vector<uint32_t> Texels(const PUZZLE_PIECE& piece) const {
        WRENDER& render = *game->GetRender();
        WTEXTURE* texture = piece.sprite.GetTexture();
        int w = 0;
        int h = 0;
        render.GetTextureSize(texture, w, h);
        const uint32_t* texels = render.LockTexture(texture);
        std::vector<uint32_t> copy(texels, texels + static_cast<size_t>(w) * h);
        render.UnlockTexture(texture);
        return copy;
    }
    // The board's cut: its shape table and every piece's texels, in grid order.
    uint64_t BoardCutHash() const {
        uint64_t hash = 14695981039346656037ull;
        for (const CUT_POINT& p : board->shapes)
            hash = Fnv(Fnv(hash, p.x), p.y);
        for (const PUZZLE_PIECE* p : board->Grid())
            for (uint32_t t : Texels(*p))
                hash = Fnv(hash, t);
        return hash;
    }
    // The board is the pinned cut: the same shapes and the same texels in every piece.
    bool IsCutOf(const CUT_RESULT& cut) const {
        if (board->shapes != cut.cut.lines.shapes || cut.pieces.size() != board->Grid().size()) {
            return false;
        }
        for (size_t i = 0; i < cut.pieces.size(); ++i) {
            if (Texels(*board->Grid()[i]) != cut.pieces[i])
                return false;
        }
        return true;
    }

    // The logical screen: boards made afterwards take its play area.
    void UseScreen(int width, int height) {
        game->render.ResetMode(width, height, false);
        game->render.SetLogicalSize(width, height);
        game->Centre = {width / 2, height / 2};
    }

    std::string pack_;
    std::string game_pack_;  // the pack NewGame cuts from

  private:
    const char* previous_low_pack_ = nullptr;
    const char* previous_hi_pack_ = nullptr;
};

TEST_F(SaveRestoreTest, AGameInProgressComesBackExactlyAsItWasSaved) {
    NewGame(true, 29 / 100.0f);  // the difficulty choice's path from its percent
    JoinToNeighbour(1, 0);
    JoinToNeighbour(0, 1);
    JoinToNeighbour(4, 2);
    TurnTo(Piece(6, 4), 3);
    Piece(5, 4).BK = 1;
    board->counters.regH = 2;
    board->counters.regGVN = true;
    board->ToggleGhostImage();
    board->ToggleFlyFrame();
    ASSERT_EQ(board->counters.regCg, 3);
    const std::vector<PIECE_STATE> pieces = Pieces();
    const BOARD_COUNTERS counters = board->counters;
    const uint64_t cut = BoardCutHash();

    ASSERT_EQ(board->Save(SavePrefix(), kResolution), 1);
    const std::string path = SavePrefix() + "1.pzl";
    ASSERT_TRUE(std::filesystem::exists(path));
    ASSERT_EQ(Load(path), 1);
    // Straight into play: no preview, no build, no flight.
    EXPECT_EQ(board->state, kStatePlay);
    EXPECT_EQ(Pieces(), pieces);
    EXPECT_EQ(board->distort, 29 / 100.0f);
    EXPECT_EQ(BoardCutHash(), cut);
    const BOARD_COUNTERS& c = board->counters;
    EXPECT_EQ(c.regT, counters.regT);
    EXPECT_EQ(c.regTa, counters.regTa);
    EXPECT_EQ(c.regBr, counters.regBr);
    EXPECT_EQ(c.regF, counters.regF);
    EXPECT_EQ(c.regH, 2);
    EXPECT_EQ(c.regCg, 3);
    EXPECT_EQ(c.regSc, counters.regSc);
    EXPECT_EQ(c.regPf, counters.regPf);
    EXPECT_TRUE(c.regGVN);
    EXPECT_EQ(c.regGVN2, counters.regGVN2);
    EXPECT_EQ(c.regFinishP, counters.regFinishP);
    EXPECT_EQ(c.regFastGlue, counters.regFastGlue);
    EXPECT_EQ(c.cstr, counters.cstr);
    EXPECT_TRUE(board->rt);
    EXPECT_FALSE(board->ghost_image);
    EXPECT_FALSE(board->fly_shown);
    EXPECT_EQ(board->ResolutionMessage(), nullptr);
    // Groups lie under every single piece: below the first group piece only groups follow.
    bool among_groups = false;
    for (int i = 0; i < board->StackSize(); ++i) {
        const bool single = board->StackAt(i)->IsSingle();
        EXPECT_FALSE(among_groups && single) << "a single piece under a group at " << i;
        among_groups = among_groups || !single;
    }
    // Playing on rebuilds nothing and starts no flight (the piece in the pocket may be pushed
    // into it).
    Frame();
    EXPECT_EQ(board->state, kStatePlay);
    Piece(5, 4).Place(pieces[4 * 7 + 5].x, pieces[4 * 7 + 5].y);
    EXPECT_EQ(Pieces(), pieces);
}

TEST_F(SaveRestoreTest, TheRebuiltCutIsThePinnedOneAndOldFilesReadAsBefore) {
    const CUT_RESULT pinned = Cut(kWidth, kHeight, kMin, 0.75f, 29 / 100.0f);
    ASSERT_EQ(HashOf(pinned), kPinnedCut320x240Min5Distort29);
    NewGame(false, 29 / 100.0f);
    ASSERT_TRUE(IsCutOf(pinned));
    ASSERT_EQ(board->Save(SavePrefix(), kResolution), 1);
    const std::string path = SavePrefix() + "1.pzl";
    EXPECT_EQ(ParseSaveFile(path)->distort, 29);
    ASSERT_EQ(Load(path), 1);
    EXPECT_TRUE(IsCutOf(pinned));
    EXPECT_EQ(HashOf(Cut(kWidth, kHeight, kMin, 0.75f, board->distort)),
              kPinnedCut320x240Min5Distort29);

    // A file written by truncating (29 became 28) reads as 0.28: the cut that file always gave.
    SAVED_PUZZLE old = *ParseSaveFile(path);
    old.distort = 28;
    const std::string text = WriteSavedPuzzle(old);
    const std::string old_path = scratch_.Write("player/old.pzl", text);
    ASSERT_EQ(Load(old_path), 1);
    EXPECT_EQ(board->distort, 28 / 100.0f);
    const CUT_RESULT truncated = Cut(kWidth, kHeight, kMin, 0.75f, 28 / 100.0f);
    EXPECT_TRUE(IsCutOf(truncated));
    EXPECT_NE(HashOf(truncated), kPinnedCut320x240Min5Distort29);
}

TEST_F(SaveRestoreTest, SavesGoToTheirOwnFileOrToANewOneThatTakesNoOthersPlace) {
    NewGame(false, 0.0f);
    ASSERT_EQ(board->Save(SavePrefix(), kResolution), 1);
    ASSERT_EQ(board->Save(SavePrefix(), kResolution), 1);
    // A new game is not tied to the file it made: saved twice, it makes two.
    EXPECT_TRUE(std::filesystem::exists(SavePrefix() + "1.pzl"));
    EXPECT_TRUE(std::filesystem::exists(SavePrefix() + "2.pzl"));

    // A loaded game writes over its own file.
    ASSERT_EQ(Load(SavePrefix() + "1.pzl"), 1);
    Piece(3, 3).Place(700.0f, 500.0f);
    ASSERT_EQ(board->Save(SavePrefix(), kResolution), 1);
    EXPECT_FALSE(std::filesystem::exists(SavePrefix() + "3.pzl"));
    EXPECT_EQ(ParseSaveFile(SavePrefix() + "1.pzl")->pieces[3 * 7 + 3].posx, 700.0f);

    // Past the configured number of names the writer goes on numbering.
    g_config.max_save = 3;
    scratch_.Write("player/save3.pzl", "third");
    NewGame(false, 0.0f);
    ASSERT_EQ(board->Save(SavePrefix(), kResolution), 1);
    EXPECT_EQ(scratch_.Read("player/save3.pzl"), "third");
    EXPECT_TRUE(std::filesystem::exists(SavePrefix() + "4.pzl"));
}

TEST_F(SaveRestoreTest, AGameSavedAtAnotherResolutionAsksFirstAndKeepsItsPlaces) {
    NewGame(false, 0.0f);
    ASSERT_EQ(board->Save(SavePrefix(), 1296000), 1);
    const std::vector<PIECE_STATE> pieces = Pieces();
    ASSERT_EQ(Load(SavePrefix() + "1.pzl", kResolution), 1);
    ASSERT_NE(board->ResolutionMessage(), nullptr);
    EXPECT_EQ(Pieces(), pieces);
}

// A game keeps the pack it was cut from. On a screen of a smaller tier it comes back cut from
// the same picture, says so even when the resolution code agrees (two desktops of one code can
// differ in size), and brings what lay beyond the smaller play area inside it, groups whole.
TEST_F(SaveRestoreTest, AGameReloadsFromItsOwnPackAndASmallerScreenSaysSo) {
    // The low pack's picture of that name differs: a load from the wrong pack shows.
    const std::string hi_pack = scratch_.Path("pictures_hi");
    std::filesystem::create_directories(hi_pack);
    ASSERT_TRUE(WriteTestPicture(hi_pack + "/picture.png", kWidth, kHeight));
    ASSERT_TRUE(WriteTestPicture(pack_ + "/picture.png", 2 * kWidth, 2 * kHeight));
    g_resources.packs.hi_pack = hi_pack.c_str();
    UseScreen(1920, 1080);
    game_pack_ = PictureTierFor(1920, 1080).pack;
    ASSERT_EQ(game_pack_, hi_pack);
    NewGame(false, 0.0f);
    JoinToNeighbour(1, 0);
    for (PUZZLE_PIECE* p : {&Piece(0, 0), &Piece(1, 0)})
        p->MoveBy(1200.0f, 700.0f);  // the group lies at the far right, low down
    Piece(6, 4).Place(1850.0f, 1000.0f);
    Piece(5, 4).Place(-300.0f, 40.0f);
    ASSERT_EQ(board->Save(SavePrefix(), kResolution), 1);
    const std::vector<PIECE_STATE> pieces = Pieces();
    const uint64_t cut = BoardCutHash();

    ASSERT_EQ(Load(SavePrefix() + "1.pzl"), 1);
    EXPECT_EQ(board->ResolutionMessage(), nullptr) << "same screen, same code";
    EXPECT_EQ(Pieces(), pieces);

    UseScreen(1024, 768);
    ASSERT_EQ(Load(SavePrefix() + "1.pzl"), 1);
    EXPECT_EQ(board->pack_name, hi_pack);
    EXPECT_EQ(BoardCutHash(), cut);
    EXPECT_NE(board->ResolutionMessage(), nullptr);
    const BOARD_RECT& area = board->play_area;
    for (const PUZZLE_PIECE* p : board->Grid()) {
        EXPECT_GT(p->X(), area.left) << p->col << ", " << p->row;
        EXPECT_LT(p->X(), area.right) << p->col << ", " << p->row;
        EXPECT_GT(p->Y(), area.top) << p->col << ", " << p->row;
        EXPECT_LT(p->Y(), area.bottom) << p->col << ", " << p->row;
    }
    EXPECT_EQ(Piece(1, 0).X() - Piece(0, 0).X(), pieces[1].x - pieces[0].x);
    EXPECT_EQ(Piece(1, 0).Y() - Piece(0, 0).Y(), pieces[1].y - pieces[0].y);
    EXPECT_EQ(Piece(3, 2).X(), pieces[2 * 7 + 3].x) << "a piece inside stays";
}

TEST_F(SaveRestoreTest, ACrashInTheMiddleOfASaveLeavesTheOldFileWhole) {
    NewGame(false, 0.0f);
    ASSERT_EQ(board->Save(SavePrefix(), kResolution), 1);
    const std::string before = scratch_.Read("player/save1.pzl");
    ASSERT_EQ(Load(SavePrefix() + "1.pzl"), 1);
    Piece(0, 0).Place(600.0f, 600.0f);
    EXPECT_TRUE(
        KilledWhileWriting([&] { board->Save(SavePrefix(), kResolution); }, before.size() / 2));
    EXPECT_EQ(scratch_.Read("player/save1.pzl"), before);
}

TEST_F(SaveRestoreTest, AGameSavedDuringItsFinishFinishesOnceLoaded) {
    NewGame(false, 0.0f);
    ASSERT_EQ(board->Save(SavePrefix(), kResolution), 1);
    SAVED_PUZZLE done = *ParseSaveFile(SavePrefix() + "1.pzl");
    for (int i = 0; i < kPieces; ++i) {
        done.pieces[i] = {200.0f + board->cellW * (i % 7), 200.0f + board->cellH * (i / 7), 0, 1,
                          0};
    }
    const std::string path = scratch_.Write("player/done.pzl", WriteSavedPuzzle(done));
    g_config.trofei_enable = false;
    ASSERT_EQ(Load(path), 1);
    EXPECT_EQ(board->counters.regF, 1);
    int result = kBoardNothing;
    for (int frame = 0; frame < 1000 && result != kBoardFinished; ++frame) {
        result = Frame();
    }
    g_config.trofei_enable = true;
    EXPECT_EQ(result, kBoardFinished);
    EXPECT_FALSE(std::filesystem::exists(path)) << "a finished game is not kept";
}

// Whether the board is a game that can be played to its end: pieces in range, every group a
// connected set of neighbours with one turn, and counters that tell the groups' story.
::testing::AssertionResult IsPlayable(const PUZZLE_PIECES_SYSTEM& board) {
    const int cells = board.cols * board.rows;
    std::set<int> groups;
    int units = 0;
    for (const PUZZLE_PIECE* p : board.Grid()) {
        if (!std::isfinite(p->X()) || !std::isfinite(p->Y()) || p->trt < 0 || p->trt > 3 ||
            (!board.rt && p->trt != 0) || (p->BK != 0 && p->BK != 1)) {
            return ::testing::AssertionFailure() << "piece " << p->col << "," << p->row;
        }
        if (p->IsSingle()) {
            ++units;
        } else if (groups.insert(p->nstr).second) {
            ++units;
        }
    }
    for (int group : groups) {
        std::vector<const PUZZLE_PIECE*> members;
        for (const PUZZLE_PIECE* p : board.Grid()) {
            if (p->nstr == group)
                members.push_back(p);
        }
        // Connected: a walk over grid neighbours of the same group and turn reaches them all.
        std::vector<const PUZZLE_PIECE*> reached{members.front()};
        for (size_t i = 0; i < reached.size(); ++i) {
            for (const PUZZLE_PIECE* m : members) {
                const bool beside =
                    std::abs(m->col - reached[i]->col) + std::abs(m->row - reached[i]->row) == 1;
                if (beside && m->trt == reached[i]->trt &&
                    std::find(reached.begin(), reached.end(), m) == reached.end()) {
                    reached.push_back(m);
                }
            }
        }
        if (reached.size() != members.size() || members.size() < 2) {
            return ::testing::AssertionFailure() << "group " << group << " does not hang together";
        }
    }
    if (board.counters.regF != units || board.counters.regCg != cells - units) {
        return ::testing::AssertionFailure() << "regF " << board.counters.regF << " for " << units;
    }
    if (board.state != kStatePlay || (board.finish_index != -1) != (units == 1)) {
        return ::testing::AssertionFailure() << "state " << board.state;
    }
    return ::testing::AssertionSuccess();
}

TEST_F(SaveRestoreTest, HostileFilesNeverStartABrokenGameAndAreNeverDeleted) {
    NewGame(true, 0.5f);
    ASSERT_EQ(board->Save(SavePrefix(), kResolution), 1);
    const SAVED_PUZZLE good = *ParseSaveFile(SavePrefix() + "1.pzl");
    const auto edit = [&](auto change) {
        SAVED_PUZZLE saved = good;
        change(saved);
        return WriteSavedPuzzle(saved);
    };
    const std::string many =
        edit([&](SAVED_PUZZLE& s) { s.pieces.assign(100000, good.pieces[0]); });
    const float kNaN = std::numeric_limits<float>::quiet_NaN();
    struct CASE {
        const char* what;
        std::string bytes;
        bool restores;
    };
    const CASE cases[] = {
        {"empty", "", false},
        {"not XML", "this is not a saved game", false},
        {"100 000 pieces", many, true},
        {"positions that are no number or too far", edit([&](SAVED_PUZZLE& s) {
             s.pieces[0].posx = kNaN;
             s.pieces[1].posy = 1e30f;
             s.pieces[2].posx = -1e30f;
         }),
         true},
        {"turns and groups out of range", edit([](SAVED_PUZZLE& s) {
             s.pieces[0].trt = -1;
             s.pieces[1].trt = 2147483647;
             s.pieces[2].nstr = -5;
             s.pieces[3].nstr = 2147483647;
             s.pieces[4].nstr = 2147483647;
         }),
         true},
        {"a group of pieces that are not neighbours", edit([](SAVED_PUZZLE& s) {
             s.pieces[0].nstr = 1;
             s.pieces[34].nstr = 1;
             s.pieces[17].nstr = 1;
         }),
         true},
        {"a group whose pieces differ in turn", edit([](SAVED_PUZZLE& s) {
             s.pieces[0] = {300.0f, 300.0f, 0, 1, 0};
             s.pieces[1] = {346.0f, 300.0f, 1, 1, 0};
         }),
         true},
        {"counters that say the puzzle is done", edit([](SAVED_PUZZLE& s) {
             s.counters.regF = 1;
             s.counters.regBr = 1;
             s.counters.regCg = 34;
             s.counters.regFinishP = 35;
         }),
         true},
        {"a pack outside the game", edit([](SAVED_PUZZLE& s) { s.ImgPkAdr = "../DATA/low"; }),
         false},
        {"a picture outside its pack", edit([](SAVED_PUZZLE& s) { s.ImgAdr = "../picture.png"; }),
         false},
        {"a missing picture", edit([](SAVED_PUZZLE& s) { s.ImgAdr = "gone.png"; }), false},
        {"a grid that is not the picture's cut", edit([](SAVED_PUZZLE& s) { s.Min = 9; }), false},
    };
    for (const CASE& c : cases) {
        const std::string path = scratch_.Write("player/hostile.pzl", c.bytes);
        const int answer = Load(path);
        EXPECT_EQ(answer == 1, c.restores) << c.what;
        if (answer == 1) {
            EXPECT_TRUE(IsPlayable(*board)) << c.what;
            EXPECT_EQ(board->StackSize(), kPieces) << c.what;
            Frames(3);
        }
        EXPECT_EQ(scratch_.Read("player/hostile.pzl"), c.bytes) << c.what;
    }
}

}  // namespace
}  // namespace GAME
