#include "gui/display_check.h"

#include <netdb.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "base/translation.h"

namespace tw::gui {

namespace {

constexpr int kXTcpPortBase = 6000;
constexpr std::string_view kXSocketFolder = "/tmp/.X11-unix/X";

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

// Connects to a local stream socket and hangs up at once; abstract names start with
// a NUL byte.
bool answersOnLocalSocket(const std::string& path, bool abstract) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const size_t offset = abstract ? 1 : 0;
    if (path.empty() || path.size() + offset >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + offset + path.size() + (abstract ? 0 : 1));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
    ::close(fd);
    return connected;
}

bool answersOnTcp(const std::string& host, int port) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return false;
    bool connected = false;
    for (const addrinfo* a = found; a != nullptr && !connected; a = a->ai_next) {
        const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0) continue;
        connected = ::connect(fd, a->ai_addr, a->ai_addrlen) == 0;
        ::close(fd);
    }
    ::freeaddrinfo(found);
    return connected;
}

bool xDisplayAnswers(std::string_view display) {
    const std::optional<XDisplayAddress> address = xDisplayAddress(display);
    if (!address) return false;
    if (!address->host.empty()) return answersOnTcp(address->host, address->port);
    return answersOnLocalSocket(address->socketPath, true) || answersOnLocalSocket(address->socketPath, false);
}

// The platforms Qt is told to try, each without its options ("xcb:option=value").
std::vector<std::string> platformNames(std::string_view platform) {
    std::vector<std::string> names;
    while (!platform.empty()) {
        const size_t end = std::min(platform.find(';'), platform.size());
        const std::string_view entry = platform.substr(0, end);
        if (const std::string_view name = entry.substr(0, entry.find(':')); !name.empty()) names.emplace_back(name);
        platform.remove_prefix(std::min(end + 1, platform.size()));
    }
    return names;
}

std::string quoted(std::string_view name, std::string_view value) {
    return std::string(name) + " is \"" + std::string(value) + "\"";
}

}  // namespace

std::optional<XDisplayAddress> xDisplayAddress(std::string_view display) {
    if (display.empty()) return std::nullopt;
    std::string_view protocol;
    if (const size_t slash = display.find('/'); slash != std::string_view::npos && display.front() != '/') {
        protocol = display.substr(0, slash);
        display.remove_prefix(slash + 1);
    }
    const size_t colon = display.rfind(':');
    if (colon == std::string_view::npos) return std::nullopt;
    std::string_view host = display.substr(0, colon);
    std::string_view number = display.substr(colon + 1);
    number = number.substr(0, number.find('.'));  // the screen does not matter here
    if (!allDigits(number) || number.size() > 5) return std::nullopt;
    XDisplayAddress address;
    if (!host.empty() && host.front() == '/') {  // the socket's own path
        address.socketPath = std::string(host);
        return address;
    }
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']') host = host.substr(1, host.size() - 2);
    if (protocol == "unix" || (protocol.empty() && (host.empty() || host == "unix"))) {
        address.socketPath = std::string(kXSocketFolder) + std::string(number);
        return address;
    }
    address.host = host.empty() ? "localhost" : std::string(host);
    address.port = kXTcpPortBase + std::atoi(std::string(number).c_str());
    return address;
}

std::string waylandSocketPath(std::string_view waylandDisplay, std::string_view runtimeDir) {
    if (!waylandDisplay.empty() && waylandDisplay.front() == '/') return std::string(waylandDisplay);
    if (runtimeDir.empty()) return {};
    return std::string(runtimeDir) + "/" + std::string(waylandDisplay);
}

DisplayEnvironment displayEnvironment() {
    return {environmentValue("DISPLAY"), environmentValue("WAYLAND_DISPLAY"), environmentValue("XDG_RUNTIME_DIR"),
            environmentValue("QT_QPA_PLATFORM")};
}

std::string displayProblem(const DisplayEnvironment& env) {
    const std::vector<std::string> platforms = platformNames(env.platform);
    bool x11 = platforms.empty();
    bool wayland = platforms.empty();
    for (const std::string& name : platforms) {
        if (name == "xcb") x11 = true;
        else if (name.rfind("wayland", 0) == 0) wayland = true;
        else return {};  // offscreen, vnc, eglfs, ...: Qt's own to judge
    }
    // Without WAYLAND_DISPLAY, Wayland clients look for "wayland-0" when told to use it.
    const std::string waylandName =
        !env.waylandDisplay.empty() ? env.waylandDisplay : (platforms.empty() ? std::string() : "wayland-0");
    const bool askX = x11 && !env.display.empty();
    const bool askWayland = wayland && !waylandName.empty();
    if (!askX && !askWayland) return std::string(TW_TR("Windows", "there is no display to show the windows on."));
    if (askX && xDisplayAnswers(env.display)) return {};
    if (askWayland && answersOnLocalSocket(waylandSocketPath(waylandName, env.runtimeDir), false)) return {};
    std::string names;
    if (askX) names = quoted("DISPLAY", env.display);
    if (askWayland) names += (names.empty() ? "" : ", ") + quoted("WAYLAND_DISPLAY", waylandName);
    return fillIn(TW_TR("Windows", "no display can be reached to show the windows on (%1, and nothing answers there)."),
                  {names});
}

}  // namespace tw::gui
