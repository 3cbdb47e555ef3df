#pragma once
// The tuning values of the Descendant Summary Chart: row limits, box sizes, margins,
// pen widths and fonts of its four formats. They live in the program's context and
// keep whatever the last run or format gave them; each run first reads the tuning
// file, lines such as "boxcc=0.45", over them.
// The front end names the file (the run's paths).
//
// Positions are inches of the sheet each format was drawn for: letter (upright for
// formats 1 and 2, turned for format 3) and legal turned for format 4. On any other
// page the left and top margins stay distances from the left and top edges, the
// right and bottom margins (also DSC3... and DSC4...) become the same distances from
// the right and bottom edges, and DSC2_center_y moves by half the difference in
// height; sizes (boxes, gaps, pens, fonts) stay as they are. So letter and legal
// pages are exactly as drawn, and "right_margin=7.5" leaves an inch at the right of
// every sheet.

#include <cstdint>
#include <string>
#include <string_view>

#include "run/app_context.h"

namespace tw {

// Inches unless said otherwise; reals are single precision.
struct DscTuning {
    int32_t DSC1mk = 17;  // most rows each format accepts
    int32_t DSC2mk = 18;
    int32_t DSC3mk = 18;
    int32_t DSC4mk = 18;
    float boxheight = 0.4F;  // height of a row box
    float boxcc = 0.5F;      // one row's top to the next row's top
    float bottom_margin = 10.25F;
    float right_margin = 7.75F;
    float inter_column_space = 0.25F;  // gap between columns, spanned by an arrow
    float left_margin = 0.75F;
    float top_margin = 1.0F;
    float dlinew = 0.04F;  // pen of the boxes
    float slinew = 0.02F;  // pen of lines and arrows
    float DSC2_boxh_boxcc_ratio = 0.8F;
    float DSC2_center_y = 5.8F;
    float DSC3rightMargin = 10.25F;  // read and kept; format 3 uses fixed values
    int32_t DSC2_childcnt_proportion = 12;  // above this many rows, rows are shrunk
    float DSC3_boxh_boxcc_ratio = 0.8F;
    float DSC3_center_y_adjust = 1.15F;
    float DSC3bottomMargin = 7.75F;
    int32_t DSC3_childcnt_proportion = 13;
    float DSC4_boxh_boxcc_ratio = 0.8F;
    float DSC4_center_y_adjust = 1.15F;
    float DSC3boxCc = 0.35F;
    int32_t DSC4_childcnt_proportion = 13;
    float DSC3boxHeight = 0.3F;
    float DSC4rightMargin = 13.25F;
    float DSC4bottomMargin = 7.75F;
    float DSC4boxCc = 0.35F;
    float DSC4boxHeight = 0.3F;
    int32_t DSC2childFont = 12;  // points
    int32_t DSC3childFont = 8;
    int32_t DSC4childFont = 8;
    float DSC2fontRndShift = 0.0F;  // added to a scaled font size before truncation
    float DSC3fontRndShift = 0.0F;
    float DSC4fontRndShift = 0.0F;

    // Not in the file: the font size of the rows, kept from run to run like the rest.
    int32_t rowFont = 12;
};

// Real values beyond this many inches either way are taken as this bound: further
// out they would only overflow the arithmetic of layout and drawing.
inline constexpr float kDscTuningRealLimit = 1000.0F;

// Applies the text of a whole tuning file. Of each line the first 89 characters
// count; the first key of the table that begins the line takes the number after
// it: the longest leading part that reads as a decimal integer or real, 0 when none
// does. Lines that match no key, and "# =" lines, change nothing. A real that is
// not finite (nan, inf) counts as no number; integers beyond 32 bits and reals
// beyond kDscTuningRealLimit are taken as the nearest bound.
void applyDscTuningText(DscTuning& tuning, std::string_view fileText);

// Reads the tuning file at path into tuning when it exists and is a regular file; a
// missing file, or an empty path, changes nothing. At most the first MiB is read.
void readDscTuningFile(DscTuning& tuning, const std::string& path);

// The context's tuning values, made with their defaults on first use.
DscTuning& dscTuning(AppContext& ctx);

}  // namespace tw
