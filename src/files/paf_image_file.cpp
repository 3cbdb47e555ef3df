#include "files/paf_image_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "files/input_guard.h"
#include "files/user_files.h"

namespace tw {

namespace {

// The whole image in writes of at most 8 MiB.
bool writeAll(int fd, std::span<const uint8_t> bytes) {
    constexpr size_t kWriteBytes = size_t(8) << 20;
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, std::min(kWriteBytes, bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += size_t(n);
    }
    return true;
}

}  // namespace

bool writePafImage(const PafImage& image, const std::string& path) {
    return writePafImage(image, path, temporaryPathBeside(path));
}

bool writePafImage(const PafImage& image, const std::string& path, const std::string& temporary) {
    if (!outputRefusal(path).empty()) return false;
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = writeAll(fd, image.bytes());
    ok = ::close(fd) == 0 && ok;
    if (!ok) {
        std::remove(temporary.c_str());
        return false;
    }
    return moveIntoPlace(temporary, path);
}

bool writePafFile(const WriterFamily& family, const std::string& path, const WriterOptions& options) {
    const PafImage image = buildPafImage(family, options);
    return image.error().empty() && writePafImage(image, path);
}

}  // namespace tw
