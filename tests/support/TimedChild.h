// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <csignal>
#include <functional>
#include <optional>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

// Runs work in a forked child and gives its exit code, or nullopt when it had not ended within the time limit (it
// is killed then): a fault that was a hang fails the test instead of freezing it. The child may use plain calls
// only; it ends with _exit, so nothing of the test's own runs twice.
inline std::optional<int> exitCodeWithin(int milliseconds, const std::function<int()>& work)
{
    const pid_t pid = ::fork();
    if (pid < 0)
        return std::nullopt;
    if (pid == 0)
        ::_exit(work());
    int status = 0;
    for (int waited = 0; waited <= milliseconds; waited += 10) {
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? std::optional<int>(WEXITSTATUS(status)) : std::optional<int>(128);
        const timespec step{0, 10 * 1000 * 1000};
        ::nanosleep(&step, nullptr);
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return std::nullopt;
}
