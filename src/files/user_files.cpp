#include "files/user_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "charts/ftc_positions.h"
#include "files/input_guard.h"

namespace tw {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(size_t(written));
    }
    return true;
}

}  // namespace

std::string dscTuningFilePath() {
    if (const std::string own = environment("TAMBLEWIN_DSC_TUNING"); !own.empty()) return own;
    if (const std::string config = environment("XDG_CONFIG_HOME"); !config.empty())
        return config + "/tamblewin/DSCtest.txt";
    if (const std::string home = environment("HOME"); !home.empty()) return home + "/.config/tamblewin/DSCtest.txt";
    return {};
}

std::string ftcListingFilePath() {
    std::filesystem::path base;
    if (const std::string state = environment("XDG_STATE_HOME"); !state.empty() && state[0] == '/') {
        base = state;
    } else {
        const std::string home = environment("HOME");
        base = std::filesystem::path(home.empty() ? "." : home) / ".local" / "state";
    }
    return (base / "tamblewin" / "ft.log").string();
}

RunPaths runPathsFor(std::string_view dataFilePath) {
    RunPaths paths;
    paths.dscTuningFile = dscTuningFilePath();
    paths.ftcListingFile = ftcListingFilePath();
    paths.ftcPositionsStem = ftcPositionsStem(dataFilePath);
    return paths;
}

std::string temporaryPathBeside(const std::string& path) {
    static int made = 0;
    const std::filesystem::path target(path);
    const std::string name = "." + target.filename().string() + ".tmp" + std::to_string(::getpid()) + "-" +
                             std::to_string(++made);
    return (target.parent_path() / name).string();
}

bool moveIntoPlace(const std::string& temporary, const std::string& path) {
    if (isProtectedInput(path) || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool writeWholeFile(const std::string& path, std::string_view bytes) {
    if (isProtectedInput(path)) return false;
    const std::filesystem::path target(path);
    std::error_code ignored;
    if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ignored);
    const std::string temporary = temporaryPathBeside(path);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool written = writeAll(fd, bytes);
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        std::remove(temporary.c_str());
        return false;
    }
    return moveIntoPlace(temporary, path);
}

void removeFileIfPresent(const std::string& path) {
    if (!isProtectedInput(path)) std::remove(path.c_str());
}

}  // namespace tw
