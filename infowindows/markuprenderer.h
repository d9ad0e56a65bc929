// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace notepack {

// One stretch of equally styled characters. start and length count UTF-16
// code units, so they can be used directly as QTextDocument positions.
struct MarkupRun {
    int start;
    int length;
    bool bold;
    bool italic;
    int size;

    bool operator==(const MarkupRun &) const = default;
};

// Rendered text and its runs. The runs cover the text exactly, in order,
// with no gaps or overlaps; neighbours always differ in style and none is
// empty. An empty text has no runs.
struct StyledText {
    std::u16string text;
    std::vector<MarkupRun> runs;
};

// Turns the Help and About markup into shown text plus styles.
//
// Tags: <b> </b> <i> </i> <font ...> </font>, names compared ignoring ASCII
// case and ending at the first space. Any other <...> vanishes silently; a
// "<" that has no ">" after it stays in the text as it is, and so does
// everything after it. "font" remembers the current size in a single slot
// (not a stack) and takes its new size from the tag's first quoted value;
// "</font>" goes back to that slot, which starts at 0.
//
// A size value is read as an optional "+" or "-" followed by decimal
// digits: "10.5" gives 10, " 14" and "x" give 0, and values outside the int
// range are clamped to it.
//
// With decodeEntities, "&lt;" and "&gt;" (any case) become "<" and ">" after
// the tags are gone, so they never start a tag; the new character has the
// style of the "&". An "&" that does not start one of these two stays as
// it is.
//
// Runs in time linear in the markup's length and never fails. Positions are
// ints, so the markup must be shorter than INT_MAX code units.
StyledText RenderMarkup(std::u16string_view markup, int baseSize, bool decodeEntities);

} // namespace notepack
