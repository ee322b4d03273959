// RESULT_RECORD: the results of one finished puzzle, which the win dialog shows and the shell
// files.
#pragma once

#include <cstdint>

#include "game/records/player_settings.h"

// Eighteen int32 values in this order (72 bytes), zero when nothing set them.
struct RESULT_RECORD {
    int32_t day = 0;    // of the month, local date of the finish
    int32_t month = 0;  // 1..12
    int32_t year = 0;   // four digits
    int32_t hours = 0;  // of the playing time
    int32_t minutes = 0;
    int32_t seconds = 0;
    int32_t pieces = 0;
    int32_t score = 0;
    int32_t bonus = 0;  // the sum of the join multipliers
    int32_t hints = 0;
    int32_t rotation = 0;  // 1 when the pieces came turned
    // The trophy levels this puzzle changed, in the settings record's trophy order; 0 where
    // nothing changed (lord: 1 when won with this puzzle).
    int32_t new_trophy_levels[PUZZLE_PLAYER_PROFILE::kTrophyCount] = {};
};
static_assert(sizeof(RESULT_RECORD) == 72, "the record is shared as 18 int32 values");
