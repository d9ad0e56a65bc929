// SPDX-License-Identifier: MIT
#include "childprocess.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <thread>

extern char **environ;

namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

// In a forked child: root gives up its rights, as ChildOptions::unprivileged says.
bool dropRootRights()
{
    return geteuid() != 0 || (setgroups(0, nullptr) == 0 && setgid(kNoGroup) == 0 && setuid(kNobody) == 0);
}

// Called in the forked child only; any failure ends it with 127.
[[noreturn]] void becomeProgram(int programFd, char *const argv[], const ChildOptions &options)
{
    if (options.fileSizeLimit) {
        const rlimit limit{static_cast<rlim_t>(*options.fileSizeLimit),
                           static_cast<rlim_t>(*options.fileSizeLimit)};
        // An ignored signal stays ignored across exec.
        if (signal(SIGXFSZ, SIG_IGN) == SIG_ERR || setrlimit(RLIMIT_FSIZE, &limit) != 0)
            _exit(127);
    }
    if (options.unprivileged && !dropRootRights())
        _exit(127);
    // The program was opened before the switch to nobody: a build folder
    // under root's home is then no obstacle, only the file's own x bit.
    fexecve(programFd, argv, environ);
    _exit(127);
}

// rchar of this process: what it has read through read calls, with what the
// children it has reaped read.
std::optional<std::uint64_t> bytesReadSoFar()
{
    std::ifstream io("/proc/self/io");
    std::string key;
    std::uint64_t value = 0;
    while (io >> key >> value) {
        if (key == "rchar:")
            return value;
    }
    return std::nullopt;
}

} // namespace

ChildResult runChild(const std::filesystem::path &program,
                     const std::vector<std::string> &arguments,
                     const std::filesystem::path &workingFolder, const ChildOptions &options)
{
    std::vector<std::string> argv = {program.string()};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<char *> pointers;
    for (std::string &argument : argv)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);

    // Pipes, not files: a file size limit must not stop the program's own
    // messages.
    int outPipe[2];
    int errPipe[2];
    if (pipe2(outPipe, O_CLOEXEC) != 0)
        return {};
    if (pipe2(errPipe, O_CLOEXEC) != 0) {
        close(outPipe[0]);
        close(outPipe[1]);
        return {};
    }
    const pid_t child = fork();
    if (child == 0) {
        const int in = open("/dev/null", O_RDONLY);
        const int programFd = open(pointers[0], O_RDONLY | O_CLOEXEC);
        if (in < 0 || programFd < 0 || dup2(in, 0) < 0 || dup2(outPipe[1], 1) < 0 ||
            dup2(errPipe[1], 2) < 0 || chdir(workingFolder.c_str()) != 0)
            _exit(127);
        becomeProgram(programFd, pointers.data(), options);
    }
    close(outPipe[1]);
    close(errPipe[1]);

    ChildResult result;
    const auto deadline = std::chrono::steady_clock::now() + options.deadline;
    const auto timeLeft = [&deadline] {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
    };
    const auto killAsHung = [&] {
        kill(child, SIGKILL);
        result.killedAsHung = true;
    };

    pollfd ends[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    std::string *const collected[2] = {&result.standardOutput, &result.standardError};
    while (child > 0 && (ends[0].fd >= 0 || ends[1].fd >= 0)) {
        const int ready = poll(ends, 2, timeLeft());
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0) {
            killAsHung();
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (ends[i].fd < 0 || ends[i].revents == 0)
                continue;
            char buffer[4096];
            const ssize_t got = ::read(ends[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                collected[i]->append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                close(ends[i].fd);
                ends[i].fd = -1;
            }
        }
    }
    for (const pollfd &end : ends) {
        if (end.fd >= 0)
            close(end.fd);
    }
    if (child < 0)
        return result;

    // Reaping adds what the child read to this process's count, taken just
    // before and after it; a zombie's own count is closed to all but root.
    for (;;) {
        siginfo_t ended{};
        if (waitid(P_PID, static_cast<id_t>(child), &ended, WEXITED | WNOWAIT | WNOHANG) != 0 ||
            ended.si_pid == child)
            break;
        if (result.killedAsHung || timeLeft() == 0) {
            if (!result.killedAsHung)
                killAsHung();
            waitid(P_PID, static_cast<id_t>(child), &ended, WEXITED | WNOWAIT);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    const std::optional<std::uint64_t> readBefore = bytesReadSoFar();
    int status = 0;
    const bool reaped = waitpid(child, &status, 0) == child;
    const std::optional<std::uint64_t> readAfter = bytesReadSoFar();
    if (reaped && WIFEXITED(status) && !result.killedAsHung)
        result.exitCode = WEXITSTATUS(status);
    if (reaped && readBefore && readAfter)
        result.bytesRead = *readAfter - *readBefore;
    return result;
}

bool runUnprivileged(const std::function<bool()> &check)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(dropRootRights() && check() ? 0 : 1);
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
