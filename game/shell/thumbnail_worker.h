// THUMBNAIL_WORKER: lists the player's own pictures and makes their thumbnails on a thread of its
// own. It only reads and decodes: the main thread makes the textures. Each thumbnail is kept as
// a small PNG in the cache folder, so that the next start reads that instead of the photo.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "game/records/own_pictures.h"

namespace GAME {

// Thumbnails fit a square of this many pixels, keeping the photo's proportions.
constexpr int kThumbnailSide = 256;
// Photo files larger than this are not read: no camera writes one.
constexpr size_t kMostPhotoBytes = size_t{96} << 20;

// The thumbnail file of a picture version in cache_folder; a new stamp gives a new name.
std::string ThumbnailCachePath(const std::string& cache_folder, const std::string& path,
                               const PICTURE_STAMP& stamp);

// The game's own thumbnail cache: $XDG_CACHE_HOME/puzzle-desk/thumbnails (never the per-user
// folder, whose sub-folders are players). Empty without a home folder.
std::string ThumbnailCacheFolder();

// A thumbnail file of the cache, named as ThumbnailCachePath names them; a save or results file
// that names anything else gets no thumbnail read for it.
bool IsCachedThumbnail(const std::string& path);

struct OWN_THUMBNAIL {
    size_t index = 0;   // the picture's place in the listing
    std::string path;   // the picture file
    std::string cache;  // its thumbnail file
    bool ok = false;    // false: the file is no picture that decodes; it is left out
    int width = 0;      // the thumbnail's size: the photo's shape, upright
    int height = 0;
    std::vector<uint32_t> argb;  // the texels when they were asked for, else empty
};

class THUMBNAIL_WORKER {
  public:
    // Starts the thread at once: it lists pictures_folder (ListOwnPictures), then makes the
    // thumbnail of each picture in turn.
    THUMBNAIL_WORKER(std::string pictures_folder, std::string cache_folder);
    // Stops after the picture in hand and waits for the thread.
    ~THUMBNAIL_WORKER();
    THUMBNAIL_WORKER(const THUMBNAIL_WORKER&) = delete;
    THUMBNAIL_WORKER& operator=(const THUMBNAIL_WORKER&) = delete;

    // The texels of a thumbnail already reported ok; the answer comes before the next picture
    // of the scan.
    void RequestTexels(const OWN_THUMBNAIL& made);
    // At most `most` answers, oldest first: one per listed picture as the scan goes, and one per
    // request.
    std::vector<OWN_THUMBNAIL> Take(size_t most);
    // The listing is made and every picture of it has been answered.
    bool ScanDone() const { return scan_done_; }

  private:
    void Run();
    OWN_THUMBNAIL Make(size_t index, const std::string& path) const;
    void Answer(OWN_THUMBNAIL answer);

    const std::string pictures_folder_;
    const std::string cache_folder_;
    std::mutex lock_;
    std::condition_variable wake_;
    std::deque<OWN_THUMBNAIL> requests_;  // under lock_
    std::deque<OWN_THUMBNAIL> answers_;   // under lock_
    bool stop_ = false;                   // under lock_
    std::atomic<bool> scan_done_{false};
    std::thread thread_;
};

}  // namespace GAME
