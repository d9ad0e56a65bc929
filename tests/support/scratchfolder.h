// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

// A fresh folder under the system's temporary folder, removed with everything
// in it when the test ends.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::random_device seed;
        const auto base = std::filesystem::temp_directory_path();
        do {
            m_path = base / ("notepack-test-" + std::to_string(seed()));
        } while (!std::filesystem::create_directory(m_path));
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::filesystem::path &path() const { return m_path; }

    // Writes bytes to a file at the relative path, making its folders.
    std::filesystem::path write(const std::filesystem::path &relative, std::string_view bytes) const
    {
        const auto file = m_path / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

    std::filesystem::path folder(const std::filesystem::path &relative) const
    {
        const auto made = m_path / relative;
        std::filesystem::create_directories(made);
        return made;
    }

    static std::string read(const std::filesystem::path &file)
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path m_path;
};
