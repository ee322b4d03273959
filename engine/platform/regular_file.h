// Opening and reading files that must be plain files of a bounded size: never a pipe, a device or
// a folder, and never more bytes than their kind can hold.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

// Upper bounds on what each kind of file the game reads may hold. Each admits the largest file
// the game ships of that kind many times over.
constexpr size_t kMaxTableFileBytes = size_t{16} << 20;  // XML tables and font descriptions
constexpr size_t kMaxImageFileBytes = size_t{256} << 20;
constexpr size_t kMaxSoundFileBytes = size_t{64} << 20;
constexpr size_t kMaxPackFileBytes = size_t{2} << 30;
constexpr size_t kMaxRecordFileBytes = size_t{1} << 20;  // the player's small binary records

// A read-only descriptor of path, or -1 when it is missing, is not a regular file (the open never
// waits on a pipe or a device) or is larger than max_bytes. size receives the file's size. The
// caller closes the descriptor.
int OpenRegularFile(const std::string& path, size_t max_bytes, size_t& size);

// The whole of the regular file at path, at most max_bytes long; false, with bytes empty, for
// anything else and for a read error.
bool ReadRegularFile(const std::string& path, size_t max_bytes, std::string& bytes);

}  // namespace platform
