#include "text/StrokeKey.h"

#include <array>

#include "text/CodePoint.h"
#include "text/UnihanTable.h"

namespace text {

namespace {

constexpr char32_t kMainBlockFirst = 0x4E00;
constexpr char32_t kMainBlockLast = 0x9FFF;
// The key writes the stroke count in two digits; the generated table holds no larger count.
constexpr int kMaxStrokes = 99;

// The place of every character among those with the same stroke count, parallel to the runs
// of the Unihan table, and the number of characters of each stroke count.
struct StrokeRanks {
    std::vector<std::vector<quint32>> ranks;
    std::array<quint32, kMaxStrokes + 1> groupSizes{};
};

const StrokeRanks& strokeRanks() {
    static const StrokeRanks table = [] {
        StrokeRanks t;
        const std::span<const unihan::Block> blocks = unihan::blocks();
        t.ranks.resize(blocks.size());
        for (std::size_t b = 0; b < blocks.size(); ++b) {
            t.ranks[b].resize(blocks[b].count);
        }
        // Two passes give the main block its place before all other characters.
        for (const bool mainBlock : {true, false}) {
            for (std::size_t b = 0; b < blocks.size(); ++b) {
                for (int i = 0; i < blocks[b].count; ++i) {
                    const char32_t c = blocks[b].first + static_cast<char32_t>(i);
                    const int strokes = unihan::strokesAt(blocks[b], i);
                    const bool inMain = c >= kMainBlockFirst && c <= kMainBlockLast;
                    if (strokes > 0 && inMain == mainBlock) {
                        t.ranks[b][static_cast<std::size_t>(i)] = t.groupSizes[strokes]++;
                    }
                }
            }
        }
        return t;
    }();
    return table;
}

QString formatKey(int strokes, quint32 rank) {
    static constexpr char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    QString key = QStringLiteral("%1").arg(strokes, 2, 10, QLatin1Char('0'));
    key += QLatin1Char(kDigits[rank / (36 * 36) % 36]);
    key += QLatin1Char(kDigits[rank / 36 % 36]);
    key += QLatin1Char(kDigits[rank % 36]);
    return key;
}

bool isDroppedPunctuation(char32_t c) {
    return c == U'.' || c == U'·' || c == U'。';
}

}  // namespace

int strokeCount(char32_t c) {
    return unihan::strokesOf(c);
}

QString strokeKey(char32_t c) {
    const unihan::Position at = unihan::find(c);
    if (at.block == nullptr) {
        return {};
    }
    const int strokes = unihan::strokesAt(*at.block, at.index);
    if (strokes <= 0) {
        return {};
    }
    const std::size_t block = static_cast<std::size_t>(at.block - unihan::blocks().data());
    return formatKey(strokes, strokeRanks().ranks[block][static_cast<std::size_t>(at.index)]);
}

std::vector<StrokeKeyEntry> allStrokeKeys() {
    const StrokeRanks& table = strokeRanks();
    std::array<quint32, kMaxStrokes + 1> groupStart{};
    quint32 total = 0;
    for (int strokes = 0; strokes <= kMaxStrokes; ++strokes) {
        groupStart[static_cast<std::size_t>(strokes)] = total;
        total += table.groupSizes[static_cast<std::size_t>(strokes)];
    }
    std::vector<StrokeKeyEntry> entries(total);
    const std::span<const unihan::Block> blocks = unihan::blocks();
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        for (int i = 0; i < blocks[b].count; ++i) {
            const int strokes = unihan::strokesAt(blocks[b], i);
            if (strokes > 0) {
                const quint32 rank = table.ranks[b][static_cast<std::size_t>(i)];
                entries[groupStart[static_cast<std::size_t>(strokes)] + rank] = {
                    blocks[b].first + static_cast<char32_t>(i), formatKey(strokes, rank)};
            }
        }
    }
    return entries;
}

NameStrokeKey strokeKeyOfName(const QString& name, const StrokeKeyLookup& lookup) {
    QString kept;
    for (const QChar c : name) {
        if (!isDroppedPunctuation(c.unicode())) {
            kept += c;
        }
    }
    NameStrokeKey result;
    for (qsizetype i = 0; i < kept.size();) {
        if (kept[i] == u' ') {
            if (i + 1 < kept.size() && kept[i + 1] == u' ') {
                result.key += QLatin1String(kBlankPairStrokeKey);
                i += 2;
            } else {
                ++i;
            }
            continue;
        }
        const CodePoint c = codePointAt(kept, i);
        const QString character =
            c.loneSurrogate ? QString(QChar::ReplacementCharacter) : kept.mid(i, c.length);
        const QString key = c.loneSurrogate ? QString() : lookup(character);
        if (key.isEmpty()) {
            result.unrecognised += character;
        } else {
            result.key += key;
        }
        i += c.length;
    }
    return result;
}

NameStrokeKey strokeKeyOfName(const QString& name) {
    return strokeKeyOfName(
        name, [](const QString& character) { return strokeKey(codePointAt(character, 0).value); });
}

}  // namespace text
