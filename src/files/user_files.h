#pragma once
// Where the program's own files live on this machine, and how the front ends write
// files: the core never reads the environment or writes a file, so the windows and
// the command line resolve every path here and hand it to the run.

#include <string>
#include <string_view>

#include "run/app_context.h"

namespace tw {

// The Descendant Summary Chart's tuning file: $TAMBLEWIN_DSC_TUNING when set, else
// $XDG_CONFIG_HOME/tamblewin/DSCtest.txt, else ~/.config/tamblewin/DSCtest.txt; empty
// when none of them can be named.
std::string dscTuningFilePath();

// The Family Tree Chart's listing: $XDG_STATE_HOME/tamblewin/ft.log when that is an
// absolute path, else ~/.local/state/tamblewin/ft.log.
std::string ftcListingFilePath();

// Every file a run of the reports on this data file may read or write.
RunPaths runPathsFor(std::string_view dataFilePath);

// Writes a whole file: into a temporary file beside it, then renamed over it, so a
// failed write never leaves half a file under the name. Missing folders on the way
// are made. False when the file could not be written or is an input of the run
// (see input_guard.h); whyNot, when given, then says why ("Permission denied").
bool writeWholeFile(const std::string& path, std::string_view bytes, std::string* whyNot = nullptr);

// A name for a temporary file in the folder of path, unique in this process: a
// hidden file, ".NAME.tmpPID-N" (NAME cut short when long, so that the name fits).
std::string temporaryPathBeside(const std::string& path);
// Removes the temporary files that runs which ended without removing them (killed)
// left for an output of path's name: ".NAME...tmpPID-N..." in its folder, where no
// process PID runs any more. Returns how many.
int removeTemporariesOfEndedRuns(const std::string& path);
// Why path may not be written as an output, as "NAME is a FIFO" and the like; empty
// when it may: it does not exist yet, or (links followed) it is a regular file that
// is no input of the run. A device, FIFO, socket or folder is never replaced by a
// file, nor written into.
std::string outputRefusal(const std::string& path);

// Why no file can be written at path because of its folder, as "the folder X does
// not exist"; empty when the folder is there (a name without a folder is in the
// current folder). Outputs go only into folders that exist: none is made for them.
std::string outputFolderRefusal(const std::string& path);

// Renames temporary over path; when that fails, or path is an input of the run or
// no regular file, the temporary file is removed and path left as it was.
bool moveIntoPlace(const std::string& temporary, const std::string& path);

// Removes a file; a missing one is no failure. An input of the run is never removed.
void removeFileIfPresent(const std::string& path);

}  // namespace tw
