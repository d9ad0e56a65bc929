// SPDX-License-Identifier: MIT
// Feeds RenderMarkup texts dense in markup characters and checks the runs,
// and for short texts the whole result against the slow literal renderer.
#include "markuprenderer.h"

#include "markupreference.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Random bytes almost never spell "font" or "&lt;"; a small alphabet does.
// Both halves of a surrogate pair are in it so that pairs get split by tags.
constexpr char16_t kAlphabet[] = {
    u'<', u'>', u'&', u';',  u'"', u' ', u'/',  u'b',   u'i',   u'f',   u'o',
    u'n', u't', u'l', u'g',  u'B', u'I', u'T',  u'0',   u'1',   u'4',   u'9',
    u'.', u'-', u'+', u'\r', u'x', u'L', u'\n', 0x00E4, 0xD83D, 0xDE00,
};
constexpr std::size_t kAlphabetSize = sizeof kAlphabet / sizeof kAlphabet[0];

// The literal renderer is quadratic; longer texts get the run checks only.
constexpr std::size_t kLiteralLimit = 256;

[[noreturn]] void fail(const char *what, const std::string &detail = {})
{
    std::fprintf(stderr, "markup_fuzzer: %s %s\n", what, detail.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool decodeEntities = (data[0] & 1) != 0;
    const int baseSize = (data[0] >> 1) - 8;

    // Bytes from 0xE0 up take the next two bytes as any code unit.
    std::u16string markup;
    for (std::size_t i = 1; i < size; ++i) {
        if (data[i] < 0xE0 || i + 2 >= size) {
            markup += kAlphabet[data[i] % kAlphabetSize];
        } else {
            markup += static_cast<char16_t>(data[i + 1] << 8 | data[i + 2]);
            i += 2;
        }
    }

    const notepack::StyledText rendered = notepack::RenderMarkup(markup, baseSize, decodeEntities);
    if (rendered.text.size() > markup.size())
        fail("rendered text is longer than the markup");
    if (const std::string problem = notepack::reference::runsProblem(rendered); !problem.empty())
        fail("bad runs:", problem);

    if (markup.size() <= kLiteralLimit) {
        const notepack::StyledText literal =
            notepack::reference::RenderMarkupLiterally(markup, baseSize, decodeEntities);
        if (rendered.text != literal.text)
            fail("text differs from the literal renderer");
        if (rendered.runs != literal.runs)
            fail("runs differ from the literal renderer");
    }
    return 0;
}
