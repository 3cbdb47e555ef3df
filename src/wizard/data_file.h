#pragma once
// Opening the data file the user chose, with the messages the user sees when it
// fails. Shared by the data-file window and the command line.

#include <functional>
#include <string>
#include <vector>

#include "paf/paf_context.h"

namespace tw {

inline constexpr int kSharingViolation = 32;

// Opens path read-only into ctx.file. On -1 shows "PAF file is corrupted.  Open
// failed." and returns false; for a path that is no regular file (a folder, a named
// pipe, ...) says what it is and returns false; on any other -2 shows the
// open-failed message and ends the program (non-zero status), as there is nothing
// the user can do in this run.
bool openDataFile(PafContext& ctx, const std::string& path);

// Opens a PAF file as openDataFile does, or, when the path ends in ".ged" (in any
// case), imports the GEDCOM file into a PAF image held in memory and opens that; the
// GEDCOM file is only read. When the import fails, shows why ("Alert!") and returns
// false. When problems is given it receives how many problems the import passed
// over; otherwise one message shows how many there were, the first ten of them and
// how many more. keepGoing is asked now and then during the import; when it answers
// false the import stops and false is returned without a message.
bool openGedcomOrPaf(PafContext& ctx, const std::string& path, size_t* problems = nullptr,
                     const std::function<bool()>& keepGoing = {});

// The message of a GEDCOM import that passed over problems: how many, the first
// shown of them (at most ten), and how many more there were.
std::string gedcomProblemsText(const std::string& path, size_t problems, const std::vector<std::string>& warnings);

// The message of a failed open: the result of PafFile::open and the system error.
std::string openFailureText(int result, int systemError);

}  // namespace tw
