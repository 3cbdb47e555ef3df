#pragma once
// Names where a chart has room for one part of them: a child's row, a branch, a line
// of a branch's box.

#include <string>
#include <string_view>

namespace tw {

// What a chart shows of a name as entered ("Given Names /Surname/ Suffix"): the given
// names; for someone recorded by a surname alone, the surname; "(no name)" for
// someone with no name at all.
std::string givenNamesOrSurname(std::string_view name);

// The first word of the given names; the whole surname, or "(no name)", for someone
// without given names.
std::string firstWordOfName(std::string_view name);

}  // namespace tw
