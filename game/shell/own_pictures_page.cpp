// OWN_PICTURES_PAGE: taking the worker's answers and keeping textures for the page on show; see
// own_pictures_page.h.
#include "game/shell/own_pictures_page.h"

#include <algorithm>
#include <utility>

#include "engine/frame/game.h"
#include "engine/render/render_device.h"

namespace GAME {

namespace {

WRENDER& Device() {
    return *WUN::ST_GAME::GetInstance()->GetRender();
}

}  // namespace

OWN_PICTURES_PAGE::OWN_PICTURES_PAGE(std::string pictures_folder, std::string cache_folder)
    : PUZZLE_CATEGORY(kNameIndex),
      worker_(std::make_unique<THUMBNAIL_WORKER>(std::move(pictures_folder),
                                                 std::move(cache_folder))) {}

OWN_PICTURES_PAGE::~OWN_PICTURES_PAGE() = default;

void OWN_PICTURES_PAGE::Poll(int width, int height) {
    // Read before taking: once the worker was done, a take of fewer than the most took the rest.
    const bool worker_done = worker_->ScanDone();
    bool added = false;
    std::vector<OWN_THUMBNAIL> answers = worker_->Take(kMostAnswersPerFrame);
    for (OWN_THUMBNAIL& made : answers) {
        if (!made.argb.empty()) {
            ShowThumbnail(std::move(made));
        } else if (made.ok) {
            AddEntry(std::move(made));
            added = true;
        }
    }
    scan_done_ = worker_done && answers.size() < kMostAnswersPerFrame;
    if (added) {
        LayoutPage(width, height);
        UpdatePageButtons();
    }
    RequestPageTextures();
}

void OWN_PICTURES_PAGE::AddEntry(OWN_THUMBNAIL made) {
    // The stand-in until the thumbnail's texels come: the device's default texture, which
    // nothing releases.
    Append(std::make_unique<FRAME>(Device().GetDefaultTexture(), made.width, made.height, made.path,
                                   made.cache, FRAME::kOwnPictureAmount, false, 0));
    own_.push_back({std::move(made), false, false});
}

void OWN_PICTURES_PAGE::ShowThumbnail(OWN_THUMBNAIL made) {
    // Entries are in listing order, so the answer's entry is found by its listing index.
    const auto at = std::lower_bound(
        own_.begin(), own_.end(), made.index,
        [](const OWN_ENTRY& entry, size_t index) { return entry.made.index < index; });
    if (at == own_.end() || at->made.index != made.index) {
        return;
    }
    const int i = static_cast<int>(at - own_.begin());
    at->requested = false;
    if (i < PageBegin() || i >= PageEnd()) {
        return;  // the page was turned meanwhile
    }
    WTEXTURE* texture = Device().CreateTexture(made.width, made.height);
    if (texture == nullptr) {
        return;
    }
    std::copy(made.argb.begin(), made.argb.end(), Device().LockTexture(texture));
    Device().UnlockTexture(texture);
    Entry(i).SetThumbnailTexture(texture);
    at->shown = true;
}

void OWN_PICTURES_PAGE::RequestPageTextures() {
    for (int i = 0; i < EntryCount(); ++i) {
        OWN_ENTRY& entry = own_[static_cast<size_t>(i)];
        const bool on_page = i >= PageBegin() && i < PageEnd();
        if (on_page && !entry.shown && !entry.requested) {
            worker_->RequestTexels(entry.made);
            entry.requested = true;
        } else if (!on_page && entry.shown) {
            Entry(i).SetThumbnailTexture(Device().GetDefaultTexture());
            entry.shown = false;
        }
    }
}

int OWN_PICTURES_PAGE::ThumbnailsShown() const {
    return static_cast<int>(
        std::count_if(own_.begin(), own_.end(), [](const OWN_ENTRY& e) { return e.shown; }));
}

}  // namespace GAME
