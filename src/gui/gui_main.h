#pragma once
// Starts the windows: the wizard that `tamblewin` without a command opens.

namespace tw::gui {

// Runs the wizard until the title window closes; returns the exit status.
int runGui(int argc, char** argv);

}  // namespace tw::gui
