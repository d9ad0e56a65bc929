// SPDX-License-Identifier: MIT
#include "progressline.h"

#include <algorithm>
#include <string>
#include <unistd.h>

namespace {

constexpr auto kRedrawInterval = std::chrono::milliseconds(40);
constexpr int kBarWidth = 30;
constexpr std::size_t kNameWidth = 30;

} // namespace

ProgressLine::ProgressLine(std::FILE *stream, bool enabled)
    : m_stream(stream)
    , m_enabled(enabled && isatty(fileno(stream)))
{
}

ProgressLine::~ProgressLine()
{
    clear();
}

void ProgressLine::show(int done, int total, std::string_view currentName)
{
    if (!m_enabled)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (m_drawn && done != total && now - m_lastDraw < kRedrawInterval)
        return;
    m_lastDraw = now;

    const int filled = total > 0 ? static_cast<int>(static_cast<long long>(kBarWidth) * done / total)
                                 : kBarWidth;
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.resize(kBarWidth, '.');
    const std::string_view name = currentName.substr(0, kNameWidth);
    std::fprintf(m_stream, "\r\033[K[%s] %d/%d %.*s", bar.c_str(), done, total,
                 static_cast<int>(name.size()), name.data());
    std::fflush(m_stream);
    m_drawn = true;
}

void ProgressLine::printLine(std::string_view text)
{
    clear();
    std::fprintf(m_stream, "%.*s\n", static_cast<int>(text.size()), text.data());
    std::fflush(m_stream);
}

void ProgressLine::clear()
{
    if (!m_drawn)
        return;
    std::fputs("\r\033[K", m_stream);
    std::fflush(m_stream);
    m_drawn = false;
}
