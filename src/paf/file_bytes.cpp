#include "paf/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "base/translation.h"

namespace tw {

namespace {

// "2048 MiB", "64 KiB", "100 bytes".
std::string sizeText(uint64_t bytes) {
    if (bytes >= (uint64_t(1) << 20) && bytes % (uint64_t(1) << 20) == 0) return std::to_string(bytes >> 20) + " MiB";
    if (bytes >= 1024 && bytes % 1024 == 0) return std::to_string(bytes >> 10) + " KiB";
    return std::to_string(bytes) + " bytes";
}

FileRead failure(FileReadResult result, int systemError, std::string problem) {
    return FileRead{result, systemError, std::move(problem)};
}

FileRead systemFailure() {
    const int error = errno;
    return failure(FileReadResult::CannotOpen, error, std::strerror(error));
}

bool sameState(const struct stat& a, const struct stat& b) {
    return a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

// The failure for a file that is not a regular file, or Read.
FileRead regularFileCheck(const struct stat& info) {
    if (S_ISREG(info.st_mode)) return FileRead{FileReadResult::Read, 0, {}};
    return failure(FileReadResult::NotAFile, S_ISDIR(info.st_mode) ? EISDIR : EINVAL, describeFileKind(info.st_mode));
}

// Reads up to bytes.size() bytes from the start; returns how many were read, or -1.
template <typename Bytes>
ssize_t readStart(int fd, Bytes& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pread(fd, bytes.data() + done, bytes.size() - done, off_t(done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        done += size_t(n);
    }
    return ssize_t(done);
}

void allocate(std::vector<uint8_t>& bytes, size_t size) { bytes.resize(size); }
void allocate(ZeroedBytes& bytes, size_t size) { bytes = ZeroedBytes(size); }

template <typename Bytes>
FileRead readOpenFile(int fd, uint64_t maxBytes, Bytes& bytes) {
    struct stat before {};
    if (fstat(fd, &before) != 0) return systemFailure();
    if (FileRead regular = regularFileCheck(before); !regular.ok()) return regular;
    const auto size = uint64_t(before.st_size);
    if (size > maxBytes) return failure(FileReadResult::TooLarge, EFBIG, fillIn(TW_TR("Messages", "the file is larger than %1"), {sizeText(maxBytes)}));
    allocate(bytes, size_t(size));
    const ssize_t done = readStart(fd, bytes);
    if (done < 0) return systemFailure();
    struct stat after {};
    if (size_t(done) != bytes.size() || fstat(fd, &after) != 0 || !sameState(before, after))
        return failure(FileReadResult::Changed, 0, std::string(TW_TR("Messages", "the file changed while it was read")));
    return FileRead{FileReadResult::Read, 0, {}};
}

FileRead readOpenFileStart(int fd, uint64_t maxBytes, std::vector<uint8_t>& bytes) {
    struct stat info {};
    if (fstat(fd, &info) != 0) return systemFailure();
    if (FileRead regular = regularFileCheck(info); !regular.ok()) return regular;
    bytes.resize(size_t(std::min(uint64_t(info.st_size), maxBytes)));
    const ssize_t done = readStart(fd, bytes);
    if (done < 0) return systemFailure();
    bytes.resize(size_t(done));
    return FileRead{FileReadResult::Read, 0, {}};
}

// Opens the path for reading into fd, or says why it cannot be opened.
FileRead openInput(const std::string& path, int& fd) {
    // Without O_NONBLOCK, opening a named pipe would wait for a writer.
    fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) return FileRead{FileReadResult::Read, 0, {}};
    // A socket cannot be opened at all; say what it is all the same.
    const int error = errno;
    struct stat info {};
    if (error == ENXIO && ::stat(path.c_str(), &info) == 0)
        return failure(FileReadResult::NotAFile, error, describeFileKind(info.st_mode));
    return failure(FileReadResult::CannotOpen, error, std::strerror(error));
}

}  // namespace

std::string describeFileKind(unsigned mode) {
    if (S_ISDIR(mode)) return std::string(TW_TR("Messages", "it is a folder, not a file"));
    if (S_ISFIFO(mode)) return std::string(TW_TR("Messages", "it is a named pipe, not a file"));
    if (S_ISSOCK(mode)) return std::string(TW_TR("Messages", "it is a socket, not a file"));
    if (S_ISCHR(mode) || S_ISBLK(mode)) return std::string(TW_TR("Messages", "it is a device, not a file"));
    return std::string(TW_TR("Messages", "it is not a regular file"));
}

namespace {

template <typename Bytes>
FileRead readWhole(const std::string& path, uint64_t maxBytes, Bytes& bytes) {
    bytes = Bytes();
    int fd = -1;
    if (FileRead opened = openInput(path, fd); !opened.ok()) return opened;
    FileRead read = readOpenFile(fd, maxBytes, bytes);
    ::close(fd);
    if (!read.ok()) bytes = Bytes();
    return read;
}

}  // namespace

FileRead readWholeFile(const std::string& path, uint64_t maxBytes, std::vector<uint8_t>& bytes) {
    return readWhole(path, maxBytes, bytes);
}

FileRead readWholeFile(const std::string& path, uint64_t maxBytes, ZeroedBytes& bytes) {
    return readWhole(path, maxBytes, bytes);
}

std::string inputFileRefusal(const std::string& path, uint64_t maxBytes) {
    int fd = -1;
    if (FileRead opened = openInput(path, fd); !opened.ok()) {
        // Not to be opened (a socket, a device on a file system without devices): said by its kind all the same.
        struct stat info {};
        if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) return describeFileKind(info.st_mode);
        return {};
    }
    struct stat info {};
    std::string refusal;
    if (fstat(fd, &info) == 0) {
        if (FileRead regular = regularFileCheck(info); !regular.ok()) refusal = regular.problem;
        else if (uint64_t(info.st_size) > maxBytes) refusal = fillIn(TW_TR("Messages", "it is larger than %1"), {sizeText(maxBytes)});
    }
    ::close(fd);
    return refusal;
}

FileRead readFileStart(const std::string& path, uint64_t maxBytes, std::vector<uint8_t>& bytes) {
    bytes.clear();
    int fd = -1;
    if (FileRead opened = openInput(path, fd); !opened.ok()) return opened;
    FileRead read = readOpenFileStart(fd, maxBytes, bytes);
    ::close(fd);
    if (!read.ok()) bytes.clear();
    return read;
}

}  // namespace tw
