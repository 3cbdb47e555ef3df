#include "reports/descendant_entry.h"

#include <algorithm>
#include <utility>

#include "paf/records.h"
#include "reports/wrap_name.h"

namespace tw {

namespace {

constexpr uint8_t kOneDateKind = 2;

// Sorts entries[begin, end) in place the way the exchange sort does: each entry
// sinks left past the entries whose date is later than its own.
void insertionSort(std::vector<DescendantEntry>& entries, size_t begin, size_t end) {
    for (size_t i = begin + 1; i < end; ++i) {
        if (compareDateKeys(entries[i - 1].date, entries[i].date) <= 0) continue;
        DescendantEntry moving = std::move(entries[i]);
        size_t j = i;
        do {
            entries[j] = std::move(entries[j - 1]);
            --j;
        } while (j > begin && compareDateKeys(entries[j - 1].date, moving.date) > 0);
        entries[j] = std::move(moving);
    }
}

}  // namespace

DateKey DateKey::of(const DecodedDate& date) {
    DateKey key;
    key.oneDate = date.kind == kOneDateKind;
    key.day = (date.year1 * 12 + date.month1) * 31 + date.day1;
    key.text = formatDate(date).str();
    return key;
}

int compareDateKeys(const DateKey& a, const DateKey& b) {
    if (a.oneDate && b.oneDate) return a.day < b.day ? -1 : a.day > b.day ? 1 : 0;
    return a.text.compare(b.text);
}

void fillEntry(PafContext& ctx, DescendantEntry& entry, int32_t rin, int32_t parentRin, int32_t childLine) {
    entry.rin = rin;
    entry.parentRin = parentRin;
    entry.childLine = childLine;
    entry.repeat = false;
    entry.date = DateKey();
    IndividualRecord person;
    entry.readable = readIndividual(ctx.file, rin, person);
    if (!entry.readable) return;
    if (person.birth.bytes[0] != 0) {
        entry.date = DateKey::of(decodeDate(ctx, person.birth));
    } else if (person.christening.bytes[0] != 0) {
        entry.date = DateKey::of(decodeDate(ctx, person.christening));
    }
}

std::vector<DescendantEntry> entriesOf(PafContext& ctx, const IntList& persons) {
    std::vector<DescendantEntry> entries(size_t(persons.size() / 3));
    for (size_t k = 0; k < entries.size(); ++k) {
        const auto i = int32_t(3 * k);
        fillEntry(ctx, entries[k], persons.fetch(i), persons.fetch(i + 2), persons.fetch(i + 1));
    }
    return entries;
}

void sortEntries(Host& host, std::vector<DescendantEntry>& entries) {
    const size_t n = entries.size();
    if (n < 2) return;
    if (n <= kExactSortLimit) {
        if (!host.cancelRequested()) insertionSort(entries, 0, n);
        return;
    }
    // Runs of 32 by insertion, then merged pairwise; on equal dates the left run's
    // entry goes first, which keeps the list order.
    constexpr size_t kRun = 32;
    for (size_t begin = 0; begin < n; begin += kRun) insertionSort(entries, begin, std::min(n, begin + kRun));
    std::vector<DescendantEntry> merged(n);
    for (size_t width = kRun; width < n; width *= 2) {
        if (host.cancelRequested()) return;
        for (size_t begin = 0; begin < n; begin += 2 * width) {
            const size_t middle = std::min(n, begin + width);
            const size_t end = std::min(n, begin + 2 * width);
            size_t left = begin, right = middle, out = begin;
            while (left < middle && right < end) {
                if (compareDateKeys(entries[left].date, entries[right].date) > 0) {
                    merged[out++] = std::move(entries[right++]);
                } else {
                    merged[out++] = std::move(entries[left++]);
                }
            }
            while (left < middle) merged[out++] = std::move(entries[left++]);
            while (right < end) merged[out++] = std::move(entries[right++]);
        }
        entries.swap(merged);
    }
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

double printNameColumns(PageLog& log, double y, std::string_view name, std::string_view parent,
                        const NameColumns& columns, const std::function<double(double)>& pageCheck) {
    while (log.textWidth(name) > columns.nameLimit || log.textWidth(parent) > columns.parentLimit) {
        y = pageCheck(y);
        const size_t namePiece = firstLinePiece(log, name, columns.nameLimit);
        if (namePiece > 0) log.text(columns.nameX, y, name.substr(0, namePiece));
        name.remove_prefix(namePiece);
        // The parent column is cut to the name column's width as well.
        const size_t parentPiece = firstLinePiece(log, parent, columns.nameLimit);
        if (parentPiece > 0) log.text(columns.parentX, y, parent.substr(0, parentPiece));
        parent.remove_prefix(parentPiece);
        y += columns.lineHeight;
    }
    y = pageCheck(y);
    log.text(columns.nameX, y, name);
    log.text(columns.parentX, y, parent);
    return y + columns.lineHeight;
}

}  // namespace tw
