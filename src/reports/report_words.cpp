#include "reports/report_words.h"

#include "base/translation.h"

namespace tw::report_words {

std::string_view gen() { return TW_TR("Reports", "GEN"); }
std::string_view rin() { return TW_TR("Reports", "RIN"); }
std::string_view name() { return TW_TR("Reports", "Name"); }
std::string_view nameCapitals() { return TW_TR("Reports", "NAME"); }
std::string_view birthYear() { return TW_TR("Reports", "Birth Year"); }
std::string_view low() { return TW_TR("Reports", "Low"); }
std::string_view high() { return TW_TR("Reports", "High"); }
std::string_view totals() { return TW_TR("Reports", "Totals"); }
std::string_view self() { return TW_TR("Reports", "self"); }
std::string_view continued() { return TW_TR("Reports", "cont'd"); }
// The Descendants List's title, which the grouped and the repeat lists share.
std::string_view descendantsOf() { return TW_TR("DescendantsList", "Descendants of"); }
std::string_view coupleSeparator() { return TW_TR("Reports", " and "); }
std::string_view descendantParent() { return TW_TR("Reports", "DESCENDANT PARENT"); }
std::string_view children() { return TW_TR("Reports", "Children"); }
std::string_view grandchildren() { return TW_TR("Reports", "Grandchildren"); }

std::string pageLabel(int page) { return fillIn(TW_TR("Reports", "Page %1"), {std::to_string(page)}); }

}  // namespace tw::report_words
