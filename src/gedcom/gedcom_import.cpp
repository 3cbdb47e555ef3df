#include "gedcom/gedcom_import.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <numeric>
#include <span>
#include <unordered_map>
#include <utility>

#include "base/translation.h"
#include "gedcom/gedcom_date.h"
#include "gedcom/gedcom_lines.h"
#include "gedcom/gedcom_records.h"
#include "gedcom/gedcom_text.h"
#include "paf/codepage.h"
#include "paf/file_bytes.h"

namespace tw::gedcom {

namespace {

using Pair = std::pair<int32_t, int32_t>;  // (person, marriage), or (marriage, child)

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

// The name as PAF keeps it, into out (which keeps its memory from name to name).
void pafName(std::string_view value, std::string_view givn, std::string_view surn, std::string& out) {
    if (isPafForm(value)) {
        out.assign(value);
        if (out.size() > kPafTextBytes) out = fittedName(std::move(out));
        return;
    }
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
            const std::string_view given = trimmed(value.substr(0, slash));
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
    out.clear();
    for (const char c : name) {
        const bool blank = c == ' ' || c == '\t' || c == '\n';
        if (blank && (out.empty() || out.back() == ' ')) continue;
        out += blank ? ' ' : c;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    if (out.size() > kPafTextBytes) out = fittedName(std::move(out));
}

// A place as the reports print it, into out: the jurisdictions a GEDCOM place
// leaves empty (",,London,England") are left out, with their commas.
void pafPlace(std::string_view value, std::string& out) {
    out.clear();
    for (std::string_view rest = trimmed(value); !rest.empty();) {
        const size_t comma = rest.find(',');
        const std::string_view part = rest.substr(0, comma);
        if (!trimmed(part).empty()) {
            if (!out.empty()) out += ',';
            out += out.empty() ? trimmed(part) : part;
        }
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    }
    out.resize(clipUtf8(out, kPafTextBytes).size());
    std::replace(out.begin(), out.end(), '\n', ' ');
}

// The cross-reference ids of the file ("@I1@"), each kept once and numbered from 1
// in the order they are met, so that records and links refer to an id by number
// and nothing of the file's text has to be kept: open addressing over the ids, each
// slot with the id's hash beside its number so that a probe rarely compares ids.
class IdTable {
public:
    explicit IdTable(size_t expected) {
        size_t size = 16;
        while (size < expected * 2) size *= 2;
        slots_.assign(size, Slot{});
    }
    // The number of the id (0 for no id), numbering it when it is new.
    uint32_t number(std::string_view id) {
        if (id.empty()) return 0;
        const uint64_t h = hash(id);
        const size_t mask = slots_.size() - 1;
        size_t at = size_t(h) & mask;
        for (; slots_[at].id != 0; at = (at + 1) & mask) {
            if (slots_[at].hash == uint32_t(h >> 32) && text(slots_[at].id) == id) return slots_[at].id;
        }
        bytes_.append(id);
        ends_.push_back(bytes_.size());
        const auto n = uint32_t(ends_.size());
        slots_[at] = Slot{uint32_t(h >> 32), n};
        if (ends_.size() * 2 > slots_.size()) grow();
        return n;
    }
    std::string_view text(uint32_t n) const {
        const size_t start = n > 1 ? ends_[n - 2] : 0;
        return std::string_view(bytes_).substr(start, ends_[n - 1] - start);
    }
    size_t size() const { return ends_.size(); }

private:
    struct Slot {
        uint32_t hash = 0;
        uint32_t id = 0;
    };
    static uint64_t hash(std::string_view s) {
        uint64_t h = 1469598103934665603ull;
        for (const char c : s) h = (h ^ uint8_t(c)) * 1099511628211ull;
        return h ^ (h >> 31);
    }
    void grow() {
        std::vector<Slot> slots(slots_.size() * 2);
        const size_t mask = slots.size() - 1;
        for (uint32_t n = 1; n <= ends_.size(); ++n) {
            const uint64_t h = hash(text(n));
            size_t at = size_t(h) & mask;
            while (slots[at].id != 0) at = (at + 1) & mask;
            slots[at] = Slot{uint32_t(h >> 32), n};
        }
        slots_ = std::move(slots);
    }
    std::string bytes_;
    std::vector<uint64_t> ends_;  // where id n ends in bytes_, at n - 1
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

struct ChildSealing {
    int32_t person;
    uint32_t line;
    uint32_t famc;  // the id its FAMC names, or 0
    WriterDate date;
};

// A link as kept until the records are all read, in 12 bytes.
struct KeptLink {
    uint32_t ownerAndKind;  // the owner's record number, then 3 bits of the kind
    uint32_t line;
    uint32_t target;        // the id it names
    int32_t owner() const { return int32_t(ownerAndKind >> 3); }
    LinkKind kind() const { return LinkKind(ownerAndKind & 7); }
};
static_assert(sizeof(KeptLink) == 12 && kMaxRecords < (size_t(1) << 29));

bool isOrdinance(Field f) {
    return f == Field::Baptism || f == Field::Endowment || f == Field::ChildSealing || f == Field::Sealing;
}

void clearDate(WriterDate& date) {
    date.value = PafDate{};
    date.text.clear();
}

// Reduces one text to Windows-1252; true when it changed.
bool reduce(std::string& text) {
    bool changed = false;
    if (!text.empty()) text = utf8ToPlainWindows1252(text, &changed);
    return changed;
}

// Maps the records onto the family: each INDI record becomes a person and each FAM
// record a marriage, in file order; the links are looked up once all are read.
// Each record is filled in while it is read and packed when the next one starts.
class Importer : private RecordSink {
public:
    Importer(ImportResult& result, const ImportOptions& options)
        : r_(result), options_(options), family_(result.family), warnings_(result.warnings), ids_(0) {}

    // Imports the bytes of a file; owner (when given) holds them: they are let go
    // once converted to UTF-8, else as they are read.
    void run(std::string_view bytes, ZeroedBytes* owner) {
        if (bytes.size() > kMaxFileBytes) {
            r_.error = TW_TR("GedcomImport", "the file is larger than 2 GiB");
            return;
        }
        const DecodedText decoded = decodeGedcomText(bytes);
        if (owner != nullptr && !decoded.converted.empty()) *owner = ZeroedBytes();
        if (owner != nullptr && decoded.converted.empty()) {
            owner_ = owner;
            ownerStart_ = size_t(decoded.text.data() - bytes.data());
        }
        if (!decoded.note.empty()) warn(0, decoded.note);
        r_.error = headError(decoded.text);
        if (!r_.error.empty()) return;
        // The text is read in one pass, without counting its records first: the
        // tables grow as they come, and what a table has room for but has not filled
        // takes no memory until it is written.
        ids_ = IdTable(decoded.text.size() / 128);  // some 170 bytes a record
        r_.counts.lines = readRecords(decoded.text, *this, warnings_);
        if (owner_ != nullptr) *owner_ = ZeroedBytes();  // read: the links hold ids of their own
        finishRecord();
        if (stopped_) {
            r_.error = kImportStopped;
            family_ = PackedFamily();  // nothing half read is kept
            return;
        }
        resolve();
        findAncestorLoops();
        warnings_.finish();
        r_.problems = warnings_.count();
    }

private:
    enum class Open : uint8_t { None, Person, Marriage };

    bool stopped() override {
        if (!stopped_ && options_.keepGoing && !options_.keepGoing()) stopped_ = true;
        return stopped_;
    }

    ImportResult& r_;
    const ImportOptions& options_;
    PackedFamily& family_;
    Warnings warnings_;
    ZeroedBytes* owner_ = nullptr;  // the file's bytes, let go as they are read
    size_t ownerStart_ = 0;         // where the text starts in them
    IdTable ids_;
    bool stopped_ = false;
    std::vector<uint32_t> personIds_, familyIds_;  // the id of each record, or 0
    std::vector<uint32_t> personLines_, familyLines_;
    std::vector<KeptLink> links_;
    std::vector<ChildSealing> sealings_;
    bool linksFull_ = false;
    // The record being read, packed once it ends.
    Open open_ = Open::None;
    WriterPerson person_;
    WriterMarriage marriage_;

    void warn(size_t line, const std::string& text) { warnings_.add(line, text); }

    // ---- Records ---------------------------------------------------------------

    void startPerson(std::string_view xref, uint32_t line) override {
        finishRecord();
        open_ = Open::Person;
        person_.name.clear();
        person_.sex = 'U';
        for (WriterDate* d : {&person_.birth, &person_.christening, &person_.death, &person_.burial, &person_.baptism,
                              &person_.endowment})
            clearDate(*d);
        person_.birthPlace.clear();
        personIds_.push_back(ids_.number(xref));
        personLines_.push_back(line);
    }

    void startFamily(std::string_view xref, uint32_t line) override {
        finishRecord();
        open_ = Open::Marriage;
        clearDate(marriage_.date);
        clearDate(marriage_.sealing);
        marriage_.place.clear();
        familyIds_.push_back(ids_.number(xref));
        familyLines_.push_back(line);
    }

    void countDate(WriterDate& date) {
        if (!isSet(date)) return;
        ++r_.counts.dates;
        if (!date.text.empty()) {
            ++r_.counts.textDates;
            if (options_.windows1252) reduce(date.text);
        }
    }

    void finishRecord() {
        if (open_ == Open::Person) {
            for (WriterDate* d : {&person_.birth, &person_.christening, &person_.death, &person_.burial,
                                  &person_.baptism, &person_.endowment})
                countDate(*d);
            if (options_.windows1252) r_.counts.reducedTexts += size_t(reduce(person_.name)) + size_t(reduce(person_.birthPlace));
            appendPerson(family_, person_);
        } else if (open_ == Open::Marriage) {
            countDate(marriage_.date);
            countDate(marriage_.sealing);
            if (options_.windows1252) r_.counts.reducedTexts += size_t(reduce(marriage_.place));
            appendMarriage(family_, marriage_);
        }
        open_ = Open::None;
    }

    void sex(char sex) override { person_.sex = sex; }

    void link(const Link& link) override {
        if (!roomForLink(link.line)) return;
        links_.push_back({uint32_t(link.owner) << 3 | uint32_t(link.kind), link.line, ids_.number(link.target)});
    }

    void passed(size_t offset) override {
        if (owner_ != nullptr) owner_->releaseFront(ownerStart_ + offset);
    }

    bool roomForLink(size_t number) {
        if (links_.size() + sealings_.size() < kMaxLinks) return true;
        if (!linksFull_)
            warn(number, fillIn(TW_TR("GedcomImport", "more than %1 links between records; this one and the rest ignored"),
                                {std::to_string(kMaxLinks)}));
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
                if (person_.name.empty()) pafName(s.value, s.givn, s.surn, person_.name);
                break;
            }
            case Field::Birth: {
                const bool first = !isSet(person_.birth) && person_.birthPlace.empty();
                keep(person_.birth);
                if (first) pafPlace(s.place, person_.birthPlace);
                break;
            }
            case Field::Christening: keep(person_.christening); break;
            case Field::Death: keep(person_.death); break;
            case Field::Burial: keep(person_.burial); break;
            case Field::Baptism: keep(person_.baptism); break;
            case Field::Endowment: keep(person_.endowment); break;
            case Field::ChildSealing: {
                WriterDate date = eventDate(s);
                if (isSet(date) && roomForLink(s.line))
                    sealings_.push_back({int32_t(personIds_.size()), s.line, ids_.number(s.famc), std::move(date)});
                break;
            }
            case Field::Marriage: {
                const bool first = !isSet(marriage_.date) && marriage_.place.empty();
                keep(marriage_.date);
                if (first) pafPlace(s.place, marriage_.place);
                break;
            }
            case Field::Sealing: keep(marriage_.sealing); break;
            case Field::None: break;
        }
    }

    // ---- Links -----------------------------------------------------------------

    std::vector<int32_t> personOfId_, familyOfId_;  // by id: the first record that has it

    std::string who(int32_t rin) const {
        const uint32_t id = personIds_[size_t(rin - 1)];
        return id == 0 ? fillIn(TW_TR("GedcomImport", "the INDI record of line %1"), {std::to_string(personLines_[size_t(rin - 1)])})
                       : std::string(ids_.text(id));
    }

    // The record of each id, the first where two records have the same.
    void indexRecords(const std::vector<uint32_t>& recordIds, const std::vector<uint32_t>& lines, const char* tag,
                      std::vector<int32_t>& recordOfId) {
        recordOfId.assign(ids_.size() + 1, 0);
        for (size_t i = 0; i < recordIds.size(); ++i) {
            const uint32_t id = recordIds[i];
            if (id == 0) continue;
            int32_t& first = recordOfId[id];
            if (first == 0) {
                first = int32_t(i + 1);
                continue;
            }
            warn(lines[i], fillIn(TW_TR("GedcomImport", "%1 is also the id of the %2 record of line %3; links to it go to that one"),
                                  {ids_.text(id), tag, std::to_string(lines[size_t(first - 1)])}));
        }
    }

    void resolve() {
        indexRecords(personIds_, personLines_, "INDI", personOfId_);
        indexRecords(familyIds_, familyLines_, "FAM", familyOfId_);
        std::vector<Pair> children = resolveFamilyLinks();
        PairSet childOf(personIds_.size());
        for (const Pair& p : children) childOf.add(p.second, p.first);
        childOf.freeze();
        resolvePersonLinks(childOf, children);
        links_ = {};
        setChildren(children);
        resolveSealings(childOf);
    }

    int32_t findPerson(const KeptLink& link, const char* tag) {
        const int32_t rin = personOfId_[link.target];
        if (rin == 0)
            warn(link.line, fillIn(TW_TR("GedcomImport", "%1 %2 names no INDI record; dropped"), {tag, shown(ids_.text(link.target))}));
        return rin;
    }

    int32_t findFamily(uint32_t id, uint32_t line, const char* tag) {
        const int32_t mrin = familyOfId_[id];
        if (mrin == 0) warn(line, fillIn(TW_TR("GedcomImport", "%1 %2 names no FAM record; dropped"), {tag, shown(ids_.text(id))}));
        return mrin;
    }

    // HUSB, WIFE and CHIL; returns the (family, child) pairs, by family and in each
    // family's child order.
    std::vector<Pair> resolveFamilyLinks() {
        std::vector<Pair> children;
        std::vector<int32_t> lastFamily(personIds_.size() + 1, 0);  // CHIL lines of one family are together
        for (const KeptLink& link : links_) {
            if (link.kind() == LinkKind::Famc || link.kind() == LinkKind::Fams) continue;
            if (link.kind() == LinkKind::Chil) {
                const int32_t rin = findPerson(link, "CHIL");
                if (rin == 0) continue;
                if (lastFamily[size_t(rin)] == link.owner()) {
                    warn(link.line, fillIn(TW_TR("GedcomImport", "CHIL %1 is already a child of this family; dropped"), {who(rin)}));
                    continue;
                }
                lastFamily[size_t(rin)] = link.owner();
                children.emplace_back(link.owner(), rin);
                continue;
            }
            PackedFamily::Couple& m = family_.couples[size_t(link.owner() - 1)];
            const bool husband = link.kind() == LinkKind::Husb;
            const int32_t rin = findPerson(link, husband ? "HUSB" : "WIFE");
            if (rin == 0) continue;
            int32_t& slot = husband ? m.husband : m.wife;
            if (slot != 0) {
                warn(link.line, std::string(husband ? TW_TR("GedcomImport", "a second HUSB in the family; dropped")
                                             : TW_TR("GedcomImport", "a second WIFE in the family; dropped")));
            } else if ((husband ? m.wife : m.husband) == rin) {
                warn(link.line, fillIn(TW_TR("GedcomImport", "%1 is both husband and wife of the family; the second link dropped"),
                                     {who(rin)}));
            } else {
                slot = rin;
            }
        }
        // A spouse listed as a child of the same family would be his own parent: the
        // first such child link of each family goes. The CHIL lines were read family
        // by family, in file order.
        std::vector<Pair> kept;
        kept.reserve(children.size());
        for (size_t i = 0; i < children.size();) {
            const int32_t mrin = children[i].first;
            const PackedFamily::Couple& m = family_.couples[size_t(mrin - 1)];
            bool dropped = false;
            for (; i < children.size() && children[i].first == mrin; ++i) {
                const int32_t c = children[i].second;
                if (!dropped && (c == m.husband || c == m.wife)) {
                    warn(familyLines_[size_t(mrin - 1)],
                         fillIn(TW_TR("GedcomImport", "%1 is a spouse and a child of the same family; the child link dropped"), {who(c)}));
                    dropped = true;
                    continue;
                }
                kept.push_back(children[i]);
            }
        }
        return kept;
    }

    // FAMC and FAMS: the order of each person's marriages, and children that only
    // their own record links to a family (added to children, each as the last child
    // of its family).
    void resolvePersonLinks(PairSet& childOf, std::vector<Pair>& children) {
        std::vector<Pair> spouseOf;  // (person, family) in the order of the FAMS lines
        const size_t listedChildren = children.size();
        // A person's links are together in the file: a pair met before is one whose
        // family last met this person.
        std::vector<int32_t> famsOf(family_.couples.size() + 1, 0), addedTo(family_.couples.size() + 1, 0);
        for (const KeptLink& link : links_) {
            if (link.kind() != LinkKind::Famc && link.kind() != LinkKind::Fams) continue;
            const bool famc = link.kind() == LinkKind::Famc;
            const std::string_view id = ids_.text(link.target);
            const int32_t mrin = findFamily(link.target, link.line, famc ? "FAMC" : "FAMS");
            if (mrin == 0) continue;
            const PackedFamily::Couple& m = family_.couples[size_t(mrin - 1)];
            const int32_t rin = link.owner();
            if (!famc) {
                if (m.husband != rin && m.wife != rin) {
                    warn(link.line, fillIn(TW_TR("GedcomImport", "FAMS %1: the family does not name %2 as husband or wife; dropped"),
                                           {shown(id), who(rin)}));
                } else if (famsOf[size_t(mrin)] != rin) {
                    famsOf[size_t(mrin)] = rin;
                    spouseOf.emplace_back(rin, mrin);
                }
                continue;
            }
            if (childOf.contains(rin, mrin) || addedTo[size_t(mrin)] == rin) continue;
            if (m.husband == rin || m.wife == rin) {
                warn(link.line, fillIn(TW_TR("GedcomImport", "FAMC %1: %2 is husband or wife of that family; dropped"), {shown(id), who(rin)}));
                continue;
            }
            warn(link.line, fillIn(TW_TR("GedcomImport", "FAMC %1: the family does not list %2 as a child; added as its last child"),
                                   {shown(id), who(rin)}));
            children.emplace_back(mrin, rin);
            addedTo[size_t(mrin)] = rin;
        }
        for (size_t i = listedChildren; i < children.size(); ++i) childOf.add(children[i].second, children[i].first);
        childOf.freeze();
        // The added children after those listed, family by family.
        std::stable_sort(children.begin(), children.end(), [](const Pair& a, const Pair& b) { return a.first < b.first; });
        orderMarriages(spouseOf);
    }

    void setChildren(const std::vector<Pair>& children) {
        r_.counts.children = children.size();
        if (children.empty()) return;
        family_.childStart.assign(family_.couples.size() + 1, 0);
        for (const Pair& p : children) ++family_.childStart[size_t(p.first)];
        std::partial_sum(family_.childStart.begin(), family_.childStart.end(), family_.childStart.begin());
        family_.children.resize(children.size());
        for (size_t i = 0; i < children.size(); ++i) family_.children[i] = children[i].second;
    }

    // Each person's marriages in the order of the FAMS lines, then any other family
    // that names the person, in file order.
    void orderMarriages(const std::vector<Pair>& spouseOf) {
        PairSet listed(personIds_.size());
        for (const Pair& p : spouseOf) listed.add(p.first, p.second);
        listed.freeze();
        std::vector<Pair> unlisted;
        for (size_t mi = 0; mi < family_.couples.size(); ++mi) {
            const PackedFamily::Couple& m = family_.couples[mi];
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
            if (!std::is_sorted(order.begin(), order.end())) family_.marriageOrders.emplace_back(rin, std::move(order));
        }
    }

    // Where each child stands among all children (its child link number - 1), by
    // (child, family), for the sealings.
    std::unordered_map<uint64_t, uint32_t> childPositions() const {
        std::unordered_map<uint64_t, uint32_t> at;
        for (size_t mi = 0; mi < family_.couples.size(); ++mi) {
            const auto mrin = int32_t(mi + 1);
            const std::span<const int32_t> children = family_.childrenOf(mrin);
            const uint32_t first = children.empty() ? 0 : family_.childStart[mi];
            for (size_t k = 0; k < children.size(); ++k)
                at.emplace(uint64_t(uint32_t(children[k])) << 32 | uint32_t(mrin), first + uint32_t(k));
        }
        return at;
    }

    void resolveSealings(const PairSet& childOf) {
        if (sealings_.empty()) return;
        const std::unordered_map<uint64_t, uint32_t> positions = childPositions();
        std::vector<std::pair<uint32_t, WriterDate>>& sealed = family_.childSealings;
        for (ChildSealing& s : sealings_) {
            int32_t mrin = 0;
            if (s.famc != 0) {
                mrin = findFamily(s.famc, s.line, "SLGC FAMC");
                if (mrin == 0) continue;
            } else {
                const std::vector<int32_t> families = childOf.familiesOf(s.person);
                if (families.size() != 1) {
                    warn(s.line, fillIn(TW_TR("GedcomImport", "SLGC without FAMC, and %1 is a child of %2 families; dropped"),
                                        {who(s.person), std::to_string(families.size())}));
                    continue;
                }
                mrin = families.front();
            }
            const auto at = positions.find(uint64_t(uint32_t(s.person)) << 32 | uint32_t(mrin));
            if (at == positions.end()) {
                warn(s.line, fillIn(TW_TR("GedcomImport", "SLGC: %1 is not a child of %2; dropped"),
                                    {who(s.person), ids_.text(familyIds_[size_t(mrin - 1)])}));
                continue;
            }
            sealed.emplace_back(at->second, std::move(s.date));
        }
        sealings_ = {};
        // The first sealing of each child counts.
        std::stable_sort(sealed.begin(), sealed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        sealed.erase(std::unique(sealed.begin(), sealed.end(), [](const auto& a, const auto& b) { return a.first == b.first; }),
                     sealed.end());
        for (auto& s : sealed) countDate(s.second);
    }

    // A person who is his own ancestor: warned about once per loop. The data stays
    // as the file has it; the reports cut such loops where they meet them.
    void findAncestorLoops() {
        const size_t n = personIds_.size();
        // Parents of each person, from the families he is a child of.
        std::vector<uint32_t> start(n + 2, 0);
        for (const int32_t c : family_.children) ++start[size_t(c) + 1];
        for (size_t i = 1; i < start.size(); ++i) start[i] += start[i - 1];
        std::vector<uint32_t> fill(start.begin(), start.end() - 1);
        std::vector<int32_t> parentFamily(start.back());
        for (size_t mi = 0; mi < family_.couples.size(); ++mi) {
            for (const int32_t c : family_.childrenOf(int32_t(mi + 1))) parentFamily[fill[size_t(c)]++] = int32_t(mi + 1);
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
                const PackedFamily::Couple& m =
                    family_.couples[size_t(parentFamily[start[size_t(step.person)] + step.next / 2] - 1)];
                const int32_t parent = step.next % 2 == 0 ? m.husband : m.wife;
                ++step.next;
                if (parent == 0) continue;
                if (state[size_t(parent)] == kOnPath) {
                    warn(personLines_[size_t(parent - 1)], fillIn(TW_TR("GedcomImport", "%1 is his or her own ancestor"), {who(parent)}));
                } else if (state[size_t(parent)] == kNew) {
                    state[size_t(parent)] = kOnPath;
                    path.push_back({parent, 0});
                }
            }
        }
    }
};

}  // namespace

ImportResult importGedcom(std::string_view bytes, const ImportOptions& options) {
    ImportResult result;
    Importer(result, options).run(bytes, nullptr);
    return result;
}

namespace {

// How much of a file's start is read on its own before the whole file.
constexpr size_t kStartBytes = 4096;

// Why the file is no GEDCOM file, when its start alone shows it: a large file that
// is not GEDCOM is refused without being read whole.
std::string startError(const std::string& path) {
    std::vector<uint8_t> start;
    if (!readFileStart(path, kStartBytes, start).ok() || start.size() < kStartBytes) return {};
    const DecodedText decoded = decodeGedcomText(std::string_view(reinterpret_cast<const char*>(start.data()), start.size()));
    return headErrorOfStart(decoded.text);
}

}  // namespace

ImportResult importGedcomFile(const std::string& path, const ImportOptions& options) {
    ImportResult result;
    result.error = startError(path);
    if (!result.error.empty()) return result;
    ZeroedBytes bytes;
    const FileRead read = readWholeFile(path, kMaxFileBytes, bytes);
    if (read.result == FileReadResult::CannotOpen) result.error = fillIn(TW_TR("GedcomImport", "cannot be read: %1"), {read.problem});
    else if (read.result == FileReadResult::TooLarge) result.error = TW_TR("GedcomImport", "the file is larger than 2 GiB");
    else if (!read.ok()) result.error = read.problem;
    result.unreadable = read.result == FileReadResult::CannotOpen || read.result == FileReadResult::NotAFile;
    if (!read.ok()) return result;
    Importer(result, options).run(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), &bytes);
    return result;
}

}  // namespace tw::gedcom
