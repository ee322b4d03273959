// OWN_PICTURES_PAGE: the book's category of the player's own pictures: an entry for each photo
// of the Pictures folder whose thumbnail could be made, growing while a worker thread makes them,
// with thumbnail textures only for the entries on show.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/shell/puzzle_category.h"
#include "game/shell/thumbnail_worker.h"

namespace GAME {

class OWN_PICTURES_PAGE : public PUZZLE_CATEGORY {
  public:
    // The name_index of this category, which takes its caption from the texts, not the
    // catalogue.
    static constexpr int kNameIndex = -1;
    // Answers taken from the worker in one frame: each costs the main thread a little.
    static constexpr size_t kMostAnswersPerFrame = 32;

    // Starts listing and making thumbnails at once (THUMBNAIL_WORKER).
    OWN_PICTURES_PAGE(std::string pictures_folder, std::string cache_folder);
    ~OWN_PICTURES_PAGE() override;

    // Once per menu frame: appends an entry (48 pieces gridded from the photo's shape) for each
    // picture the worker could make a thumbnail of, in listing order, and lays them out for a
    // screen of width x height; gives the entries of the current page their thumbnail textures
    // and takes them from the entries of other pages.
    void Poll(int width, int height);
    // Every listed picture has been answered.
    bool ScanDone() const { return scan_done_; }
    // Entries drawn with their own thumbnail, rather than the stand-in.
    int ThumbnailsShown() const;

  private:
    struct OWN_ENTRY {
        OWN_THUMBNAIL made;  // without texels
        bool requested = false;
        bool shown = false;
    };

    void AddEntry(OWN_THUMBNAIL made);
    void ShowThumbnail(OWN_THUMBNAIL made);
    void RequestPageTextures();

    std::unique_ptr<THUMBNAIL_WORKER> worker_;
    std::vector<OWN_ENTRY> own_;  // parallel to the entries
    bool scan_done_ = false;
};

}  // namespace GAME
