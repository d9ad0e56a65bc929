// SPDX-License-Identifier: MIT
// Presses Notepack's Convert button on a list of 10,000 generated 1 KB notes
// and compares the time until the window shows "done" with the core's bare
// ConvertFiles on the same paths, run alternately in the same process. Also
// reports how long the event loop stalled during the window's run. An archive
// that differs from the core's is a failure (exit status 1); a missed target
// is reported, not failed.
#include "convertpress.h"
#include "filelist.h"
#include "guibenchmain.h"
#include "listdrop.h"
#include "sampleseries.h"
#include "startup.h"
#include "winmain.h"

#include "benchfolder.h"
#include "folderflush.h"
#include "inputset.h"

#include "archiveformat.h"
#include "conversionrun.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr double kRatioTarget = 1.5;
constexpr double kGapTargetMs = 100.0;
constexpr std::size_t kFileBytes = 1024;
constexpr std::uint64_t kSeed = 0x4E6F746573430003ull;
const std::string kCategory = "test";

struct Options {
    int runs = 7;
    int files = 10000;
};

bool parse(int argc, char **argv, Options &options)
{
    bool known = true;
    for (int i = 1; i < argc && known; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--runs") == 0 && hasValue)
            options.runs = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--files") == 0 && hasValue)
            options.files = std::atoi(argv[++i]);
        else
            known = false;
    }
    // The names have five digits; ListDrop waits for "N Files", which one file never shows.
    if (known && options.runs > 0 && options.files > 1 && options.files <= 99999)
        return true;
    std::fprintf(stderr, "usage: %s [--runs N (1 or more)] [--files N (2 to 99999)]\n", argv[0]);
    return false;
}

QString decoded(const fs::path &path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

std::string readBytes(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string noteName(int number)
{
    char name[32];
    std::snprintf(name, sizeof name, "note-%05d.txt", number);
    return name;
}

// The list's paths as the window hands them to the core.
std::vector<std::string> listedPaths(const FileList &list)
{
    std::vector<std::string> paths;
    for (int row = 0; row < list.rowCount(); ++row)
        paths.push_back(QFile::encodeName(list.path(row)).toStdString());
    return paths;
}

// Whether the list holds every note once, in the order they were written.
bool inWrittenOrder(const std::vector<std::string> &paths, int files)
{
    if (static_cast<int>(paths.size()) != files)
        return false;
    for (int i = 0; i < files; ++i) {
        if (fs::path(paths[static_cast<std::size_t>(i)]).filename() != noteName(i + 1))
            return false;
    }
    return true;
}

double coreRunMs(const std::vector<std::string> &paths, const fs::path &destination)
{
    fs::remove(destination);
    const notepack::ProgressCallback ignore = [](const notepack::MemoProgress &) {};
    QElapsedTimer clock;
    clock.start();
    const notepack::ConversionResult result = notepack::ConvertFiles(paths, kCategory, destination, ignore);
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    if (!result.succeeded())
        throw std::runtime_error("the core run failed: " + result.message());
    return ms;
}

// The core's archive is the reference for the window's, so it is checked
// itself against what the generated notes must give.
bool coreArchiveIsRight(const std::string &archive, const InputSet &notes)
{
    const std::string header = notepack::MakeArchiveHeader(notes.fileCount(), kCategory);
    return archive.size() == notes.expectedArchiveBytes() && archive.starts_with(header) &&
           archive.find(notes.firstMemo()) != std::string::npos &&
           archive.rfind(notes.lastMemo()) != std::string::npos;
}

const char *verdict(bool met)
{
    return met ? "PASS" : "MISS";
}

int run(const Options &options, int &argc, char **argv)
{
    const BenchFolder folder(false);
    InputSet notes("notes", folder.path() / "notes", options.files, kFileBytes, kSeed);
    notes.create();
    const fs::path coreArchive = folder.path() / "core.mpa";
    const fs::path windowArchive = folder.path() / "window.mpa";

    startup::_InitFileTypes();
    startup::_NewAppInstance(argc, argv);
    startup::_MakeDefaultView();
    winMain &window = winMain::instance();
    auto *list = window.findChild<FileList *>(QStringLiteral("ListBox1"));
    ConvertPress press(window);
    if (!list || !press.hasControls() || !QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "FAIL: no exposed main window with its list and Convert button\n");
        return EXIT_FAILURE;
    }

    // The notes reach the list as a user lists them: one drop of their folder.
    ListDrop drop(window, *list);
    const ListDrop::Result listed = drop.run(decoded(notes.folder()), options.files);
    const std::vector<std::string> paths = listedPaths(*list);
    if (!listed.accepted || !listed.finished || !inWrittenOrder(paths, options.files)) {
        std::fprintf(stderr, "FAIL: the drop listed %zu rows, %d notes in name order expected\n", paths.size(),
                     options.files);
        return EXIT_FAILURE;
    }

    SampleSeries coreMs;
    SampleSeries windowMs;
    SampleSeries gapMs;
    std::uintmax_t archiveBytes = 0;
    // Run 0 warms both up and is not counted; then they alternate, the one
    // that goes first changing each round, so that both meet the same cache
    // state. Each run's archive is written back before the next run starts,
    // so that no run pays for another's.
    for (int round = 0; round <= options.runs; ++round) {
        double coreTime = 0.0;
        ConvertPress::Result result;
        const auto runCore = [&] {
            coreTime = coreRunMs(paths, coreArchive);
            flushFileSystemOf(folder.path());
        };
        const auto runWindow = [&] {
            result = press.run(decoded(windowArchive));
            flushFileSystemOf(folder.path());
        };
        if (round % 2 == 0) {
            runCore();
            runWindow();
        } else {
            runWindow();
            runCore();
        }

        const std::string expected = readBytes(coreArchive);
        if (!coreArchiveIsRight(expected, notes)) {
            std::fprintf(stderr, "FAIL: the core's archive (%zu bytes) is not the notes' (%ju bytes)\n",
                         expected.size(), notes.expectedArchiveBytes());
            return EXIT_FAILURE;
        }
        if (!result.finished || result.saveDialogs != 1 || result.otherDialogs != 0 || !result.messages.isEmpty()) {
            std::fprintf(stderr, "FAIL: the run did not end in \"done\" after one save dialog (%d save, %d other "
                                 "dialogs, %lld messages%s%s)\n",
                         result.saveDialogs, result.otherDialogs, static_cast<long long>(result.messages.size()),
                         result.messages.isEmpty() ? "" : ": ",
                         result.messages.isEmpty() ? "" : qPrintable(result.messages.constFirst()));
            return EXIT_FAILURE;
        }
        if (!fs::exists(windowArchive) || readBytes(windowArchive) != expected) {
            std::fprintf(stderr, "FAIL: run %d: the window's archive differs from the core's for the same paths\n",
                         round);
            return EXIT_FAILURE;
        }
        archiveBytes = expected.size();
        if (round == 0)
            continue;
        coreMs.add(coreTime);
        windowMs.add(result.runMs);
        gapMs.add(result.longestGapMs);
        std::printf("  run %d: core %8.2f ms  window %8.2f ms  longest gap %7.2f ms  (%d ticks)\n", round, coreTime,
                    result.runMs, result.longestGapMs, result.ticks);
    }

    const double ratio = windowMs.median() / coreMs.median();
    std::printf("\n%d files of %zu bytes, %d runs after a warm-up, platform %s\n", options.files, kFileBytes,
                options.runs, qPrintable(QGuiApplication::platformName()));
    std::printf("%-24s %10s %10s   %-14s\n", "", "median", "highest", "target");
    std::printf("%-24s %10.2f %10.2f\n", "core ConvertFiles (ms)", coreMs.median(), coreMs.highest());
    std::printf("%-24s %10.2f %10.2f\n", "window Convert (ms)", windowMs.median(), windowMs.highest());
    std::printf("%-24s %10.2f %10s   <= %-11.1f %s\n", "window / core", ratio, "", kRatioTarget,
                verdict(ratio <= kRatioTarget));
    std::printf("%-24s %10.2f %10.2f   <= %-11.0f %s\n", "longest tick gap (ms)", gapMs.median(), gapMs.highest(),
                kGapTargetMs, verdict(gapMs.highest() <= kGapTargetMs));
    std::printf("archives: the window's was byte-identical to the core's in all %d runs (%ju bytes)\n",
                options.runs + 1, archiveBytes);
    return EXIT_SUCCESS;
}

} // namespace

int main(int argc, char **argv)
{
    return guiBenchmarkMain<Options>(argc, argv, parse, run);
}
