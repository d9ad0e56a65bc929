// SPDX-License-Identifier: MIT
// notepack-packbench: times notepack-cli against the floor, the least work a
// packer must do, on generated notes, and measures the packer's memory.
//
// Usage: notepack-packbench [--runs N] [--keep]
// Exits 0 when every run worked, whether or not the targets were met; 1 when
// a run failed or gave a wrong output; 2 on a usage error.
#include "benchfolder.h"
#include "childprocess.h"
#include "inputset.h"
#include "runseries.h"
#include "setbench.h"
#include "setreport.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace {

const char *const kProgram = "notepack-packbench";
const std::string kPackerPath = NOTEPACK_CLI_PATH;
const std::string kFloorPath = NOTEPACK_PACKFLOOR_PATH;
constexpr int kStartupRuns = 5;

struct Options {
    int runs = 7;
    bool keep = false;
};

struct SetPlan {
    const char *label;
    int fileCount;
    std::size_t fileBytes;
    double timeRatioTarget;
    std::uint64_t seed;
};

// Many small files weigh the per-file cost; few large ones the per-byte cost.
constexpr SetPlan kSets[] = {
    {"A", 10000, 1024, 1.3, 0x4E6F746573410001ull},
    {"B", 200, 60 * 1024, 1.2, 0x4E6F746573420002ull},
};

void printUsage(std::FILE *out)
{
    std::fprintf(out,
                 "Usage: %s [--runs N] [--keep]\n"
                 "Times notepack-cli against a bare read-everything-write-once floor on\n"
                 "generated text files and measures its memory.\n"
                 "  --runs N  timed runs of each program a set (default 7)\n"
                 "  --keep    leave the generated files and outputs in place\n",
                 kProgram);
}

std::optional<Options> parseOptions(int argc, char *argv[])
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--keep") {
            options.keep = true;
        } else if (argument == "--runs" && i + 1 < argc) {
            char *end = nullptr;
            const long runs = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || runs < 1 || runs > 1000)
                return std::nullopt;
            options.runs = static_cast<int>(runs);
        } else if (argument == "--help" || argument == "-h") {
            printUsage(stdout);
            std::exit(0);
        } else {
            return std::nullopt;
        }
    }
    return options;
}

long measureStartupRss(const ChildProcess &child)
{
    std::vector<double> samples;
    for (int i = 0; i < kStartupRuns; ++i) {
        const ChildResult run = child.run({kPackerPath, "--version"});
        if (!run.succeeded())
            throw std::runtime_error("notepack-cli --version failed: " + run.describe());
        samples.push_back(static_cast<double>(run.maxRssKiB));
    }
    return static_cast<long>(median(samples));
}

long ownMaxRssKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

int runBenchmark(const Options &options)
{
    BenchFolder folder(options.keep);
    const ChildProcess child;
    std::printf("packer: %s\nfloor:  %s\nfolder: %s\n", kPackerPath.c_str(), kFloorPath.c_str(),
                folder.path().c_str());

    std::vector<InputSet> inputs;
    for (const SetPlan &plan : kSets) {
        inputs.emplace_back(plan.label, folder.path() / ("set-" + std::string(plan.label)),
                            plan.fileCount, plan.fileBytes, plan.seed);
        inputs.back().create();
    }

    const long startupRssKiB = measureStartupRss(child);
    std::printf("start-up RSS of notepack-cli --version: %.1f MiB (median of %d)\n",
                static_cast<double>(startupRssKiB) / 1024.0, kStartupRuns);
    std::printf("each set: one warm-up of each program, then %d timed runs of each, in turns\n\n",
                options.runs);
    std::fflush(stdout);

    std::vector<SetBench> benches;
    for (const InputSet &input : inputs)
        benches.emplace_back(child, input, kPackerPath, kFloorPath, folder.path() / "out",
                             options.runs);
    for (std::size_t i = 0; i < benches.size(); ++i) {
        const SetFigures figures = benches[i].run();
        SetReport(inputs[i], figures, startupRssKiB, kSets[i].timeRatioTarget).print(stdout);
        std::printf("\n");
        std::fflush(stdout);
    }

    // Forked children count this process's pages until they exec, so its own
    // size bounds how much of a child's RSS may not be the child's.
    std::printf("this driver's peak RSS while timing: %.1f MiB\n",
                static_cast<double>(ownMaxRssKiB()) / 1024.0);
    for (const SetBench &bench : benches)
        bench.checkArchiveContent();
    std::printf("archive contents checked: first and last memo of each set in place\n");
    if (folder.isKept())
        std::printf("kept: %s\n", folder.path().c_str());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options) {
        printUsage(stderr);
        return 2;
    }
    try {
        return runBenchmark(*options);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s: error: %s\n", kProgram, error.what());
        return 1;
    }
}
