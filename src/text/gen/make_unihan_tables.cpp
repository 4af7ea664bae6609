// Builds the table behind the pinyin initials and stroke keys of Chinese characters.
//
// Usage: make_unihan_tables OUTPUT.cpp < Unihan text
//
// Standard input carries the decompressed Unihan files Unihan_Readings, Unihan_Variants and
// Unihan_IRGSources, concatenated in any order. The output is a C++ source file that defines
// text::unihan::blocks() (see text/UnihanTable.h): for every character, the upper-case initial
// of its Mandarin reading and its total stroke count, two bytes per code point in runs of
// consecutive code points.
//
// A character without a reading of its own takes the reading of one of its variants (a
// compatibility ideograph that of its unified twin, 𠮷 that of 吉).

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// A stroke count is stored as the one printable byte 0x20 + n. The stroke key is the count in
// two digits followed by the position of the character among those with the same count in
// three base-36 digits; the data must leave room for all of that.
constexpr int kMaxStrokes = 0x7E - 0x20;
constexpr long kMaxGroupSize = 36L * 36L * 36L;

// Runs of code points are broken at gaps longer than this, and never grow beyond kMaxRun so
// that each string literal stays well below the length every compiler accepts.
constexpr char32_t kMaxGap = 16;
constexpr char32_t kMaxRun = 4096;
constexpr int kCodePointsPerLine = 48;

// Variant relations in the order of preference for borrowing a reading.
constexpr std::string_view kVariantFields[] = {
    "kCompatibilityVariant", "kZVariant",        "kTraditionalVariant",
    "kSimplifiedVariant",    "kSemanticVariant", "kSpecializedSemanticVariant",
    "kSpoofingVariant",
};

struct Character {
    char mandarinInitial = 0;
    char hanyuPinyinInitial = 0;
    int strokes = 0;
    std::vector<std::pair<int, char32_t>> variants;  // (preference, code point)

    char ownInitial() const { return mandarinInitial != 0 ? mandarinInitial : hanyuPinyinInitial; }
};

struct Failure {
    std::string message;
};

std::optional<char32_t> parseCodePoint(std::string_view text) {
    if (text.size() < 3 || text.substr(0, 2) != "U+") {
        return std::nullopt;
    }
    char32_t value = 0;
    for (const char c : text.substr(2)) {
        int digit = 0;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            return std::nullopt;
        }
        value = value * 16 + static_cast<char32_t>(digit);
        if (value > 0x10FFFF) {
            return std::nullopt;
        }
    }
    return value;
}

std::string_view firstToken(std::string_view text) {
    const std::size_t end = text.find(' ');
    return end == std::string_view::npos ? text : text.substr(0, end);
}

// The first code point of a UTF-8 text; 0 when the text is empty or malformed.
char32_t firstCodePoint(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    const auto lead = static_cast<unsigned char>(text[0]);
    int length = 0;
    char32_t value = 0;
    if (lead < 0x80) {
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() < static_cast<std::size_t>(length)) {
        return 0;
    }
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[static_cast<std::size_t>(i)]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        value = (value << 6) | (next & 0x3F);
    }
    return value;
}

// The initial letter of a pinyin syllable written with tone marks.
char initialOfSyllable(std::string_view syllable) {
    const char32_t c = firstCodePoint(syllable);
    if (c >= 'a' && c <= 'z') {
        return static_cast<char>(c - 'a' + 'A');
    }
    if (c >= 'A' && c <= 'Z') {
        return static_cast<char>(c);
    }
    struct Marked {
        char32_t letter;
        char base;
    };
    static constexpr Marked kMarked[] = {
        {0x00E0, 'A'}, {0x00E1, 'A'}, {0x01CE, 'A'}, {0x0101, 'A'}, {0x00E8, 'E'},
        {0x00E9, 'E'}, {0x011B, 'E'}, {0x0113, 'E'}, {0x00EA, 'E'}, {0x1EBF, 'E'},
        {0x1EC1, 'E'}, {0x00F2, 'O'}, {0x00F3, 'O'}, {0x01D2, 'O'}, {0x014D, 'O'},
        {0x1E3F, 'M'}, {0x0144, 'N'}, {0x0148, 'N'}, {0x01F9, 'N'},
    };
    for (const Marked& m : kMarked) {
        if (m.letter == c) {
            return m.base;
        }
    }
    throw Failure{"unexpected first letter of the reading \"" + std::string(syllable) + "\""};
}

class UnihanReader {
  public:
    void readLine(std::string_view line) {
        if (line.empty() || line.front() == '#') {
            return;
        }
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string_view::npos) {
            return;
        }
        const std::optional<char32_t> codePoint = parseCodePoint(line.substr(0, tab1));
        if (!codePoint) {
            return;
        }
        const std::string_view field = line.substr(tab1 + 1, tab2 - tab1 - 1);
        const std::string_view value = line.substr(tab2 + 1);
        if (field == "kMandarin") {
            characters_[*codePoint].mandarinInitial = initialOfSyllable(firstToken(value));
        } else if (field == "kHanyuPinyin") {
            // "10143.120:wāng,kuāng 10143.130:..." - the first reading of the first entry.
            const std::string_view entry = firstToken(value);
            const std::size_t colon = entry.find(':');
            if (colon != std::string_view::npos) {
                characters_[*codePoint].hanyuPinyinInitial =
                    initialOfSyllable(entry.substr(colon + 1));
            }
        } else if (field == "kTotalStrokes") {
            characters_[*codePoint].strokes = std::stoi(std::string(firstToken(value)));
        } else {
            readVariants(*codePoint, field, value);
        }
    }

    std::map<char32_t, Character>& characters() { return characters_; }

  private:
    void readVariants(char32_t codePoint, std::string_view field, std::string_view value) {
        int preference = 0;
        while (preference < static_cast<int>(std::size(kVariantFields)) &&
               kVariantFields[preference] != field) {
            ++preference;
        }
        if (preference == static_cast<int>(std::size(kVariantFields))) {
            return;
        }
        // "U+5409 U+5409<kMatthews,kMeyerWempe": code points, each with optional sources.
        while (!value.empty()) {
            const std::string_view token = firstToken(value);
            value.remove_prefix(std::min(value.size(), token.size() + 1));
            const std::optional<char32_t> variant =
                parseCodePoint(token.substr(0, token.find('<')));
            if (variant && *variant != codePoint) {
                characters_[codePoint].variants.emplace_back(preference, *variant);
            }
        }
    }

    std::map<char32_t, Character> characters_;
};

// Every character's own initial, or else that of its most preferred variant that has one.
std::map<char32_t, char> resolveInitials(const std::map<char32_t, Character>& characters) {
    std::map<char32_t, char> initials;
    for (const auto& [codePoint, character] : characters) {
        char initial = character.ownInitial();
        int bestPreference = static_cast<int>(std::size(kVariantFields));
        if (initial == 0) {
            for (const auto& [preference, variant] : character.variants) {
                const auto found = characters.find(variant);
                if (preference < bestPreference && found != characters.end() &&
                    found->second.ownInitial() != 0) {
                    initial = found->second.ownInitial();
                    bestPreference = preference;
                }
            }
        }
        if (initial != 0) {
            initials[codePoint] = initial;
        }
    }
    return initials;
}

std::string hex(char32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%X", static_cast<unsigned>(value));
    return buffer;
}

void checkCompleteness(const std::map<char32_t, Character>& characters,
                       const std::map<char32_t, char>& initials) {
    std::size_t withStrokes = 0;
    std::map<int, long> groupSizes;
    for (const auto& [codePoint, character] : characters) {
        if (character.strokes < 0 || character.strokes > kMaxStrokes) {
            throw Failure{"stroke count out of range for " + hex(codePoint)};
        }
        if (character.strokes > 0) {
            ++withStrokes;
            if (++groupSizes[character.strokes] > kMaxGroupSize) {
                throw Failure{"too many characters with " + std::to_string(character.strokes) +
                              " strokes for the stroke key"};
            }
        }
    }
    // 一 and 鑫 are the smallest check that both the readings and the stroke counts arrived.
    const auto one = characters.find(U'\u4E00');
    const auto xin = initials.find(U'\u946B');
    if (withStrokes < 70000 || initials.size() < 40000 || one == characters.end() ||
        one->second.strokes != 1 || xin == initials.end() || xin->second != 'X') {
        throw Failure{
            "the Unihan text on standard input is incomplete: it needs Unihan_Readings, "
            "Unihan_Variants and Unihan_IRGSources"};
    }
}

char strokeByte(int strokes) {
    return strokes == 0 ? ' ' : static_cast<char>(0x20 + strokes);
}

void appendEscaped(std::string& out, char c) {
    if (c == '"' || c == '\\' || c == '?') {
        out += '\\';
    }
    out += c;
}

std::string generate(const std::map<char32_t, Character>& characters,
                     const std::map<char32_t, char>& initials) {
    std::vector<char32_t> codePoints;
    for (const auto& [codePoint, character] : characters) {
        if (character.strokes > 0 || initials.count(codePoint) != 0) {
            codePoints.push_back(codePoint);
        }
    }

    std::string out =
        "// Generated at build time from the Unihan database by make_unihan_tables.\n"
        "#include \"text/UnihanTable.h\"\n\n"
        "namespace text::unihan {\n\n"
        "namespace {\n\n"
        "const Block kBlocks[] = {\n";
    std::size_t i = 0;
    while (i < codePoints.size()) {
        const char32_t first = codePoints[i];
        std::size_t end = i + 1;
        while (end < codePoints.size() && codePoints[end] - codePoints[end - 1] <= kMaxGap &&
               codePoints[end] - first < kMaxRun) {
            ++end;
        }
        const char32_t count = codePoints[end - 1] - first + 1;
        out += "    {" + hex(first) + ", " + std::to_string(static_cast<unsigned>(count)) + ",\n";
        std::size_t next = i;
        for (char32_t offset = 0; offset < count; ++offset) {
            if (offset % kCodePointsPerLine == 0) {
                out += offset == 0 ? "     \"" : "\"\n     \"";
            }
            const char32_t codePoint = first + offset;
            char initial = ' ';
            int strokes = 0;
            if (next < end && codePoints[next] == codePoint) {
                const auto found = initials.find(codePoint);
                initial = found == initials.end() ? ' ' : found->second;
                strokes = characters.at(codePoint).strokes;
                ++next;
            }
            appendEscaped(out, initial);
            appendEscaped(out, strokeByte(strokes));
        }
        out += "\"},\n";
        i = end;
    }
    out +=
        "};\n\n"
        "}  // namespace\n\n"
        "std::span<const Block> blocks() {\n"
        "    return kBlocks;\n"
        "}\n\n"
        "}  // namespace text::unihan\n";
    return out;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: make_unihan_tables OUTPUT.cpp < Unihan text\n";
        return 2;
    }
    const std::string target = argv[1];
    try {
        UnihanReader reader;
        std::string line;
        while (std::getline(std::cin, line)) {
            reader.readLine(line);
        }
        const std::map<char32_t, char> initials = resolveInitials(reader.characters());
        checkCompleteness(reader.characters(), initials);

        const std::string temporary = target + ".part";
        {
            std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
            file << generate(reader.characters(), initials);
            if (!file.flush()) {
                throw Failure{"cannot write " + temporary};
            }
        }
        if (std::rename(temporary.c_str(), target.c_str()) != 0) {
            throw Failure{"cannot rename " + temporary + " to " + target};
        }
    } catch (const Failure& failure) {
        std::cerr << "make_unihan_tables: " << failure.message << '\n';
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "make_unihan_tables: malformed Unihan data: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
