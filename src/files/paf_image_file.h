#pragma once
// Writing a PAF image built in memory to a file: `import -o`, the demo family, the
// test families and the benchmarks' large files.

#include <string>

#include "paf/paf_writer.h"

namespace tw {

// Writes the image into a temporary file beside path and renames
// it into place when complete. False on an I/O error; path is then untouched.
bool writePafImage(const PafImage& image, const std::string& path);
// The same through the given temporary file (in the folder of path), for a caller
// that must know its name.
bool writePafImage(const PafImage& image, const std::string& path, const std::string& temporary);

// Builds the family's image and writes it; false when either fails.
bool writePafFile(const WriterFamily& family, const std::string& path, const WriterOptions& options = {});

}  // namespace tw
