// SPDX-License-Identifier: MIT
#include "filenamecodec.h"

#include "utf8.h"

namespace notepack {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;

} // namespace

std::u16string decodeFileName(std::string_view bytes)
{
    std::u16string text;
    text.reserve(bytes.size());
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::optional<char32_t> decoded = decodeUtf8(bytes, pos);
        if (!decoded) {
            text.push_back(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[pos])));
            ++pos;
        } else if (*decoded < 0x10000) {
            text.push_back(static_cast<char16_t>(*decoded));
        } else {
            const char32_t above = *decoded - 0x10000;
            text.push_back(static_cast<char16_t>(0xD800 + (above >> 10)));
            text.push_back(static_cast<char16_t>(0xDC00 + (above & 0x3FF)));
        }
    }
    return text;
}

std::string encodeFileName(std::u16string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            appendUtf8(bytes, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00));
            ++i;
        } else if (unit >= 0xDC80 && unit <= 0xDCFF) {
            bytes.push_back(static_cast<char>(unit - kEscapeBase));
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            // Any other lone surrogate cannot come from a name; it stands for itself as "?".
            bytes.push_back('?');
        } else {
            appendUtf8(bytes, unit);
        }
    }
    return bytes;
}

} // namespace notepack
