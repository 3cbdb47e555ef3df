#pragma once
// Room left under a limit on the process's address space (ulimit -v).
//
// Qt and the libraries it loads do not survive memory that runs out in the middle
// of their own work: a lock stays taken, a plugin half loaded, a null pointer is
// followed. Before such work the program asks for the room it needs and, where
// there is none, stops with "Out of memory" itself.

#include <cstddef>

namespace tw {

// Whether bytes more address space could be taken now (always, without a limit).
bool addressSpaceLeft(std::size_t bytes);
// Throws std::bad_alloc when addressSpaceLeft(bytes) is false.
void requireAddressSpace(std::size_t bytes);

}  // namespace tw
