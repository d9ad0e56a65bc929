// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>

// A generated tree of small text files in nested folders, in a fresh folder
// under the system's temporary folder, removed with all in it at the end.
// Each leaf folder also holds hidden files, which a walk must skip, so the
// number of rows a walk should find is known beforehand.
class NoteTree {
public:
    struct Shape {
        int topFolders = 20;
        int subFolders = 10;
        int filesPerFolder = 100;
    };

    explicit NoteTree(Shape shape);
    ~NoteTree();

    NoteTree(const NoteTree &) = delete;
    NoteTree &operator=(const NoteTree &) = delete;

    const std::filesystem::path &root() const { return m_root; }
    int expectedRows() const;
    int hiddenFiles() const { return m_hiddenFiles; }
    // The paths a depth-first walk in natural name order meets first and last.
    std::string firstPath() const;
    std::string lastPath() const;

private:
    std::filesystem::path filePath(int top, int sub, int file) const;

    Shape m_shape;
    std::filesystem::path m_root;
    int m_hiddenFiles = 0;
};
