// SPDX-License-Identifier: MIT
#include "childprocess.h"

#include <cerrno>
#include <chrono>
#include <stdexcept>
#include <system_error>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

std::string ChildResult::describe() const
{
    if (exited && exitCode == 127)
        return "exit code 127 (not found or could not be started)";
    if (exited)
        return "exit code " + std::to_string(exitCode);
    if (signal != 0)
        return "killed by signal " + std::to_string(signal);
    return "not started";
}

ChildProcess::ChildProcess()
    : m_devNull(open("/dev/null", O_WRONLY | O_CLOEXEC))
{
    if (m_devNull < 0)
        throw std::system_error(errno, std::generic_category(), "cannot open /dev/null");
}

ChildProcess::~ChildProcess()
{
    close(m_devNull);
}

ChildResult ChildProcess::run(const std::vector<std::string> &argv) const
{
    // Built before the fork: the child should do nothing but exec.
    std::vector<char *> arguments;
    arguments.reserve(argv.size() + 1);
    for (const std::string &argument : argv)
        arguments.push_back(const_cast<char *>(argument.c_str()));
    arguments.push_back(nullptr);

    ChildResult result;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        throw std::system_error(errno, std::generic_category(), "fork");
    if (pid == 0) {
        dup2(m_devNull, STDOUT_FILENO);
        execv(arguments[0], arguments.data());
        _exit(127);
    }

    int status = 0;
    rusage usage{};
    pid_t waited;
    do {
        waited = wait4(pid, &status, 0, &usage);
    } while (waited < 0 && errno == EINTR);
    const auto end = std::chrono::steady_clock::now();
    if (waited != pid)
        throw std::system_error(errno, std::generic_category(), "wait4");

    result.seconds = std::chrono::duration<double>(end - start).count();
    result.maxRssKiB = usage.ru_maxrss;
    if (WIFEXITED(status)) {
        result.exited = true;
        result.exitCode = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        result.signal = WTERMSIG(status);
    }
    return result;
}
