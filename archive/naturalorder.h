// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace notepack {

// Orders file names as a person expects and a file manager lists them:
// letter case is ignored and runs of digits compare by value, so "note 2"
// comes before "Note 10". Names equal in that sense fall back to their bytes,
// so the order is total and stable between runs.
int naturalCompare(std::string_view a, std::string_view b);

inline bool naturalLess(std::string_view a, std::string_view b)
{
    return naturalCompare(a, b) < 0;
}

} // namespace notepack
