// What a finished puzzle brings: its results record and the player's trophy counters and levels.
#include "game/board/completion_results.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <limits>

namespace GAME {
namespace {

constexpr int kLordPieces = 200;  // the least pieces of a puzzle that can win the lord trophy

// The level a value reaches on a ladder of thresholds: 0 below the first, k from the k-th on.
template <typename T>
int Bracket(T value, std::initializer_list<T> thresholds) {
    int level = 0;
    for (const T threshold : thresholds) {
        if (value < threshold)
            break;
        ++level;
    }
    return level;
}

// Totals stop at the largest value instead of wrapping round to a small one.
template <typename T>
T AddSaturated(T total, int64_t amount) {
    const int64_t sum = static_cast<int64_t>(total) + amount;
    return static_cast<T>(
        std::clamp<int64_t>(sum, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

// Whole seconds of a time in float seconds, within the int32 range.
int32_t WholeSeconds(float seconds) {
    return static_cast<int32_t>(std::clamp(seconds, 0.0f, 2.0e9f));
}

class LADDERS {
  public:
    LADDERS(PUZZLE_PLAYER_PROFILE& settings, RESULT_RECORD& results)
        : levels_(settings.trophy_levels), results_(results) {}

    void Set(int trophy, int level) {
        if (levels_[trophy] != level)
            Store(trophy, level);
    }
    void Raise(int trophy, int level) {
        if (levels_[trophy] < level)
            Store(trophy, level);
    }

  private:
    void Store(int trophy, int level) {
        levels_[trophy] = static_cast<uint8_t>(level);
        results_.new_trophy_levels[trophy] = level;
    }

    uint8_t* levels_;
    RESULT_RECORD& results_;
};

}  // namespace

RESULT_RECORD ResultsOf(const BOARD_COUNTERS& counters, int pieces, bool rotation,
                        const std::tm& date) {
    const int32_t played = WholeSeconds(counters.regTa);
    RESULT_RECORD results;
    results.day = date.tm_mday;
    results.month = date.tm_mon + 1;
    results.year = date.tm_year + 1900;
    results.hours = played / 3600;
    results.minutes = played / 60 % 60;
    results.seconds = played % 60;
    results.pieces = pieces;
    results.score = counters.regSc;
    results.bonus = counters.regPf;
    results.hints = counters.regH;
    results.rotation = rotation ? 1 : 0;
    return results;
}

void EvaluateTrophies(const BOARD_COUNTERS& counters, int pieces, const CONFIG::TROFY& t,
                      PUZZLE_PLAYER_PROFILE& settings, RESULT_RECORD& results) {
    using P = PUZZLE_PLAYER_PROFILE;
    LADDERS ladders(settings, results);
    // The collector and jigsaw_master totals are unsigned, and so are their comparisons.
    auto u = [](int threshold) { return static_cast<uint32_t>(threshold); };

    settings.collector = AddSaturated(settings.collector, counters.regFinishP);
    ladders.Set(P::kCollector,
                Bracket(settings.collector, {u(t.collector_1), u(t.collector_2), u(t.collector_3),
                                             u(t.collector_4), u(t.collector_5)}));
    settings.jigsaw_master = AddSaturated(settings.jigsaw_master, counters.regSc);
    ladders.Set(P::kJigsawMaster,
                Bracket(settings.jigsaw_master,
                        {u(t.jigsaw_master_1), u(t.jigsaw_master_2), u(t.jigsaw_master_3)}));
    ladders.Raise(P::kEndurence,
                  Bracket(pieces, {t.endurence_1, t.endurence_2, t.endurence_3, t.endurence_4}));
    settings.meditation = AddSaturated(settings.meditation, WholeSeconds(counters.regTa));
    ladders.Set(P::kMeditation, Bracket(settings.meditation, {t.meditation_1, t.meditation_2,
                                                              t.meditation_3, t.meditation_4}));
    settings.inconstancy = AddSaturated(settings.inconstancy, 1);
    ladders.Set(P::kInconstancy, Bracket(settings.inconstancy, {t.inconstancy_1, t.inconstancy_2,
                                                                t.inconstancy_3, t.inconstancy_4}));
    ladders.Raise(P::kSage, Bracket(counters.regFastGlue,
                                    {t.sage_1, t.sage_2, t.sage_3, t.sage_4, t.sage_5, t.sage_6}));
    // The lord is won on a large puzzle solved without any help.
    if (pieces >= kLordPieces && !counters.regGVN && counters.regH == 0 && !counters.regGVN2) {
        ladders.Set(P::kLord, 1);
    }
}

}  // namespace GAME
