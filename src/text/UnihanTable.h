#pragma once

#include <cstdint>
#include <span>

// The table of Chinese characters that pinyin initials and stroke keys are read from. It is
// generated at build time from the Unihan database (see gen/make_unihan_tables.cpp).
namespace text::unihan {

// A run of consecutive code points starting at 'first'. 'entries' holds two bytes for each:
// the upper-case initial of the character's Mandarin reading (' ' when it has none) and
// 0x20 plus its total stroke count (' ' when it is not known).
struct Block {
    char32_t first;
    std::uint16_t count;
    const char* entries;
};

// All runs in ascending order of code points; they never overlap.
std::span<const Block> blocks();

// Where a character's entry is: its run and its index in the run.
struct Position {
    const Block* block = nullptr;
    int index = 0;
};
Position find(char32_t c);

// 'A' to 'Z', or 0 when the character has no reading in the table.
char initialOf(char32_t c);

// The total stroke count, 0 when the character is not in the table.
int strokesOf(char32_t c);
int strokesAt(const Block& block, int index);

}  // namespace text::unihan
