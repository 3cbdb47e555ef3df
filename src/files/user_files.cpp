#include "files/user_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "base/translation.h"
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

// Temporary names keep at most this many bytes of the final name, so that they stay
// within the 255 bytes a file name may have, page numbers and all.
constexpr size_t kTemporaryNameBytes = 200;

// ".NAME", NAME cut to kTemporaryNameBytes (at a character's start).
std::string temporaryPrefix(const std::string& name) {
    size_t keep = std::min(name.size(), kTemporaryNameBytes);
    while (keep > 0 && keep < name.size() && (uint8_t(name[keep]) & 0xC0) == 0x80) --keep;
    return "." + name.substr(0, keep);
}

// True when name, from position from on, holds ".tmpPID-N" and no process PID runs:
// the temporary file of a run that was killed (SIGKILL, a power cut).
bool temporaryOfEndedRun(const std::string& name, size_t from) {
    for (size_t at = name.find(".tmp", from); at != std::string::npos; at = name.find(".tmp", at + 1)) {
        size_t end = at + 4;
        while (end < name.size() && std::isdigit(uint8_t(name[end]))) ++end;
        if (end == at + 4 || end - at - 4 > 9 || end + 1 >= name.size() || name[end] != '-' ||
            !std::isdigit(uint8_t(name[end + 1])))
            continue;
        const pid_t pid = pid_t(std::stol(name.substr(at + 4, end - at - 4)));
        return pid > 0 && pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH;
    }
    return false;
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
    const std::string name = temporaryPrefix(target.filename().string()) + ".tmp" + std::to_string(::getpid()) +
                             "-" + std::to_string(++made);
    return (target.parent_path() / name).string();
}

int removeTemporariesOfEndedRuns(const std::string& path) {
    const std::filesystem::path target(path);
    const std::string prefix = temporaryPrefix(target.stem().string());
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    int removed = 0;
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        const std::string name = entries->path().filename().string();
        if (!name.starts_with(prefix) || !temporaryOfEndedRun(name, prefix.size())) continue;
        std::error_code ignored;
        if (!entries->is_regular_file(ignored) || entries->is_symlink(ignored)) continue;
        if (std::filesystem::remove(entries->path(), ignored)) ++removed;
    }
    return removed;
}

std::string outputRefusal(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return {};
    if (S_ISDIR(info.st_mode)) return fillIn(TW_TR("Messages", "%1 is a folder, not a file to write"), {path});
    if (S_ISFIFO(info.st_mode)) return fillIn(TW_TR("Messages", "%1 is a FIFO, not a file to write"), {path});
    if (S_ISSOCK(info.st_mode)) return fillIn(TW_TR("Messages", "%1 is a socket, not a file to write"), {path});
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
        return fillIn(TW_TR("Messages", "%1 is a device, not a file to write"), {path});
    if (!S_ISREG(info.st_mode)) return fillIn(TW_TR("Messages", "%1 is no regular file, not a file to write"), {path});
    if (isProtectedInput(path)) return fillIn(TW_TR("Messages", "%1 is the data file being read"), {path});
    return {};
}

std::string outputFolderRefusal(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty()) return {};
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) return fillIn(TW_TR("Messages", "the folder %1 does not exist"), {folder.string()});
    if (!S_ISDIR(info.st_mode)) return fillIn(TW_TR("Messages", "%1 is not a folder"), {folder.string()});
    return {};
}

bool moveIntoPlace(const std::string& temporary, const std::string& path) {
    if (!outputRefusal(path).empty() || std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int reason = errno;  // the rename's, for the caller's message
        std::remove(temporary.c_str());
        errno = reason;
        return false;
    }
    return true;
}

bool writeWholeFile(const std::string& path, std::string_view bytes, std::string* whyNot) {
    const auto fail = [whyNot](std::string reason) {
        if (whyNot != nullptr) *whyNot = std::move(reason);
        return false;
    };
    if (std::string refused = outputRefusal(path); !refused.empty()) return fail(std::move(refused));
    const std::filesystem::path target(path);
    std::error_code ignored;
    if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ignored);
    const std::string temporary = temporaryPathBeside(path);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return fail(std::strerror(errno));
    const bool written = writeAll(fd, bytes);
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        const int reason = written ? errno : writeError;
        std::remove(temporary.c_str());
        return fail(std::strerror(reason));
    }
    if (!moveIntoPlace(temporary, path)) {
        std::string refused = outputRefusal(path);
        return fail(refused.empty() ? std::string(std::strerror(errno)) : refused);
    }
    return true;
}

void removeFileIfPresent(const std::string& path) {
    if (!isProtectedInput(path)) std::remove(path.c_str());
}

}  // namespace tw
