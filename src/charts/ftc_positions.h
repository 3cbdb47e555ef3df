#pragma once
// The Family Tree Chart's positions file: the places of the branches the user has
// moved, kept beside the data file and applied by every later run of the chart for
// the same family. One block per pinned branch, in index order:
//   i:<index>
//   t:<top>  b:<bottom>  a:<anchor>  D:<unit>   (fractions of the page height)
//   rhs:<side>
// one field a line.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/host.h"
#include "charts/ftc_layout.h"

namespace tw {

// The stem of a data file's positions files: its path without its last four
// characters (the ".paf").
std::string ftcPositionsStem(std::string_view pafPath);

// A family's positions file: the stem, then "m", the family's MRIN and ".twft".
std::string ftcPositionsFileName(std::string_view stem, int32_t mrin);

// Applies the blocks of a positions file's text to the branches: a block whose
// index names a branch pins that branch and gives it the block's values. Lines
// before the first index, blocks for branches that do not exist, repeated blocks
// and values that are not numbers, not finite or off the page are ignored; a box is
// kept between the chart's top and bottom limits. Afterwards every branch takes the
// smallest unit found. Returns the number of branches pinned by the text.
int32_t applyFtcPositionsText(std::vector<FamilyBranch>& branches, std::string_view fileText);

// The text of the positions file for the pinned branches (empty when none is).
std::string formatFtcPositions(const std::vector<FamilyBranch>& branches);

// Reads and applies the file; a missing or unreadable file changes nothing.
int32_t readFtcPositionsFile(std::vector<FamilyBranch>& branches, const std::string& path);

// Has the host write the pinned branches; with none pinned the file is removed
// instead. False when the file could not be written.
bool writeFtcPositionsFile(Host& host, const std::vector<FamilyBranch>& branches, const std::string& path);

}  // namespace tw
