#pragma once
// Starts the windows: the wizard that `tamblewin` without a command opens.

#include <string>

namespace tw::gui {

// Runs the wizard until the title window closes; returns the exit status. With a
// data file, the data-file window offers that file.
int runGui(int argc, char** argv, const std::string& dataFile = {});

}  // namespace tw::gui
