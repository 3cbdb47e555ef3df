#include "output/font_metrics.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace tw {
namespace {

#include "output/font_metrics_tables.inc"

struct FaceTable {
    const uint16_t* advances;
    int32_t unitsPerEm;
};

FaceTable tableFor(std::string_view faceName) {
    if (metricFaceFor(faceName) == MetricFace::Arial) return {kArialAdvances, kArialUnitsPerEm};
    return {kTimesAdvances, kTimesUnitsPerEm};
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// The sum of the advances of the text's bytes, in font units. No overflow: each
// advance is below 2^16 and no text comes near 2^48 bytes.
uint64_t advanceSum(std::string_view text, const uint16_t* advances) {
    uint64_t sum = 0;
    for (char c : text) sum += advances[static_cast<unsigned char>(c)];
    return sum;
}

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
    FaceTable face = tableFor(faceName);
    return scaleRounded(advanceSum(text, face.advances), uint64_t(pointSize) * uint64_t(dpi),
                        72 * uint64_t(face.unitsPerEm));
}

int32_t textWidthForPixelHeight(std::string_view text, std::string_view faceName, int pixelHeight) {
    if (pixelHeight <= 0) return 0;
    FaceTable face = tableFor(faceName);
    return scaleRounded(advanceSum(text, face.advances), uint64_t(pixelHeight), uint64_t(face.unitsPerEm));
}

}  // namespace tw
