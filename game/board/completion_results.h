// What a finished puzzle brings: its results record and the player's trophy counters and levels.
#pragma once

#include <ctime>

#include "engine/resources/config.h"
#include "game/board/board_counters.h"
#include "game/records/player_settings.h"
#include "game/records/result_record.h"

namespace GAME {

// The results of a finished game of `pieces` pieces, finished on the local date `date`. The
// trophy levels stay 0: EvaluateTrophies fills them.
RESULT_RECORD ResultsOf(const BOARD_COUNTERS& counters, int pieces, bool rotation,
                        const std::tm& date);

// Adds the finished game to the player's trophy counters and stores the levels they reach now.
// Counters that add up (collector, jigsaw_master, meditation, inconstancy) set their level to
// what the total reaches, so a level drops when the thresholds were raised; the per-game ones
// (endurence, sage) only ever raise it. Every changed level goes into results.
void EvaluateTrophies(const BOARD_COUNTERS& counters, int pieces, const CONFIG::TROFY& thresholds,
                      PUZZLE_PLAYER_PROFILE& settings, RESULT_RECORD& results);

}  // namespace GAME
