#pragma once
// Whether the windows have a display to be shown on, found out before Qt starts: Qt
// ends the program with an abort when its platform cannot connect to the display.

#include <optional>
#include <string>
#include <string_view>

namespace tw::gui {

// Where an X display named as DISPLAY ("[protocol/][host]:number[.screen]") listens:
// a local socket (also tried in the abstract namespace, as the X library does), or a
// host and TCP port.
struct XDisplayAddress {
    std::string socketPath;
    std::string host;
    int port = 0;
};
std::optional<XDisplayAddress> xDisplayAddress(std::string_view display);

// The socket of a Wayland display named as WAYLAND_DISPLAY: the name itself when it
// is a path, else the name in the runtime folder.
std::string waylandSocketPath(std::string_view waylandDisplay, std::string_view runtimeDir);

// What the check reads from the environment.
struct DisplayEnvironment {
    std::string display;         // DISPLAY
    std::string waylandDisplay;  // WAYLAND_DISPLAY
    std::string runtimeDir;      // XDG_RUNTIME_DIR
    std::string platform;        // QT_QPA_PLATFORM: Qt's platforms to try, ';' between them
};
DisplayEnvironment displayEnvironment();

// Empty when the windows can be shown: a display of a platform Qt would try answers,
// or Qt is told to use a platform that needs no display server (offscreen, vnc, ...).
// Else what to tell the user.
std::string displayProblem(const DisplayEnvironment& env);

}  // namespace tw::gui
