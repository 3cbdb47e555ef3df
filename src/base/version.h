#pragma once
// The program's version, as the build gives it ("0.1.0"): what --version prints and
// what the PDF files it writes name as their producer.

#include <string_view>

namespace tw {

std::string_view programVersion();

}  // namespace tw
