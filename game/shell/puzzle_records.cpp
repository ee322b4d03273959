// GAME::PUZZLE and what it keeps of games: saving and resuming them, the saved-games page, the
// results file with the score and leader boards, and the trophy panel.
#include <algorithm>
#include <optional>

#include "engine/frame/game.h"
#include "engine/resources/file_system.h"
#include "engine/resources/registry.h"
#include "engine/text/strings.h"
#include "game/board/pieces_system.h"
#include "game/board/play_panel.h"
#include "game/board/save_file.h"
#include "game/records/results_file.h"
#include "game/shell/autosave.h"
#include "game/shell/leader_board.h"
#include "game/shell/menu_book.h"
#include "game/shell/profile.h"
#include "game/shell/puzzle.h"
#include "game/shell/saves_list.h"
#include "game/shell/score_board.h"
#include "game/shell/trophy_panel.h"
#include "game/shell/window_parts.h"

namespace GAME {

namespace {

constexpr const char* kSaveName = "save";  // new saves are save1.pzl, save2.pzl, ...

std::string ResultsPath(const PROFILE& profile) {
    return profile.PlayerFolder() + g_resources.progress_file;
}

}  // namespace

std::string PUZZLE::SavePrefix() const {
    return profile_->PlayerFolder() + kSaveName;
}

// --- Saved games.

bool PUZZLE::GameKeepable() const {
    // A board still in its preview has no pieces to keep, and a finished game has been filed:
    // kept, it could be finished and filed again.
    return board_ && board_->state == kStatePlay && board_->WinDialog() == nullptr;
}

void PUZZLE::SaveGame() {
    // A save that failed leaves the autosave as the game's only copy.
    if (GameKeepable() && board_->Save(SavePrefix(), resolution_code_) == 1) {
        autosave_->Discard();
    }
}

void PUZZLE::SaveAutomatically() {
    if (GameKeepable()) {
        autosave_->Write(board_->SavedText(resolution_code_));
    }
}

void PUZZLE::RefreshSaves() {
    saves_->Clear();
    saves_shown_ = saves_->Load(profile_->PlayerFolder());
    book_->SetSavesTab(saves_shown_);
    if (saves_shown_) {
        saves_->LayoutPage(width_, height_);
    } else {
        ShowPage(1);
    }
}

void PUZZLE::PlaySaved() {
    const FRAME* entry = saves_->SelectedEntry();
    if (entry == nullptr) {
        return;
    }
    const std::optional<SAVED_PUZZLE> saved = ReadSaveFile(entry->save_file);
    if (!saved) {
        // The game stays on its page: the player may put the picture back.
        if (entry->own_picture) {
            saves_->ShowRefusal(g_texts.menu_txt_picture_changed);
        }
        return;
    }
    auto board = std::make_unique<PUZZLE_PIECES_SYSTEM>();
    board->SetAspect(entry->aspect);
    if (board->Restore(*saved, entry->save_file, profile_->GetSettings(), resolution_code_) != 1) {
        return;
    }
    board_ = std::move(board);
    autosave_->Resume(profile_->PlayerFolder(), entry->save_file);
    if (AUTOSAVE::IsAutosave(entry->save_file)) {
        // The player's own save of this game is a new file, never the autosave.
        board_->save_path.clear();
    }
    board_->Layout();
    board_->SetBackgroundColour(static_cast<uint32_t>(profile_->GetSettings()->background));
    state_ = kPlaying;
    CreatePlayPanel();
}

// --- Results.

void PUZZLE::SaveResult() {
    if (!board_ || board_->results_recorded) {
        return;
    }
    board_->results_recorded = true;
    autosave_->Discard();
    RESULT_ENTRY entry;
    entry.face = board_->small_picture_path;
    entry.score = board_->counters.regSc;
    entry.count = board_->cols * board_->rows;
    entry.rotata = board_->rt;
    entry.time = board_->counters.regTa;
    AppendResult(ResultsPath(*profile_), entry);
    if (play_panel_) {
        play_panel_->SetActive(false);
    }
    profile_->SaveSettings();
}

// --- The windows over the menu.

void PUZZLE::OpenScoreBoard() {
    if (score_board_) {
        score_board_.reset();
        return;
    }
    score_board_ = MakeFromGuiPack<SCORE_BOARD>(MainFont());
    for (const RESULT_ENTRY& result : ReadResults(ResultsPath(*profile_))) {
        RESULT_RECORD row;
        row.score = result.score;
        row.pieces = result.count;
        const int seconds = static_cast<int>(std::min(result.time, 2.0e9));
        row.minutes = seconds / 60;
        row.seconds = seconds % 60;
        score_board_->AddRow(row, result.face);
    }
}

void PUZZLE::OpenLeaderBoard() {
    if (leader_board_) {
        leader_board_.reset();
        return;
    }
    leader_board_ = MakeFromGuiPack<LIDER_BOARD>(MainFont());
    for (const std::string& name : profile_->PlayerNames()) {
        if (const std::optional<uint32_t> score = profile_->ScoreOf(name)) {
            leader_board_->AddEntry(name, *score);
        }
    }
}

void PUZZLE::OpenTrophyPanel() {
    if (trophy_panel_) {
        trophy_panel_.reset();
        return;
    }
    g_file_system.SelectPack(g_resources.packs.trofei_pack);
    trophy_panel_ = std::make_unique<WUN::TROFEI_PANEL>(MainFont(), *profile_->GetSettings());
    g_file_system.UnselectPack();
}

bool PUZZLE::UpdateRecordWindows() {
    if (leader_board_) {
        if (leader_board_->Update(0, 0.0f) == 1) {
            leader_board_.reset();
        }
        return true;
    }
    if (score_board_) {
        if (score_board_->Update(0, 0.0f) == 1) {
            score_board_.reset();
        }
        return true;
    }
    if (trophy_panel_) {
        if (trophy_panel_->Update(0, 0.0f) == 1) {
            trophy_panel_.reset();
        }
        return true;
    }
    return false;
}

void PUZZLE::LayoutRecordWindows() {
    if (leader_board_) {
        leader_board_->Layout();
    }
    if (score_board_) {
        score_board_->Layout();
    }
    if (trophy_panel_) {
        trophy_panel_->Layout();
    }
}

void PUZZLE::DrawRecordWindows() {
    if (leader_board_) {
        leader_board_->Draw(0);
    }
    if (score_board_) {
        score_board_->Draw(0);
    }
    if (trophy_panel_) {
        trophy_panel_->Draw(0);
    }
}

}  // namespace GAME
