// SPDX-License-Identifier: MIT
#pragma once

#include "startup.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <exception>

// What the window benchmarks' main() does around their run: headless unless
// a platform is asked for (xcb on a display, say), lines shown as they end
// even into a pipe, a thrown error reported as a failure, and the
// application taken down at the end. parse gives false for bad arguments.
template <typename Options, typename Parse, typename Run>
int guiBenchmarkMain(int argc, char **argv, Parse parse, Run run)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    Options options;
    if (!parse(argc, argv, options))
        return 2;
    int status = EXIT_FAILURE;
    try {
        status = run(options, argc, argv);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "FAIL: %s\n", error.what());
    }
    startup::shutDown();
    return status;
}
