#include "tests/support/Subprocess.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tsw::test {

namespace {

using SteadyClock = std::chrono::steady_clock;

// Reads both pipes until both are closed or the deadline passes.
bool drain(int outFd, int errFd, ProcessResult& r, SteadyClock::time_point deadline) {
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    std::string* sinks[2] = {&r.out, &r.err};
    int open = 2;
    while (open > 0) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now());
        if (left.count() <= 0)
            return false;
        if (::poll(fds, 2, static_cast<int>(left.count())) < 0 && errno != EINTR)
            return false;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            char buf[4096];
            const ssize_t n = ::read(fds[i].fd, buf, sizeof buf);
            if (n > 0) {
                sinks[i]->append(buf, static_cast<std::size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                fds[i].fd = -1;
                --open;
            }
        }
    }
    return true;
}

} // namespace

pid_t spawnProcess(const std::string& executable, const std::vector<std::string>& args, int in,
                   int out, int err) {
    std::vector<std::string> all{executable};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const int fds[3] = {in, out, err};
    for (int target = 0; target < 3; ++target)
        if (fds[target] >= 0)
            posix_spawn_file_actions_adddup2(&actions, fds[target], target);
    pid_t pid = -1;
    const int rc = ::posix_spawn(&pid, executable.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : -1;
}

ProcessResult runProcess(const std::string& executable, const std::vector<std::string>& args,
                         std::chrono::milliseconds timeout) {
    ProcessResult r;
    int out[2], err[2];
    if (::pipe2(out, O_CLOEXEC) != 0)
        return r;
    if (::pipe2(err, O_CLOEXEC) != 0) {
        ::close(out[0]);
        ::close(out[1]);
        return r;
    }
    const auto start = SteadyClock::now();
    const pid_t pid = spawnProcess(executable, args, -1, out[1], err[1]);
    ::close(out[1]);
    ::close(err[1]);
    if (pid > 0 && !drain(out[0], err[0], r, start + timeout))
        ::kill(pid, SIGKILL);
    ::close(out[0]);
    ::close(err[0]);
    if (pid <= 0)
        return r;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    r.seconds = std::chrono::duration<double>(SteadyClock::now() - start).count();
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

std::string binExecutable(const std::string& name) {
    const char* dir = std::getenv("TSW_BIN_DIR");
    return std::string(dir && *dir ? dir : TSW_BIN_DIR) + "/" + name;
}

} // namespace tsw::test
