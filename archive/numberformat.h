// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace notepack {

// 65533 as "65,533": sizes in messages read more easily grouped.
std::string groupedDigits(std::uintmax_t value);

} // namespace notepack
