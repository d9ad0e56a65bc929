// SPDX-License-Identifier: MIT
#include "setbench.h"

#include "childprocess.h"
#include "folderflush.h"
#include "inputset.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

std::uintmax_t sizeOf(const std::filesystem::path &path)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        throw std::runtime_error(path.string() + ": " + error.message());
    return size;
}

void requireSuccess(const ChildResult &run, const std::string &what)
{
    if (!run.succeeded())
        throw std::runtime_error(what + " failed: " + run.describe());
}

} // namespace

SetBench::SetBench(const ChildProcess &child, const InputSet &input, const std::string &packer,
                   const std::string &floor, std::filesystem::path outputFolder, int runs)
    : m_child(child)
    , m_input(input)
    , m_packer(packer)
    , m_floor(floor)
    , m_outputFolder(std::move(outputFolder))
    , m_archive(m_outputFolder / ("set-" + input.label() + ".mpa"))
    , m_floorOutput(m_outputFolder / ("set-" + input.label() + ".floor"))
    , m_runs(runs)
{
}

SetFigures SetBench::run() const
{
    std::filesystem::create_directories(m_outputFolder);
    // The warm-ups bring the inputs and both programs into the page cache.
    runFloor();
    runPacker();

    SetFigures figures;
    for (int i = 0; i < m_runs; ++i) {
        figures.floor.add(runFloor());
        figures.packer.add(runPacker());
    }
    figures.archiveBytes = sizeOf(m_archive);
    return figures;
}

ChildResult SetBench::runFloor() const
{
    prepareOutput(m_floorOutput);
    const ChildResult run =
        m_child.run({m_floor, m_input.folder().string(), m_floorOutput.string()});
    requireSuccess(run, "the floor on set " + m_input.label());
    const std::uintmax_t size = sizeOf(m_floorOutput);
    if (size != m_input.inputBytes()) {
        throw std::runtime_error("the floor on set " + m_input.label() + " wrote " +
                                 std::to_string(size) + " bytes, not the " +
                                 std::to_string(m_input.inputBytes()) + " it read");
    }
    return run;
}

ChildResult SetBench::runPacker() const
{
    prepareOutput(m_archive);
    const ChildResult run = m_child.run(
        {m_packer, "--quiet", "-o", m_archive.string(), m_input.folder().string()});
    requireSuccess(run, "notepack-cli on set " + m_input.label());
    const std::uintmax_t size = sizeOf(m_archive);
    if (size != m_input.expectedArchiveBytes()) {
        throw std::runtime_error("notepack-cli on set " + m_input.label() + " wrote " +
                                 std::to_string(size) + " bytes, not the expected " +
                                 std::to_string(m_input.expectedArchiveBytes()));
    }
    return run;
}

void SetBench::checkArchiveContent() const
{
    // The size alone would not catch memos packed in the wrong order or
    // converted wrongly but to the same length.
    std::ifstream in(m_archive, std::ios::binary);
    const std::string archive{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::size_t first = archive.find(m_input.firstMemo());
    const std::size_t last = archive.rfind(m_input.lastMemo());
    if (first == std::string::npos || last == std::string::npos ||
        (m_input.fileCount() > 1 && first >= last)) {
        throw std::runtime_error("the archive of set " + m_input.label() +
                                 " lacks its first or last memo, or has them out of order");
    }
}

void SetBench::prepareOutput(const std::filesystem::path &output) const
{
    std::error_code ignored;
    std::filesystem::remove(output, ignored);
    flushFileSystemOf(m_outputFolder);
}
