// SPDX-License-Identifier: MIT
#include "benchfolder.h"

#include <cerrno>
#include <stdexcept>
#include <string>
#include <system_error>

#include <stdlib.h>

BenchFolder::BenchFolder(bool keep)
    : m_keep(keep)
{
    std::string pattern =
        (std::filesystem::temp_directory_path() / "notepack-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::system_error(errno, std::generic_category(), "cannot create " + pattern);
    m_path = pattern;
}

BenchFolder::~BenchFolder()
{
    if (m_keep)
        return;
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}
