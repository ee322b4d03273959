// Opening plain files without blocking and reading them whole; see regular_file.h.
#include "engine/platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

int OpenRegularFile(const std::string& path, size_t max_bytes, size_t& size) {
    size = 0;
    // O_NONBLOCK: opening a pipe with no writer, or some devices, would otherwise wait for ever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size < 0 ||
        static_cast<unsigned long long>(status.st_size) > max_bytes) {
        ::close(fd);
        return -1;
    }
    size = static_cast<size_t>(status.st_size);
    return fd;
}

bool ReadRegularFile(const std::string& path, size_t max_bytes, std::string& bytes) {
    bytes.clear();
    size_t size = 0;
    const int fd = OpenRegularFile(path, max_bytes, size);
    if (fd < 0) {
        return false;
    }
    // One byte more than the size told, so that a file growing while it is read shows itself.
    bytes.resize(size + 1);
    size_t got = 0;
    bool ok = true;
    while (got < bytes.size()) {
        const ssize_t count = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            ok = false;
            break;
        }
        if (count == 0) {
            break;
        }
        got += static_cast<size_t>(count);
    }
    ::close(fd);
    if (!ok || got > size) {
        bytes.clear();
        return false;
    }
    bytes.resize(got);
    return true;
}

}  // namespace platform
