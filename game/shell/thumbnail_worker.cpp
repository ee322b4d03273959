// THUMBNAIL_WORKER: the listing, the decoding and the thumbnail cache; see thumbnail_worker.h.
#include "game/shell/thumbnail_worker.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <utility>

#include "engine/platform/image_decoder.h"
#include "engine/platform/platform.h"
#include "engine/platform/png_writer.h"
#include "engine/platform/regular_file.h"
#include "engine/platform/user_folders.h"

namespace GAME {

namespace {

// A thumbnail file is a few hundred kilobytes at most.
constexpr size_t kMostThumbnailBytes = size_t{4} << 20;

uint64_t Fnv1a(const std::string& text) {
    uint64_t hash = 0xCBF29CE484222325ull;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
    }
    return hash;
}

bool DecodeFile(const std::string& path, size_t most_bytes, OWN_THUMBNAIL& into) {
    std::string bytes;
    return platform::ReadRegularFile(path, most_bytes, bytes) &&
           platform::DecodeImageMemory(bytes.data(), bytes.size(), kThumbnailSide, kThumbnailSide,
                                       into.width, into.height, into.argb);
}

// Through a temporary file and a rename: another start of the game may read it meanwhile.
void WriteThumbnail(const OWN_THUMBNAIL& made) {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(made.cache).parent_path(), ignored);
    const std::string temporary = made.cache + "." + std::to_string(getpid()) + ".tmp";
    if (platform::WritePng(temporary, made.argb.data(), made.width, made.height)) {
        std::rename(temporary.c_str(), made.cache.c_str());
    } else {
        std::remove(temporary.c_str());
    }
}

}  // namespace

std::string ThumbnailCachePath(const std::string& cache_folder, const std::string& path,
                               const PICTURE_STAMP& stamp) {
    const uint64_t hash =
        Fnv1a(path + '\n' + std::to_string(stamp.size) + '\n' + std::to_string(stamp.modified_ns));
    char name[32];
    std::snprintf(name, sizeof(name), "%016llx.png", static_cast<unsigned long long>(hash));
    return cache_folder + "/" + name;
}

std::string ThumbnailCacheFolder() {
    const std::string cache = platform::CacheHome();
    return cache.empty() ? "" : cache + "/puzzle-desk/thumbnails";
}

bool IsCachedThumbnail(const std::string& path) {
    const std::string folder = ThumbnailCacheFolder() + "/";
    constexpr size_t kNameLength = 16 + 4;  // hexadecimal hash and ".png"
    return folder.size() > 1 && path.size() == folder.size() + kNameLength &&
           path.compare(0, folder.size(), folder) == 0 &&
           path.find_first_not_of("0123456789abcdef", folder.size()) == path.size() - 4 &&
           path.compare(path.size() - 4, 4, ".png") == 0;
}

THUMBNAIL_WORKER::THUMBNAIL_WORKER(std::string pictures_folder, std::string cache_folder)
    : pictures_folder_(std::move(pictures_folder)),
      cache_folder_(std::move(cache_folder)),
      thread_([this] { Run(); }) {}

THUMBNAIL_WORKER::~THUMBNAIL_WORKER() {
    {
        std::lock_guard<std::mutex> hold(lock_);
        stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void THUMBNAIL_WORKER::RequestTexels(const OWN_THUMBNAIL& made) {
    {
        std::lock_guard<std::mutex> hold(lock_);
        OWN_THUMBNAIL request = made;
        request.argb.clear();
        requests_.push_back(std::move(request));
    }
    wake_.notify_all();
}

std::vector<OWN_THUMBNAIL> THUMBNAIL_WORKER::Take(size_t most) {
    std::vector<OWN_THUMBNAIL> taken;
    std::lock_guard<std::mutex> hold(lock_);
    while (!answers_.empty() && taken.size() < most) {
        taken.push_back(std::move(answers_.front()));
        answers_.pop_front();
    }
    return taken;
}

void THUMBNAIL_WORKER::Answer(OWN_THUMBNAIL answer) {
    std::lock_guard<std::mutex> hold(lock_);
    answers_.push_back(std::move(answer));
}

OWN_THUMBNAIL THUMBNAIL_WORKER::Make(size_t index, const std::string& path) const {
    OWN_THUMBNAIL made;
    made.index = index;
    made.path = path;
    const std::optional<PICTURE_STAMP> stamp = OwnPictureStamp(pictures_folder_, path);
    if (!stamp) {
        return made;
    }
    made.cache = ThumbnailCachePath(cache_folder_, path, *stamp);
    if (DecodeFile(made.cache, kMostThumbnailBytes, made)) {
        made.ok = true;
    } else if (DecodeFile(path, kMostPhotoBytes, made)) {
        made.ok = true;
        WriteThumbnail(made);
    }
    // The scan reports shapes only: texels are held for the pages on show, not for every photo.
    // A clear would keep the vector's memory, a thumbnail's worth for each photo listed.
    std::vector<uint32_t>().swap(made.argb);
    return made;
}

void THUMBNAIL_WORKER::Run() {
    // Decoding camera photos competes for the processor with the drawing, which on a software
    // renderer is the menu's frame time: the scan takes longer instead.
    platform::RunThisThreadWhenIdle();
    const std::vector<std::string> paths = ListOwnPictures(pictures_folder_);
    size_t next = 0;
    scan_done_ = paths.empty();
    for (;;) {
        OWN_THUMBNAIL request;
        {
            std::unique_lock<std::mutex> hold(lock_);
            wake_.wait(hold, [&] { return stop_ || !requests_.empty() || next < paths.size(); });
            if (stop_) {
                return;
            }
            if (!requests_.empty()) {
                request = std::move(requests_.front());
                requests_.pop_front();
            }
        }
        if (!request.path.empty()) {
            // The photo itself when the cache could not be written.
            request.ok = DecodeFile(request.cache, kMostThumbnailBytes, request) ||
                         DecodeFile(request.path, kMostPhotoBytes, request);
            Answer(std::move(request));
            continue;
        }
        Answer(Make(next, paths[next]));
        if (++next == paths.size()) {
            scan_done_ = true;
        }
    }
}

}  // namespace GAME
