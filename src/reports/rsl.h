#pragma once
// The Research Status List and the Research Status Chart: how complete the pedigree
// of the start individual is, generation by generation (the start individual is
// generation 1). For each generation: its pedigree positions (1, 2, 4, ...), how
// many of them hold a known individual (filled), how many of those are repeats
// (individuals met before, as when cousins married), the individuals identified
// (filled less repeats), the percentage filled and the range of birth years. The
// list prints a line per generation and a totals line; the chart is one page of
// columns, one per generation, in up to three bands.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "reports/year_range.h"
#include "run/app_context.h"

namespace tw {

void generateResearchStatusList(AppContext& ctx, const ReportInput& input);
void generateResearchStatusChart(AppContext& ctx, const ReportInput& input);

// A count of pedigree positions as the list prints it: the whole number up to
// 34,400,000,000 ("%6.0f"); above, in billions ("68.719476 B") and from 10^12 on
// in trillions ("1.0995116 T"); from 10^20 on, where trillions would need more than
// nine characters, in exponent form ("%11.5e"). Never longer than 15 characters.
std::string formatPositionCount(double positions);

// trunc(filled * 100 / positions + 0.5); 0 when there are no positions.
int64_t percentFilled(int64_t filled, double positions);

// One column of the chart: a generation, its figures and the texts that show them.
struct GenerationColumn {
    // The texts from the top of the band down.
    enum Text {
        kGeneration,
        kRelationship1,  // "G." or "%d G." over ...
        kRelationship2,  // ... "self", "par" or "g'par"
        kPedigree,       // positions in millions ("4.19", "16.7", "134") over ...
        kPositions,      // ... "M", or the positions themselves
        kIdentified,
        kRepeats,        // empty when there are none
        kTotals,         // positions filled
        kPercent,
        kLowYear,        // the years are empty when the generation has none
        kHighYear,
        kTextCount
    };

    int generation = 0;
    int64_t filled = 0;
    int64_t repeats = 0;
    YearRange years;
    float width = 0;  // inches: the widest text
    std::array<std::string, kTextCount> texts;
};

// Computes the column's texts from its figures, and its width in the page log's
// measuring font.
void fillGenerationColumn(const PageLog& log, GenerationColumn& column);

// Draws band 0, 1 or 2 of the chart with as many columns as fit from generation
// first on (columns[0] is generation 1), the spare width shared out over their gaps,
// and returns the first generation not drawn. Draws nothing when no column is left.
int drawChartBand(PageLog& log, const std::vector<GenerationColumn>& columns, int band, int first);

}  // namespace tw
