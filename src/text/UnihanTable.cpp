#include "text/UnihanTable.h"

#include <algorithm>

namespace text::unihan {

Position find(char32_t c) {
    const std::span<const Block> all = blocks();
    const auto after = std::upper_bound(
        all.begin(), all.end(), c, [](char32_t value, const Block& b) { return value < b.first; });
    if (after == all.begin()) {
        return {};
    }
    const Block& block = *(after - 1);
    if (c - block.first >= block.count) {
        return {};
    }
    return {&block, static_cast<int>(c - block.first)};
}

char initialOf(char32_t c) {
    const Position at = find(c);
    if (at.block == nullptr) {
        return 0;
    }
    const char initial = at.block->entries[2 * at.index];
    return initial == ' ' ? '\0' : initial;
}

int strokesAt(const Block& block, int index) {
    return static_cast<unsigned char>(block.entries[2 * index + 1]) - 0x20;
}

int strokesOf(char32_t c) {
    const Position at = find(c);
    return at.block == nullptr ? 0 : strokesAt(*at.block, at.index);
}

}  // namespace text::unihan
