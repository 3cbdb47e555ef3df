#include "paf/paf_writer.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "base/translation.h"
#include "paf/byte_order.h"
#include "paf/codepage.h"
#include "paf/date_encoding.h"

namespace tw {

std::vector<uint8_t> PafImage::flatten() const {
    const std::span<const uint8_t> all = bytes_.span();
    return std::vector<uint8_t>(all.begin(), all.end());
}

namespace {

// ---------------------------------------------------------------------------
// The records of a packed family. A person: sex, flags (1: deleted), the set
// dates and those of them stored as text (one bit each, in kPersonDates order), the
// name and the birth place, then each set date: its text, or its 12 bytes. A
// marriage: flags, the set dates and those stored as text (date, sealing), the
// place, then each set date. A text is its length (7 bits a byte, low bits first,
// the top bit on all but the last) and its bytes.

constexpr int kPersonDates = 6;  // birth, christening, death, burial, baptism, endowment
constexpr uint8_t kDeleted = 1;

struct DateField {
    PafDate value;
    std::string_view text;  // a date stored as text when not empty
};

struct PersonFields {
    char sex = 'M';
    bool deleted = false;
    std::string_view name, birthPlace;
    DateField dates[kPersonDates];
};

struct MarriageFields {
    bool deleted = false;
    std::string_view place;
    DateField date, sealing;
};

bool isStored(const WriterDate& date) { return !date.text.empty() || date.value != PafDate{}; }

void putText(std::string& out, std::string_view text) {
    size_t length = text.size();
    while (length >= 0x80) {
        out += char(length | 0x80);
        length >>= 7;
    }
    out += char(length);
    out += text;
}

std::string_view takeText(const char*& at) {
    size_t length = 0;
    for (int shift = 0;; shift += 7) {
        const auto b = uint8_t(*at++);
        length |= size_t(b & 0x7F) << shift;
        if ((b & 0x80) == 0) break;
    }
    const std::string_view text(at, length);
    at += length;
    return text;
}

// Sets the bits of the dates given and appends them; returns the two masks.
std::pair<uint8_t, uint8_t> putDates(std::string& out, std::initializer_list<const WriterDate*> dates) {
    uint8_t set = 0, asText = 0, bit = 1;
    for (const WriterDate* d : dates) {
        if (isStored(*d)) {
            set |= bit;
            if (!d->text.empty()) {
                asText |= bit;
                putText(out, d->text);
            } else {
                out.append(reinterpret_cast<const char*>(d->value.bytes.data()), d->value.bytes.size());
            }
        }
        bit = uint8_t(bit << 1);
    }
    return {set, asText};
}

void takeDates(const char*& at, uint8_t set, uint8_t asText, std::initializer_list<DateField*> dates) {
    uint8_t bit = 1;
    for (DateField* d : dates) {
        if ((set & bit) != 0) {
            if ((asText & bit) != 0) {
                d->text = takeText(at);
            } else {
                std::memcpy(d->value.bytes.data(), at, d->value.bytes.size());
                at += d->value.bytes.size();
            }
        }
        bit = uint8_t(bit << 1);
    }
}

PersonFields readPerson(std::string_view record) {
    PersonFields p;
    const char* at = record.data();
    p.sex = at[0];
    p.deleted = (uint8_t(at[1]) & kDeleted) != 0;
    const auto set = uint8_t(at[2]), asText = uint8_t(at[3]);
    at += 4;
    p.name = takeText(at);
    p.birthPlace = takeText(at);
    takeDates(at, set, asText, {&p.dates[0], &p.dates[1], &p.dates[2], &p.dates[3], &p.dates[4], &p.dates[5]});
    return p;
}

MarriageFields readMarriage(std::string_view record) {
    MarriageFields m;
    const char* at = record.data();
    m.deleted = (uint8_t(at[0]) & kDeleted) != 0;
    const auto set = uint8_t(at[1]), asText = uint8_t(at[2]);
    at += 3;
    m.place = takeText(at);
    takeDates(at, set, asText, {&m.date, &m.sealing});
    return m;
}

WriterDate writerDate(const DateField& d) {
    if (!d.text.empty()) return WriterDate::asText(std::string(d.text));
    return WriterDate(d.value);
}

}  // namespace

std::span<const int32_t> PackedFamily::childrenOf(int32_t mrin) const {
    if (childStart.empty() || mrin < 1 || size_t(mrin) >= childStart.size()) return {};
    const uint32_t first = childStart[size_t(mrin - 1)];
    return std::span<const int32_t>(children).subspan(first, childStart[size_t(mrin)] - first);
}

void appendPerson(PackedFamily& family, const WriterPerson& p) {
    thread_local std::string record;
    record.assign(4, '\0');
    record[0] = p.sex;
    record[1] = char(p.deleted ? kDeleted : 0);
    putText(record, p.name);
    putText(record, p.birthPlace);
    const auto [set, asText] =
        putDates(record, {&p.birth, &p.christening, &p.death, &p.burial, &p.baptism, &p.endowment});
    record[2] = char(set);
    record[3] = char(asText);
    family.people.append(record);
}

void appendMarriage(PackedFamily& family, const WriterMarriage& m) {
    thread_local std::string record;
    record.assign(3, '\0');
    record[0] = char(m.deleted ? kDeleted : 0);
    putText(record, m.place);
    const auto [set, asText] = putDates(record, {&m.date, &m.sealing});
    record[1] = char(set);
    record[2] = char(asText);
    family.marriages.append(record);
    family.couples.push_back({m.husband, m.wife});
}

PackedFamily packFamily(const WriterFamily& family) {
    PackedFamily packed;
    for (size_t i = 0; i < family.people.size(); ++i) {
        const WriterPerson& p = family.people[i];
        appendPerson(packed, p);
        if (!p.marriageOrder.empty()) packed.marriageOrders.emplace_back(int32_t(i + 1), p.marriageOrder);
    }
    size_t children = 0;
    for (const WriterMarriage& m : family.marriages) children += m.children.size();
    packed.children.reserve(children);
    for (const WriterMarriage& m : family.marriages) {
        appendMarriage(packed, m);
        if (children > 0) packed.childStart.push_back(uint32_t(packed.children.size()));
        for (size_t c = 0; c < m.children.size(); ++c) {
            if (c < m.childSealings.size() && isStored(m.childSealings[c]))
                packed.childSealings.emplace_back(uint32_t(packed.children.size()), m.childSealings[c]);
            packed.children.push_back(m.children[c]);
        }
    }
    if (children > 0) packed.childStart.push_back(uint32_t(packed.children.size()));
    return packed;
}

WriterFamily unpackFamily(const PackedFamily& packed) {
    WriterFamily family;
    RecordBlocks::Reader people(packed.people);
    for (std::string_view record; people.next(record);) {
        const PersonFields f = readPerson(record);
        WriterPerson& p = family.people.emplace_back();
        p.sex = f.sex;
        p.deleted = f.deleted;
        p.name = f.name;
        p.birthPlace = f.birthPlace;
        WriterDate* dates[] = {&p.birth, &p.christening, &p.death, &p.burial, &p.baptism, &p.endowment};
        for (int d = 0; d < kPersonDates; ++d) *dates[d] = writerDate(f.dates[d]);
    }
    for (const auto& [rin, order] : packed.marriageOrders) family.person(rin).marriageOrder = order;
    RecordBlocks::Reader marriages(packed.marriages);
    auto sealing = packed.childSealings.begin();
    for (std::string_view record; marriages.next(record);) {
        const MarriageFields f = readMarriage(record);
        const auto mrin = int32_t(family.marriages.size() + 1);
        WriterMarriage& m = family.marriages.emplace_back();
        m.deleted = f.deleted;
        m.place = f.place;
        m.date = writerDate(f.date);
        m.sealing = writerDate(f.sealing);
        m.husband = packed.couples[size_t(mrin - 1)].husband;
        m.wife = packed.couples[size_t(mrin - 1)].wife;
        const std::span<const int32_t> children = packed.childrenOf(mrin);
        m.children.assign(children.begin(), children.end());
        const uint32_t first = children.empty() ? 0 : packed.childStart[size_t(mrin - 1)];
        for (; sealing != packed.childSealings.end() && !children.empty() && sealing->first < first + children.size();
             ++sealing) {
            m.childSealings.resize(sealing->first - first + 1);
            m.childSealings.back() = sealing->second;
        }
    }
    return family;
}

namespace {

// ---------------------------------------------------------------------------
// Text area: name entries and text records, packed into pages of their own, never
// straddling a page, in the order people and marriages are written (for a person
// the name entry, the birth place and the dates stored as text; for a marriage its
// place, its dates stored as text and those of its children's sealings).

constexpr size_t kMaxText = 255;  // bytes of a name or text PAF holds

size_t nameEntrySize(std::string_view name) { return size_t(paf::nameentry::kNameStart) + std::min(name.size(), kMaxText) + 1; }
size_t textRecordSize(std::string_view text) { return size_t(paf::text::kTextStart) + std::min(text.size(), kMaxText) + 1; }

struct PagePlace {
    int space = 0;
    int page = 0;
    uint64_t offset() const { return uint64_t(paf::pageOffset(space, page)); }
};

// Where the entries go: the next entry starts a new page when it would not fit in
// what is left of the current one.
class TextCursor {
public:
    explicit TextCursor(const std::vector<PagePlace>* pages = nullptr) : pages_(pages) {}
    // The file offset of an entry of that size (0 while only counting pages).
    uint64_t place(size_t size);
    int pages() const { return page_ + 1; }

private:
    const std::vector<PagePlace>* pages_;
    int page_ = -1;
    size_t used_ = paf::kPageSize;
};

// ---------------------------------------------------------------------------
// Page placement

uint64_t TextCursor::place(size_t size) {
    if (used_ + size > size_t(paf::kPageSize)) {
        ++page_;
        used_ = 0;
    }
    const uint64_t at = pages_ != nullptr ? (*pages_)[size_t(page_)].offset() + used_ : 0;
    used_ += size;
    return at;
}

struct Placement {
    std::vector<PagePlace> pages[paf::kPageTypes + 1];  // by page type, in record order
    int spaces = 1;
    uint64_t end = uint64_t(paf::kSpaceBase);  // the end of the last page
    std::string error;
};

int pagesFor(size_t records, int perPage) { return int((records + size_t(perPage) - 1) / size_t(perPage)); }

// Deals pages to the tables in turn, space by space, so that pages of different
// types interleave and each type's pages ascend within a space.
Placement placePages(const std::vector<std::pair<int, int>>& needs, int maxPerSpace) {
    Placement placement;
    std::vector<int> remaining;
    for (const auto& need : needs) remaining.push_back(need.second);
    int space = 0;
    int page = 1;
    std::vector<int> inSpace(needs.size(), 0);
    while (std::accumulate(remaining.begin(), remaining.end(), 0) > 0) {
        bool placed = false;
        for (size_t i = 0; i < needs.size(); ++i) {
            if (remaining[i] == 0 || page >= paf::kPagesPerSpace) continue;
            const bool isTable = needs[i].first != paf::kTextPageType;
            if (isTable && maxPerSpace > 0 && inSpace[i] >= maxPerSpace) continue;
            placement.pages[needs[i].first].push_back({space, page++});
            --remaining[i];
            ++inSpace[i];
            placed = true;
        }
        if (placed) continue;
        ++space;
        page = 1;
        std::fill(inSpace.begin(), inSpace.end(), 0);
        if (space >= paf::kMaxPageSpaces) {
            placement.error = TW_TR("Messages", "the family does not fit in 31 page spaces");
            return placement;
        }
    }
    placement.spaces = space + 1;
    // Every space has its map page; the file ends with the last page of all.
    placement.end = std::max(placement.end, uint64_t(paf::spaceStart(placement.spaces - 1)) + paf::kPageSize);
    for (const auto& pages : placement.pages) {
        for (const PagePlace& p : pages) placement.end = std::max(placement.end, p.offset() + paf::kPageSize);
    }
    return placement;
}

// ---------------------------------------------------------------------------
// The name index: a balanced search tree over the people in name order, surname
// first, capital and small ASCII letters alike, equal names by RIN.

// The key of a name: its surname, byte 1, its given names and suffix, ASCII letters
// as capitals, in the bytes of appendNameOrderKey.
void nameKey(std::string_view name, std::string& upper, std::string& key) {
    upper.clear();
    const size_t first = name.find('/');
    if (first == std::string_view::npos) {
        upper += '\x01';
        upper += name;
    } else {
        const size_t second = name.find('/', first + 1);
        const size_t end = second == std::string_view::npos ? name.size() : second;
        upper += name.substr(first + 1, end - first - 1);
        upper += '\x01';
        upper += name.substr(0, first);
        if (end < name.size()) upper += name.substr(end + 1);
    }
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    }
    appendNameOrderKey(upper, key);
}

struct NameTree {
    std::vector<int32_t> left, right;  // by RIN (index 0 unused)
    int32_t root = 0;
    int32_t size = 0;
};

int32_t buildSubtree(const std::vector<int32_t>& sorted, int lo, int hi, NameTree& tree) {
    if (lo > hi) return 0;
    const int mid = lo + (hi - lo) / 2;
    const int32_t rin = sorted[size_t(mid)];
    tree.left[size_t(rin)] = buildSubtree(sorted, lo, mid - 1, tree);
    tree.right[size_t(rin)] = buildSubtree(sorted, mid + 1, hi, tree);
    return rin;
}

// The distinct keys of many names, each kept once: most names are shared by many
// people, and a family of a million has some ten thousand different ones.
class DistinctKeys {
public:
    explicit DistinctKeys(size_t names) {
        size_t size = 64;
        while (size < names * 2) size *= 2;
        slots_.assign(size, 0);
    }
    // The number of the key that was appended to bytes() last, which is taken back
    // out of bytes() when it is there already.
    uint32_t take(size_t start) {
        const std::string_view key(bytes_.data() + start, bytes_.size() - start);
        const size_t mask = slots_.size() - 1;
        for (size_t at = std::hash<std::string_view>{}(key) & mask;; at = (at + 1) & mask) {
            if (slots_[at] == 0) {
                keys_.push_back({start, key.size()});
                slots_[at] = uint32_t(keys_.size());
                if (keys_.size() * 2 > slots_.size()) grow();
                return uint32_t(keys_.size() - 1);
            }
            if (this->key(slots_[at] - 1) == key) {
                bytes_.resize(start);
                return slots_[at] - 1;
            }
        }
    }
    std::string& bytes() { return bytes_; }
    size_t size() const { return keys_.size(); }
    std::string_view key(uint32_t n) const { return std::string_view(bytes_.data() + keys_[n].first, keys_[n].second); }

private:
    void grow() {
        std::vector<uint32_t> slots(slots_.size() * 2, 0);
        const size_t mask = slots.size() - 1;
        for (uint32_t n = 0; n < keys_.size(); ++n) {
            size_t at = std::hash<std::string_view>{}(key(n)) & mask;
            while (slots[at] != 0) at = (at + 1) & mask;
            slots[at] = n + 1;
        }
        slots_ = std::move(slots);
    }
    std::string bytes_;
    std::vector<std::pair<size_t, size_t>> keys_;  // start and length in bytes_
    std::vector<uint32_t> slots_;                  // key number + 1, or 0
};

// The people who are not deleted, in name order, those of the same name by RIN.
std::vector<int32_t> peopleByName(const RecordBlocks& people) {
    DistinctKeys keys(std::min<size_t>(people.count(), size_t(1) << 16));
    std::vector<uint32_t> keyOf(people.count() + 1, 0);  // by RIN
    std::vector<bool> named(people.count() + 1, false);
    std::string upper;
    RecordBlocks::Reader reader(people);
    size_t rin = 0;
    for (std::string_view record; reader.next(record);) {
        ++rin;
        const PersonFields p = readPerson(record);
        if (p.deleted) continue;
        const size_t start = keys.bytes().size();
        nameKey(p.name, upper, keys.bytes());
        keyOf[rin] = keys.take(start);
        named[rin] = true;
    }
    // The rank of each distinct key, then the people by rank: counted, so that
    // people of one name stay in RIN order.
    std::vector<uint32_t> byKey(keys.size());
    std::iota(byKey.begin(), byKey.end(), 0u);
    std::sort(byKey.begin(), byKey.end(), [&](uint32_t a, uint32_t b) { return keys.key(a) < keys.key(b); });
    std::vector<uint32_t> first(keys.size() + 1, 0);  // by key: where its people start
    for (size_t r = 1; r <= rin; ++r) {
        if (named[r]) ++first[keyOf[r] + 1];
    }
    std::vector<uint32_t> rankOf(keys.size());
    for (uint32_t rank = 0; rank < byKey.size(); ++rank) rankOf[byKey[rank]] = rank;
    std::vector<uint32_t> count(keys.size() + 1, 0);  // by rank
    for (uint32_t k = 0; k < keys.size(); ++k) count[rankOf[k] + 1] = first[k + 1];
    std::partial_sum(count.begin(), count.end(), count.begin());
    std::vector<int32_t> sorted(count.back());
    for (size_t r = 1; r <= rin; ++r) {
        if (named[r]) sorted[count[rankOf[keyOf[r]]]++] = int32_t(r);
    }
    return sorted;
}

// ---------------------------------------------------------------------------
// The writer

class ImageWriter {
public:
    ImageWriter(PackedFamily& family, const WriterOptions& options) : family_(family), options_(options) {}

    PafImage build() {
        people_ = family_.personCount();
        marriages_ = family_.marriageCount();
        if (!checkLinks()) return std::move(image_);
        const size_t people = people_;
        buildNameTree();
        const std::vector<std::pair<int, int>> needs = {
            {paf::kIndividuals.pageType, pagesFor(people, paf::kIndividuals.recordsPerPage)},
            {paf::kMarriages.pageType, pagesFor(marriages_, paf::kMarriages.recordsPerPage)},
            {paf::kChildLinks.pageType, pagesFor(family_.children.size(), paf::kChildLinks.recordsPerPage)},
            {paf::kNameNodes.pageType, pagesFor(people, paf::kNameNodes.recordsPerPage)},
            {paf::kTextPageType, countTextPages()},
        };
        placement_ = placePages(needs, options_.maxTablePagesPerSpace);
        if (!placement_.error.empty()) {
            image_.setError(placement_.error);
            return std::move(image_);
        }
        image_.allocate(size_t(placement_.end));
        text_ = TextCursor(&placement_.pages[paf::kTextPageType]);
        indexMarriagesByPerson();
        writeIndividuals();
        writeMarriagesAndChildLinks();
        writeMapsAndCounts();
        writeHeader();
        return std::move(image_);
    }

private:
    bool checkLinks() {
        const auto people = int32_t(people_);
        const auto marriages = int32_t(marriages_);
        auto badRin = [&](int32_t r) { return r < 0 || r > people; };
        if (family_.couples.size() != size_t(marriages) ||
            (!family_.childStart.empty() && family_.childStart.size() != size_t(marriages) + 1))
            return fail(std::string(TW_TR("Messages", "the marriages' links do not match the marriages")));
        for (int32_t m = 1; m <= marriages; ++m) {
            const PackedFamily::Couple& couple = family_.couples[size_t(m - 1)];
            bool bad = badRin(couple.husband) || badRin(couple.wife);
            for (const int32_t c : family_.childrenOf(m)) bad = bad || c < 1 || c > people;
            if (bad) return fail(fillIn(TW_TR("Messages", "marriage %1 names a person who does not exist"), {std::to_string(m)}));
        }
        for (const auto& [rin, order] : family_.marriageOrders) {
            for (const int32_t m : order) {
                if (m < 1 || m > marriages)
                    return fail(fillIn(TW_TR("Messages", "person %1 lists a marriage that does not exist"), {std::to_string(rin)}));
            }
        }
        return true;
    }

    bool fail(std::string error) {
        image_.setError(std::move(error));
        return false;
    }

    void buildNameTree() {
        const std::vector<int32_t> sorted = peopleByName(family_.people);
        tree_.left.assign(people_ + 1, 0);
        tree_.right.assign(people_ + 1, 0);
        tree_.size = int32_t(sorted.size());
        tree_.root = buildSubtree(sorted, 0, int(sorted.size()) - 1, tree_);
    }

    // How many text pages the entries take, placed as writeIndividuals and
    // writeMarriagesAndChildLinks will place them.
    int countTextPages() const {
        TextCursor cursor;
        RecordBlocks::Reader people(family_.people);
        for (std::string_view record; people.next(record);) {
            const PersonFields p = readPerson(record);
            cursor.place(nameEntrySize(p.name));
            if (!p.birthPlace.empty()) cursor.place(textRecordSize(p.birthPlace));
            for (const DateField& d : p.dates) {
                if (!d.text.empty()) cursor.place(textRecordSize(d.text));
            }
        }
        auto sealing = family_.childSealings.cbegin();
        RecordBlocks::Reader marriages(family_.marriages);
        int32_t mrin = 0;
        for (std::string_view record; marriages.next(record);) {
            const MarriageFields m = readMarriage(record);
            if (!m.place.empty()) cursor.place(textRecordSize(m.place));
            for (const DateField* d : {&m.date, &m.sealing}) {
                if (!d->text.empty()) cursor.place(textRecordSize(d->text));
            }
            const uint32_t end = family_.childStart.empty() ? 0 : family_.childStart[size_t(++mrin)];
            for (; sealing != family_.childSealings.cend() && sealing->first < end; ++sealing) {
                if (!sealing->second.text.empty()) cursor.place(textRecordSize(sealing->second.text));
            }
        }
        return cursor.pages();
    }

    // Writes a text record at the text cursor; its file offset, or 0 for no text.
    int32_t putTextRecord(std::string_view text) {
        if (text.empty()) return 0;
        const uint64_t at = text_.place(textRecordSize(text));
        const size_t length = std::min(text.size(), kMaxText);
        std::memcpy(image_.region(at + paf::text::kTextStart, length).data(), text.data(), length);
        return int32_t(at);
    }

    // The two bytes before the name are not part of it; they are written non-zero so
    // that the entry read as a text record still reaches the name.
    int32_t putNameEntry(int32_t rin, std::string_view name) {
        const uint64_t at = text_.place(nameEntrySize(name));
        const auto entry = image_.region(at, nameEntrySize(name));
        writeInt32le(entry, paf::nameentry::kRin, rin);
        entry[13] = 1;
        entry[14] = 1;
        const size_t length = std::min(name.size(), kMaxText);
        std::memcpy(entry.data() + paf::nameentry::kNameStart, name.data(), length);
        return int32_t(at);
    }

    // The date as stored: encoded, or pointing at its text record.
    PafDate putDate(const DateField& date) {
        if (date.text.empty()) return date.value;
        return makeTextDate(putTextRecord(date.text));
    }
    PafDate putDate(const WriterDate& date) {
        if (date.text.empty()) return date.value;
        return makeTextDate(putTextRecord(date.text));
    }

    std::span<uint8_t> record(const paf::TableLayout& table, size_t n) {
        const size_t index = (n - 1) / size_t(table.recordsPerPage);
        const PagePlace& page = placement_.pages[table.pageType][index];
        const size_t slot = (n - 1) % size_t(table.recordsPerPage);
        return image_.region(page.offset() + slot * size_t(table.recordSize), size_t(table.recordSize));
    }

    static void copyDate(std::span<uint8_t> r, int offset, const PafDate& date) {
        std::copy(date.bytes.begin(), date.bytes.end(), r.begin() + offset);
    }

    // Every marriage that names each person, in MRIN order: the marriages of person
    // r are namingMarriages_[namingStart_[r - 1] .. namingStart_[r] - 1].
    void indexMarriagesByPerson() {
        namingStart_.assign(people_ + 1, 0);
        const auto& couples = family_.couples;
        for (const PackedFamily::Couple& c : couples) {
            if (c.husband > 0) ++namingStart_[size_t(c.husband)];
            if (c.wife > 0 && c.wife != c.husband) ++namingStart_[size_t(c.wife)];
        }
        std::partial_sum(namingStart_.begin(), namingStart_.end(), namingStart_.begin());
        namingMarriages_.assign(namingStart_.back(), 0);
        std::vector<uint32_t> fill(namingStart_.begin(), namingStart_.end() - 1);
        for (size_t m = 0; m < couples.size(); ++m) {
            if (couples[m].husband > 0) namingMarriages_[fill[size_t(couples[m].husband - 1)]++] = int32_t(m + 1);
            if (couples[m].wife > 0 && couples[m].wife != couples[m].husband)
                namingMarriages_[fill[size_t(couples[m].wife - 1)]++] = int32_t(m + 1);
        }
    }

    // The first child link that makes each person a child, by RIN.
    std::vector<int32_t> firstChildLinks() const {
        std::vector<int32_t> of(people_ + 1, 0);
        for (size_t n = 0; n < family_.children.size(); ++n) {
            int32_t& link = of[size_t(family_.children[n])];
            if (link == 0) link = int32_t(n + 1);
        }
        return of;
    }

    void writeIndividuals() {
        namespace f = paf::individual;
        nextInChain_.assign(marriages_ * 2, 0);
        const std::vector<int32_t> childLinkOf = firstChildLinks();
        auto order = family_.marriageOrders.cbegin();
        RecordBlocks::Reader people = RecordBlocks::Reader::consuming(family_.people);
        int32_t rin = 0;
        for (std::string_view text; people.next(text);) {
            ++rin;
            const PersonFields p = readPerson(text);
            const int32_t nameEntry = putNameEntry(rin, p.name);
            const int32_t birthPlace = putTextRecord(p.birthPlace);
            PafDate dates[kPersonDates];
            for (int d = 0; d < kPersonDates; ++d) dates[d] = putDate(p.dates[d]);
            auto r = record(paf::kIndividuals, size_t(rin));
            writeInt32le(r, f::kNameOffset, nameEntry);
            std::span<const int32_t> marriages(namingMarriages_.data() + namingStart_[size_t(rin - 1)],
                                               namingStart_[size_t(rin)] - namingStart_[size_t(rin - 1)]);
            while (order != family_.marriageOrders.cend() && order->first < rin) ++order;
            if (order != family_.marriageOrders.cend() && order->first == rin && !order->second.empty())
                marriages = order->second;
            writeInt32le(r, f::kFirstMrin, marriages.empty() ? 0 : marriages.front());
            for (size_t k = 0; k + 1 < marriages.size(); ++k) chainMarriage(rin, marriages[k], marriages[k + 1]);
            writeInt32le(r, f::kChildLink, childLinkOf[size_t(rin)]);
            copyDate(r, f::kBirth, dates[0]);
            writeInt32le(r, f::kBirthPlace, birthPlace);
            copyDate(r, f::kChristening, dates[1]);
            copyDate(r, f::kDeath, dates[2]);
            copyDate(r, f::kBurial, dates[3]);
            copyDate(r, f::kBaptism, dates[4]);
            copyDate(r, f::kEndowment, dates[5]);
            r[f::kSex] = p.deleted ? uint8_t('D') : uint8_t(p.sex);
            if (!p.deleted) writeNameNode(rin, nameEntry);
        }
        tree_.left = {};
        tree_.right = {};
        family_.marriageOrders = {};
        namingMarriages_ = {};
        namingStart_ = {};
    }

    // Links marriage `from` to `to` in the chain of the partner rin is in `from`.
    void chainMarriage(int32_t rin, int32_t from, int32_t to) {
        const PackedFamily::Couple& couple = family_.couples[size_t(from - 1)];
        const bool asHusband = couple.husband == rin || couple.wife != rin;
        nextInChain_[size_t(from - 1) * 2 + (asHusband ? 0 : 1)] = to;
    }

    void writeMarriagesAndChildLinks() {
        namespace f = paf::marriage;
        namespace c = paf::childlink;
        auto sealing = family_.childSealings.cbegin();
        RecordBlocks::Reader marriages = RecordBlocks::Reader::consuming(family_.marriages);
        int32_t mrin = 0;
        for (std::string_view text; marriages.next(text);) {
            ++mrin;
            const MarriageFields m = readMarriage(text);
            const int32_t place = putTextRecord(m.place);
            const PafDate date = putDate(m.date);
            const PafDate sealingDate = putDate(m.sealing);
            const std::span<const int32_t> children = family_.childrenOf(mrin);
            const uint32_t first = children.empty() ? 0 : family_.childStart[size_t(mrin - 1)];
            for (size_t k = 0; k < children.size(); ++k) {
                const uint32_t n = first + uint32_t(k);  // child link n + 1
                auto link = record(paf::kChildLinks, n + 1);
                writeInt32le(link, c::kMrin, mrin);
                writeInt32le(link, c::kNext, k + 1 == children.size() ? int32_t(first + 1) : int32_t(n + 2));
                writeInt32le(link, c::kChild, children[k]);
                while (sealing != family_.childSealings.cend() && sealing->first < n) ++sealing;
                if (sealing != family_.childSealings.cend() && sealing->first == n)
                    copyDate(link, c::kSealing, putDate(sealing->second));
            }
            auto r = record(paf::kMarriages, size_t(mrin));
            const PackedFamily::Couple& couple = family_.couples[size_t(mrin - 1)];
            writeInt32le(r, f::kHusband, couple.husband);
            writeInt32le(r, f::kWife, couple.wife);
            writeInt32le(r, f::kFirstChildLink, children.empty() ? 0 : int32_t(first + 1));
            writeInt32le(r, f::kHusbandNext, nextInChain_[size_t(mrin - 1) * 2]);
            writeInt32le(r, f::kWifeNext, nextInChain_[size_t(mrin - 1) * 2 + 1]);
            copyDate(r, f::kDate, date);
            writeInt32le(r, f::kPlace, place);
            copyDate(r, f::kSealing, sealingDate);
            if (m.deleted) r[f::kStatus] = 'D';
        }
        // What is left of the family is not needed for the rest of the image.
        family_.childSealings = {};
        family_.couples = {};
        family_.childStart = {};
        family_.children = {};
        nextInChain_ = {};
    }

    // The person's node of the name index (a deleted person has none).
    void writeNameNode(int32_t rin, int32_t nameEntry) {
        namespace f = paf::namenode;
        auto r = record(paf::kNameNodes, size_t(rin));
        writeInt32le(r, f::kRight, tree_.right[size_t(rin)]);
        writeInt32le(r, f::kLeft, tree_.left[size_t(rin)]);
        writeInt32le(r, f::kNameEntry, nameEntry);
    }

    void writeMapsAndCounts() {
        auto counts = image_.region(uint64_t(paf::kPageCountTableOffset), size_t(paf::kPageCountTableSize));
        for (int s = 0; s < placement_.spaces; ++s) {
            auto map = image_.region(uint64_t(paf::spaceStart(s)), paf::kPageSize);
            map[0] = paf::kMapPageType;
            writeInt16le(counts, size_t(s * paf::kPageTypes + paf::kMapPageType - 1) * 2, 1);
        }
        for (int t = 1; t <= paf::kPageTypes; ++t) {
            for (const PagePlace& page : placement_.pages[t]) {
                image_.region(uint64_t(paf::spaceStart(page.space)), paf::kPageSize)[size_t(page.page)] = uint8_t(t);
                const size_t at = size_t(page.space * paf::kPageTypes + t - 1) * 2;
                writeInt16le(counts, at, int16_t(readInt16le(counts, at) + 1));
            }
        }
    }

    void writeHeader() {
        namespace h = paf::header;
        auto header = image_.region(0, size_t(paf::kHeaderSize));
        std::memcpy(header.data() + h::kVersion, "500", 4);
        std::memcpy(header.data() + h::kSignature, "PAF", 4);
        writeInt32le(header, h::kSpaceCount, placement_.spaces);
        writeInt32le(header, h::kHighestRin, int32_t(people_));
        writeInt32le(header, h::kHighestMrin, int32_t(marriages_));
        writeInt32le(header, h::kNameIndexSize, tree_.size);
        writeInt32le(header, h::kNameIndexRoot, tree_.root);
        const auto& textPages = placement_.pages[paf::kTextPageType];
        if (!textPages.empty()) {
            writeInt32le(header, h::kNameLinkLow, int32_t(textPages.front().offset()));
            writeInt32le(header, h::kNameLinkHigh, int32_t(textPages.back().offset() + paf::kPageSize - 1));
        }
    }

    PackedFamily& family_;
    const WriterOptions& options_;
    size_t people_ = 0, marriages_ = 0;  // the records stay counted once they are written
    PafImage image_;
    Placement placement_;
    TextCursor text_;
    NameTree tree_;
    std::vector<int32_t> nextInChain_;
    std::vector<uint32_t> namingStart_;
    std::vector<int32_t> namingMarriages_;
};

}  // namespace

PafImage buildPafImage(PackedFamily&& family, const WriterOptions& options) {
    PackedFamily owned = std::move(family);
#ifdef __GLIBC__
    // The memory the family's making let go (tables that grew, tables that are gone)
    // goes back to the system before the image takes its own.
    malloc_trim(0);
#endif
    return ImageWriter(owned, options).build();
}

PafImage buildPafImage(const WriterFamily& family, const WriterOptions& options) {
    return buildPafImage(packFamily(family), options);
}

}  // namespace tw
