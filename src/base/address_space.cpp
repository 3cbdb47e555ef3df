#include "base/address_space.h"

#include <sys/mman.h>
#include <sys/resource.h>

#include <new>

namespace tw {

bool addressSpaceLeft(std::size_t bytes) {
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return true;
    // A reservation without access costs no memory, only address space: exactly
    // what the limit counts.
    void* room = mmap(nullptr, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (room == MAP_FAILED) return false;
    munmap(room, bytes);
    return true;
}

void requireAddressSpace(std::size_t bytes) {
    if (!addressSpaceLeft(bytes)) throw std::bad_alloc();
}

}  // namespace tw
