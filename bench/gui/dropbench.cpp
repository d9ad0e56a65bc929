// SPDX-License-Identifier: MIT
// Drops a generated folder of 20,000 files on Notepack's list and compares
// the time until the heading shows the count with the core's bare walk of
// the same folder, run alternately in the same process. Also reports how
// long the event loop stalled during the drop. A wrong list is a failure
// (exit status 1); a missed target is reported, not failed.
#include "filelist.h"
#include "guibenchmain.h"
#include "listdrop.h"
#include "notetree.h"
#include "sampleseries.h"
#include "startup.h"
#include "winmain.h"

#include "fileentrywalk.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

namespace {

constexpr double kRatioTarget = 2.0;
constexpr double kGapTargetMs = 100.0;

struct Options {
    int runs = 7;
    NoteTree::Shape shape;
};

bool parse(int argc, char **argv, Options &options)
{
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--runs") == 0 && hasValue) {
            options.runs = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--files-per-folder") == 0 && hasValue) {
            options.shape.filesPerFolder = std::atoi(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: %s [--runs N] [--files-per-folder N]\n", argv[0]);
            return false;
        }
    }
    return options.runs > 0 && options.shape.filesPerFolder > 0;
}

double bareWalkMs(const NoteTree &tree, std::vector<notepack::FileRow> &rows)
{
    rows.clear();
    QElapsedTimer clock;
    clock.start();
    notepack::FileEntryWalk walk([&rows](notepack::FileRow &&row) { rows.push_back(std::move(row)); });
    walk.addEntry(tree.root());
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

bool waitForExposed(QWidget &window)
{
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        if (window.windowHandle() && window.windowHandle()->isExposed())
            return true;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return false;
}

QString decoded(const std::string &path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// The first row that differs from the walk's, or -1 when the list is the walk.
int firstMismatch(const FileList &list, const std::vector<notepack::FileRow> &rows)
{
    if (list.rowCount() != static_cast<int>(rows.size()))
        return std::min(list.rowCount(), static_cast<int>(rows.size()));
    for (int row = 0; row < list.rowCount(); ++row) {
        if (list.path(row) != decoded(rows[static_cast<std::size_t>(row)].path()))
            return row;
    }
    return -1;
}

const char *verdict(bool met)
{
    return met ? "PASS" : "MISS";
}

int run(const Options &options, int &argc, char **argv)
{
    const NoteTree tree(options.shape);
    const int expected = tree.expectedRows();

    // The core's walk is the reference for the list, and is checked itself.
    std::vector<notepack::FileRow> walked;
    bareWalkMs(tree, walked);
    if (static_cast<int>(walked.size()) != expected || walked.front().path() != tree.firstPath() ||
        walked.back().path() != tree.lastPath()) {
        std::fprintf(stderr, "FAIL: the core walk found %zu rows, %d expected\n", walked.size(), expected);
        return EXIT_FAILURE;
    }

    startup::_InitFileTypes();
    startup::_NewAppInstance(argc, argv);
    startup::_MakeDefaultView();
    winMain &window = winMain::instance();
    auto *list = window.findChild<FileList *>(QStringLiteral("ListBox1"));
    if (!list || !waitForExposed(window)) {
        std::fprintf(stderr, "FAIL: no exposed main window with its list\n");
        return EXIT_FAILURE;
    }

    const QString folder = decoded(tree.root().string());
    ListDrop drop(window, *list);
    SampleSeries walkMs;
    SampleSeries dropMs;
    SampleSeries gapMs;
    // Run 0 warms both up and is not counted; then they alternate, so that
    // both meet the same cache state.
    for (int round = 0; round <= options.runs; ++round) {
        const double walkTime = bareWalkMs(tree, walked);
        const ListDrop::Result result = drop.run(folder, expected);
        if (!result.accepted) {
            std::fprintf(stderr, "FAIL: the list refused the drop of %s\n", qPrintable(folder));
            return EXIT_FAILURE;
        }
        if (!result.finished) {
            std::fprintf(stderr, "FAIL: the heading never showed %d Files (it shows \"%s\")\n", expected,
                         qPrintable(list->heading()));
            return EXIT_FAILURE;
        }
        if (round == 0)
            continue;
        walkMs.add(walkTime);
        dropMs.add(result.dropMs);
        gapMs.add(result.longestGapMs);
        std::printf("  run %d: walk %8.2f ms  drop %8.2f ms  longest gap %7.2f ms\n", round, walkTime,
                    result.dropMs, result.longestGapMs);
    }

    const double ratio = dropMs.median() / walkMs.median();
    std::printf("\n%d files (%d hidden skipped), %d runs after a warm-up, platform %s\n", expected,
                tree.hiddenFiles(), options.runs, qPrintable(QGuiApplication::platformName()));
    std::printf("%-24s %10s %10s   %-14s\n", "", "median", "highest", "target");
    std::printf("%-24s %10.2f %10.2f\n", "bare walk (ms)", walkMs.median(), walkMs.highest());
    std::printf("%-24s %10.2f %10.2f\n", "drop (ms)", dropMs.median(), dropMs.highest());
    std::printf("%-24s %10.2f %10s   <= %-11.1f %s\n", "drop / walk", ratio, "", kRatioTarget,
                verdict(ratio <= kRatioTarget));
    std::printf("%-24s %10.2f %10.2f   <= %-11.0f %s\n", "longest tick gap (ms)", gapMs.median(),
                gapMs.highest(), kGapTargetMs, verdict(gapMs.highest() <= kGapTargetMs));

    const int mismatch = firstMismatch(*list, walked);
    const bool endsMatch = list->rowCount() == expected && list->path(0) == decoded(walked.front().path()) &&
                           list->path(expected - 1) == decoded(walked.back().path());
    if (!endsMatch || mismatch >= 0) {
        std::fprintf(stderr, "FAIL: the list has %d rows, %d expected; first wrong row %d\n", list->rowCount(),
                     expected, mismatch);
        return EXIT_FAILURE;
    }
    std::printf("list: %d rows, first and last paths (and every row between) match the core walk\n",
                list->rowCount());
    return EXIT_SUCCESS;
}

} // namespace

int main(int argc, char **argv)
{
    return guiBenchmarkMain<Options>(argc, argv, parse, run);
}
