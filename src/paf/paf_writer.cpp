#include "paf/paf_writer.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "paf/byte_order.h"
#include "paf/codepage.h"
#include "paf/date_encoding.h"

namespace tw {

// ---------------------------------------------------------------------------
// PafImage

std::span<uint8_t> PafImage::region(uint64_t start, size_t length) {
    auto& bytes = chunks_[start];
    if (bytes.size() < length) bytes.resize(length, 0);
    size_ = std::max(size_, start + bytes.size());
    return std::span<uint8_t>(bytes.data(), length);
}

std::vector<uint8_t> PafImage::flatten() const {
    std::vector<uint8_t> all(size_, 0);
    for (const auto& [start, bytes] : chunks_) std::copy(bytes.begin(), bytes.end(), all.begin() + int64_t(start));
    return all;
}

namespace {

// ---------------------------------------------------------------------------
// Text area: name entries and text records, packed into pages of their own, never
// straddling a page. Offsets are only known once pages are placed, so entries are
// collected first and given offsets later.

struct TextArea {
    std::vector<std::string> entries;     // the bytes of each entry
    std::vector<int> pageOfEntry;         // index of the text page holding it
    std::vector<int> offsetInPage;
    int pages = 0;
    int used = paf::kPageSize;            // bytes used in the current page

    int add(std::string bytes) {
        if (used + int(bytes.size()) > paf::kPageSize) {
            ++pages;
            used = 0;
        }
        pageOfEntry.push_back(pages - 1);
        offsetInPage.push_back(used);
        used += int(bytes.size());
        entries.push_back(std::move(bytes));
        return int(entries.size()) - 1;
    }
};

std::string clippedText(const std::string& text) { return text.substr(0, std::min<size_t>(text.size(), 255)); }

std::string textRecordBytes(const std::string& text) {
    std::string bytes(paf::text::kTextStart, '\0');
    bytes += clippedText(text);
    bytes += '\0';
    return bytes;
}

// The two bytes before the name are not part of it; they are written non-zero so
// that the entry read as a text record still reaches the name.
std::string nameEntryBytes(int32_t rin, const std::string& name) {
    std::string bytes(paf::nameentry::kNameStart, '\0');
    auto span = std::span<uint8_t>(reinterpret_cast<uint8_t*>(bytes.data()), bytes.size());
    writeInt32le(span, paf::nameentry::kRin, rin);
    bytes[13] = 1;
    bytes[14] = 1;
    bytes += clippedText(name);
    bytes += '\0';
    return bytes;
}

// ---------------------------------------------------------------------------
// Page placement

struct PagePlace {
    int space = 0;
    int page = 0;
    uint64_t offset() const { return uint64_t(paf::pageOffset(space, page)); }
};

struct Placement {
    std::vector<PagePlace> pages[paf::kPageTypes + 1];  // by page type, in record order
    int spaces = 1;
    std::string error;
};

int pagesFor(int records, int perPage) { return (records + perPage - 1) / perPage; }

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
            placement.error = "the family does not fit in 31 page spaces";
            return placement;
        }
    }
    placement.spaces = space + 1;
    return placement;
}

// ---------------------------------------------------------------------------
// The name index: a balanced search tree over the people in name order, surname first,
// capital and small ASCII letters alike.

std::string sortKey(const std::string& name) {
    const size_t first = name.find('/');
    std::string surname, given = name;
    if (first != std::string::npos) {
        const size_t second = name.find('/', first + 1);
        const size_t end = second == std::string::npos ? name.size() : second;
        surname = name.substr(first + 1, end - first - 1);
        given = name.substr(0, first) + (end < name.size() ? name.substr(end + 1) : "");
    }
    std::string key = surname + '\x01' + given;
    for (char& c : key) c = char(std::toupper(static_cast<unsigned char>(c)));
    return key;
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

NameTree buildNameTree(const WriterFamily& family) {
    NameTree tree;
    tree.left.assign(family.people.size() + 1, 0);
    tree.right.assign(family.people.size() + 1, 0);
    std::vector<std::pair<std::string, int32_t>> keyed;
    for (size_t i = 0; i < family.people.size(); ++i) {
        if (!family.people[i].deleted) keyed.emplace_back(sortKey(family.people[i].name), int32_t(i + 1));
    }
    // Names in the order of compareNameText; equal names by RIN.
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        const int order = compareNameText(a.first, b.first);
        return order != 0 ? order < 0 : a.second < b.second;
    });
    std::vector<int32_t> sorted;
    for (const auto& k : keyed) sorted.push_back(k.second);
    tree.size = int32_t(sorted.size());
    tree.root = buildSubtree(sorted, 0, int(sorted.size()) - 1, tree);
    return tree;
}

// ---------------------------------------------------------------------------
// The writer

class ImageWriter {
public:
    ImageWriter(const WriterFamily& family, const WriterOptions& options) : family_(family), options_(options) {}

    PafImage build() {
        if (!checkLinks()) return std::move(image_);
        collectText();
        collectChildLinks();
        const auto& people = family_.people;
        const std::vector<std::pair<int, int>> needs = {
            {paf::kIndividuals.pageType, pagesFor(int(people.size()), paf::kIndividuals.recordsPerPage)},
            {paf::kMarriages.pageType, pagesFor(int(family_.marriages.size()), paf::kMarriages.recordsPerPage)},
            {paf::kChildLinks.pageType, pagesFor(int(links_.size()), paf::kChildLinks.recordsPerPage)},
            {paf::kNameNodes.pageType, pagesFor(int(people.size()), paf::kNameNodes.recordsPerPage)},
            {paf::kTextPageType, text_.pages},
        };
        placement_ = placePages(needs, options_.maxTablePagesPerSpace);
        if (!placement_.error.empty()) {
            image_.setError(placement_.error);
            return std::move(image_);
        }
        writeText();
        indexMarriagesByPerson();
        writeIndividuals();
        writeMarriages();
        writeChildLinks();
        writeNameIndex();
        writeMapsAndCounts();
        writeHeader();
        return std::move(image_);
    }

private:
    struct ChildLink {
        int32_t mrin = 0, next = 0, child = 0;
        const WriterDate* sealing = nullptr;  // resolved once the text pages are placed
    };

    bool checkLinks() {
        const auto people = int32_t(family_.people.size());
        const auto marriages = int32_t(family_.marriages.size());
        auto badRin = [&](int32_t r) { return r < 0 || r > people; };
        for (size_t m = 0; m < family_.marriages.size(); ++m) {
            const auto& mar = family_.marriages[m];
            bool bad = badRin(mar.husband) || badRin(mar.wife);
            for (const int32_t c : mar.children) bad = bad || c < 1 || c > people;
            if (bad) return fail("marriage " + std::to_string(m + 1) + " names a person who does not exist");
        }
        for (size_t p = 0; p < family_.people.size(); ++p) {
            for (const int32_t m : family_.people[p].marriageOrder) {
                if (m < 1 || m > marriages)
                    return fail("person " + std::to_string(p + 1) + " lists a marriage that does not exist");
            }
        }
        return true;
    }

    bool fail(std::string error) {
        image_.setError(std::move(error));
        return false;
    }

    // A date's text record, or the encoded date itself.
    void noteDate(const WriterDate& date) {
        if (!date.text.empty()) dateText_.emplace(&date, text_.add(textRecordBytes(date.text)));
    }

    void collectText() {
        for (size_t i = 0; i < family_.people.size(); ++i) {
            const auto& p = family_.people[i];
            nameEntry_.push_back(text_.add(nameEntryBytes(int32_t(i + 1), p.name)));
            birthPlace_.push_back(p.birthPlace.empty() ? -1 : text_.add(textRecordBytes(p.birthPlace)));
            for (const WriterDate* d : {&p.birth, &p.christening, &p.death, &p.burial, &p.baptism, &p.endowment})
                noteDate(*d);
        }
        for (const auto& m : family_.marriages) {
            marriagePlace_.push_back(m.place.empty() ? -1 : text_.add(textRecordBytes(m.place)));
            noteDate(m.date);
            noteDate(m.sealing);
            for (const auto& s : m.childSealings) noteDate(s);
        }
    }

    void collectChildLinks() {
        firstLink_.assign(family_.marriages.size(), 0);
        childLinkOf_.assign(family_.people.size() + 1, 0);
        for (size_t m = 0; m < family_.marriages.size(); ++m) {
            const auto& mar = family_.marriages[m];
            if (mar.children.empty()) continue;
            const auto first = int32_t(links_.size() + 1);
            firstLink_[m] = first;
            for (size_t c = 0; c < mar.children.size(); ++c) {
                ChildLink link;
                link.mrin = int32_t(m + 1);
                link.child = mar.children[c];
                const bool last = c + 1 == mar.children.size();
                link.next = last ? first : int32_t(links_.size() + 2);
                if (c < mar.childSealings.size()) link.sealing = &mar.childSealings[c];
                links_.push_back(link);
                if (childLinkOf_[size_t(link.child)] == 0) childLinkOf_[size_t(link.child)] = int32_t(links_.size());
            }
        }
    }

    int32_t textOffset(int entry) const {
        if (entry < 0) return 0;
        const PagePlace& page = placement_.pages[paf::kTextPageType][size_t(text_.pageOfEntry[size_t(entry)])];
        return int32_t(page.offset() + uint64_t(text_.offsetInPage[size_t(entry)]));
    }

    PafDate resolve(const WriterDate& date) const {
        const auto it = dateText_.find(&date);
        if (it == dateText_.end()) return date.value;
        return makeTextDate(textOffset(it->second));
    }

    std::span<uint8_t> record(const paf::TableLayout& table, int32_t n) {
        const auto index = size_t((n - 1) / table.recordsPerPage);
        const PagePlace& page = placement_.pages[table.pageType][index];
        const auto slot = size_t((n - 1) % table.recordsPerPage);
        return image_.region(page.offset(), paf::kPageSize).subspan(slot * size_t(table.recordSize),
                                                                     size_t(table.recordSize));
    }

    static void putDate(std::span<uint8_t> r, int offset, const PafDate& date) {
        std::copy(date.bytes.begin(), date.bytes.end(), r.begin() + offset);
    }

    void writeText() {
        for (size_t e = 0; e < text_.entries.size(); ++e) {
            const PagePlace& page = placement_.pages[paf::kTextPageType][size_t(text_.pageOfEntry[e])];
            auto bytes = image_.region(page.offset(), paf::kPageSize);
            std::memcpy(bytes.data() + text_.offsetInPage[e], text_.entries[e].data(), text_.entries[e].size());
        }
        // The image holds them now; a large family needs the memory for what follows.
        text_.entries = {};
    }

    // The person's own marriages in chain order: as listed, else every marriage
    // that names the person, in MRIN order.
    std::vector<int32_t> marriagesOf(int32_t rin) const {
        const auto& p = family_.people[size_t(rin - 1)];
        if (!p.marriageOrder.empty()) return p.marriageOrder;
        return marriagesNaming_[size_t(rin)];
    }

    void indexMarriagesByPerson() {
        marriagesNaming_.assign(family_.people.size() + 1, {});
        for (size_t m = 0; m < family_.marriages.size(); ++m) {
            const auto& mar = family_.marriages[m];
            if (mar.husband > 0) marriagesNaming_[size_t(mar.husband)].push_back(int32_t(m + 1));
            if (mar.wife > 0 && mar.wife != mar.husband) marriagesNaming_[size_t(mar.wife)].push_back(int32_t(m + 1));
        }
    }

    void writeIndividuals() {
        namespace f = paf::individual;
        nextInChain_.assign(family_.marriages.size() * 2, 0);
        for (size_t i = 0; i < family_.people.size(); ++i) {
            const auto rin = int32_t(i + 1);
            const auto& p = family_.people[i];
            auto r = record(paf::kIndividuals, rin);
            writeInt32le(r, f::kNameOffset, textOffset(nameEntry_[i]));
            const auto order = marriagesOf(rin);
            writeInt32le(r, f::kFirstMrin, order.empty() ? 0 : order.front());
            for (size_t k = 0; k + 1 < order.size(); ++k) chainMarriage(rin, order[k], order[k + 1]);
            writeInt32le(r, f::kChildLink, childLinkOf_[size_t(rin)]);
            putDate(r, f::kBirth, resolve(p.birth));
            writeInt32le(r, f::kBirthPlace, textOffset(birthPlace_[i]));
            putDate(r, f::kChristening, resolve(p.christening));
            putDate(r, f::kDeath, resolve(p.death));
            putDate(r, f::kBurial, resolve(p.burial));
            putDate(r, f::kBaptism, resolve(p.baptism));
            putDate(r, f::kEndowment, resolve(p.endowment));
            r[f::kSex] = p.deleted ? uint8_t('D') : uint8_t(p.sex);
        }
    }

    // Links marriage `from` to `to` in the chain of the partner rin is in `from`.
    void chainMarriage(int32_t rin, int32_t from, int32_t to) {
        const auto& mar = family_.marriages[size_t(from - 1)];
        const bool asHusband = mar.husband == rin || mar.wife != rin;
        nextInChain_[size_t(from - 1) * 2 + (asHusband ? 0 : 1)] = to;
    }

    void writeMarriages() {
        namespace f = paf::marriage;
        for (size_t m = 0; m < family_.marriages.size(); ++m) {
            const auto& mar = family_.marriages[m];
            auto r = record(paf::kMarriages, int32_t(m + 1));
            writeInt32le(r, f::kHusband, mar.husband);
            writeInt32le(r, f::kWife, mar.wife);
            writeInt32le(r, f::kFirstChildLink, firstLink_[m]);
            writeInt32le(r, f::kHusbandNext, nextInChain_[m * 2]);
            writeInt32le(r, f::kWifeNext, nextInChain_[m * 2 + 1]);
            putDate(r, f::kDate, resolve(mar.date));
            writeInt32le(r, f::kPlace, textOffset(marriagePlace_[m]));
            putDate(r, f::kSealing, resolve(mar.sealing));
            if (mar.deleted) r[f::kStatus] = 'D';
        }
    }

    void writeChildLinks() {
        namespace f = paf::childlink;
        for (size_t n = 0; n < links_.size(); ++n) {
            auto r = record(paf::kChildLinks, int32_t(n + 1));
            writeInt32le(r, f::kMrin, links_[n].mrin);
            writeInt32le(r, f::kNext, links_[n].next);
            writeInt32le(r, f::kChild, links_[n].child);
            if (links_[n].sealing != nullptr) putDate(r, f::kSealing, resolve(*links_[n].sealing));
        }
    }

    void writeNameIndex() {
        namespace f = paf::namenode;
        tree_ = buildNameTree(family_);
        for (size_t i = 0; i < family_.people.size(); ++i) {
            if (family_.people[i].deleted) continue;
            const auto rin = int32_t(i + 1);
            auto r = record(paf::kNameNodes, rin);
            writeInt32le(r, f::kRight, tree_.right[size_t(rin)]);
            writeInt32le(r, f::kLeft, tree_.left[size_t(rin)]);
            writeInt32le(r, f::kNameEntry, textOffset(nameEntry_[i]));
        }
    }

    void writeMapsAndCounts() {
        auto front = image_.region(0, size_t(paf::kSpaceBase));
        auto counts = front.subspan(size_t(paf::kPageCountTableOffset), size_t(paf::kPageCountTableSize));
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
                image_.region(page.offset(), paf::kPageSize);  // the page exists even when empty
            }
        }
    }

    void writeHeader() {
        namespace h = paf::header;
        auto header = image_.region(0, size_t(paf::kSpaceBase)).first(size_t(paf::kHeaderSize));
        std::memcpy(header.data() + h::kVersion, "500", 4);
        std::memcpy(header.data() + h::kSignature, "PAF", 4);
        writeInt32le(header, h::kSpaceCount, placement_.spaces);
        writeInt32le(header, h::kHighestRin, int32_t(family_.people.size()));
        writeInt32le(header, h::kHighestMrin, int32_t(family_.marriages.size()));
        writeInt32le(header, h::kNameIndexSize, tree_.size);
        writeInt32le(header, h::kNameIndexRoot, tree_.root);
        const auto& textPages = placement_.pages[paf::kTextPageType];
        if (!textPages.empty()) {
            writeInt32le(header, h::kNameLinkLow, int32_t(textPages.front().offset()));
            writeInt32le(header, h::kNameLinkHigh, int32_t(textPages.back().offset() + paf::kPageSize - 1));
        }
    }

    const WriterFamily& family_;
    const WriterOptions& options_;
    PafImage image_;
    TextArea text_;
    Placement placement_;
    NameTree tree_;
    std::vector<int> nameEntry_, birthPlace_, marriagePlace_;
    std::map<const WriterDate*, int> dateText_;
    std::vector<ChildLink> links_;
    std::vector<int32_t> firstLink_, childLinkOf_, nextInChain_;
    std::vector<std::vector<int32_t>> marriagesNaming_;  // by RIN
};

}  // namespace

PafImage buildPafImage(const WriterFamily& family, const WriterOptions& options) {
    return ImageWriter(family, options).build();
}

}  // namespace tw
