// SAVES_LIST: reading the saved games, selection, deletion and drawing; see saves_list.h.
#include "game/shell/saves_list.h"

#include <algorithm>
#include <cmath>

#include "engine/resources/file_system.h"
#include "engine/resources/registry.h"
#include "engine/ui/buttons.h"
#include "game/board/save_file.h"

namespace GAME {

int CompletionPercent(int joins, int pieces) {
    if (pieces <= 1) {
        return 100;
    }
    const double percent = static_cast<double>(joins) / (pieces - 1) * 100.0 + 0.5;
    return static_cast<int>(std::clamp(percent, 0.0, 100.0));
}

SAVES_LIST::SAVES_LIST() {
    g_file_system.SelectPack(g_resources.packs.menu_pack);
    delete_ = std::make_unique<BUTTONACT>(g_resources.main_screen.save_delete, BUTTONACT::Action{});
    g_file_system.UnselectPack();
}

SAVES_LIST::~SAVES_LIST() = default;

bool SAVES_LIST::Load(const std::string& folder) {
    bool any = false;
    for (const std::string& name : WFILE_SYSTEM::FindFiles(folder, "*.pzl", 0)) {
        const std::string path = folder + name;
        if (WFILE_SYSTEM::FileExists(path) != 1) {
            continue;
        }
        any = true;
        const std::optional<SAVED_PUZZLE> saved = ParseSaveFile(path);
        if (!saved) {
            continue;
        }
        g_file_system.SelectPack(g_resources.packs.pre_pack);
        auto entry = std::make_unique<FRAME>(saved->ImgAdr, saved->ImgSmAdr, saved->piece_amount,
                                             saved->rt, saved->Min);
        g_file_system.UnselectPack();
        entry->save_file = path;
        entry->label.SetPercent(CompletionPercent(saved->counters.regCg, entry->amount));
        Append(std::move(entry));
    }
    UpdatePageButtons();
    return any;
}

void SAVES_LIST::Clear() {
    entries_.clear();
    page_ = 0;
    selected_ = 0;
}

void SAVES_LIST::LayoutPage(int width, int height) {
    width_ = width;
    height_ = height;
    FRAME_PAGES::LayoutPage(width, height);
    const PAGE_RECT& rect = Rect();
    delete_->SetPosition(static_cast<int>(rect.x1 * 0.95), static_cast<int>(rect.y1 * 0.9));
}

int SAVES_LIST::Update() {
    for (int i = PageBegin(); i < PageEnd(); ++i) {
        if (Entry(i).Update(0, 0.0f) != WBUTTON::kNone) {
            selected_ = i;
            break;
        }
    }
    TurnPages();
    if (delete_->Update(0, 0.0f) == 1 && !entries_.empty()) {
        DeleteSelected();
        if (entries_.empty()) {
            return kEmptied;
        }
    }
    return kNothing;
}

void SAVES_LIST::DeleteSelected() {
    FRAME* entry = SelectedEntry();
    if (entry == nullptr) {
        return;
    }
    if (WFILE_SYSTEM::FileExists(entry->save_file) == 1) {
        WFILE_SYSTEM::RemoveFile(entry->save_file);
    }
    entries_.erase(entries_.begin() + selected_);
    selected_ = std::max(selected_ - 1, 0);
    if (entries_.empty()) {
        return;
    }
    if (selected_ < PageBegin()) {
        --page_;
    }
    LayoutPage(width_, height_);
    UpdatePageButtons();
}

void SAVES_LIST::Draw() {
    DrawEntries();
    delete_->Draw(0);
}

}  // namespace GAME
