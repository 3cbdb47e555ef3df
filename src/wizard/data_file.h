#pragma once
// Opening the data file the user chose, with the messages the user sees when it
// fails. Shared by the data-file window and the command line.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "paf/paf_context.h"

namespace tw {

inline constexpr int kSharingViolation = 32;

// What a data file holds, whatever its name.
enum class DataFileKind { Paf, Gedcom, Neither };

// How many bytes from a file's start dataFileKindOf looks at.
inline constexpr size_t kDataFileKindBytes = 4096;

// What the first bytes of a file say it is: PAF when they carry the PAF 5 header's
// signature; GEDCOM when its first line that is not blank is "0 HEAD", in any
// encoding the GEDCOM import reads (UTF-8 with or without a byte-order mark,
// UTF-16 of either byte order, ANSEL, Windows-1252); else neither.
DataFileKind dataFileKindOf(std::string_view firstBytes);
// The same for a file on disk; neither when it cannot be read or is no regular file,
// and then readProblem (when given) says why.
DataFileKind dataFileKind(const std::string& path, std::string* readProblem = nullptr);
// Whether the file is read as GEDCOM: its content says so, or says neither and its
// name ends in ".ged" or ".gedcom" (in any case), so that a file that is not GEDCOM
// after all, or cannot be read, gets the GEDCOM import's own words.
bool readsAsGedcom(const std::string& path);

// Opens path read-only into ctx.file. On -1 shows "PAF file is corrupted.  Open
// failed." and returns false; for a path that is no regular file (a folder, a named
// pipe, ...) says what it is and returns false; on any other -2 shows the
// open-failed message and ends the program (non-zero status), as there is nothing
// the user can do in this run.
bool openDataFile(PafContext& ctx, const std::string& path);

// What openGedcomOrPaf tells a caller that says the import's problems itself.
struct GedcomOpening {
    size_t problems = 0;   // problems the import passed over
    bool damaged = false;  // a failed import: the file was read but holds no GEDCOM data
};

// Opens a PAF file as openDataFile does, or, when readsAsGedcom, imports the GEDCOM
// file into a PAF image held in memory and opens that; the GEDCOM file is only read.
// When the import fails, shows why ("Alert!") and returns false. When opening is
// given it receives how many problems the import passed over and, on failure,
// whether the file was damaged rather than unreadable; otherwise one message shows
// how many problems there were, the first ten of them and how many more. keepGoing
// is asked now and then during the import; when it answers false the import stops
// and false is returned without a message.
bool openGedcomOrPaf(PafContext& ctx, const std::string& path, GedcomOpening* opening = nullptr,
                     const std::function<bool()>& keepGoing = {});

// The message of a GEDCOM import that passed over problems: how many, the first
// shown of them (at most ten), and how many more there were.
std::string gedcomProblemsText(const std::string& path, size_t problems, const std::vector<std::string>& warnings);

// The message of a failed open: the result of PafFile::open and the system error.
std::string openFailureText(int result, int systemError);

}  // namespace tw
