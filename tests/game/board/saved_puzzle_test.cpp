// The ".pzl" document and what the board makes of a saved game whatever the file says: the
// writer's attributes and rounding, the parser's tolerance, and the checks that keep a restored
// game playable and finishable.
#include "game/board/saved_puzzle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "game/board/saved_game_check.h"

namespace GAME {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

SAVED_PUZZLE Example() {
    SAVED_PUZZLE saved;
    saved.ImgAdr = "aitzgorri.jpg";
    saved.ImgSmAdr = "aitzgorri_small.jpg";
    saved.piece_amount = 12;
    saved.ImgPkAdr = "DATA/low";
    saved.Min = 3;
    saved.distort = 29;
    saved.typeborder = 1;
    saved.fly = true;
    saved.frame = false;
    saved.rt = true;
    saved.regRes = 786432;
    BOARD_COUNTERS& c = saved.counters;
    c.regT = 1.25f;
    c.regTa = 601.0625f;
    c.regBr = 7;
    c.regF = 9;
    c.regH = 2;
    c.regCg = 3;
    c.regSc = 480;
    c.regPf = 11;
    c.regGVN = true;
    c.regGVN2 = false;
    c.regFinishP = 0;
    c.regFastGlue = 2;
    c.cstr = 3;
    saved.pieces = {{100.5f, 200.25f, 1, 0, 0}, {0.1f, -3.0f, 3, 2, 0}, {9.0f, 9.0f, 0, 0, 1}};
    return saved;
}

TEST(SavedPuzzleFile, TheWriterKeepsTheFileOrderAndTheParserReadsEverythingBack) {
    const SAVED_PUZZLE saved = Example();
    const std::string text = WriteSavedPuzzle(saved);
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(text.c_str()));
    const pugi::xml_node root = document.child("Save");
    std::vector<std::string> names;
    for (pugi::xml_attribute a : root.attributes()) {
        names.push_back(a.name());
    }
    EXPECT_EQ(names, (std::vector<std::string>{
                         "ImgAdr",  "ImgSmAdr",    "piece_amount", "ImgPkAdr", "ImgPss",
                         "Min",     "distort",     "typeborder",   "fly",      "frame",
                         "regT",    "regTa",       "regH",         "regCg",    "regSc",
                         "regPf",   "regBr",       "regF",         "rt",       "regGVN",
                         "regGVN2", "regFastGlue", "regFinishP",   "regRes",   "cstr"}));
    EXPECT_STREQ(root.attribute("ImgPss").value(), "7403");
    EXPECT_STREQ(root.attribute("fly").value(), "true");
    EXPECT_STREQ(root.attribute("regGVN").value(), "1");
    EXPECT_EQ(std::distance(root.children("Piece").begin(), root.children("Piece").end()), 3);
    EXPECT_NE(text.find("\n\t<Piece"), std::string::npos) << "indented with tabs";

    const std::optional<SAVED_PUZZLE> back = ParseSavedPuzzle(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->ImgAdr, saved.ImgAdr);
    EXPECT_EQ(back->ImgSmAdr, saved.ImgSmAdr);
    EXPECT_EQ(back->ImgPkAdr, saved.ImgPkAdr);
    EXPECT_EQ(back->piece_amount, 12);
    EXPECT_EQ(back->Min, 3);
    EXPECT_EQ(back->distort, 29);
    EXPECT_EQ(back->typeborder, 1);
    EXPECT_TRUE(back->rt);
    EXPECT_EQ(back->regRes, 786432);
    const BOARD_COUNTERS& c = back->counters;
    EXPECT_EQ(c.regT, 1.25f);
    EXPECT_EQ(c.regTa, 601.0625f);
    EXPECT_EQ(c.regBr, 7);
    EXPECT_EQ(c.regF, 9);
    EXPECT_EQ(c.regH, 2);
    EXPECT_EQ(c.regCg, 3);
    EXPECT_EQ(c.regSc, 480);
    EXPECT_EQ(c.regPf, 11);
    EXPECT_TRUE(c.regGVN);
    EXPECT_FALSE(c.regGVN2);
    EXPECT_EQ(c.regFastGlue, 2);
    EXPECT_EQ(c.cstr, 3);
    ASSERT_EQ(back->pieces.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back->pieces[i].posx, saved.pieces[i].posx) << i;
        EXPECT_EQ(back->pieces[i].posy, saved.pieces[i].posy) << i;
        EXPECT_EQ(back->pieces[i].trt, saved.pieces[i].trt) << i;
        EXPECT_EQ(back->pieces[i].nstr, saved.pieces[i].nstr) << i;
        EXPECT_EQ(back->pieces[i].BK, saved.pieces[i].BK) << i;
    }
}

TEST(SavedPuzzleFile, EveryDeformationOfTheDifficultyChoiceComesBackAsItWasChosen) {
    // The choice's slider gives whole percents, and the board gets value / 100.
    for (int percent = 0; percent <= 100; ++percent) {
        EXPECT_EQ(DistortPercent(percent / 100.0f), percent) << percent;
    }
    // The old truncation turned 0.29 into 28, another cut; an old file still reads as it did.
    EXPECT_EQ(static_cast<int>(0.29f * 100.0), 28);
    SAVED_PUZZLE old = Example();
    old.distort = 28;
    EXPECT_EQ(ParseSavedPuzzle(WriteSavedPuzzle(old))->distort, 28);
}

TEST(SavedPuzzleFile, TheParserTakesAnyRootAndChildNamesAndStopsAtTheMostPieces) {
    const struct {
        const char* what;
        std::string bytes;
        bool parses;
        size_t pieces;
    } cases[] = {
        {"empty", "", false, 0},
        {"not XML", "PK\x03\x04 binary", false, 0},
        {"only a declaration", "<?xml version=\"1.0\"?>", false, 0},
        {"a root without anything", "<Save/>", true, 0},
        {"other names", "<Game Min=\"4\"><a trt=\"1\"/>text<b/><!-- c --></Game>", true, 2},
        {"more children than any grid",
         "<Save>" + std::string(kMostSavedPieces + 10, ' ') +
             [] {
                 std::string many;
                 for (size_t i = 0; i < kMostSavedPieces + 10; ++i)
                     many += "<Piece/>";
                 return many;
             }() +
             "</Save>",
         true, kMostSavedPieces},
    };
    for (const auto& c : cases) {
        const std::optional<SAVED_PUZZLE> saved = ParseSavedPuzzle(c.bytes);
        ASSERT_EQ(saved.has_value(), c.parses) << c.what;
        if (saved) {
            EXPECT_EQ(saved->pieces.size(), c.pieces) << c.what;
        }
    }
    const std::optional<SAVED_PUZZLE> other =
        ParseSavedPuzzle("<Game Min=\"4\"><a trt=\"1\"/></Game>");
    EXPECT_EQ(other->Min, 4);
    EXPECT_EQ(other->pieces[0].trt, 1);
    // Missing attributes read as nothing.
    EXPECT_EQ(other->ImgAdr, "");
    EXPECT_EQ(other->counters.regF, 0);
}

// A 4 x 3 grid of 60-pixel cells on a 1024 x 768 screen.
constexpr RESTORE_GRID kGrid{4, 3, 60, 60, 0.0f, 0.0f, 1024.0f, 768.0f};

// Twelve single upright pieces spread over the screen, rotation on.
SAVED_PUZZLE Spread() {
    SAVED_PUZZLE saved;
    saved.rt = true;
    for (int i = 0; i < 12; ++i) {
        saved.pieces.push_back({100.0f + 70.0f * i, 300.0f, 0, 0, 0});
    }
    return saved;
}

// Cells of the 4 x 3 grid: the top row is 0..3, the left column 0, 4, 8.
void Group(SAVED_PUZZLE& saved, int id, std::initializer_list<int> cells, int turns = 0) {
    const SAVED_PIECE first = saved.pieces[*cells.begin()];
    for (int cell : cells) {
        SAVED_PIECE& piece = saved.pieces[cell];
        piece.nstr = id;
        piece.trt = turns;
        // In formation for an upright group.
        piece.posx = first.posx + 60.0f * (cell % 4 - *cells.begin() % 4);
        piece.posy = first.posy + 60.0f * (cell / 4 - *cells.begin() / 4);
    }
}

std::vector<int> Ids(const SAVED_PUZZLE& saved) {
    std::vector<int> ids;
    for (const SAVED_PIECE& piece : saved.pieces) {
        ids.push_back(piece.nstr);
    }
    return ids;
}

TEST(SavedGameCheck, PositionsTurnsAndMarksComeIntoRange) {
    SAVED_PUZZLE saved = Spread();
    saved.pieces[0] = {kNaN, 1e30f, 5, 0, 7};
    saved.pieces[1] = {-kInf, -40.0f, -1, 0, -1};
    saved.pieces[2] = {2000.0f, kInf, std::numeric_limits<int>::min(), 0, 0};
    saved.pieces[3].trt = std::numeric_limits<int>::max();
    CheckSavedGame(saved, kGrid);
    const SAVED_PIECE& a = saved.pieces[0];
    EXPECT_EQ(a.posx, 512.0f);  // no number: the middle
    EXPECT_EQ(a.posy, 768.0f);
    EXPECT_EQ(a.trt, 1);
    EXPECT_EQ(a.BK, 1);
    EXPECT_EQ(saved.pieces[1].posx, 512.0f);
    EXPECT_EQ(saved.pieces[1].posy, 0.0f);
    EXPECT_EQ(saved.pieces[1].trt, 3);
    EXPECT_EQ(saved.pieces[1].BK, 1);
    EXPECT_EQ(saved.pieces[2].posx, 1024.0f);
    EXPECT_EQ(saved.pieces[2].posy, 384.0f);
    EXPECT_EQ(saved.pieces[2].trt, 0);
    EXPECT_EQ(saved.pieces[3].trt, 3);

    // Without rotation every piece is upright, or it could never be joined.
    SAVED_PUZZLE upright = Spread();
    upright.rt = false;
    upright.pieces[5].trt = 2;
    CheckSavedGame(upright, kGrid);
    EXPECT_EQ(upright.pieces[5].trt, 0);
}

TEST(SavedGameCheck, AGroupIsKeptOnlyWhereItsPiecesHangTogether) {
    struct CASE {
        const char* what;
        void (*make)(SAVED_PUZZLE&);
        std::vector<int> ids;
    };
    const CASE cases[] = {
        {"a row of three",
         [](SAVED_PUZZLE& s) {
             Group(s, 5, {0, 1, 2});
         },
         {5, 5, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"pieces that are not neighbours",
         [](SAVED_PUZZLE& s) {
             s.pieces[0].nstr = 4;
             s.pieces[5].nstr = 4;
             s.pieces[11].nstr = 4;
         },
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"neighbours that differ in turn",
         [](SAVED_PUZZLE& s) {
             Group(s, 2, {0, 1});
             s.pieces[1].trt = 1;
         },
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"two parts of one id: the larger keeps it",
         [](SAVED_PUZZLE& s) {
             Group(s, 3, {0, 4});
             Group(s, 3, {2, 3, 7});
         },
         {0, 0, 3, 3, 0, 0, 0, 3, 0, 0, 0, 0}},
        {"ids out of range",
         [](SAVED_PUZZLE& s) {
             Group(s, -2, {0, 1});
             Group(s, kMostGroupId + 1, {4, 5});
             Group(s, kMostGroupId, {8, 9});
         },
         {0, 0, 0, 0, 0, 0, 0, 0, kMostGroupId, kMostGroupId, 0, 0}},
    };
    for (const CASE& c : cases) {
        SAVED_PUZZLE saved = Spread();
        c.make(saved);
        CheckSavedGame(saved, kGrid);
        EXPECT_EQ(Ids(saved), c.ids) << c.what;
    }
}

TEST(SavedGameCheck, AKeptGroupLiesOutOfThePocketInFormation) {
    SAVED_PUZZLE saved = Spread();
    Group(saved, 1, {1, 2, 6}, 1);
    saved.pieces[1].posx = 400.0f;
    saved.pieces[1].posy = 400.0f;
    saved.pieces[2] = {401.5f, 461.0f, 1, 1, 1};  // a pixel and a half off, in the pocket
    saved.pieces[6] = {900.0f, 20.0f, 1, 1, 0};   // far away
    CheckSavedGame(saved, kGrid);
    // Turned a quarter clockwise, the next column lies below and the next row to the left.
    EXPECT_EQ(saved.pieces[2].posx, 401.5f);
    EXPECT_EQ(saved.pieces[2].posy, 461.0f);
    EXPECT_EQ(saved.pieces[2].BK, 0);
    EXPECT_EQ(saved.pieces[6].posx, 340.0f);
    EXPECT_EQ(saved.pieces[6].posy, 460.0f);
}

TEST(SavedGameCheck, TheCountersFollowTheGroupsNotTheFile) {
    struct CASE {
        const char* what;
        void (*make)(SAVED_PUZZLE&);
        int regF, regCg, regBr, regFinishP, cstr;
    };
    const CASE cases[] = {
        // 10 edge pieces around 2 inner ones.
        {"all single, counters claiming a finished game",
         [](SAVED_PUZZLE& s) {
             s.counters.regF = 1;
             s.counters.regCg = 11;
             s.counters.regBr = 1;
             s.counters.regFinishP = 12;
         },
         12, 0, 10, 0, 0},
        {"an edge group and an inner pair",
         [](SAVED_PUZZLE& s) {
             Group(s, 3, {0, 1});
             Group(s, 9, {5, 6});
             s.counters.cstr = 2;
         },
         10, 2, 9, 0, 9},
        {"the whole frame",
         [](SAVED_PUZZLE& s) {
             Group(s, 6, {0, 1, 2, 3, 4, 7, 8, 9, 10, 11});
             s.counters.cstr = 40;
         },
         3, 9, 1, 10, 40},
        {"fewer pieces than cells: the rest stay single",
         [](SAVED_PUZZLE& s) { s.pieces.resize(5); }, 12, 0, 10, 0, 0},
    };
    for (const CASE& c : cases) {
        SAVED_PUZZLE saved = Spread();
        c.make(saved);
        CheckSavedGame(saved, kGrid);
        const BOARD_COUNTERS& counters = saved.counters;
        EXPECT_EQ(counters.regF, c.regF) << c.what;
        EXPECT_EQ(counters.regCg, c.regCg) << c.what;
        EXPECT_EQ(counters.regBr, c.regBr) << c.what;
        EXPECT_EQ(counters.regFinishP, c.regFinishP) << c.what;
        EXPECT_EQ(counters.cstr, c.cstr) << c.what;
    }
}

TEST(SavedGameCheck, OtherCountersComeIntoRangeAndExtraPiecesGo) {
    SAVED_PUZZLE saved = Spread();
    for (int i = 0; i < 100; ++i) {
        saved.pieces.push_back({});
    }
    BOARD_COUNTERS& c = saved.counters;
    c.regT = kNaN;
    c.regTa = -5.0f;
    c.regH = -1;
    c.regSc = std::numeric_limits<int>::min();
    c.regPf = -3;
    c.regFastGlue = 50;
    c.cstr = -7;
    Group(saved, 2, {0, 1});
    CheckSavedGame(saved, kGrid);
    EXPECT_EQ(saved.pieces.size(), 12u);
    EXPECT_EQ(c.regT, 0.0f);
    EXPECT_EQ(c.regTa, 0.0f);
    EXPECT_EQ(c.regH, 0);
    EXPECT_EQ(c.regSc, 0);
    EXPECT_EQ(c.regPf, 0);
    EXPECT_EQ(c.regFastGlue, 1);  // no more than the joins made
    EXPECT_EQ(c.cstr, 2);
}

}  // namespace
}  // namespace GAME
