#include "reports/descendant_entry.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "base/translation.h"
#include "paf/records.h"
#include "reports/descent.h"
#include "reports/wrap_name.h"

namespace tw {

namespace {

constexpr uint8_t kOneDateKind = 2;

// Sorts order[begin, end) the way the exchange sort does: each element sinks left
// past the elements that are later than it.
template <typename Later>
void insertionSort(std::vector<uint32_t>& order, size_t begin, size_t end, const Later& later) {
    for (size_t i = begin + 1; i < end; ++i) {
        const uint32_t moving = order[i];
        size_t j = i;
        while (j > begin && later(order[j - 1], moving)) {
            order[j] = order[j - 1];
            --j;
        }
        order[j] = moving;
    }
}

}  // namespace

DateKey DateKey::of(const DecodedDate& date) {
    DateKey key;
    key.oneDate = date.kind == kOneDateKind;
    key.day = (date.year1 * 12 + date.month1) * 31 + date.day1;
    key.text = formatDate(date).str();
    if (!key.oneDate && languageInUse() != "en") {
        const EnglishWords english;
        key.englishText = formatDate(date).str();
    }
    return key;
}

int compareDateKeys(const DateKey& a, const DateKey& b) {
    if (a.oneDate && b.oneDate) return a.day < b.day ? -1 : a.day > b.day ? 1 : 0;
    const std::string& left = a.englishText.empty() ? a.text : a.englishText;
    const std::string& right = b.englishText.empty() ? b.text : b.englishText;
    return left.compare(right);
}

void fillEntry(PafContext& ctx, DescendantEntry& entry, int32_t rin, int32_t parentRin, int32_t childLine,
               bool withName) {
    entry.rin = rin;
    entry.parentRin = parentRin;
    entry.childLine = childLine;
    entry.repeat = false;
    entry.date = DateKey();
    entry.name.clear();
    IndividualRecord person;
    entry.readable = readIndividual(ctx.file, rin, person);
    if (!entry.readable) return;
    if (withName) entry.name = recordNameNoSlashes(ctx.file, person).str();  // no room to spare: a generation holds tens of thousands
    if (person.birth.bytes[0] != 0) {
        entry.date = DateKey::of(decodeDate(ctx, person.birth));
    } else if (person.christening.bytes[0] != 0) {
        entry.date = DateKey::of(decodeDate(ctx, person.christening));
    }
}

std::vector<DescendantEntry> entriesOf(PafContext& ctx, const IntList& persons, bool withNames) {
    std::vector<DescendantEntry> entries(size_t(persons.size() / 3));
    // Read in RIN order, the order of the records in the file.
    for (const int32_t k : fileOrder(persons))
        fillEntry(ctx, entries[size_t(k)], persons.fetch(3 * k), persons.fetch(3 * k + 2), persons.fetch(3 * k + 1),
                  withNames);
    return entries;
}

void sortEntries(Host& host, std::vector<DescendantEntry>& entries) {
    const size_t n = entries.size();
    if (n < 2 || host.cancelRequested()) return;
    // The entries stay where they are while their numbers are sorted; the day keys
    // are copied beside them, so that most comparisons touch no entry.
    struct Key {
        int32_t day;
        bool oneDate;
    };
    std::vector<Key> keys(n);
    std::vector<uint32_t> order(n);
    for (size_t k = 0; k < n; ++k) {
        order[k] = uint32_t(k);
        keys[k] = {entries[k].date.day, entries[k].date.oneDate};
    }
    const auto later = [&](uint32_t a, uint32_t b) {
        if (keys[a].oneDate && keys[b].oneDate) return keys[a].day > keys[b].day;
        return compareDateKeys(entries[a].date, entries[b].date) > 0;
    };
    if (n <= kExactSortLimit) {
        insertionSort(order, 0, n, later);
    } else {
        // Runs of 32 by insertion, then merged pairwise; on equal dates the left
        // run's entry goes first, which keeps the list order.
        constexpr size_t kRun = 32;
        for (size_t begin = 0; begin < n; begin += kRun) insertionSort(order, begin, std::min(n, begin + kRun), later);
        std::vector<uint32_t> merged(n);
        for (size_t width = kRun; width < n; width *= 2) {
            if (host.cancelRequested()) break;
            for (size_t begin = 0; begin < n; begin += 2 * width) {
                const size_t middle = std::min(n, begin + width);
                const size_t end = std::min(n, begin + 2 * width);
                size_t left = begin, right = middle, out = begin;
                while (left < middle && right < end)
                    merged[out++] = later(order[left], order[right]) ? order[right++] : order[left++];
                while (left < middle) merged[out++] = order[left++];
                while (right < end) merged[out++] = order[right++];
            }
            order.swap(merged);
        }
    }
    std::vector<DescendantEntry> sorted;
    sorted.reserve(n);
    for (const uint32_t k : order) sorted.push_back(std::move(entries[k]));
    entries.swap(sorted);
}

size_t firstLinePiece(const PageLog& log, std::string_view text, int32_t limit) {
    std::string_view piece = text;
    while (log.textWidth(piece) > limit) {
        const size_t space = piece.rfind(' ');
        // A cut at the very start would print nothing and never advance.
        if (space == std::string_view::npos || space == 0) return fittingPrefix(log, piece, limit);
        piece = piece.substr(0, space);
    }
    return piece.size();
}

void layOutNameColumns(const PageLog& log, std::string_view name, std::string_view parent, const NameColumns& columns,
                       NameColumnLines& lines) {
    lines.clear();
    while (log.textWidth(name) > columns.nameLimit || log.textWidth(parent) > columns.parentLimit) {
        const size_t namePiece = firstLinePiece(log, name, columns.nameLimit);
        // The parent column is cut to the name column's width as well.
        const size_t parentPiece = firstLinePiece(log, parent, columns.nameLimit);
        lines.push_back({name.substr(0, namePiece), parent.substr(0, parentPiece)});
        name.remove_prefix(namePiece);
        parent.remove_prefix(parentPiece);
    }
    lines.push_back({name, parent});
}

double printNameColumns(PageLog& log, double y, const NameColumnLines& lines, const NameColumns& columns,
                        const std::function<double(double)>& pageCheck) {
    for (size_t k = 0; k < lines.size(); ++k) {
        y = pageCheck(y);
        // A cut line prints its pieces only; the last line prints both columns.
        const bool last = k + 1 == lines.size();
        if (last || !lines[k].name.empty()) log.text(columns.nameX, y, lines[k].name);
        if (last || !lines[k].parent.empty()) log.text(columns.parentX, y, lines[k].parent);
        y += columns.lineHeight;
    }
    return y;
}

double printNameColumns(PageLog& log, double y, std::string_view name, std::string_view parent,
                        const NameColumns& columns, const std::function<double(double)>& pageCheck) {
    NameColumnLines lines;
    layOutNameColumns(log, name, parent, columns, lines);
    return printNameColumns(log, y, lines, columns, pageCheck);
}

}  // namespace tw
