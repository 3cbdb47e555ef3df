#pragma once
// Starts the windows: the wizard that `tamblewin` without a command opens.

namespace tw::gui {

#include <string>

// Runs the wizard until the title window closes; returns the exit status. With a
// data file, the data-file window offers that file.
int runGui(int argc, char** argv, const std::string& dataFile = {});

}  // namespace tw::gui
