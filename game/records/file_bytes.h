// Whole files read into memory by the readers of the player's data, with a size limit so that no
// file can make a reader take all the memory.
#pragma once

#include <cstddef>
#include <string>

// True with the file's bytes in contents; false when the path is missing, is no plain file,
// cannot be read or holds more than max_size bytes.
bool ReadFileBytes(const std::string& path, size_t max_size, std::string& contents);
