#pragma once
// Whole numbers held as decimal digit texts, for numbers that outgrow every integer
// type: the pedigree position number doubles with each generation, so generation 66
// is already beyond 64 bits.

#include <string>
#include <string_view>

namespace tw {

// The sum of two digit texts (digits only, no sign), without leading zeros.
// Any length; a sum of zero is "0".
std::string addDecimalTexts(std::string_view a, std::string_view b);

}  // namespace tw
