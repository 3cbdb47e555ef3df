#include "paf/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tw {

namespace {

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

void allocate(std::vector<uint8_t>& bytes, size_t size) { bytes.resize(size); }
void allocate(ZeroedBytes& bytes, size_t size) { bytes = ZeroedBytes(size); }

template <typename Bytes>
FileRead readOpenFile(int fd, uint64_t maxBytes, Bytes& bytes) {
    struct stat before {};
    if (fstat(fd, &before) != 0) return systemFailure();
    if (!S_ISREG(before.st_mode))
        return failure(FileReadResult::NotAFile, S_ISDIR(before.st_mode) ? EISDIR : EINVAL,
                       describeFileKind(before.st_mode));
    const auto size = uint64_t(before.st_size);
    if (size > maxBytes)
        return failure(FileReadResult::TooLarge, EFBIG, "the file is larger than " + std::to_string(maxBytes >> 20) + " MiB");
    allocate(bytes, size_t(size));
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pread(fd, bytes.data() + done, bytes.size() - done, off_t(done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return systemFailure();
        if (n == 0) break;
        done += size_t(n);
    }
    struct stat after {};
    if (done != bytes.size() || fstat(fd, &after) != 0 || !sameState(before, after))
        return failure(FileReadResult::Changed, 0, "the file changed while it was read");
    return FileRead{FileReadResult::Read, 0, {}};
}

}  // namespace

std::string describeFileKind(unsigned mode) {
    if (S_ISDIR(mode)) return "it is a folder, not a file";
    if (S_ISFIFO(mode)) return "it is a named pipe, not a file";
    if (S_ISSOCK(mode)) return "it is a socket, not a file";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device, not a file";
    return "it is not a regular file";
}

namespace {

template <typename Bytes>
FileRead readWhole(const std::string& path, uint64_t maxBytes, Bytes& bytes) {
    bytes = Bytes();
    // Without O_NONBLOCK, opening a named pipe would wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        // A socket cannot be opened at all; say what it is all the same.
        const int error = errno;
        struct stat info {};
        if (error == ENXIO && ::stat(path.c_str(), &info) == 0)
            return failure(FileReadResult::NotAFile, error, describeFileKind(info.st_mode));
        return failure(FileReadResult::CannotOpen, error, std::strerror(error));
    }
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

}  // namespace tw
