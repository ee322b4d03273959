// SAVES_LIST: reading the saved games, selection, deletion and drawing; see saves_list.h.
#include "game/shell/saves_list.h"

#include <algorithm>
#include <cmath>

#include "engine/frame/game.h"
#include "engine/render/render_device.h"
#include "engine/resources/file_system.h"
#include "engine/resources/pack_texture.h"
#include "engine/resources/registry.h"
#include "engine/text/font.h"
#include "engine/ui/buttons.h"
#include "engine/ui/shared_items.h"
#include "game/board/save_file.h"
#include "game/shell/thumbnail_worker.h"

namespace GAME {

namespace {

constexpr int kMainFont = 1;  // g_fonts entry of the registry's "font"
constexpr int kFontAlignCentre = 0;

}  // namespace

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
        std::unique_ptr<FRAME> entry = MakeEntry(*saved);
        entry->save_file = path;
        entry->label.SetPercent(CompletionPercent(saved->counters.regCg, entry->amount));
        Append(std::move(entry));
    }
    UpdatePageButtons();
    return any;
}

std::unique_ptr<FRAME> SAVES_LIST::MakeEntry(const SAVED_PUZZLE& saved) {
    if (!IsOwnPictureSave(saved)) {
        g_file_system.SelectPack(g_resources.packs.pre_pack);
        auto entry = std::make_unique<FRAME>(saved.ImgAdr, saved.ImgSmAdr, saved.piece_amount,
                                             saved.rt, saved.Min);
        g_file_system.UnselectPack();
        return entry;
    }
    WRENDER& device = *WUN::ST_GAME::GetInstance()->GetRender();
    WTEXTURE* texture = IsCachedThumbnail(saved.ImgSmAdr)
                            ? LoadNamedTexture(device, saved.ImgSmAdr.c_str(), true)
                            : device.GetDefaultTexture();
    int width = 0;
    int height = 0;
    device.GetTextureSize(texture, width, height);
    return std::make_unique<FRAME>(texture, width, height, saved.ImgAdr, saved.ImgSmAdr,
                                   saved.piece_amount, saved.rt, saved.Min);
}

void SAVES_LIST::Clear() {
    refusal_.clear();
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
            if (selected_ != i) {
                refusal_.clear();
            }
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
    WFONT* font = g_fonts[kMainFont];
    if (!refusal_.empty() && font != nullptr) {
        const PAGE_RECT& rect = Rect();
        font->align = kFontAlignCentre;
        font->DrawText((rect.x0 + rect.x1) / 2, static_cast<int>(rect.y1 * 0.86), refusal_.c_str());
    }
}

}  // namespace GAME
