// SPDX-License-Identifier: MIT
#include "numberformat.h"

namespace notepack {

std::string groupedDigits(std::uintmax_t value)
{
    std::string digits = std::to_string(value);
    for (auto i = static_cast<std::ptrdiff_t>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<std::size_t>(i), 1, ',');
    return digits;
}

} // namespace notepack
