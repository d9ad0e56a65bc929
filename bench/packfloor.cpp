// SPDX-License-Identifier: MIT
// notepack-packfloor: the least work a packer that reads every file whole and
// writes one archive must do, with nothing else: list the folder, read each
// file into one buffer, write the buffer once. The packer's time is measured
// against it, so it must stay free of anything a packer could skip.
//
// Usage: notepack-packfloor FOLDER OUTPUT
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Room kept free at the end of the buffer before each read; a whole small
// file fits in one read, so each costs one read for the data and one for the
// end of file.
constexpr std::size_t kReadRoom = 64 * 1024;

bool appendFile(int folder, const char *name, std::string &buffer, std::size_t &used)
{
    const int file = openat(folder, name, O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return false;
    for (;;) {
        if (buffer.size() - used < kReadRoom)
            buffer.resize(std::max(buffer.size() * 2, used + kReadRoom));
        const ssize_t got = read(file, buffer.data() + used, buffer.size() - used);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            const int readError = errno;
            close(file);
            errno = readError;
            return got == 0;
        }
        used += static_cast<std::size_t>(got);
    }
}

bool writeAll(const char *path, const char *bytes, std::size_t size)
{
    const int file = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (file < 0)
        return false;
    // One write call; the loop only covers a short write, which a regular
    // file gives only on error or for more than about 2 GiB.
    while (size > 0) {
        const ssize_t done = write(file, bytes, size);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0) {
            close(file);
            return false;
        }
        bytes += done;
        size -= static_cast<std::size_t>(done);
    }
    return close(file) == 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FOLDER OUTPUT\n", argv[0]);
        return 2;
    }
    DIR *folder = opendir(argv[1]);
    if (!folder) {
        std::fprintf(stderr, "%s: %s: %s\n", argv[0], argv[1], std::strerror(errno));
        return 1;
    }

    std::string buffer;
    std::size_t used = 0;
    while (const dirent *entry = readdir(folder)) {
        // Hidden files are left out, as the packer does; that also drops "."
        // and "..". Only what readdir says is used: no stat. Where the type is
        // unknown the entry is opened anyway, and a folder then fails to read
        // with EISDIR and is passed over.
        if (entry->d_name[0] == '.')
            continue;
        if (entry->d_type != DT_REG && entry->d_type != DT_UNKNOWN)
            continue;
        if (!appendFile(dirfd(folder), entry->d_name, buffer, used) && errno != EISDIR) {
            std::fprintf(stderr, "%s: %s: %s\n", argv[0], entry->d_name, std::strerror(errno));
            closedir(folder);
            return 1;
        }
    }
    closedir(folder);

    if (!writeAll(argv[2], buffer.data(), used)) {
        std::fprintf(stderr, "%s: %s: %s\n", argv[0], argv[2], std::strerror(errno));
        return 1;
    }
    return 0;
}
