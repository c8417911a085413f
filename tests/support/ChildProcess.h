#pragma once

// Forked children for tests that must meet what a single process cannot
// show: permission bits (tests run as root in CI) and a second program
// working on the same files. Header-only, so core tests use it too.

#include <cstdio>
#include <exception>
#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs body in a forked copy of this process and returns its exit code; an
// exception escaping body is exit code 99. Children only touch files and end
// with _exit, so nothing of the test framework runs twice.
template<typename Body> inline pid_t startChild(Body body)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        int code = 99;
        try {
            code = body();
        } catch (const std::exception &e) {
            std::fprintf(stderr, "child failed: %s\n", e.what());
        }
        ::_exit(code);
    }
    return pid;
}

inline int waitChild(pid_t pid)
{
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

template<typename Body> inline int inChild(Body body)
{
    return waitChild(startChild(body));
}

// Tests run as root in CI, and root ignores permission bits: a child that
// must meet them first becomes the unprivileged user "nobody".
inline bool dropPrivileges()
{
    if (::geteuid() != 0)
        return true;
    constexpr uid_t nobody = 65534;
    return ::setgroups(0, nullptr) == 0 && ::setgid(nobody) == 0 && ::setuid(nobody) == 0;
}
