#pragma once
// The exit statuses of the program: what a command or a fatal stop tells the shell.

namespace tw {

enum ExitStatus : int {
    kExitFailure = 1,          // the command could not do what was asked
    kExitUsage = 2,            // bad command-line arguments
    kExitCorruptData = 3,      // abortRun: a link points at a record that cannot be read
    kExitOutOfMemory = 5,      // a text buffer could not be allocated
    kExitPageLogError = 6,     // the renderer met a page command it cannot read (the page log is ours: a bug)
    kExitInternalError = 7,    // a state ordinary use does not reach
    kExitUnknownDateType = 9,  // a date whose kind is not 0..4
};

}  // namespace tw
