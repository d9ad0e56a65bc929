// SPDX-License-Identifier: MIT
#include "hexencoding.h"

#include <stdexcept>

namespace notepack {
namespace {

int hexDigitValue(char digit)
{
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    throw std::invalid_argument("not a hex digit in hex text");
}

} // namespace

std::string hex2str(std::string_view hexText)
{
    std::string bytes;
    bytes.reserve((hexText.size() + 1) / 2);
    for (std::size_t i = 0; i < hexText.size(); i += 2) {
        int value = hexDigitValue(hexText[i]);
        if (i + 1 < hexText.size())
            value = value * 16 + hexDigitValue(hexText[i + 1]);
        bytes.push_back(static_cast<char>(value));
    }
    return bytes;
}

std::string int2hexstr(std::int32_t value, std::int32_t width)
{
    if (value < 0 || width < 0)
        throw std::invalid_argument("int2hexstr takes no negative value or width");

    static constexpr char digits[] = "0123456789ABCDEF";
    auto remaining = static_cast<std::uint32_t>(value);
    std::string text;
    // Emitting the low byte first yields the little-endian order directly.
    for (std::int32_t byte = 0; byte < width || remaining != 0; ++byte) {
        text.push_back(digits[(remaining >> 4) & 0xF]);
        text.push_back(digits[remaining & 0xF]);
        remaining >>= 8;
    }
    return text;
}

} // namespace notepack
