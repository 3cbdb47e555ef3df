#pragma once
// Reads the pages of the lists as a genealogist reads them: entries kept whole,
// "cont'd" only where the generation goes on from the page before, a name in every
// entry of a named person, the couple of the title named in full (or each partner
// shortened on his or her own), and no separators with nothing between them.
//
// The list a page belongs to is found from its own headings ("Descendants of" with
// "CHILD"/"LINE", "Repeat Descendants", "Ancestor List ...", ...), and its columns
// from where those headings stand, so that the reading holds on every paper.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "output/page_log.h"
#include "support/page_checker.h"

namespace tw::test {

// What the reader knows of the family besides the pages.
struct ListExpectations {
    // Every individual has a name of some kind: no entry's name column may be empty.
    bool everyoneNamed = false;
    // The partners of the start couple as the lists name them (empty for one who is
    // not recorded): the couple titles must show both.
    std::optional<std::pair<std::string, std::string>> couple;
};

// The faults of one text wherever it stands: a separator with nothing before or
// after it (", ,", ": ,", a leading or trailing comma or semicolon), a blank before
// a comma, two blanks between words, and a title's "and" with no partner on one
// side.
std::vector<std::string> separatorFaults(std::string_view text);

// Whether title names the couple: each partner's name, or its start and end around
// "...", joined by separator; one name alone where the other partner has none.
bool namesCouple(std::string_view title, std::string_view husband, std::string_view wife, std::string_view separator);

// The findings of a log's pages as list pages (pages of charts get the separator
// check only).
std::vector<PageFinding> checkListPages(const PageLog& log, const ListExpectations& expect);
// The same for page texts given one by one (pages[0] is page 1).
std::vector<PageFinding> checkListPages(const std::vector<std::string>& pages, const ListExpectations& expect);

}  // namespace tw::test
