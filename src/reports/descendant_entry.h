#pragma once
// The descendant entry of the descendant lists: one person of the generation being
// printed, with the date the generation is sorted by; its fill, its stable sort by
// birth date, and the two-column printing of a name beside the descendant parent's
// name, cut line by line to fit.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "output/page_log.h"
#include "paf/dates.h"
#include "paf/int_list.h"
#include "paf/paf_context.h"

namespace tw {

// The order key of a date: compareDates orders two one-date dates (kind 2) by day,
// (year * 12 + month) * 31 + day, and every other pair by their printed texts, byte
// by byte. The key holds both, so that sorting never decodes or formats again.
struct DateKey {
    bool oneDate = false;
    int32_t day = 0;
    std::string text;  // formatDate: what the list prints
    // formatDate in English, in another language where there are words to order
    // (empty in English, and for one date): the order stays the English one.
    std::string englishText;

    static DateKey of(const DecodedDate& date);
};

// compareDates of the two dates the keys were made from (only its sign counts).
int compareDateKeys(const DateKey& a, const DateKey& b);

struct DescendantEntry {
    DateKey date;            // birth, else christening, else empty
    int32_t rin = 0;
    int32_t parentRin = 0;   // the descendant parent; 0 for the start couples' children
    int32_t childLine = 0;
    bool readable = false;   // the individual record could be read
    bool repeat = false;     // numbered lists: printed before, marked "*"
    std::string name;        // without slashes, when asked for and readable
    // The descendant parent's name when the list has it at hand (it points into the
    // list's previous generation, which outlives the entry).
    const std::string* parentName = nullptr;
};

// Stores the numbers and the birth date, or the christening date when the birth
// date is empty (its first byte 0), or no date; a record that cannot be read has
// none. With withName, the name is taken from the record while it is at hand.
void fillEntry(PafContext& ctx, DescendantEntry& entry, int32_t rin, int32_t parentRin, int32_t childLine,
               bool withName = false);

// One filled entry per person triple (RIN, child line, parent RIN), in list order.
std::vector<DescendantEntry> entriesOf(PafContext& ctx, const IntList& persons, bool withNames = false);

// Sorts by date, ascending, keeping the list order of equal dates: the order of an
// exchange sort that swaps neighbours while the left one's date is later. A
// generation of up to kExactSortLimit entries is sorted exactly that way, whatever
// the dates; a larger one by a stable merge, which gives the same order whenever
// compareDates is a consistent order on the generation's dates. (It is not when one
// generation mixes one-date dates with ranges, status-only or text dates: the day
// order and the text order can then disagree, and the exchange sort's result depends
// on the starting order.) Stops early, leaving the entries partly sorted, when the
// user asks to stop.
inline constexpr size_t kExactSortLimit = 1024;
void sortEntries(Host& host, std::vector<DescendantEntry>& entries);

// Where the two columns stand and how wide they may grow (device pixels).
struct NameColumns {
    double nameX = 0;
    double parentX = 0;
    int32_t nameLimit = 0;
    int32_t parentLimit = 0;
    double lineHeight = 0;
};

// The lines of a name and a parent text side by side: while either is too wide for
// its column, each is cut at its last space (the rest keeps the space), both to the
// name column's width, and the pieces go on one line; a word too wide on its own is
// split inside, so that every line advances. Then what is left of both is the last
// line. The pieces point into name and parent.
struct NameColumnLine {
    std::string_view name;
    std::string_view parent;
};
using NameColumnLines = std::vector<NameColumnLine>;
void layOutNameColumns(const PageLog& log, std::string_view name, std::string_view parent, const NameColumns& columns,
                       NameColumnLines& lines);

// Prints the lines from y and returns the y below them. pageCheck runs before every
// line and may start a new page (only an entry taller than a page needs it: the
// lists keep an entry whole by checking its height before they print it).
double printNameColumns(PageLog& log, double y, const NameColumnLines& lines, const NameColumns& columns,
                        const std::function<double(double)>& pageCheck);
// Both at once.
double printNameColumns(PageLog& log, double y, std::string_view name, std::string_view parent,
                        const NameColumns& columns, const std::function<double(double)>& pageCheck);

// The length of the first line's piece of text at limit: all of it when it fits;
// otherwise cut at the last space again and again until it fits; a first word too
// wide on its own is split after its last character that fits (at least one).
size_t firstLinePiece(const PageLog& log, std::string_view text, int32_t limit);

}  // namespace tw
