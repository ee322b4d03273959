// AUTOSAVE_WRITER: writes a running game's autosave on a thread of its own, so the disk's
// flush never holds up a frame.
#include "game/shell/autosave_writer.h"

#include <utility>

#include "engine/resources/file_system.h"

namespace GAME {

AUTOSAVE_WRITER::AUTOSAVE_WRITER() : thread_(&AUTOSAVE_WRITER::Run, this) {}

AUTOSAVE_WRITER::~AUTOSAVE_WRITER() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void AUTOSAVE_WRITER::Write(const std::string& path, std::string text) {
    {
        std::lock_guard lock(mutex_);
        queued_ = JOB{path, std::move(text)};
    }
    changed_.notify_all();
}

void AUTOSAVE_WRITER::Remove(const std::string& path) {
    if (path.empty()) {
        return;
    }
    std::unique_lock lock(mutex_);
    if (queued_ && queued_->path == path) {
        queued_.reset();
    }
    changed_.wait(lock, [&] { return writing_ != path; });
    WFILE_SYSTEM::RemoveFile(path);
}

void AUTOSAVE_WRITER::Flush() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return !queued_ && writing_.empty(); });
}

void AUTOSAVE_WRITER::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return queued_ || stopping_; });
        if (!queued_) {
            return;  // stopping, with nothing left to write
        }
        JOB job = std::move(*queued_);
        queued_.reset();
        writing_ = job.path;
        lock.unlock();
        WFILE_SYSTEM::WriteStream(job.path, job.text.data(), job.text.size());
        lock.lock();
        writing_.clear();
        changed_.notify_all();
    }
}

}  // namespace GAME
