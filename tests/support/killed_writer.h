// A write cut short as by a crash: the writing runs in a child process whose file size limit
// kills it (SIGXFSZ) once it has written that many bytes to any file, so a save can be stopped
// exactly in the middle of writing, with no timing involved.
#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#include <functional>

// True when write was killed while writing: it tried to write more than byte_limit bytes to a
// file. False when it ran to the end (or the child could not be made).
inline bool KilledWhileWriting(const std::function<void()>& write, size_t byte_limit) {
    const pid_t child = ::fork();
    if (child < 0) {
        return false;
    }
    if (child == 0) {
        const rlimit limit{byte_limit, byte_limit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::signal(SIGXFSZ, SIG_DFL);
        write();
        ::_exit(0);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child) {
        return false;
    }
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ;
}
