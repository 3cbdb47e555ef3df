#include "gedcom/gedcom_import.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "gedcom/gedcom_date.h"
#include "gedcom/gedcom_records.h"
#include "gedcom/gedcom_text.h"
#include "paf/codepage.h"
#include "paf/file_bytes.h"

namespace tw::gedcom {

namespace {

using Pair = std::pair<int32_t, int32_t>;  // (person, marriage)

constexpr size_t kReserveLimit = 2'000'000;

// The most a PAF name entry or text record holds, in bytes.
constexpr size_t kPafTextBytes = 255;

// A name in PAF form cut to what PAF holds. The surname and its slashes stay: the
// given names are shortened first, then the suffix goes, and only a surname that
// alone is too long is cut itself. Cuts fall between characters.
std::string fittedName(std::string name) {
    if (name.size() <= kPafTextBytes) return name;
    const size_t open = name.find('/');
    const size_t close = open == std::string::npos ? open : name.find('/', open + 1);
    if (close == std::string::npos) return std::string(clipUtf8(name, kPafTextBytes));
    std::string given = name.substr(0, open);
    std::string surname = name.substr(open, close - open + 1);
    std::string suffix = name.substr(close + 1);
    if (surname.size() + suffix.size() > kPafTextBytes) suffix.clear();
    if (surname.size() > kPafTextBytes) surname = std::string(clipUtf8(surname, kPafTextBytes - 1)) + "/";
    const size_t room = kPafTextBytes - surname.size() - suffix.size();  // for the given names and a blank
    given = room > 1 ? std::string(clipUtf8(given, room - 1)) : std::string();
    while (!given.empty() && given.back() == ' ') given.pop_back();
    if (!given.empty()) given += ' ';
    return given + surname + suffix;
}

// Every encoded date has its kind in byte 0; an empty date is all zeros.
bool isSet(const WriterDate& d) { return !d.text.empty() || d.value.bytes[0] != 0; }

// The name as PAF keeps it: given names, then the surname between slashes, then a
// suffix, each part where the name has it: "/William Pitt Leleiohoku/ I" keeps its
// suffix after the surname (a name is printed in the order it was written), and a
// suffix that begins with a comma ("Abu /Talib/, Caliph") follows the surname
// without a blank.
// True for a name already in that form: "Given /Surname/" or "Given /Surname/ Suffix",
// single blanks, nothing to turn round.
bool isPafForm(std::string_view v) {
    const size_t slash = v.find('/');
    const size_t close = slash == std::string_view::npos ? slash : v.find('/', slash + 1);
    if (slash == std::string_view::npos || slash < 2 || v[slash - 1] != ' ' || close == std::string_view::npos)
        return false;
    if (close + 1 < v.size() && (v[close + 1] != ' ' || close + 2 == v.size() || v[close + 2] == ',')) return false;
    if (v.front() == ' ' || v.back() == ' ') return false;
    for (size_t i = 0; i < v.size(); ++i) {
        const char c = v[i];
        if (c == '\t' || c == '\n' || (c == ' ' && v[i + 1] == ' ') || (c == '/' && i != slash && i != close))
            return false;
        if (c == ' ' && i > slash && i < close && (i == slash + 1 || i + 1 == close)) return false;
    }
    return true;
}

std::string pafName(std::string_view value, std::string_view givn, std::string_view surn) {
    if (isPafForm(value)) return fittedName(std::string(value));
    std::string name;
    value = trimmed(value);
    if (value.empty()) {
        givn = trimmed(givn);
        surn = trimmed(surn);
        name = std::string(givn);
        if (!surn.empty()) name += (name.empty() ? "/" : " /") + std::string(surn) + "/";
    } else {
        const size_t slash = value.find('/');
        if (slash == std::string_view::npos) {
            name = std::string(value);
        } else {
            const size_t close = value.find('/', slash + 1);
            std::string_view given = trimmed(value.substr(0, slash));
            const std::string_view surname =
                trimmed(value.substr(slash + 1, close == std::string_view::npos ? std::string_view::npos : close - slash - 1));
            const std::string_view after =
                close == std::string_view::npos ? std::string_view() : trimmed(value.substr(close + 1));
            name = std::string(given);
            if (!name.empty()) name += ' ';
            name += '/';
            name += surname;
            name += '/';
            if (!after.empty()) {
                if (after.front() != ',') name += ' ';
                name += after;
            }
        }
    }
    // Blanks runs (and the line breaks of CONT) become one blank.
    std::string out;
    out.reserve(name.size());
    for (const char c : name) {
        const bool blank = c == ' ' || c == '\t' || c == '\n';
        if (blank && (out.empty() || out.back() == ' ')) continue;
        out += blank ? ' ' : c;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return fittedName(std::move(out));
}

// A place as the reports print it: the jurisdictions a GEDCOM place leaves empty
// (",,London,England") are left out, with their commas.
std::string pafPlace(std::string_view value) {
    std::string out;
    for (std::string_view rest = trimmed(value); !rest.empty();) {
        const size_t comma = rest.find(',');
        const std::string_view part = rest.substr(0, comma);
        if (!trimmed(part).empty()) {
            if (!out.empty()) out += ',';
            out += out.empty() ? trimmed(part) : part;
        }
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    }
    out = std::string(clipUtf8(out, kPafTextBytes));
    std::replace(out.begin(), out.end(), '\n', ' ');
    return out;
}

// Cross-reference ids to record numbers: open addressing over the records' own ids,
// each slot with the id's hash beside the record number, so that a probe rarely has
// to compare ids.
class XrefIndex {
public:
    // ids[i] is the id of record i+1 (empty when the record has none). Duplicates
    // are reported through the callback (record, earlier record).
    template <typename OnDuplicate>
    void build(const std::vector<std::string_view>& ids, OnDuplicate onDuplicate) {
        ids_ = &ids;
        size_t size = 16;
        while (size < ids.size() * 2) size *= 2;
        slots_.assign(size, Slot{});
        for (size_t i = 0; i < ids.size(); ++i) {
            if (ids[i].empty()) continue;
            const uint64_t h = hash(ids[i]);
            size_t at = h & (size - 1);
            while (slots_[at].record != 0) {
                if (slots_[at].hash == uint32_t(h >> 32) && ids[size_t(slots_[at].record - 1)] == ids[i]) break;
                at = (at + 1) & (size - 1);
            }
            if (slots_[at].record != 0) {
                onDuplicate(int32_t(i + 1), slots_[at].record);
                continue;
            }
            slots_[at] = Slot{uint32_t(h >> 32), int32_t(i + 1)};
        }
    }
    // The record number, or 0.
    int32_t find(std::string_view id) const {
        const size_t mask = slots_.size() - 1;
        const uint64_t h = hash(id);
        for (size_t at = h & mask; slots_[at].record != 0; at = (at + 1) & mask) {
            if (slots_[at].hash == uint32_t(h >> 32) && (*ids_)[size_t(slots_[at].record - 1)] == id)
                return slots_[at].record;
        }
        return 0;
    }

private:
    struct Slot {
        uint32_t hash = 0;
        int32_t record = 0;
    };
    static uint64_t hash(std::string_view s) {
        uint64_t h = 1469598103934665603ull;
        for (const char c : s) h = (h ^ uint8_t(c)) * 1099511628211ull;
        return h ^ (h >> 31);
    }
    const std::vector<std::string_view>* ids_ = nullptr;
    std::vector<Slot> slots_;
};

// (person, family) pairs, found through each person's first pair, as most people
// have only one; the others are kept sorted.
class PairSet {
public:
    explicit PairSet(size_t people) : first_(people + 1, 0) {}
    void add(int32_t rin, int32_t mrin) {
        int32_t& first = first_[size_t(rin)];
        if (first == 0) first = mrin;
        else if (first != mrin) more_.emplace_back(rin, mrin);
    }
    // Call after adding, before looking up.
    void freeze() {
        std::sort(more_.begin(), more_.end());
        more_.erase(std::unique(more_.begin(), more_.end()), more_.end());
    }
    bool contains(int32_t rin, int32_t mrin) const {
        return first_[size_t(rin)] == mrin ||
               (!more_.empty() && std::binary_search(more_.begin(), more_.end(), Pair{rin, mrin}));
    }
    std::vector<int32_t> familiesOf(int32_t rin) const {
        std::vector<int32_t> families;
        if (first_[size_t(rin)] == 0) return families;
        families.push_back(first_[size_t(rin)]);
        for (auto it = std::lower_bound(more_.begin(), more_.end(), Pair{rin, 0}); it != more_.end() && it->first == rin;
             ++it)
            families.push_back(it->second);
        return families;
    }

private:
    std::vector<int32_t> first_;
    std::vector<Pair> more_;
};

// Pairs met so far, each found in constant time: many links of one person or one
// family must not make the import quadratic.
class SeenPairs {
public:
    // True when the pair was added before.
    bool add(int32_t rin, int32_t mrin) { return !seen_.insert(key(rin, mrin)).second; }
    bool contains(int32_t rin, int32_t mrin) const { return seen_.contains(key(rin, mrin)); }

private:
    static uint64_t key(int32_t rin, int32_t mrin) { return uint64_t(uint32_t(rin)) << 32 | uint32_t(mrin); }
    std::unordered_set<uint64_t> seen_;
};

struct ChildSealing {
    int32_t person;
    uint32_t line;
    std::string_view famc;
    WriterDate date;
};

struct RecordCount {
    size_t people = 0;
    size_t families = 0;
};

// The INDI and FAM records of the text: lines "0 [@ID@ ]INDI" and "0 [@ID@ ]FAM".
RecordCount countRecords(std::string_view text) {
    RecordCount count;
    for (size_t at = 0; at < text.size();) {
        size_t end = text.find_first_of("\r\n", at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = trimmed(text.substr(at, end - at));
        at = end + 1;
        if (line.size() < 5 || line[0] != '0' || (line[1] != ' ' && line[1] != '\t')) continue;
        line = trimmed(line.substr(2));
        if (!line.empty() && line[0] == '@') {
            const size_t blank = line.find_first_of(" \t");
            if (blank == std::string_view::npos) continue;
            line = trimmed(line.substr(blank));
        }
        const std::string_view tag = line.substr(0, line.find_first_of(" \t"));
        if (tag == "INDI") ++count.people;
        else if (tag == "FAM") ++count.families;
    }
    return count;
}

bool isOrdinance(Field f) {
    return f == Field::Baptism || f == Field::Endowment || f == Field::ChildSealing || f == Field::Sealing;
}

// Maps the records onto the family: each INDI record becomes a person and each FAM
// record a marriage, in file order; the links are looked up once all are read.
class Importer : private RecordSink {
public:
    Importer(ImportResult& result, const KeepImporting& keepGoing)
        : r_(result), family_(result.family), warnings_(result.warnings), keepGoing_(keepGoing) {}

    void run(std::string_view bytes) {
        if (bytes.size() > kMaxFileBytes) {
            r_.error = "the file is larger than 2 GiB";
            return;
        }
        DecodedText decoded = decodeGedcomText(bytes);
        if (!decoded.note.empty()) warn(0, decoded.note);
        r_.error = headError(decoded.text);
        if (!r_.error.empty()) return;
        // Room for exactly the records the text holds: a vector that grows by doubling
        // would need three times the memory of millions of small records.
        const RecordCount records = countRecords(decoded.text);
        family_.people.reserve(std::min(records.people, kMaxRecords + 1));
        family_.marriages.reserve(std::min(records.families, kMaxRecords + 1));
        personIds_.reserve(family_.people.capacity());
        personLines_.reserve(family_.people.capacity());
        familyIds_.reserve(family_.marriages.capacity());
        familyLines_.reserve(family_.marriages.capacity());
        links_.reserve(std::min(decoded.text.size() / 48, 4 * kReserveLimit));
        r_.counts.lines = readRecords(decoded.text, *this, warnings_);
        if (stopped_) {
            r_.error = kImportStopped;
            return;
        }
        resolve();
        findAncestorLoops();
        warnings_.finish();
        r_.problems = warnings_.count();
    }

private:
    bool stopped() override {
        if (!stopped_ && keepGoing_ && !keepGoing_()) stopped_ = true;
        return stopped_;
    }

    ImportResult& r_;
    WriterFamily& family_;
    Warnings warnings_;
    const KeepImporting& keepGoing_;
    bool stopped_ = false;
    std::vector<std::string_view> personIds_, familyIds_;
    std::vector<uint32_t> personLines_, familyLines_;
    std::vector<Link> links_;
    std::vector<ChildSealing> sealings_;
    bool linksFull_ = false;

    void warn(size_t line, const std::string& text) { warnings_.add(line, text); }

    // ---- Records ---------------------------------------------------------------

    void startPerson(std::string_view xref, uint32_t line) override {
        family_.people.emplace_back().sex = 'U';
        personIds_.push_back(xref);
        personLines_.push_back(line);
    }

    void startFamily(std::string_view xref, uint32_t line) override {
        family_.marriages.emplace_back();
        familyIds_.push_back(xref);
        familyLines_.push_back(line);
    }

    void sex(char sex) override { family_.people.back().sex = sex; }

    void link(const Link& link) override {
        if (roomForLink(link.line)) links_.push_back(link);
    }

    bool roomForLink(size_t number) {
        if (links_.size() + sealings_.size() < kMaxLinks) return true;
        if (!linksFull_)
            warn(number, "more than " + std::to_string(kMaxLinks) + " links between records; this one and the rest ignored");
        linksFull_ = true;
        return false;
    }

    static WriterDate eventDate(const Structure& s) {
        WriterDate date;
        if (!trimmed(s.date).empty()) {
            date = gedcomDate(s.date);
        } else if (isOrdinance(s.field) && !s.stat.empty()) {
            gedcomOrdinanceStatus(s.stat, date);
        }
        return date;
    }

    // Stores a structure of the record last started; the first of each kind counts.
    void structure(const Structure& s) override {
        auto keep = [&](WriterDate& target) {
            if (!isSet(target)) target = eventDate(s);
        };
        switch (s.field) {
            case Field::Name: {
                WriterPerson& p = family_.people.back();
                if (p.name.empty()) p.name = pafName(s.value, s.givn, s.surn);
                break;
            }
            case Field::Birth: {
                WriterPerson& p = family_.people.back();
                const bool first = !isSet(p.birth) && p.birthPlace.empty();
                keep(p.birth);
                if (first) p.birthPlace = pafPlace(s.place);
                break;
            }
            case Field::Christening: keep(family_.people.back().christening); break;
            case Field::Death: keep(family_.people.back().death); break;
            case Field::Burial: keep(family_.people.back().burial); break;
            case Field::Baptism: keep(family_.people.back().baptism); break;
            case Field::Endowment: keep(family_.people.back().endowment); break;
            case Field::ChildSealing: {
                WriterDate date = eventDate(s);
                if (isSet(date) && roomForLink(s.line))
                    sealings_.push_back({int32_t(family_.people.size()), s.line, s.famc, std::move(date)});
                break;
            }
            case Field::Marriage: {
                WriterMarriage& m = family_.marriages.back();
                const bool first = !isSet(m.date) && m.place.empty();
                keep(m.date);
                if (first) m.place = pafPlace(s.place);
                break;
            }
            case Field::Sealing: keep(family_.marriages.back().sealing); break;
            case Field::None: break;
        }
    }

    // ---- Links -----------------------------------------------------------------

    XrefIndex people_, families_;

    std::string who(int32_t rin) const {
        const std::string_view id = personIds_[size_t(rin - 1)];
        return id.empty() ? "the INDI record of line " + std::to_string(personLines_[size_t(rin - 1)])
                          : std::string(id);
    }

    void resolve() {
        people_.build(personIds_, [&](int32_t rin, int32_t first) {
            warn(personLines_[size_t(rin - 1)], std::string(personIds_[size_t(rin - 1)]) +
                                                    " is also the id of the INDI record of line " +
                                                    std::to_string(personLines_[size_t(first - 1)]) +
                                                    "; links to it go to that one");
        });
        families_.build(familyIds_, [&](int32_t mrin, int32_t first) {
            warn(familyLines_[size_t(mrin - 1)], std::string(familyIds_[size_t(mrin - 1)]) +
                                                     " is also the id of the FAM record of line " +
                                                     std::to_string(familyLines_[size_t(first - 1)]) +
                                                     "; links to it go to that one");
        });
        PairSet childOf = resolveFamilyLinks();
        resolvePersonLinks(childOf);
        resolveSealings(childOf);
        countDates();
    }

    void countDates() {
        auto count = [&](const WriterDate& d) {
            if (!isSet(d)) return;
            ++r_.counts.dates;
            if (!d.text.empty()) ++r_.counts.textDates;
        };
        for (const WriterPerson& p : family_.people) {
            for (const WriterDate* d : {&p.birth, &p.christening, &p.death, &p.burial, &p.baptism, &p.endowment})
                count(*d);
        }
        for (const WriterMarriage& m : family_.marriages) {
            r_.counts.children += m.children.size();
            count(m.date);
            count(m.sealing);
            for (const WriterDate& d : m.childSealings) count(d);
        }
    }

    int32_t findPerson(const Link& link, const char* tag) {
        const int32_t rin = people_.find(link.target);
        if (rin == 0)
            warn(link.line, std::string(tag) + " " + shown(link.target) + " names no INDI record; dropped");
        return rin;
    }

    int32_t findFamily(std::string_view target, uint32_t line, const char* tag) {
        const int32_t mrin = families_.find(target);
        if (mrin == 0) warn(line, std::string(tag) + " " + shown(target) + " names no FAM record; dropped");
        return mrin;
    }

    // HUSB, WIFE and CHIL; returns the (child, family) pairs.
    PairSet resolveFamilyLinks() {
        std::vector<Pair> childOf;
        std::vector<int32_t> lastFamily(family_.people.size() + 1, 0);  // CHIL lines of one family are together
        for (const Link& link : links_) {
            if (link.kind == LinkKind::Famc || link.kind == LinkKind::Fams) continue;
            WriterMarriage& m = family_.marriage(link.owner);
            if (link.kind == LinkKind::Chil) {
                const int32_t rin = findPerson(link, "CHIL");
                if (rin == 0) continue;
                if (lastFamily[size_t(rin)] == link.owner) {
                    warn(link.line, "CHIL " + who(rin) + " is already a child of this family; dropped");
                    continue;
                }
                lastFamily[size_t(rin)] = link.owner;
                m.children.push_back(rin);
                continue;
            }
            const bool husband = link.kind == LinkKind::Husb;
            const int32_t rin = findPerson(link, husband ? "HUSB" : "WIFE");
            if (rin == 0) continue;
            int32_t& slot = husband ? m.husband : m.wife;
            if (slot != 0) {
                warn(link.line, std::string(husband ? "a second HUSB" : "a second WIFE") + " in the family; dropped");
            } else if ((husband ? m.wife : m.husband) == rin) {
                warn(link.line, who(rin) + " is both husband and wife of the family; the second link dropped");
            } else {
                slot = rin;
            }
        }
        PairSet children(family_.people.size());
        for (size_t mi = 0; mi < family_.marriages.size(); ++mi) {
            WriterMarriage& m = family_.marriages[mi];
            // A spouse listed as a child of the same family would be his own parent.
            const auto own = std::find_if(m.children.begin(), m.children.end(),
                                          [&](int32_t c) { return c != 0 && (c == m.husband || c == m.wife); });
            if (own != m.children.end()) {
                warn(familyLines_[mi], who(*own) + " is a spouse and a child of the same family; the child link dropped");
                m.children.erase(own);
            }
            for (const int32_t c : m.children) children.add(c, int32_t(mi + 1));
        }
        children.freeze();
        return children;
    }

    // FAMC and FAMS: the order of each person's marriages, and children that only
    // their own record links to a family.
    void resolvePersonLinks(PairSet& childOf) {
        std::vector<Pair> spouseOf;  // (person, family) in the order of the FAMS lines
        std::vector<Pair> extraChildren;
        SeenPairs famsListed, addedChildren;
        for (const Link& link : links_) {
            if (link.kind != LinkKind::Famc && link.kind != LinkKind::Fams) continue;
            const bool famc = link.kind == LinkKind::Famc;
            const int32_t mrin = findFamily(link.target, link.line, famc ? "FAMC" : "FAMS");
            if (mrin == 0) continue;
            WriterMarriage& m = family_.marriage(mrin);
            const int32_t rin = link.owner;
            if (!famc) {
                if (m.husband != rin && m.wife != rin) {
                    warn(link.line, "FAMS " + shown(link.target) + ": the family does not name " + who(rin) +
                                        " as husband or wife; dropped");
                } else if (!famsListed.add(rin, mrin)) {
                    spouseOf.emplace_back(rin, mrin);
                }
                continue;
            }
            if (childOf.contains(rin, mrin) || addedChildren.contains(rin, mrin)) continue;
            if (m.husband == rin || m.wife == rin) {
                warn(link.line, "FAMC " + shown(link.target) + ": " + who(rin) +
                                    " is husband or wife of that family; dropped");
                continue;
            }
            warn(link.line, "FAMC " + shown(link.target) + ": the family does not list " + who(rin) +
                                " as a child; added as its last child");
            m.children.push_back(rin);
            extraChildren.emplace_back(rin, mrin);
            addedChildren.add(rin, mrin);
        }
        for (const Pair& p : extraChildren) childOf.add(p.first, p.second);
        childOf.freeze();
        orderMarriages(spouseOf);
    }

    // Each person's marriages in the order of the FAMS lines, then any other family
    // that names the person, in file order.
    void orderMarriages(const std::vector<Pair>& spouseOf) {
        PairSet listed(family_.people.size());
        for (const Pair& p : spouseOf) listed.add(p.first, p.second);
        listed.freeze();
        std::vector<Pair> unlisted;
        for (size_t mi = 0; mi < family_.marriages.size(); ++mi) {
            const WriterMarriage& m = family_.marriages[mi];
            for (const int32_t rin : {m.husband, m.wife}) {
                if (rin != 0 && !listed.contains(rin, int32_t(mi + 1))) unlisted.emplace_back(rin, int32_t(mi + 1));
            }
        }
        std::sort(unlisted.begin(), unlisted.end());
        for (size_t i = 0; i < spouseOf.size();) {
            const int32_t rin = spouseOf[i].first;
            const size_t first = i;
            while (i < spouseOf.size() && spouseOf[i].first == rin) ++i;
            auto more = unlisted.end();
            if (!unlisted.empty()) more = std::lower_bound(unlisted.begin(), unlisted.end(), Pair{rin, 0});
            const bool anyMore = more != unlisted.end() && more->first == rin;
            if (i - first == 1 && !anyMore) continue;  // one marriage: nothing to order
            std::vector<int32_t> order;
            for (size_t k = first; k < i; ++k) order.push_back(spouseOf[k].second);
            for (; more != unlisted.end() && more->first == rin; ++more) order.push_back(more->second);
            if (!std::is_sorted(order.begin(), order.end())) family_.person(rin).marriageOrder = std::move(order);
        }
    }

    // Where each child stands in each family's child list, for the sealings.
    std::unordered_map<uint64_t, uint32_t> childPositions() const {
        std::unordered_map<uint64_t, uint32_t> at;
        for (size_t mi = 0; mi < family_.marriages.size(); ++mi) {
            const std::vector<int32_t>& children = family_.marriages[mi].children;
            for (size_t k = 0; k < children.size(); ++k)
                at.emplace(uint64_t(uint32_t(children[k])) << 32 | uint32_t(mi + 1), uint32_t(k));
        }
        return at;
    }

    void resolveSealings(const PairSet& childOf) {
        if (sealings_.empty()) return;
        const std::unordered_map<uint64_t, uint32_t> positions = childPositions();
        for (ChildSealing& s : sealings_) {
            int32_t mrin = 0;
            if (!s.famc.empty()) {
                mrin = findFamily(s.famc, s.line, "SLGC FAMC");
                if (mrin == 0) continue;
            } else {
                const std::vector<int32_t> families = childOf.familiesOf(s.person);
                if (families.size() != 1) {
                    warn(s.line, "SLGC without FAMC, and " + who(s.person) + " is a child of " +
                                     std::to_string(families.size()) + " families; dropped");
                    continue;
                }
                mrin = families.front();
            }
            WriterMarriage& m = family_.marriage(mrin);
            const auto at = positions.find(uint64_t(uint32_t(s.person)) << 32 | uint32_t(mrin));
            if (at == positions.end()) {
                warn(s.line, "SLGC: " + who(s.person) + " is not a child of " + std::string(familyIds_[size_t(mrin - 1)]) +
                                 "; dropped");
                continue;
            }
            m.childSealings.resize(m.children.size());
            WriterDate& target = m.childSealings[at->second];
            if (!isSet(target)) target = std::move(s.date);
        }
    }

    // A person who is his own ancestor: warned about once per loop. The data stays
    // as the file has it; the reports cut such loops where they meet them.
    void findAncestorLoops() {
        const size_t n = family_.people.size();
        // Parents of each person, from the families he is a child of.
        std::vector<uint32_t> start(n + 2, 0);
        for (size_t mi = 0; mi < family_.marriages.size(); ++mi) {
            for (const int32_t c : family_.marriages[mi].children) ++start[size_t(c) + 1];
        }
        for (size_t i = 1; i < start.size(); ++i) start[i] += start[i - 1];
        std::vector<uint32_t> fill(start.begin(), start.end() - 1);
        std::vector<int32_t> parentFamily(start.back());
        for (size_t mi = 0; mi < family_.marriages.size(); ++mi) {
            for (const int32_t c : family_.marriages[mi].children) parentFamily[fill[size_t(c)]++] = int32_t(mi + 1);
        }
        enum : uint8_t { kNew, kOnPath, kDone };
        std::vector<uint8_t> state(n + 1, kNew);
        struct Step {
            int32_t person;
            uint32_t next;  // next parent edge: 2 per family (husband, wife)
        };
        std::vector<Step> path;
        for (size_t root = 1; root <= n; ++root) {
            if (state[root] != kNew) continue;
            path.push_back({int32_t(root), 0});
            state[root] = kOnPath;
            while (!path.empty()) {
                Step& step = path.back();
                const uint32_t edges = 2 * (start[size_t(step.person) + 1] - start[size_t(step.person)]);
                if (step.next >= edges) {
                    state[size_t(step.person)] = kDone;
                    path.pop_back();
                    continue;
                }
                const WriterMarriage& m = family_.marriage(parentFamily[start[size_t(step.person)] + step.next / 2]);
                const int32_t parent = step.next % 2 == 0 ? m.husband : m.wife;
                ++step.next;
                if (parent == 0) continue;
                if (state[size_t(parent)] == kOnPath) {
                    warn(personLines_[size_t(parent - 1)], who(parent) + " is his or her own ancestor");
                } else if (state[size_t(parent)] == kNew) {
                    state[size_t(parent)] = kOnPath;
                    path.push_back({parent, 0});
                }
            }
        }
    }
};

}  // namespace

ImportResult importGedcom(std::string_view bytes, const KeepImporting& keepGoing) {
    ImportResult result;
    Importer(result, keepGoing).run(bytes);
    if (!result.ok()) result.family = WriterFamily();
    return result;
}

ImportResult importGedcomFile(const std::string& path, const KeepImporting& keepGoing) {
    ImportResult result;
    std::vector<uint8_t> bytes;
    const FileRead read = readWholeFile(path, kMaxFileBytes, bytes);
    if (read.result == FileReadResult::CannotOpen) result.error = "cannot be read: " + read.problem;
    else if (read.result == FileReadResult::TooLarge) result.error = "the file is larger than 2 GiB";
    else if (!read.ok()) result.error = read.problem;
    if (!read.ok()) return result;
    return importGedcom(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), keepGoing);
}

}  // namespace tw::gedcom
namespace tw::gedcom {

namespace {

// Reduces one text; true when it changed.
bool reduce(std::string& text) {
    bool changed = false;
    text = utf8ToPlainWindows1252(text, &changed);
    return changed;
}

void reduce(WriterDate& date) {
    if (!date.text.empty()) reduce(date.text);
}

}  // namespace

size_t reduceToWindows1252(WriterFamily& family) {
    size_t changed = 0;
    for (WriterPerson& p : family.people) {
        changed += size_t(reduce(p.name)) + size_t(reduce(p.birthPlace));
        for (WriterDate* date : {&p.birth, &p.christening, &p.death, &p.burial, &p.baptism, &p.endowment}) reduce(*date);
    }
    for (WriterMarriage& m : family.marriages) {
        changed += size_t(reduce(m.place));
        reduce(m.date);
        reduce(m.sealing);
        for (WriterDate& date : m.childSealings) reduce(date);
    }
    return changed;
}

}  // namespace tw::gedcom
