// Listing the player's own pictures and checking one by its path; see own_pictures.h.
#include "game/records/own_pictures.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <string_view>

namespace {

bool EndsWithNoCase(std::string_view name, std::string_view suffix) {
    if (name.size() <= suffix.size()) {
        return false;
    }
    const std::string_view tail = name.substr(name.size() - suffix.size());
    return std::equal(tail.begin(), tail.end(), suffix.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

bool NamedLikePicture(std::string_view name) {
    return EndsWithNoCase(name, ".png") || EndsWithNoCase(name, ".jpg") ||
           EndsWithNoCase(name, ".jpeg");
}

// lstat: a link is never followed, so a link loop or a link out of the folder is simply not a
// regular file here.
bool IsKind(const std::string& path, mode_t kind) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && (info.st_mode & S_IFMT) == kind;
}

// The visible names in folder, in name order; nothing when it cannot be read.
std::vector<std::string> VisibleNames(const std::string& folder) {
    std::vector<std::string> names;
    DIR* directory = opendir(folder.c_str());
    if (directory == nullptr) {
        return names;
    }
    while (const dirent* entry = readdir(directory)) {
        if (entry->d_name[0] != '.' && names.size() < kMostOwnPictures) {
            names.emplace_back(entry->d_name);
        }
    }
    closedir(directory);
    std::sort(names.begin(), names.end());
    return names;
}

void AddPicturesOf(const std::string& folder, std::vector<std::string>& pictures) {
    for (const std::string& name : VisibleNames(folder)) {
        const std::string path = folder + "/" + name;
        if (pictures.size() == kMostOwnPictures) {
            return;
        }
        if (NamedLikePicture(name) && IsKind(path, S_IFREG)) {
            pictures.push_back(path);
        }
    }
}

}  // namespace

std::vector<std::string> ListOwnPictures(const std::string& folder) {
    std::vector<std::string> pictures;
    if (folder.empty()) {
        return pictures;
    }
    AddPicturesOf(folder, pictures);
    // The sub-folders' pictures after the folder's own, one level down only.
    for (const std::string& name : VisibleNames(folder)) {
        if (IsKind(folder + "/" + name, S_IFDIR)) {
            AddPicturesOf(folder + "/" + name, pictures);
        }
    }
    return pictures;
}

std::optional<PICTURE_STAMP> OwnPictureStamp(const std::string& folder, const std::string& path) {
    if (folder.empty() || path.size() <= folder.size() + 1 ||
        path.compare(0, folder.size(), folder) != 0 || path[folder.size()] != '/') {
        return std::nullopt;
    }
    const std::string relative = path.substr(folder.size() + 1);
    const size_t slash = relative.find('/');
    if (slash != std::string::npos) {
        const std::string sub_folder = relative.substr(0, slash);
        const std::string name = relative.substr(slash + 1);
        if (sub_folder.empty() || sub_folder[0] == '.' || name.find('/') != std::string::npos ||
            !IsKind(folder + "/" + sub_folder, S_IFDIR)) {
            return std::nullopt;
        }
    }
    const std::string name = slash == std::string::npos ? relative : relative.substr(slash + 1);
    struct stat info {};
    if (name.empty() || name[0] == '.' || !NamedLikePicture(name) ||
        lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    return PICTURE_STAMP{
        static_cast<int64_t>(info.st_size),
        static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}
