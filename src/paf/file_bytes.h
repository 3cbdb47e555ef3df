#pragma once
// Reading a whole input file (the data file, a GEDCOM file) into memory, safely:
// the path is opened without blocking and its kind checked before anything is read,
// so a named pipe, socket, device or folder is refused at once; a file that changes
// while it is read is refused too.

#include <cstdint>
#include <string>
#include <vector>

#include "paf/zeroed_bytes.h"

namespace tw {

enum class FileReadResult {
    Read,        // bytes hold the whole file
    CannotOpen,  // systemError holds errno
    NotAFile,    // a folder, named pipe, socket or device
    TooLarge,    // more than the given limit
    Changed,     // another program changed the file while it was read
};

struct FileRead {
    FileReadResult result = FileReadResult::CannotOpen;
    int systemError = 0;
    std::string problem;  // in words, empty after Read
    bool ok() const { return result == FileReadResult::Read; }
};

// What a file of that mode (from stat) is, when it is not a regular file: "it is a
// named pipe, not a file" and the like.
std::string describeFileKind(unsigned mode);

FileRead readWholeFile(const std::string& path, uint64_t maxBytes, std::vector<uint8_t>& bytes);
// The same into memory that is not cleared before the file is read into it.
FileRead readWholeFile(const std::string& path, uint64_t maxBytes, ZeroedBytes& bytes);

// Why a file read by other means (a settings file) may not be opened: "it is a
// named pipe, not a file", "it is larger than 1 MiB" and the like, found without
// blocking; empty when it is a regular file of at most maxBytes, or cannot be opened
// at all (missing, not readable), which its reader copes with.
std::string inputFileRefusal(const std::string& path, uint64_t maxBytes);

// Reads at most maxBytes from the start of the file, opened and checked as
// readWholeFile does (a file longer than maxBytes is no fault here).
FileRead readFileStart(const std::string& path, uint64_t maxBytes, std::vector<uint8_t>& bytes);

}  // namespace tw
