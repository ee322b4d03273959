// SAVED_PUZZLE: the ".pzl" file of a game in progress: the cut's parameters, every counter and
// each piece's place, turn, group and pocket mark, written and read as XML text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/board/board_counters.h"

namespace GAME {

// One "Piece" element, in grid order.
struct SAVED_PIECE {
    float posx = 0.0f;  // sprite centre, screen pixels (pocket pixels while in the pocket)
    float posy = 0.0f;
    int trt = 0;   // quarter turns clockwise
    int nstr = 0;  // group id, 0 single
    int BK = 0;    // 1 in the pocket
};

// The attributes of the root element "Save" under their names in the file.
struct SAVED_PUZZLE {
    std::string ImgAdr;    // the picture, a member of the pack ImgPkAdr
    std::string ImgSmAdr;  // its thumbnail
    int piece_amount = 0;  // cols x rows
    std::string ImgPkAdr;  // the pack holding the picture
    int Min = 0;
    int distort = 0;     // the deformation in percent
    int typeborder = 0;  // read back as 0 or 1
    bool fly = false;    // fly frame shown (written, not read)
    bool frame = false;  // ghost image on (written, not read)
    BOARD_COUNTERS counters;
    bool rt = false;
    int regRes = 0;  // the screen resolution code of the shell that saved it
    // An own picture (no pack; ImgAdr is its file): the file's size in bytes and modification
    // time in nanoseconds when the game began, and the largest picture size it was cut at.
    // Written only for own pictures.
    int64_t ImgSize = 0;
    int64_t ImgTime = 0;
    int ImgTierW = 0;
    int ImgTierH = 0;
    std::vector<SAVED_PIECE> pieces;
};

// The most child elements a reader keeps: more than any grid of the game has pieces.
constexpr size_t kMostSavedPieces = 4096;

// The deformation (0..1) as the file's percent, rounded to the nearest one. Truncating lost a
// percent (0.29 became 28, a different cut); value / 100 reads it back exactly, and files that
// were truncated read as before.
int DistortPercent(float distort);

// The document as the game writes it: "Save" with its attributes in the file's order, then one
// "Piece" per piece, indented with tabs.
std::string WriteSavedPuzzle(const SAVED_PUZZLE& saved);

// Reads a document: the root is its first element, whatever its name; its child elements (any
// name, at most kMostSavedPieces) are the pieces. Missing attributes read as 0, false or empty;
// nothing is brought into range here. nullopt when the bytes are no XML document with an element.
std::optional<SAVED_PUZZLE> ParseSavedPuzzle(std::string_view bytes);

}  // namespace GAME
