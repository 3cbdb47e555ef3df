#pragma once
// The exit statuses of the program: what a command or a fatal stop tells the shell.

namespace tw {

enum ExitStatus : int {
    kExitComplete = 0,         // the command did all that was asked
    kExitFailure = 1,          // the command could not do what was asked (missing file, no page, stopped)
    kExitUsage = 2,            // bad command-line arguments or start field; an output that is an input
    kExitCorruptData = 3,      // the data file is damaged and nothing was written
    kExitPagesButDamaged = 4,  // the output was written, but the data file is damaged (a loop cut, ...)
    kExitOutOfMemory = 5,      // memory ran out
    kExitPageLogError = 6,     // the renderer met a page command it cannot read (the page log is ours: a bug)
    kExitInternalError = 7,    // a state ordinary use does not reach
    kExitUnknownDateType = 9,  // a date whose kind is not 0..4
};

}  // namespace tw
