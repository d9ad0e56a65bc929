// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstdio>
#include <string_view>

// A progress bar on one line of a terminal, redrawn in place. It draws only
// when the stream is a terminal, and at most a few dozen times a second, so
// that drawing never costs more than the packing.
class ProgressLine {
public:
    explicit ProgressLine(std::FILE *stream, bool enabled);
    ~ProgressLine();

    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;

    void show(int done, int total, std::string_view currentName);
    // Prints a line of its own above the bar, which is drawn again next time.
    void printLine(std::string_view text);
    void clear();

private:
    std::FILE *m_stream;
    bool m_enabled;
    bool m_drawn = false;
    std::chrono::steady_clock::time_point m_lastDraw;
};
