// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

// A fresh folder under the system's temporary folder for the generated input
// and the outputs; removed with all in it at the end unless kept for a look.
class BenchFolder {
public:
    explicit BenchFolder(bool keep);
    ~BenchFolder();

    BenchFolder(const BenchFolder &) = delete;
    BenchFolder &operator=(const BenchFolder &) = delete;

    const std::filesystem::path &path() const { return m_path; }
    bool isKept() const { return m_keep; }

private:
    std::filesystem::path m_path;
    bool m_keep;
};
