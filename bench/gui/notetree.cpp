// SPDX-License-Identifier: MIT
#include "notetree.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

namespace {

fs::path freshFolder()
{
    std::string pattern = (fs::temp_directory_path() / "notepack-dropbench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    // Canonical, so that the list's paths and the walk's compare equal.
    return fs::canonical(pattern);
}

void writeFile(const fs::path &path, const std::string &text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

std::string topName(int top)
{
    return "folder " + std::to_string(top);
}

std::string subName(int sub)
{
    return "part " + std::to_string(sub);
}

std::string fileName(int file)
{
    return "note " + std::to_string(file) + ".txt";
}

} // namespace

NoteTree::NoteTree(Shape shape)
    : m_shape(shape)
    , m_root(freshFolder())
{
    // Numbers start at 1 so that natural order ("note 2" before "note 10")
    // differs from plain byte order and a wrong sort would show.
    writeFile(m_root / ".directory", "hidden\n");
    ++m_hiddenFiles;
    for (int top = 1; top <= m_shape.topFolders; ++top) {
        for (int sub = 1; sub <= m_shape.subFolders; ++sub) {
            const fs::path folder = m_root / topName(top) / subName(sub);
            fs::create_directories(folder);
            writeFile(folder / ".hidden note.txt", "hidden\n");
            ++m_hiddenFiles;
            for (int file = 1; file <= m_shape.filesPerFolder; ++file)
                writeFile(filePath(top, sub, file), "Note " + std::to_string(file) + "\nA short line.\n");
        }
    }
}

NoteTree::~NoteTree()
{
    std::error_code error;
    fs::remove_all(m_root, error);
}

int NoteTree::expectedRows() const
{
    return m_shape.topFolders * m_shape.subFolders * m_shape.filesPerFolder;
}

fs::path NoteTree::filePath(int top, int sub, int file) const
{
    return m_root / topName(top) / subName(sub) / fileName(file);
}

std::string NoteTree::firstPath() const
{
    return filePath(1, 1, 1).string();
}

std::string NoteTree::lastPath() const
{
    return filePath(m_shape.topFolders, m_shape.subFolders, m_shape.filesPerFolder).string();
}
