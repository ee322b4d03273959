// Save-file names and the refusing reader; see save_file.h.
#include "game/board/save_file.h"

#include <algorithm>
#include <string_view>

#include "engine/frame/game.h"
#include "engine/platform/user_folders.h"
#include "engine/render/render_device.h"
#include "engine/resources/file_system.h"
#include "engine/resources/pack_texture.h"
#include "engine/resources/registry.h"
#include "game/records/file_bytes.h"
#include "game/records/own_pictures.h"

namespace GAME {
namespace {

// Names tried for a new save before giving up.
constexpr int kMostSaveNames = 100000;
// A save of the largest grid is some tens of kilobytes.
constexpr size_t kMostSaveBytes = 16u << 20;

// A member name that stays inside its pack: no folder part, and not "." or "..".
bool IsPlainMemberName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string_view::npos;
}

bool PictureLoads(const std::string& pack, const std::string& picture) {
    WRENDER& device = *WUN::ST_GAME::GetInstance()->GetRender();
    g_file_system.SelectPack(pack.c_str());
    WTEXTURE* texture = LoadNamedTexture(device, picture.c_str(), false);
    g_file_system.UnselectPack();
    const bool loaded = texture != device.GetDefaultTexture();
    device.ReleaseTexture(texture);
    return loaded;
}

}  // namespace

std::string FreeSaveName(const std::string& prefix) {
    for (int n = 1; n <= kMostSaveNames; ++n) {
        const std::string name = prefix + std::to_string(n) + ".pzl";
        if (WFILE_SYSTEM::FileExists(name) == 0) {
            return name;
        }
    }
    return {};
}

bool IsGamePicture(const std::string& pack, const std::string& picture) {
    const RESOURCES::PACKS& p = g_resources.packs;
    const char* const packs[] = {p.loading_pack, p.menu_pack,  p.book_pack,   p.level_pack,
                                 p.pocket_pack,  p.gui_pack,   p.trofei_pack, p.effects_pack,
                                 p.fonts_pack,   p.music_pack, p.pre_pack,    p.low_pack,
                                 p.hi_pack,      p.mid_pack};
    const bool own_pack = std::any_of(std::begin(packs), std::end(packs), [&](const char* own) {
        return own != nullptr && pack == own;
    });
    return own_pack && IsPlainMemberName(picture);
}

std::optional<SAVED_PUZZLE> ParseSaveFile(const std::string& path) {
    std::string bytes;
    if (!ReadFileBytes(path, kMostSaveBytes, bytes)) {
        return std::nullopt;
    }
    return ParseSavedPuzzle(bytes);
}

bool OwnPictureUnchanged(const SAVED_PUZZLE& saved, const std::string& pictures_folder) {
    const std::optional<PICTURE_STAMP> stamp = OwnPictureStamp(pictures_folder, saved.ImgAdr);
    return stamp && *stamp == PICTURE_STAMP{saved.ImgSize, saved.ImgTime};
}

std::optional<SAVED_PUZZLE> ReadSaveFile(const std::string& path) {
    std::optional<SAVED_PUZZLE> saved = ParseSaveFile(path);
    if (saved && IsOwnPictureSave(*saved)) {
        return OwnPictureUnchanged(*saved, platform::PicturesFolder()) ? saved : std::nullopt;
    }
    if (!saved || !IsGamePicture(saved->ImgPkAdr, saved->ImgAdr) ||
        !PictureLoads(saved->ImgPkAdr, saved->ImgAdr)) {
        return std::nullopt;
    }
    return saved;
}

}  // namespace GAME
