// The completion of a finished game: the pocket shuts, the trophies and the results are worked
// out, the win dialog opens and the game's save file goes.
#include <ctime>

#include "engine/resources/config.h"
#include "engine/resources/file_system.h"
#include "engine/resources/registry.h"
#include "game/board/completion_results.h"
#include "game/board/pieces_system.h"
#include "game/board/win_dialog.h"

namespace GAME {

void PUZZLE_PIECES_SYSTEM::Complete() {
    pocket_->Close();
    const std::time_t now = std::time(nullptr);
    std::tm date{};
    localtime_r(&now, &date);
    const int pieces = cols * rows;
    RESULT_RECORD results = ResultsOf(counters, pieces, rt, date);
    if (g_config.trofei_enable && settings != nullptr) {
        EvaluateTrophies(counters, pieces, g_config.trofy, *settings, results);
    }
    g_file_system.SelectPack(g_resources.packs.gui_pack);
    win_dialog_ = std::make_unique<WDIALOGWIN>(results);
    g_file_system.UnselectPack();
    // A finished game is not resumed.
    if (!save_path.empty()) {
        WFILE_SYSTEM::RemoveFile(save_path);
    }
}

}  // namespace GAME
