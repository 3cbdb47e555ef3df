#include "output/font_metrics.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <limits>
#include <span>

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

struct FaceTable {
    const uint16_t* latin1;
    std::span<const MetricRun> runs;
    uint16_t notdef;
    uint64_t unitsPerEm;
};

FaceTable tableFor(std::string_view faceName) {
    if (metricFaceFor(faceName) == MetricFace::Arial)
        return {kArialLatin1, kArialRuns, kArialNotdef, kArialUnitsPerEm};
    return {kTimesLatin1, kTimesRuns, kTimesNotdef, kTimesUnitsPerEm};
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

struct Advance {
    uint16_t units;
    int font;  // 0 the Liberation face, n the fallback font n
};

Advance advanceOf(char32_t c, const FaceTable& face) {
    if (c < 0x100) return {face.latin1[c], 0};
    if (const MetricRun* run = findRun(face.runs, c)) return {run->advance, 0};
    if (const FallbackRun* run = findRun(std::span<const FallbackRun>(kFallbackRuns), c))
        return {run->advance, run->font + 1};
    return {face.notdef, 0};
}

// A width as the sums of the advances of the face and of the fallback, each in its
// own units per em. No overflow: each advance is below 2^16 and no text comes near
// 2^30 characters.
struct UnitSums {
    uint64_t face = 0;
    uint64_t fallback = 0;
    void add(Advance a) { (a.font == 0 ? face : fallback) += a.units; }
    // The width in 1 / (face units x fallback units) of an em.
    uint64_t common(const FaceTable& t) const { return face * uint64_t(kFallbackUnitsPerEm) + fallback * t.unitsPerEm; }
};

uint64_t commonUnitsPerEm(const FaceTable& t) { return t.unitsPerEm * uint64_t(kFallbackUnitsPerEm); }

UnitSums measure(std::u32string_view visual, const FaceTable& face) {
    UnitSums sums;
    for (char32_t c : visual) sums.add(advanceOf(c, face));
    return sums;
}

// The sums of a text: straight from its bytes while it needs no reordering (the
// order does not change a sum) and nothing to join, else from its visual text.
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
        if (needsVisualOrder(c)) return measure(visualText(decodeText(text)), face);
        sums.add(advanceOf(c, face));
    }
    return sums;
}

std::u32string visual(std::string_view text) { return visualText(decodeText(text)); }

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
    return scaleRounded(measure(text, face).common(face), uint64_t(pointSize) * uint64_t(dpi),
                        72 * commonUnitsPerEm(face));
}

int32_t textWidthForPixelHeight(std::string_view text, std::string_view faceName, int pixelHeight) {
    if (pixelHeight <= 0) return 0;
    const FaceTable face = tableFor(faceName);
    return scaleRounded(measure(text, face).common(face), uint64_t(pixelHeight), commonUnitsPerEm(face));
}

std::vector<FontRun> fontRuns(std::string_view text, std::string_view faceName, int pixelHeight) {
    const FaceTable face = tableFor(faceName);
    const uint64_t scale = uint64_t(std::max(pixelHeight, 0));
    std::vector<FontRun> runs;
    UnitSums before;
    bool rightToLeft = false;  // the last run is a right-to-left letter with its marks
    for (char32_t c : visual(text)) {
        const Advance advance = advanceOf(c, face);
        const bool sameFont = !runs.empty() && runs.back().font == advance.font;
        const bool staysWithBase = sameFont && attachesToPrevious(c);
        if (!staysWithBase && (!sameFont || rightToLeft || isRightToLeft(c))) {
            runs.push_back(FontRun{{}, advance.font, scaleRounded(before.common(face), scale, commonUnitsPerEm(face))});
            rightToLeft = isRightToLeft(c);
        }
        runs.back().text += c;
        before.add(advance);
    }
    return runs;
}

std::span<const char* const> familiesDrawing(std::string_view faceName) {
    static constexpr const char* kSerif[] = {"Liberation Serif", "Times New Roman", "Times"};
    static constexpr const char* kSans[] = {"Liberation Sans", "Arial"};
    if (metricFaceFor(faceName) == MetricFace::Arial) return kSans;
    return kSerif;
}

std::string_view fallbackFamily(int font) {
    if (font < 1 || font > fallbackFamilyCount()) return {};
    return kFallbackFamilies[font - 1];
}

int fallbackFamilyCount() { return int(std::size(kFallbackFamilies)); }

}  // namespace tw
