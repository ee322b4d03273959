// The player's own pictures: the PNG and JPEG files of the Pictures folder and its first level of
// sub-folders, and the size and modification time that tell one version of a file from another.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A listing stops here; no one browses more photos than this in a book.
constexpr size_t kMostOwnPictures = 20000;

// What a saved game keeps of its picture file to notice a change.
struct PICTURE_STAMP {
    int64_t size = 0;         // bytes
    int64_t modified_ns = 0;  // modification time, nanoseconds since the epoch
    bool operator==(const PICTURE_STAMP&) const = default;
};

// The full paths of the regular files named *.png, *.jpg or *.jpeg (any case) in folder and in
// its sub-folders one level down, in name order. Symbolic links, hidden names, pipes, devices and
// anything unreadable are left out; a folder that cannot be read gives nothing.
std::vector<std::string> ListOwnPictures(const std::string& folder);

// The stamp of path when it is an own picture of folder: a regular file (not a link) named like
// a picture, directly in folder or in a real sub-folder of it, the path spelled without "." or
// ".." parts. nullopt otherwise, and when the file has gone.
std::optional<PICTURE_STAMP> OwnPictureStamp(const std::string& folder, const std::string& path);
