// The file and folder half of WFILE_SYSTEM, on POSIX and std::filesystem; saves go through a
// temporary file and a rename so a failed write never leaves a half-written file behind.
#include "engine/resources/file_system.h"

#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "engine/platform/platform.h"
#include "engine/platform/regular_file.h"

WFILE_SYSTEM g_file_system;
bool UsePacks = false;

namespace fs = std::filesystem;

namespace {

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

// Writes the bytes next to path and renames them over it. False when nothing could be written;
// the old file is then untouched.
bool ReplaceFile(const std::string& path, const void* data, size_t size) {
    const std::string temporary = path + ".tmp";
    // A stale temporary file goes first, and the new one must be made afresh: a link planted at
    // the temporary name would otherwise have the save truncate whatever it points to.
    ::unlink(temporary.c_str());
    const int fd =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    const bool written = WriteAll(fd, static_cast<const char*>(data), size) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

bool ReadWhole(const std::string& path, std::string& contents) {
    return platform::ReadRegularFile(path, platform::kMaxTableFileBytes, contents);
}

}  // namespace

int WFILE_SYSTEM::FileExists(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::exists(status)) {
        return 0;
    }
    return fs::is_directory(status) ? 2 : 1;
}

void WFILE_SYSTEM::CreateFolder(const std::string& path) {
    if (FileExists(path) == 0) {
        ::mkdir(path.c_str(), 0777);
    }
}

void WFILE_SYSTEM::RemoveFile(const std::string& path) {
    ::unlink(path.c_str());
}

void WFILE_SYSTEM::RemoveFolder(const std::string& path) {
    std::error_code error;
    // Links are removed, never followed: the tree behind them is not ours to delete.
    const fs::file_status own_status = fs::symlink_status(path, error);
    if (error || !fs::is_directory(own_status)) {
        if (fs::is_symlink(own_status)) {
            ::unlink(path.c_str());
        }
        return;
    }
    // Deleting entries needs write access to the folder, not to the files: a read-only folder
    // is made ours first, so read-only trees go too.
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, error);
    std::vector<fs::path> entries;
    for (fs::directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
        entries.push_back(it->path());
    }
    for (const fs::path& entry : entries) {
        const fs::file_status status = fs::symlink_status(entry, error);
        if (!error && fs::is_directory(status)) {
            RemoveFolder(entry.string());
        } else {
            ::unlink(entry.c_str());
        }
    }
    ::rmdir(path.c_str());
}

std::vector<std::string> WFILE_SYSTEM::FindFiles(const std::string& folder,
                                                 const std::string& pattern, int mode) {
    std::vector<std::string> names;
    std::error_code error;
    const fs::path base = folder.empty() ? fs::path(".") : fs::path(folder);
    for (fs::directory_iterator it(base, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (::fnmatch(pattern.c_str(), name.c_str(), 0) != 0) {
            continue;
        }
        std::error_code kind_error;
        if (mode == 1 && !it->is_directory(kind_error)) {
            continue;
        }
        names.push_back(name);
    }
    // The directory's own order is arbitrary on Linux; sorted names keep lists stable.
    std::sort(names.begin(), names.end());
    return names;
}

bool WFILE_SYSTEM::ReadTextFile(const std::string& path, std::string& contents) {
    contents.clear();
    switch (FileExists(path)) {
        case 1:
            return ReadWhole(path, contents);
        case 0: {
            const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
            if (fd < 0) {
                return false;
            }
            ::close(fd);
            return true;
        }
        default:
            return false;
    }
}

void WFILE_SYSTEM::EmptyFile(const std::string& path) {
    if (FileExists(path) == 1) {
        ::truncate(path.c_str(), 0);
    }
}

int WFILE_SYSTEM::PrependText(const std::string& path, const std::string& text) {
    std::string old_content;
    if (!ReadTextFile(path, old_content)) {
        return 1;
    }
    std::string content = text;
    if (!old_content.empty()) {
        content += '\n';
        content += old_content;
    }
    return ReplaceFile(path, content.data(), content.size()) ? 0 : 1;
}

int WFILE_SYSTEM::WriteStream(const std::string& path, const void* data, size_t size) {
    return ReplaceFile(path, data, size) ? 0 : 1;
}

int WFILE_SYSTEM::ReadStream(const std::string& path, void* buffer, size_t size) {
    // Only the first size bytes are read, so a file of any length is acceptable.
    size_t file_size = 0;
    const int fd = platform::OpenRegularFile(path, SIZE_MAX, file_size);
    if (fd < 0) {
        return 1;
    }
    // A shorter file fills only its own length: the caller's buffer keeps the rest.
    auto* out = static_cast<char*>(buffer);
    size_t got = 0;
    while (got < size) {
        const ssize_t count = ::read(fd, out + got, size - got);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            break;
        }
        got += static_cast<size_t>(count);
    }
    ::close(fd);
    return 0;
}

std::string WFILE_SYSTEM::DataHome() {
    return platform::DataHome();
}

void WFILE_SYSTEM::OpenWithShell(const std::string& path) {
    platform::OpenWithShell(path);
}

void WFILE_SYSTEM::DesktopSize(int& width, int& height) {
    platform::DesktopSize(width, height);
}
