// Whole files read into memory by the readers of the player's data, with a size limit.
#include "game/records/file_bytes.h"

#include <filesystem>
#include <fstream>
#include <system_error>

bool ReadFileBytes(const std::string& path, size_t max_size, std::string& contents) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    // One byte more than allowed tells a file that is too long, even one that grew after it
    // was opened.
    contents.clear();
    char chunk[65536];
    while (contents.size() <= max_size && file.read(chunk, sizeof chunk).gcount() > 0) {
        contents.append(chunk, static_cast<size_t>(file.gcount()));
    }
    return !file.bad() && contents.size() <= max_size;
}
