// SPDX-License-Identifier: MIT
#include "filereplacement.h"

#include <cerrno>
#include <cstdio>
#include <random>

namespace notepack {
namespace {

namespace fs = std::filesystem;

class ReplacementErrorCategory : public std::error_category {
public:
    const char *name() const noexcept override { return "file replacement"; }
    std::string message(int) const override { return "not a regular file"; }
};

const std::error_category &replacementErrorCategory()
{
    static const ReplacementErrorCategory category;
    return category;
}

std::error_code lastSystemError()
{
    return {errno != 0 ? errno : EIO, std::generic_category()};
}

// Creates a new, hidden file beside target that no other file had the name
// of ("x" mode: fails rather than opening an existing file).
std::FILE *createTemporaryBeside(const fs::path &target, fs::path &created, std::error_code &error)
{
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<unsigned> suffix(0, 0xFFFFFF);
    // Appended piece by piece: "." + name trips GCC 12's -Wrestrict (bug 105329).
    std::string hiddenName(1, '.');
    hiddenName += target.filename().string();
    hiddenName += '.';
    for (int attempt = 0; attempt < 100; ++attempt) {
        char tag[16];
        std::snprintf(tag, sizeof tag, "%06x.tmp", suffix(random));
        created = target.parent_path() / (hiddenName + tag);
        errno = 0;
        if (std::FILE *file = std::fopen(created.c_str(), "wbx"))
            return file;
        if (errno != EEXIST)
            break;
    }
    error = lastSystemError();
    return nullptr;
}

std::error_code writeAndClose(std::FILE *file, std::string_view bytes)
{
    errno = 0;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
                         std::fflush(file) == 0;
    std::error_code error = written ? std::error_code() : lastSystemError();
    errno = 0;
    if (std::fclose(file) != 0 && !error)
        error = lastSystemError();
    return error;
}

} // namespace

std::error_code replaceFileContents(const fs::path &destination, std::string_view bytes)
{
    std::error_code error;
    fs::path target = destination;
    if (fs::is_symlink(fs::symlink_status(target, error))) {
        target = fs::weakly_canonical(target, error);
        if (error)
            return error;
    }
    // Renaming over a device or a pipe would replace it, not write to it.
    const fs::file_status existing = fs::status(target, error);
    error.clear();
    if (fs::is_directory(existing))
        return std::make_error_code(std::errc::is_a_directory);
    if (fs::exists(existing) && !fs::is_regular_file(existing))
        return {1, replacementErrorCategory()};

    fs::path temporary;
    std::FILE *file = createTemporaryBeside(target, temporary, error);
    if (!file)
        return error;

    error = writeAndClose(file, bytes);
    if (!error) {
        if (fs::exists(existing)) {
            std::error_code ignored;
            fs::permissions(temporary, existing.permissions(), ignored);
        }
        fs::rename(temporary, target, error);
    }
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
    }
    return error;
}

} // namespace notepack
