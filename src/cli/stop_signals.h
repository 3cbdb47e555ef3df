#pragma once
// Ctrl-C (SIGINT), SIGTERM and SIGHUP during a command. While a report is being laid
// out, the first signal asks it to stop (the report ends early and nothing is
// written); while files are being written, or at a second signal, the temporary
// files of the run are removed and the program ends at once. No file under its
// final name is ever left half written.

#include <string>
#include <vector>

namespace tw::cli {

// Installs the handlers (once per process).
void installStopSignals();
// True once a stop signal has come.
bool stopRequested();
// The temporary files to remove when the program is stopped or runs out of memory.
// The list is copied; the handler reads only the copy made here.
void setTemporaryFiles(const std::vector<std::string>& paths);
// From now on a signal ends the program at once (the files are being written).
void stopAtOnce();
// Removes the temporary files named by setTemporaryFiles.
void removeTemporaryFiles();

}  // namespace tw::cli
