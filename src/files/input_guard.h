#pragma once
// The files a run reads (the data file, the GEDCOM file) are never written, replaced
// or removed by it. The front ends name them here when they open them; every output
// path is checked against them by device and inode, after following links, before
// anything is written. An output that does not exist yet cannot be an input.

#include <string>

namespace tw {

// Remembers path (as its device and inode) as an input of this process.
void protectInput(const std::string& path);
// Forgets every input (a new data file is about to be chosen).
void clearProtectedInputs();

// True when path names one of the protected inputs.
bool isProtectedInput(const std::string& path);

// True when a and b are the same existing file.
bool sameExistingFile(const std::string& a, const std::string& b);

}  // namespace tw
