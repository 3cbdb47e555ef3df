#pragma once
// Ordinal numbers in the language in use: "1st", "2nd", "3rd", "11th", "21st" in
// English; "1.", "2." in German and Norwegian; "1er", "2e" in French; "1.º" in
// Spanish; "1e" in Dutch; "1:a", "2:a", "3:e" in Swedish.

#include <string>

namespace tw {

std::string ordinal(int n);

}  // namespace tw
