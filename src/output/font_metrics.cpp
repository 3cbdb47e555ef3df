#include "output/font_metrics.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <limits>
#include <span>

#include "output/installed_fonts.h"
#include "output/visual_text.h"

namespace tw {
namespace {

// Consecutive code points with one advance.
struct MetricRun {
    char32_t first;
    char32_t last;
    uint16_t advance;
};

// The same in the fallback, with the index of the font that holds them.
struct FallbackRun {
    char32_t first;
    char32_t last;
    uint16_t advance;
    uint8_t font;
};

#include "output/font_metrics_tables.inc"

constexpr int kFallbackCount = int(std::size(kFallbackFamilies));

// Fonts beyond the tables' fallback are the fonts found for characters.
bool isFound(int font) { return font > kFallbackCount; }
bool isTableFallback(int font) { return font >= 1 && font <= kFallbackCount; }

struct FaceTable {
    MetricFace metric;
    const uint16_t* latin1;
    std::span<const MetricRun> runs;
    uint16_t notdef;
    uint64_t unitsPerEm;
};

FaceTable tableFor(std::string_view faceName) {
    if (metricFaceFor(faceName) == MetricFace::Arial)
        return {MetricFace::Arial, kArialLatin1, kArialRuns, kArialNotdef, kArialUnitsPerEm};
    return {MetricFace::Times, kTimesLatin1, kTimesRuns, kTimesNotdef, kTimesUnitsPerEm};
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// The run of a sorted table that holds c, or nothing.
template <typename Run>
const Run* findRun(std::span<const Run> runs, char32_t c) {
    auto it = std::upper_bound(runs.begin(), runs.end(), c, [](char32_t code, const Run& r) { return code < r.first; });
    if (it == runs.begin() || c > std::prev(it)->last) return nullptr;
    return &*std::prev(it);
}

// Characters that only a shaper places right: combining marks, joiners and
// variation selectors, and the scripts whose letters reorder, join into conjuncts
// or stack.
bool needsShaping(char32_t c) {
    struct Range {
        char32_t first, last;
    };
    static constexpr Range kRanges[] = {
        {0x0300, 0x036F}, {0x0483, 0x0489}, {0x0591, 0x05C7}, {0x0610, 0x061A}, {0x064B, 0x065F},
        {0x0670, 0x0670}, {0x06D6, 0x06ED}, {0x0900, 0x0DFF}, {0x0E00, 0x0FFF}, {0x1000, 0x109F},
        {0x1780, 0x17FF}, {0x180B, 0x180F}, {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF}, {0x200C, 0x200D},
        {0x20D0, 0x20FF}, {0xA8E0, 0xA8FF}, {0xFE00, 0xFE0F}, {0xFE20, 0xFE2F}, {0xE0100, 0xE01EF},
    };
    // Without a search: Greek and Cyrillic, and the symbols, CJK and Hangul between
    // the ranges.
    if (c < 0x0483) return c >= 0x0300 && c <= 0x036F;
    if ((c >= 0x2100 && c < 0xA8E0) || (c > 0xA8FF && c < 0xFE00)) return false;
    return findRun(std::span<const Range>(kRanges), c) != nullptr;
}

// Joiners and variation selectors go with the character before them whatever font
// the tables give them: the shaper reads them with it, and draws nothing for them.
bool joinsPrevious(char32_t c) {
    return c == 0x200C || c == 0x200D || (c >= 0x180B && c <= 0x180F) || (c >= 0xFE00 && c <= 0xFE0F) ||
           (c >= 0xE0100 && c <= 0xE01EF);
}

// Whether each fallback font of the tables is installed, looked up once.
bool fallbackInstalled(int font) {
    static const std::vector<bool> installed = [] {
        std::vector<bool> flags;
        for (const char* family : kFallbackFamilies) flags.push_back(isInstalled(family));
        return flags;
    }();
    return isTableFallback(font) && installed[size_t(font) - 1];
}

// The installed family that draws a face, or empty when none of its families is.
std::string_view installedFaceFamily(MetricFace face) {
    static const std::array<std::string_view, 2> families = [] {
        std::array<std::string_view, 2> found{};
        for (const MetricFace f : {MetricFace::Times, MetricFace::Arial})
            for (const char* family : familiesDrawing(f == MetricFace::Arial ? "Arial" : "Times"))
                if (isInstalled(family)) {
                    found[size_t(f)] = family;
                    break;
                }
        return found;
    }();
    return families[size_t(face)];
}

struct Advance {
    uint16_t units;
    int font;  // 0 the Liberation face, n the fallback font n (found fonts beyond the tables')
};

// A character of a fallback font that is not installed, or of no table, draws in
// the installed font found for it; otherwise as the tables say.
Advance foundOr(char32_t c, Advance otherwise, const FaceTable& face) {
    const int found = foundFontFor(c);
    return found > 0 ? Advance{face.notdef, kFallbackCount + found} : otherwise;
}

Advance advanceOf(char32_t c, const FaceTable& face) {
    if (c < 0x100) return {face.latin1[c], 0};
    if (const MetricRun* run = findRun(face.runs, c)) return {run->advance, 0};
    if (const FallbackRun* run = findRun(std::span<const FallbackRun>(kFallbackRuns), c)) {
        const Advance table{run->advance, run->font + 1};
        return fallbackInstalled(table.font) ? table : foundOr(c, table, face);
    }
    return foundOr(c, {face.notdef, 0}, face);
}

// A width as the sums of the advances of the face and of the fallback, each in its
// own units per em, and of shaped runs in fonts of other units per em, in ems. No
// overflow: each advance is below 2^16 and no text comes near 2^30 characters.
struct UnitSums {
    uint64_t face = 0;
    uint64_t fallback = 0;
    long double otherEms = 0;
    // A found font's character measured without its shaper counts as the face's box.
    void add(Advance a) { (isTableFallback(a.font) ? fallback : face) += a.units; }
    void addShaped(int32_t units, int unitsPerEm, const FaceTable& t) {
        if (units <= 0) return;
        if (uint64_t(unitsPerEm) == t.unitsPerEm) face += uint64_t(units);
        else if (unitsPerEm == kFallbackUnitsPerEm) fallback += uint64_t(units);
        else otherEms += static_cast<long double>(units) / unitsPerEm;
    }
    void add(const UnitSums& other) {
        face += other.face;
        fallback += other.fallback;
        otherEms += other.otherEms;
    }
    // The width in 1 / (face units x fallback units) of an em.
    uint64_t common(const FaceTable& t) const { return face * uint64_t(kFallbackUnitsPerEm) + fallback * t.unitsPerEm; }
};

uint64_t commonUnitsPerEm(const FaceTable& t) { return t.unitsPerEm * uint64_t(kFallbackUnitsPerEm); }

// round(units x scale / divisor), halves rounded up, in exact integer arithmetic;
// a result beyond the int32_t range is clamped to its largest value.
int32_t scaleRounded(uint64_t units, uint64_t scale, uint64_t divisor) {
    constexpr auto kMax = uint64_t(std::numeric_limits<int32_t>::max());
    if (units == 0 || scale == 0) return 0;
    // Any product beyond 64 bits gives a quotient far beyond kMax (divisor < 2^32).
    if (scale > std::numeric_limits<uint64_t>::max() / units) return int32_t(kMax);
    uint64_t product = units * scale;
    uint64_t quotient = product / divisor;
    uint64_t remainder = product % divisor;
    if (remainder >= divisor - remainder) ++quotient;
    return int32_t(std::min(quotient, kMax));
}

// The sums in pixels at scale / divisor pixels per em: exactly while every advance
// is in the face's or the fallback's units, else in long doubles.
int32_t toPixels(const UnitSums& sums, const FaceTable& face, uint64_t scale, uint64_t divisor) {
    if (sums.otherEms == 0) return scaleRounded(sums.common(face), scale, divisor * commonUnitsPerEm(face));
    const long double ems = static_cast<long double>(sums.common(face)) / commonUnitsPerEm(face) + sums.otherEms;
    const long double pixels = std::floor(ems * scale / divisor + 0.5L);
    return pixels >= std::numeric_limits<int32_t>::max() ? std::numeric_limits<int32_t>::max() : int32_t(pixels);
}

// The family that draws a run's font; empty when it is not installed.
std::string_view drawingFamily(int font, MetricFace face) {
    if (font == 0) return installedFaceFamily(face);
    if (isTableFallback(font) && !fallbackInstalled(font)) return {};
    return fallbackFamily(font);
}

// A right-to-left run in visual order turned back into reading order: its letters,
// each with the marks after it, in the opposite order.
std::u32string readingOrder(std::u32string_view visual) {
    std::u32string logical;
    logical.reserve(visual.size());
    size_t end = visual.size();
    while (end > 0) {
        size_t start = end;
        while (start > 0) {
            const char32_t c = visual[--start];
            if (!attachesToPrevious(c) && !joinsPrevious(c)) break;
        }
        logical.append(visual.substr(start, end - start));
        end = start;
    }
    return logical;
}

// The text in drawing order cut into runs of one font each (see fontRuns).
std::vector<FontRun> splitRuns(std::u32string_view visual, const FaceTable& face) {
    std::vector<FontRun> runs;
    bool rightToLeft = false;  // the last run is a right-to-left letter with its marks, or such a word
    for (const char32_t c : visual) {
        if (!runs.empty() && joinsPrevious(c)) {
            runs.back().text += c;
            continue;
        }
        const Advance advance = advanceOf(c, face);
        const bool sameFont = !runs.empty() && runs.back().font == advance.font;
        const bool staysWithBase = sameFont && attachesToPrevious(c);
        const bool sameWord = sameFont && rightToLeft && isFound(advance.font) && isRightToLeft(c);
        if (!staysWithBase && !sameWord && (!sameFont || rightToLeft || isRightToLeft(c))) {
            runs.push_back(FontRun{{}, advance.font, 0, false});
            rightToLeft = isRightToLeft(c);
        }
        runs.back().text += c;
    }
    for (FontRun& run : runs) {
        run.shaped = isFound(run.font) || std::any_of(run.text.begin(), run.text.end(), needsShaping);
        if (isFound(run.font) && isRightToLeft(run.text.front())) run.text = readingOrder(run.text);
    }
    return runs;
}

// A run's width: as shaped where it is shaped and its font is installed, else the
// tables' advances of its characters.
UnitSums runWidth(const FontRun& run, const FaceTable& face) {
    UnitSums sums;
    if (run.shaped) {
        const std::string_view family = drawingFamily(run.font, face.metric);
        if (!family.empty()) {
            if (const auto shaped = shapeText(family, run.text)) {
                sums.addShaped(shaped->advance, shaped->unitsPerEm, face);
                return sums;
            }
        }
    }
    for (const char32_t c : run.text) sums.add(advanceOf(c, face));
    return sums;
}

UnitSums measureRuns(std::u32string_view visual, const FaceTable& face) {
    UnitSums sums;
    for (const FontRun& run : splitRuns(visual, face)) sums.add(runWidth(run, face));
    return sums;
}

std::u32string visual(std::string_view text) { return visualText(decodeText(text)); }

// The sums of a text in drawing order: its characters' advances while none needs
// the shaper or a found font, else run by run.
UnitSums measure(std::u32string_view visual, const FaceTable& face) {
    UnitSums sums;
    for (const char32_t c : visual) {
        if (needsShaping(c)) return measureRuns(visual, face);
        const Advance advance = advanceOf(c, face);
        if (isFound(advance.font)) return measureRuns(visual, face);
        sums.add(advance);
    }
    return sums;
}

// The sums of a text: straight from its bytes while it needs no reordering (the
// order does not change a sum), nothing to join and nothing to shape, else from its
// visual text.
UnitSums measure(std::string_view text, const FaceTable& face) {
    UnitSums sums;
    char32_t c = 0;
    for (size_t pos = 0; pos < text.size();) {
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (byte < 0x80) {  // ASCII, most of every text: no decoding, no search
            sums.face += face.latin1[byte];
            ++pos;
            continue;
        }
        pos += decodeNext(text, pos, c);
        if (c < 0x100) {  // the rest of Windows-1252 and Latin-1: the face's own letters
            sums.face += face.latin1[c];
            continue;
        }
        if (needsVisualOrder(c) || needsShaping(c)) return measure(visual(text), face);
        const Advance advance = advanceOf(c, face);
        if (isFound(advance.font)) return measure(visual(text), face);
        sums.add(advance);
    }
    return sums;
}

}  // namespace

MetricFace metricFaceFor(std::string_view faceName) {
    if (equalsIgnoringCase(faceName, "Arial") || equalsIgnoringCase(faceName, "Liberation Sans"))
        return MetricFace::Arial;
    return MetricFace::Times;
}

// A size or resolution that is not positive measures every text as 0.
int32_t textWidthPixels(std::string_view text, std::string_view faceName, int pointSize, int dpi) {
    if (pointSize <= 0 || dpi <= 0) return 0;
    const FaceTable face = tableFor(faceName);
    return toPixels(measure(text, face), face, uint64_t(pointSize) * uint64_t(dpi), 72);
}

int32_t textWidthForPixelHeight(std::string_view text, std::string_view faceName, int pixelHeight) {
    if (pixelHeight <= 0) return 0;
    const FaceTable face = tableFor(faceName);
    return toPixels(measure(text, face), face, uint64_t(pixelHeight), 1);
}

std::vector<FontRun> fontRuns(std::string_view text, std::string_view faceName, int pixelHeight) {
    const FaceTable face = tableFor(faceName);
    const uint64_t scale = uint64_t(std::max(pixelHeight, 0));
    std::vector<FontRun> runs = splitRuns(visual(text), face);
    UnitSums before;
    for (FontRun& run : runs) {
        run.offsetPixels = toPixels(before, face, scale, 1);
        before.add(runWidth(run, face));
    }
    return runs;
}

std::shared_ptr<const ShapedText> shapedRun(const FontRun& run, std::string_view faceName) {
    if (!run.shaped) return nullptr;
    const std::string_view family = drawingFamily(run.font, metricFaceFor(faceName));
    return family.empty() ? nullptr : shapeText(family, run.text);
}

CharacterFont characterFont(char32_t c, std::string_view faceName) {
    const FaceTable face = tableFor(faceName);
    if (c < 0x100 || findRun(face.runs, c) != nullptr) {
        const std::string_view installed = installedFaceFamily(face.metric);
        return {0, installed.empty() ? std::string_view(familiesDrawing(faceName).front()) : installed,
                !installed.empty()};
    }
    const Advance advance = advanceOf(c, face);
    if (advance.font == 0) return {0, {}, false};  // no font holds it
    return {advance.font, fallbackFamily(advance.font), isFound(advance.font) || fallbackInstalled(advance.font)};
}

std::span<const char* const> familiesDrawing(std::string_view faceName) {
    static constexpr const char* kSerif[] = {"Liberation Serif", "Times New Roman", "Times"};
    static constexpr const char* kSans[] = {"Liberation Sans", "Arial"};
    if (metricFaceFor(faceName) == MetricFace::Arial) return kSans;
    return kSerif;
}

std::string_view fallbackFamily(int font) {
    if (isFound(font)) return foundFontFamily(font - kFallbackCount);
    if (font < 1) return {};
    return kFallbackFamilies[font - 1];
}

int fallbackFamilyCount() { return kFallbackCount; }

}  // namespace tw
