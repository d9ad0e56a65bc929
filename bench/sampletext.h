// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// One generated file: its bytes, and what the packer should turn them into.
struct SampleFile {
    std::string utf8;
    std::string windows1252;
};

// Makes note-like text: lines of words, paragraphs, mostly ASCII with some
// "é" and "€". The Windows-1252 form is built alongside from what each word
// is known to become, not by running a converter, so that it can check one.
// The same seed gives the same files on every machine.
class SampleText {
public:
    explicit SampleText(std::uint64_t seed);

    // Exactly bytes bytes of UTF-8 ending in a line break; lineBreak is "\n"
    // or "\r\n". bytes must leave room for at least one line break.
    SampleFile make(std::size_t bytes, const std::string &lineBreak);

private:
    std::uint64_t next();
    std::uint64_t below(std::uint64_t bound) { return next() % bound; }

    std::uint64_t m_state;
};
