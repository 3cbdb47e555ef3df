#pragma once
// Text widths from advance-width tables built into the program for the two faces
// the reports use: "Times" measures as Times New Roman and "Arial" as Arial (through
// their metric-compatible twins Liberation Serif and Liberation Sans). Regular
// weight, Windows-1252 bytes, no kerning. Any other face measures as "Times".
// The tables are generated from the font files by tools/make_font_metrics.py.

#include <cstdint>
#include <string_view>

namespace tw {

enum class MetricFace { Times, Arial };

MetricFace metricFaceFor(std::string_view faceName);

// Width in device pixels: round(sum of advances x size x dpi / (72 x units per em)).
int32_t textWidthPixels(std::string_view text, std::string_view faceName, int pointSize, int dpi);
// The same for a size given in device pixels per em (fonts built from a pixel height).
int32_t textWidthForPixelHeight(std::string_view text, std::string_view faceName, int pixelHeight);

}  // namespace tw
