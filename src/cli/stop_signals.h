#pragma once
// Ctrl-C (SIGINT), SIGTERM, SIGHUP and every other signal whose default is to end
// the process (SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF, SIGXCPU,
// SIGPWR) during a command. While a report is being laid
// out, the first signal asks it to stop (the report ends early and nothing is
// written); while files are being written, or at a second signal, the temporary
// files of the run are removed and the program ends at once. No file under its
// final name is ever left half written.

#include <string>
#include <vector>

namespace tw::cli {

// Installs the handlers (once per process).
void installStopSignals();
// A reader that went away (SIGPIPE) or a file grown beyond the size allowed
// (SIGXFSZ) make the write fail instead of ending the program, so that the failure
// is said and the temporary files removed. For every command.
void ignoreWriteSignals();
// True once a stop signal has come.
bool stopRequested();
// The temporary files to remove when the program is stopped or runs out of memory.
// The list is copied; the handler reads only the copy made here.
void setTemporaryFiles(const std::vector<std::string>& paths);
// From now on a signal ends the program at once (the files are being written).
void stopAtOnce();
// From now on stop signals wait until the program ends (and are then dropped): the
// temporary files are being renamed into place, and a file half renamed must not
// be stopped.
void holdStopSignals();
// Removes the temporary files named by setTemporaryFiles.
void removeTemporaryFiles();

}  // namespace tw::cli
