#include "files/input_guard.h"

#include <sys/stat.h>

#include <algorithm>
#include <mutex>
#include <optional>
#include <vector>

namespace tw {

namespace {

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> identityOf(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0) return std::nullopt;
    return FileIdentity{info.st_dev, info.st_ino};
}

struct Inputs {
    std::mutex lock;
    std::vector<FileIdentity> files;
};

Inputs& inputs() {
    static Inputs all;
    return all;
}

}  // namespace

void protectInput(const std::string& path) {
    const auto identity = identityOf(path);
    if (!identity) return;
    Inputs& all = inputs();
    const std::lock_guard guard(all.lock);
    if (std::find(all.files.begin(), all.files.end(), *identity) == all.files.end()) all.files.push_back(*identity);
}

void clearProtectedInputs() {
    Inputs& all = inputs();
    const std::lock_guard guard(all.lock);
    all.files.clear();
}

bool isProtectedInput(const std::string& path) {
    const auto identity = identityOf(path);
    if (!identity) return false;
    Inputs& all = inputs();
    const std::lock_guard guard(all.lock);
    return std::find(all.files.begin(), all.files.end(), *identity) != all.files.end();
}

bool sameExistingFile(const std::string& a, const std::string& b) {
    const auto first = identityOf(a);
    const auto second = identityOf(b);
    return first && second && *first == *second;
}

}  // namespace tw
