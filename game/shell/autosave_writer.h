// AUTOSAVE_WRITER: writes a running game's autosave on a thread of its own, so the disk's
// flush never holds up a frame.
#pragma once

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace GAME {

class AUTOSAVE_WRITER {
  public:
    AUTOSAVE_WRITER();
    // Finishes the write that is queued or under way.
    ~AUTOSAVE_WRITER();
    AUTOSAVE_WRITER(const AUTOSAVE_WRITER&) = delete;
    AUTOSAVE_WRITER& operator=(const AUTOSAVE_WRITER&) = delete;

    // Queues the text for path (through a temporary file, flushed, then renamed) and returns at
    // once. Only the newest text matters: a queued write not yet begun is replaced.
    void Write(const std::string& path, std::string text);
    // Removes the file at path after any write of it queued or under way, so no write brings it
    // back. Waits for such a write to end.
    void Remove(const std::string& path);
    // Waits until nothing is queued or under way.
    void Flush();

  private:
    struct JOB {
        std::string path;
        std::string text;
    };

    void Run();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<JOB> queued_;
    std::string writing_;  // the path under way, empty when idle
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace GAME
