// SPDX-License-Identifier: MIT
#include "folderflush.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

#include <fcntl.h>
#include <unistd.h>

void flushFileSystemOf(const std::filesystem::path &folder)
{
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0 || syncfs(descriptor) != 0) {
        const std::string reason = std::strerror(errno);
        if (descriptor >= 0)
            close(descriptor);
        throw std::runtime_error("cannot flush " + folder.string() + ": " + reason);
    }
    close(descriptor);
}
