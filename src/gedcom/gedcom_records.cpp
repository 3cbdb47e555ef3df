#include "gedcom/gedcom_records.h"

#include <algorithm>

#include "base/translation.h"
#include "gedcom/gedcom_lines.h"

namespace tw::gedcom {

void Warnings::add(size_t line, const std::string& text) {
    ++count_;
    if (list_.size() >= kMaxWarnings) {
        ++suppressed_;
        return;
    }
    list_.push_back(line == 0 ? text : fillIn(TW_TR("GedcomImport", "line %1: %2"), {std::to_string(line), text}));
}

void Warnings::finish() {
    if (list_.size() >= kMaxWarnings && suppressed_ > 0)
        list_.push_back(fillIn(TW_TR("GedcomImport", "... and %1 more warnings"), {std::to_string(suppressed_)}));
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::string shown(std::string_view text) {
    constexpr size_t kShown = 40;
    std::string out(text.substr(0, kShown));
    for (char& c : out) {
        if (uint8_t(c) < 0x20) c = '?';
    }
    if (text.size() > kShown) out += "...";
    return out;
}

namespace {

Field indiField(uint32_t tag) {
    if (tag == knownTag("NAME")) return Field::Name;
    if (tag == knownTag("BIRT")) return Field::Birth;
    if (tag == knownTag("CHR")) return Field::Christening;
    if (tag == knownTag("DEAT")) return Field::Death;
    if (tag == knownTag("BURI")) return Field::Burial;
    if (tag == knownTag("BAPL")) return Field::Baptism;
    if (tag == knownTag("ENDL")) return Field::Endowment;
    if (tag == knownTag("SLGC")) return Field::ChildSealing;
    return Field::None;
}

Field famField(uint32_t tag) {
    if (tag == knownTag("MARR")) return Field::Marriage;
    if (tag == knownTag("SLGS")) return Field::Sealing;
    return Field::None;
}

enum class Record : uint8_t { None, Head, Indi, Fam, Other };

// How often the sink is asked whether to stop: cheap next to the lines between.
constexpr size_t kLinesBetweenStopChecks = 4096;

class RecordReader {
public:
    RecordReader(RecordSink& sink, Warnings& warnings) : sink_(sink), warnings_(warnings) {}

    size_t read(std::string_view text) {
        LineCursor cursor(text);
        std::string_view raw;
        constexpr size_t kPassedStep = size_t(8) << 20;
        size_t nextPassed = kPassedStep;
        while (cursor.next(raw)) {
            if (cursor.position() >= nextPassed) {  // the line before this one is done with
                sink_.passed(size_t(raw.data() - text.data()));
                nextPassed = cursor.position() + kPassedStep;
            }
            const size_t number = cursor.number();
            if (number % kLinesBetweenStopChecks == 0 && sink_.stopped()) return number;
            if (raw.size() > kMaxLineBytes) {
                warn(number, fillIn(TW_TR("GedcomImport", "the line is longer than %1 bytes; cut there"), {std::to_string(kMaxLineBytes)}));
                raw = raw.substr(0, kMaxLineBytes);
            }
            GedcomLine line;
            const LineShape shape = parseGedcomLine(raw, line);
            if (shape == LineShape::Blank) continue;
            if (trailer_) {
                warn(number, std::string(TW_TR("GedcomImport", "text after \"0 TRLR\" ignored")));
                break;
            }
            if (shape == LineShape::NotALine) {
                warn(number, fillIn(TW_TR("GedcomImport", "not a GEDCOM line (no level number), ignored: \"%1\""), {shown(raw)}));
                continue;
            }
            if (skipAbove_ >= 0) {
                if (line.level > skipAbove_) continue;
                skipAbove_ = -1;
            }
            if (line.level > kMaxLevel || line.level > depth_ + 1) {
                if (shape == LineShape::NoTag) {  // text that lost its line start, like "1850 he moved"
                    warn(number, fillIn(TW_TR("GedcomImport", "not a GEDCOM line, ignored: \"%1\""), {shown(raw)}));
                    continue;
                }
                warn(number, fillIn(TW_TR("GedcomImport", "level %1 follows level %2; the line and the lines under it ignored"),
                                    {std::to_string(line.level), std::to_string(depth_)}));
                skipAbove_ = depth_ + 1;
                continue;
            }
            if (shape == LineShape::NoTag) {
                warn(number, fillIn(TW_TR("GedcomImport", "malformed line, ignored with the lines under it: \"%1\""), {shown(raw)}));
                closeLevel(line.level);
                depth_ = line.level;
                skipAbove_ = line.level;
                continue;
            }
            depth_ = line.level;
            take(line, number);
        }
        closeLevel(0);
        if (!trailer_)
            warn(cursor.number(), std::string(TW_TR("GedcomImport", "the file ends without \"0 TRLR\"; it may have been cut short")));
        return cursor.number();
    }

private:
    RecordSink& sink_;
    Warnings& warnings_;
    size_t people_ = 0, families_ = 0;  // INDI and FAM records read

    Record record_ = Record::None;
    Structure open_;
    int continued_ = 0;    // 1: CONC/CONT at level 2 go to the value; 2: at level 3 go to the place
    int depth_ = -1;       // level of the last line read
    int skipAbove_ = -1;   // lines deeper than this belong to a dropped line
    bool trailer_ = false;

    void warn(size_t line, const std::string& text) { warnings_.add(line, text); }

    // Finishes the structures at this level and deeper.
    void closeLevel(int level) {
        if (level > 1) return;
        if (open_.field != Field::None) {  // nothing is kept while no structure is open
            sink_.structure(open_);
            open_.clear();
        }
        continued_ = 0;
    }

    void take(const GedcomLine& line, size_t number) {
        if (line.level == 0) {
            closeLevel(0);
            startRecord(line, number);
            return;
        }
        if (record_ != Record::Indi && record_ != Record::Fam) return;
        if (line.level == 1) {
            closeLevel(1);
            if (record_ == Record::Indi) indiLine(line, number);
            else famLine(line, number);
            return;
        }
        if (open_.field == Field::None) return;
        if (line.level == 2) {
            const uint32_t tag = line.code;
            continued_ = 0;
            if (tag == knownTag("DATE")) {
                if (open_.date.empty()) open_.date.assign(line.value);
            } else if (tag == knownTag("PLAC")) {
                if (open_.place.empty()) {
                    open_.place.assign(line.value.substr(0, kMaxValueBytes));
                    continued_ = 2;
                }
            } else if (tag == knownTag("STAT")) {
                open_.stat.assign(line.value);
            } else if (tag == knownTag("FAMC") && open_.field == Field::ChildSealing) {
                open_.famc.assign(trimmed(line.value));
            } else if (open_.field == Field::Name && (tag == knownTag("CONC") || tag == knownTag("CONT"))) {
                continueValue(open_.value, tag, line.value);
            } else if (open_.field == Field::Name && tag == knownTag("GIVN")) {
                open_.givn.assign(line.value);
            } else if (open_.field == Field::Name && tag == knownTag("SURN")) {
                open_.surn.assign(line.value);
            }
            return;
        }
        if (line.level == 3 && continued_ == 2 && (line.code == knownTag("CONC") || line.code == knownTag("CONT")))
            continueValue(open_.place, line.code, line.value);
    }

    static void continueValue(std::string& value, uint32_t tag, std::string_view more) {
        if (tag == knownTag("CONT")) value += '\n';
        value.append(more.substr(0, kMaxValueBytes - std::min(value.size(), kMaxValueBytes)));
    }

    void startRecord(const GedcomLine& line, size_t number) {
        const uint32_t tag = line.code;
        record_ = Record::Other;
        if (tag == knownTag("HEAD")) {
            record_ = Record::Head;
        } else if (tag == knownTag("TRLR")) {
            trailer_ = true;
        } else if (tag == knownTag("INDI") || tag == knownTag("FAM")) {
            const bool indi = tag == knownTag("INDI");
            if ((indi ? people_ : families_) >= kMaxRecords) {
                warn(number, fillIn(TW_TR("GedcomImport", "more than %1 %2 records; this one and the rest ignored"),
                                    {std::to_string(kMaxRecords), line.tag}));
                return;
            }
            if (line.xref.empty())
                warn(number, fillIn(TW_TR("GedcomImport", "%1 record without a cross-reference id; nothing can link to it"), {line.tag}));
            if (indi) {
                ++people_;
                sink_.startPerson(line.xref, uint32_t(number));
            } else {
                ++families_;
                sink_.startFamily(line.xref, uint32_t(number));
            }
            record_ = indi ? Record::Indi : Record::Fam;
        }
    }

    bool pointer(const GedcomLine& line, size_t number, std::string_view& target) {
        target = trimmed(line.value);
        if (target == std::string_view("@VOID@")) return false;  // GEDCOM 7: a link left empty on purpose
        if (target.size() < 3 || target.front() != '@' || target.back() != '@') {
            warn(number, fillIn(TW_TR("GedcomImport", "%1 \"%2\" is not a link to a record; ignored"), {line.tag, shown(target)}));
            return false;
        }
        return true;
    }

    void addLink(const GedcomLine& line, size_t number, LinkKind kind, int32_t owner) {
        std::string_view target;
        if (pointer(line, number, target)) sink_.link({owner, uint32_t(number), target, kind});
    }

    void indiLine(const GedcomLine& line, size_t number) {
        const auto rin = int32_t(people_);
        const uint32_t tag = line.code;
        if (tag == knownTag("SEX")) {
            const std::string_view v = trimmed(line.value);
            const char c = v.size() == 1 ? v[0] : 0;
            sink_.sex(c == 'M' || c == 'm' ? 'M' : c == 'F' || c == 'f' ? 'F' : 'U');
        } else if (tag == knownTag("FAMC")) {
            addLink(line, number, LinkKind::Famc, rin);
        } else if (tag == knownTag("FAMS")) {
            addLink(line, number, LinkKind::Fams, rin);
        } else if (const Field f = indiField(tag); f != Field::None) {
            open_.field = f;
            open_.line = uint32_t(number);
            if (f == Field::Name) {
                open_.value.assign(line.value.substr(0, kMaxValueBytes));
                continued_ = 1;
            }
        }
    }

    void famLine(const GedcomLine& line, size_t number) {
        const auto mrin = int32_t(families_);
        const uint32_t tag = line.code;
        if (tag == knownTag("HUSB")) addLink(line, number, LinkKind::Husb, mrin);
        else if (tag == knownTag("WIFE")) addLink(line, number, LinkKind::Wife, mrin);
        else if (tag == knownTag("CHIL")) addLink(line, number, LinkKind::Chil, mrin);
        else if (const Field f = famField(tag); f != Field::None) {
            open_.field = f;
            open_.line = uint32_t(number);
        }
    }
};

}  // namespace

namespace {

std::string notHeadText(size_t number, std::string_view raw) {
    return fillIn(TW_TR("GedcomImport", "not a GEDCOM file: it does not begin with \"0 HEAD\" (line %1: \"%2\")"),
                  {std::to_string(number), shown(raw)});
}

}  // namespace

std::string headError(std::string_view text) {
    LineCursor cursor(text);
    std::string_view raw;
    while (cursor.next(raw)) {
        GedcomLine line;
        const LineShape shape = parseGedcomLine(raw, line);
        if (shape == LineShape::Blank) continue;
        if (shape == LineShape::Good && line.level == 0 && line.code == knownTag("HEAD")) return {};
        return notHeadText(cursor.number(), raw);
    }
    return std::string(TW_TR("GedcomImport", "not a GEDCOM file: it holds no lines"));
}

std::string headErrorOfStart(std::string_view start) {
    LineCursor cursor(start);
    std::string_view raw;
    while (cursor.next(raw)) {
        const bool cut = raw.data() + raw.size() == start.data() + start.size();
        if (!cut) {
            GedcomLine line;
            const LineShape shape = parseGedcomLine(raw, line);
            if (shape == LineShape::Blank) continue;
            if (shape == LineShape::Good && line.level == 0 && line.code == knownTag("HEAD")) return {};
            return notHeadText(cursor.number(), raw);
        }
        // The line goes on past the start: only its first byte that is not blank is
        // known for sure, and a line that does not begin with a digit is no line.
        const size_t first = raw.find_first_not_of(" \t");
        if (first == std::string_view::npos || (raw[first] >= '0' && raw[first] <= '9')) return {};
        return notHeadText(cursor.number(), raw);
    }
    return {};
}

size_t readRecords(std::string_view text, RecordSink& sink, Warnings& warnings) {
    return RecordReader(sink, warnings).read(text);
}

}  // namespace tw::gedcom
