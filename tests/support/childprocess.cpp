// SPDX-License-Identifier: MIT
#include "childprocess.h"

#include "scratchfolder.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

ChildResult runChild(const std::filesystem::path &program, const std::vector<std::string> &arguments,
                     const std::filesystem::path &workingFolder)
{
    ScratchFolder captures;
    const auto out = captures.path() / "out";
    const auto err = captures.path() / "err";

    std::vector<std::string> argv = {program.string()};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<char *> pointers;
    for (std::string &argument : argv)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);

    const pid_t child = fork();
    if (child == 0) {
        const int in = open("/dev/null", O_RDONLY);
        const int outFd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || outFd < 0 || errFd < 0 || dup2(in, 0) < 0 || dup2(outFd, 1) < 0 ||
            dup2(errFd, 2) < 0 || chdir(workingFolder.c_str()) != 0)
            _exit(127);
        execv(pointers[0], pointers.data());
        _exit(127);
    }
    ChildResult result;
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    result.standardOutput = ScratchFolder::read(out);
    result.standardError = ScratchFolder::read(err);
    return result;
}
