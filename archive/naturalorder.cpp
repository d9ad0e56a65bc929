// SPDX-License-Identifier: MIT
#include "naturalorder.h"

namespace notepack {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

char foldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view digitRun(std::string_view text, std::size_t from)
{
    std::size_t end = from;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return text.substr(from, end - from);
}

int compareByValue(std::string_view a, std::string_view b)
{
    const auto significant = [](std::string_view digits) {
        const std::size_t first = digits.find_first_not_of('0');
        return first == std::string_view::npos ? std::string_view() : digits.substr(first);
    };
    const std::string_view x = significant(a);
    const std::string_view y = significant(b);
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    return x.compare(y);
}

int sign(int value) { return (value > 0) - (value < 0); }

} // namespace

int naturalCompare(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            const std::string_view x = digitRun(a, i);
            const std::string_view y = digitRun(b, j);
            if (const int order = compareByValue(x, y))
                return sign(order);
            i += x.size();
            j += y.size();
            continue;
        }
        const auto x = static_cast<unsigned char>(foldCase(a[i]));
        const auto y = static_cast<unsigned char>(foldCase(b[j]));
        if (x != y)
            return x < y ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    return sign(a.compare(b));
}

} // namespace notepack
