#include "famtext/family_text.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <set>

#include "paf/text_words.h"

namespace tw {
namespace {

using namespace famtext;

// ---- Records ----------------------------------------------------------------------

struct Token {
    std::string text;
    bool quoted = false;
    int line = 0;
};

struct Record {
    std::vector<Token> tokens;
};

struct Ref {
    int32_t number = 0;
    int line = 0;
};

struct PersonEntry {
    WriterPerson person;
    int line = 0;
    bool hasSex = false;
    bool hasName = false;
    bool hasMarriages = false;
    std::vector<Ref> marriages;
    std::optional<WriterDate> sealingToParents;
    int sealingLine = 0;
};

struct FamilyEntry {
    WriterMarriage marriage;
    int line = 0;
    Ref husband, wife;
    std::vector<Ref> children;
};

class Parser {
public:
    explicit Parser(std::vector<FamilyTextError>& errors) : errors_(errors) {}

    void read(std::string_view text);
    void check();
    WriterFamily build() const;

private:
    void error(int line, std::string message) { errors_.push_back({line, std::move(message)}); }
    void splitRecords(std::string_view text);
    void readRecord(const Record& record);
    void readPerson(const Record& record, int32_t number);
    void readFamily(const Record& record, int32_t number);
    // A new entry numbered number, or null (after an error) when the number is taken.
    template <typename Entry>
    Entry* newEntry(std::map<int32_t, Entry>& entries, const char* what, int32_t number, int line);
    // The next field name of a record, or null at its end or (after an error) where a
    // quoted text stands in its place or the field was given before.
    const Token* nextField(const Record& record, size_t& i, std::set<std::string>& seen, const char* what);
    // The value after a field name, or null (after an error) when there is none.
    const Token* value(const Record& record, size_t& i, const Token& key);
    // One or more record numbers after a field name.
    bool numbers(const Record& record, size_t& i, const Token& key, const char* what, std::vector<Ref>& out);
    bool text(const Token& key, const Token& value, std::string& out);
    bool date(const Token& key, const Token& value, WriterDate& out);
    void checkNumbering(const char* what, size_t count, int32_t highest, const std::set<int32_t>& numbers);
    void checkAncestry();

    std::vector<FamilyTextError>& errors_;
    std::vector<Record> records_;
    std::map<int32_t, PersonEntry> people_;
    std::map<int32_t, FamilyEntry> families_;
    std::map<int32_t, int32_t> parentFamily_;  // child RIN -> MRIN
};

void Parser::splitRecords(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a byte-order mark
    int lineNo = 0;
    size_t lineStart = 0;
    while (lineStart <= text.size()) {
        size_t lineEnd = text.find('\n', lineStart);
        if (lineEnd == std::string_view::npos) lineEnd = text.size();
        std::string_view line = text.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        ++lineNo;
        if (line.ends_with('\r')) line.remove_suffix(1);

        std::vector<Token> tokens;
        size_t pos = 0;
        bool bad = false;
        while (pos < line.size() && !bad) {
            const char c = line[pos];
            if (c == ' ' || c == '\t') {
                ++pos;
            } else if (c == '#') {
                break;
            } else if (c == '"') {
                Token t{"", true, lineNo};
                ++pos;
                bool closed = false;
                while (pos < line.size()) {
                    const char q = line[pos++];
                    if (q == '"') {
                        closed = true;
                        break;
                    }
                    if (q == '\\') {
                        if (pos < line.size() && (line[pos] == '"' || line[pos] == '\\')) {
                            t.text += line[pos++];
                            continue;
                        }
                        error(lineNo, "unknown escape in a quoted text (only \\\" and \\\\ are known)");
                        bad = true;
                        break;
                    }
                    t.text += q;
                }
                if (!closed && !bad) {
                    error(lineNo, "quoted text is not closed");
                    bad = true;
                }
                tokens.push_back(std::move(t));
            } else {
                Token t{"", false, lineNo};
                while (pos < line.size() && line[pos] != ' ' && line[pos] != '\t' && line[pos] != '"') {
                    t.text += line[pos++];
                }
                tokens.push_back(std::move(t));
            }
        }
        if (tokens.empty() && !bad) continue;
        const bool continues = line.front() == ' ' || line.front() == '\t';
        if (!continues) {
            records_.emplace_back();
        } else if (records_.empty()) {
            error(lineNo, "an indented line continues a record, but no record has begun");
            continue;
        }
        if (bad) {
            // The problem is reported; the marker stops the record from being read further.
            records_.back().tokens.push_back(Token{"", false, -1});
            continue;
        }
        for (auto& t : tokens) records_.back().tokens.push_back(std::move(t));
    }
}

void Parser::read(std::string_view text) {
    splitRecords(text);
    for (const Record& record : records_) readRecord(record);
}

void Parser::readRecord(const Record& record) {
    const Token& kind = record.tokens.front();
    if (kind.line < 0) return;  // only a damaged line, already reported
    const std::string word = kind.quoted ? "\"" + kind.text + "\"" : kind.text;
    if (kind.quoted || (kind.text != "person" && kind.text != "family")) {
        error(kind.line, "unknown record '" + word + "' (expected person or family)");
        return;
    }
    const int32_t number = record.tokens.size() > 1 && !record.tokens[1].quoted
                               ? positiveNumber(record.tokens[1].text) : 0;
    if (number == 0) {
        error(kind.line, kind.text + " needs a number from 1 up");
        return;
    }
    if (kind.text == "person") {
        readPerson(record, number);
    } else {
        readFamily(record, number);
    }
}

const Token* Parser::value(const Record& record, size_t& i, const Token& key) {
    if (i < record.tokens.size() && record.tokens[i].line < 0) return nullptr;  // a damaged line
    if (i >= record.tokens.size()) {
        error(key.line, "'" + key.text + "' needs a value");
        return nullptr;
    }
    return &record.tokens[i++];
}

bool Parser::numbers(const Record& record, size_t& i, const Token& key, const char* what, std::vector<Ref>& out) {
    const size_t first = i;
    while (i < record.tokens.size() && !record.tokens[i].quoted && allDigits(record.tokens[i].text)) {
        const Token& t = record.tokens[i++];
        const int32_t n = positiveNumber(t.text);
        if (n == 0) {
            error(t.line, "'" + t.text + "' is not a " + what + " number");
            return false;
        }
        out.push_back({n, t.line});
    }
    if (i == first) {
        if (i < record.tokens.size() && record.tokens[i].line < 0) return false;  // a damaged line
        error(key.line, "'" + key.text + "' needs at least one " + what + " number");
        return false;
    }
    return true;
}

bool Parser::text(const Token& key, const Token& value, std::string& out) {
    std::string why;
    if (storedText(value.text, out, why)) return true;
    error(value.line, "the " + key.text + " " + why);
    return false;
}

bool Parser::date(const Token& key, const Token& value, WriterDate& out) {
    std::string why;
    if (parseDatePhrase(value.text, out, why)) return true;
    error(value.line, "bad " + key.text + " date \"" + value.text + "\": " + why);
    return false;
}

template <typename Entry>
Entry* Parser::newEntry(std::map<int32_t, Entry>& entries, const char* what, int32_t number, int line) {
    if (auto it = entries.find(number); it != entries.end()) {
        error(line, std::string(what) + " " + std::to_string(number) + " is defined twice (also on line " +
                        std::to_string(it->second.line) + ")");
        return nullptr;
    }
    Entry& entry = entries[number];
    entry.line = line;
    return &entry;
}

const Token* Parser::nextField(const Record& record, size_t& i, std::set<std::string>& seen, const char* what) {
    const Token& key = record.tokens[i++];
    if (key.line < 0) return nullptr;
    if (key.quoted) {
        error(key.line, std::string("expected a ") + what + " field, found \"" + key.text + "\"");
        return nullptr;
    }
    if (!seen.insert(key.text).second) {
        error(key.line, "'" + key.text + "' is given twice");
        return nullptr;
    }
    return &key;
}

void Parser::readPerson(const Record& record, int32_t number) {
    PersonEntry* added = newEntry(people_, "person", number, record.tokens.front().line);
    if (added == nullptr) return;
    PersonEntry& entry = *added;
    WriterPerson& p = entry.person;
    std::set<std::string> seen;
    size_t i = 2;
    while (i < record.tokens.size()) {
        const Token* field = nextField(record, i, seen, "person");
        if (field == nullptr) return;
        const Token& key = *field;
        if (key.text == "deleted") {
            p.deleted = true;
            continue;
        }
        if (key.text == "marriages") {
            entry.hasMarriages = true;
            if (!numbers(record, i, key, "family", entry.marriages)) return;
            continue;
        }
        WriterDate* event = key.text == "birth"       ? &p.birth
                            : key.text == "chr"       ? &p.christening
                            : key.text == "death"     ? &p.death
                            : key.text == "burial"    ? &p.burial
                            : key.text == "baptism"   ? &p.baptism
                            : key.text == "endowment" ? &p.endowment
                                                      : nullptr;
        const bool known = event || key.text == "sex" || key.text == "name" || key.text == "place" ||
                           key.text == "sealing-to-parents";
        if (!known) {
            error(key.line, "unknown person field '" + key.text + "'");
            return;
        }
        const Token* v = value(record, i, key);
        if (!v) return;
        if (event) {
            if (!date(key, *v, *event)) return;
        } else if (key.text == "sex") {
            const std::string s = upper(v->text);
            if (v->quoted || (s != "M" && s != "F" && s != "U")) {
                error(v->line, "sex must be M, F or U, not '" + v->text + "'");
                return;
            }
            p.sex = s[0];
            entry.hasSex = true;
        } else if (key.text == "name") {
            if (!text(key, *v, p.name)) return;
            entry.hasName = true;
        } else if (key.text == "place") {
            if (!text(key, *v, p.birthPlace)) return;
        } else {
            WriterDate sealing;
            if (!date(key, *v, sealing)) return;
            entry.sealingToParents = sealing;
            entry.sealingLine = key.line;
        }
    }
}

void Parser::readFamily(const Record& record, int32_t number) {
    FamilyEntry* added = newEntry(families_, "family", number, record.tokens.front().line);
    if (added == nullptr) return;
    FamilyEntry& entry = *added;
    WriterMarriage& m = entry.marriage;
    std::set<std::string> seen;
    size_t i = 2;
    while (i < record.tokens.size()) {
        const Token* field = nextField(record, i, seen, "family");
        if (field == nullptr) return;
        const Token& key = *field;
        if (key.text == "deleted") {
            m.deleted = true;
        } else if (key.text == "children") {
            if (!numbers(record, i, key, "person", entry.children)) return;
        } else if (key.text == "husband" || key.text == "wife") {
            const Token* v = value(record, i, key);
            if (!v) return;
            const int32_t n = v->quoted ? 0 : positiveNumber(v->text);
            if (n == 0) {
                error(v->line, "'" + key.text + "' needs a person number, not '" + v->text + "'");
                return;
            }
            (key.text == "husband" ? entry.husband : entry.wife) = {n, v->line};
        } else if (key.text == "date" || key.text == "sealing") {
            const Token* v = value(record, i, key);
            if (!v || !date(key, *v, key.text == "date" ? m.date : m.sealing)) return;
        } else if (key.text == "place") {
            const Token* v = value(record, i, key);
            if (!v || !text(key, *v, m.place)) return;
        } else {
            error(key.line, "unknown family field '" + key.text + "'");
            return;
        }
    }
}

void Parser::checkNumbering(const char* what, size_t count, int32_t highest, const std::set<int32_t>& numbers) {
    if (size_t(highest) == count) return;
    std::string missing;
    int shown = 0;
    for (int32_t n = 1; n <= highest && shown < 5; ++n) {
        if (numbers.count(n)) continue;
        missing += (shown ? ", " : "") + std::to_string(n);
        ++shown;
    }
    error(0, std::string(what) + " must be numbered 1 to " + std::to_string(highest) +
                 " without gaps; missing: " + missing + (size_t(highest) - count > 5 ? ", ..." : ""));
}

void Parser::check() {
    if (people_.empty()) {
        error(0, "the family has no people");
        return;
    }
    std::set<int32_t> numbers;
    for (const auto& [n, e] : people_) numbers.insert(n);
    checkNumbering("people", people_.size(), people_.rbegin()->first, numbers);
    numbers.clear();
    for (const auto& [n, e] : families_) numbers.insert(n);
    if (!families_.empty()) checkNumbering("families", families_.size(), families_.rbegin()->first, numbers);

    for (const auto& [n, e] : people_) {
        const std::string who = "person " + std::to_string(n);
        if (e.person.deleted) continue;
        if (!e.hasSex) error(e.line, who + " needs a sex (M, F or U)");
        if (!e.hasName) error(e.line, who + " needs a name");
    }

    // The people a family names must exist and fit their places.
    std::map<int32_t, std::vector<int32_t>> familiesOf;  // RIN -> the families naming them as a spouse
    for (const auto& [mrin, f] : families_) {
        const std::string which = "family " + std::to_string(mrin);
        if (f.marriage.deleted) {
            if (f.husband.number || f.wife.number || !f.children.empty()) {
                error(f.line, which + " is deleted and must not name anyone");
            }
            continue;
        }
        auto person = [&](const Ref& ref, const char* role) -> const PersonEntry* {
            auto it = people_.find(ref.number);
            if (it == people_.end()) {
                error(ref.line, which + ": " + role + " " + std::to_string(ref.number) + " is not a person");
                return nullptr;
            }
            if (it->second.person.deleted) {
                error(ref.line, which + ": " + role + " " + std::to_string(ref.number) + " is a deleted person");
                return nullptr;
            }
            return &it->second;
        };
        if (f.husband.number) {
            const PersonEntry* h = person(f.husband, "husband");
            if (h && h->person.sex == 'F') {
                error(f.husband.line, which + ": husband " + std::to_string(f.husband.number) + " is a woman");
            }
            if (h) familiesOf[f.husband.number].push_back(mrin);
        }
        if (f.wife.number) {
            const PersonEntry* w = person(f.wife, "wife");
            if (w && w->person.sex == 'M') {
                error(f.wife.line, which + ": wife " + std::to_string(f.wife.number) + " is a man");
            }
            if (w && f.wife.number != f.husband.number) familiesOf[f.wife.number].push_back(mrin);
        }
        if (f.husband.number && f.husband.number == f.wife.number) {
            error(f.wife.line, which + ": the husband and the wife are the same person");
        }
        std::set<int32_t> seenChildren;
        for (const Ref& child : f.children) {
            if (!person(child, "child")) continue;
            const std::string c = std::to_string(child.number);
            if (!seenChildren.insert(child.number).second) {
                error(child.line, which + ": child " + c + " is listed twice");
            } else if (child.number == f.husband.number || child.number == f.wife.number) {
                error(child.line, which + ": child " + c + " is also a parent of the family");
            } else if (auto [it, fresh] = parentFamily_.emplace(child.number, mrin); !fresh) {
                error(child.line, which + ": person " + c + " is already a child of family " +
                                      std::to_string(it->second) + " (a person has one set of parents)");
            }
        }
    }

    for (const auto& [rin, e] : people_) {
        const std::string who = "person " + std::to_string(rin);
        if (e.person.deleted) {
            if (familiesOf.count(rin) || parentFamily_.count(rin)) {
                error(e.line, who + " is deleted and must not belong to a family");
            }
            if (e.hasMarriages) error(e.line, who + " is deleted and cannot list marriages");
            if (e.sealingToParents) error(e.sealingLine, who + " is deleted and cannot be sealed to parents");
            continue;
        }
        if (e.sealingToParents && !parentFamily_.count(rin)) {
            error(e.sealingLine, who + " has a sealing to parents but is no family's child");
        }
        if (!e.hasMarriages) continue;
        const std::vector<int32_t>& own = familiesOf[rin];
        std::set<int32_t> listed;
        for (const Ref& m : e.marriages) {
            const std::string which = std::to_string(m.number);
            if (!listed.insert(m.number).second) {
                error(m.line, who + ": family " + which + " is listed twice in 'marriages'");
            } else if (std::find(own.begin(), own.end(), m.number) == own.end()) {
                error(m.line, who + ": family " + which + " in 'marriages' does not name " + who + " as a spouse");
            }
        }
        for (int32_t mrin : own) {
            if (!listed.count(mrin)) {
                error(e.line, who + ": 'marriages' leaves out family " + std::to_string(mrin));
            }
        }
    }
    checkAncestry();
}

// Nobody may be among their own ancestors. Iterative depth-first search over parents.
void Parser::checkAncestry() {
    enum State : uint8_t { kUnseen, kOnPath, kDone };
    std::map<int32_t, State> state;
    auto parentsOf = [&](int32_t rin) {
        std::vector<int32_t> parents;
        auto pf = parentFamily_.find(rin);
        if (pf == parentFamily_.end()) return parents;
        const FamilyEntry& f = families_.at(pf->second);
        for (int32_t p : {f.husband.number, f.wife.number}) {
            if (p && people_.count(p)) parents.push_back(p);
        }
        return parents;
    };
    for (const auto& [start, entry] : people_) {
        if (state[start] != kUnseen) continue;
        std::vector<std::pair<int32_t, std::vector<int32_t>>> stack;
        stack.emplace_back(start, parentsOf(start));
        state[start] = kOnPath;
        while (!stack.empty()) {
            auto& [rin, pending] = stack.back();
            if (pending.empty()) {
                state[rin] = kDone;
                stack.pop_back();
                continue;
            }
            const int32_t parent = pending.back();
            pending.pop_back();
            if (state[parent] == kOnPath) {
                error(people_.at(parent).line,
                      "person " + std::to_string(parent) + " is among their own ancestors");
                return;
            }
            if (state[parent] == kUnseen) {
                state[parent] = kOnPath;
                stack.emplace_back(parent, parentsOf(parent));
            }
        }
    }
}

WriterFamily Parser::build() const {
    WriterFamily family;
    for (const auto& [rin, e] : people_) {
        WriterPerson p = e.person;
        for (const Ref& m : e.marriages) p.marriageOrder.push_back(m.number);
        family.addPerson(std::move(p));
    }
    for (const auto& [mrin, f] : families_) {
        WriterMarriage m = f.marriage;
        m.husband = f.husband.number;
        m.wife = f.wife.number;
        bool anySealing = false;
        for (const Ref& child : f.children) {
            m.children.push_back(child.number);
            anySealing = anySealing || people_.at(child.number).sealingToParents.has_value();
        }
        if (anySealing) {
            for (const Ref& child : f.children) {
                m.childSealings.push_back(people_.at(child.number).sealingToParents.value_or(WriterDate()));
            }
        }
        family.addMarriage(std::move(m));
    }
    return family;
}

}  // namespace

FamilyText parseFamilyText(std::string_view text) {
    FamilyText result;
    Parser parser(result.errors);
    parser.read(text);
    if (result.errors.empty()) parser.check();
    if (result.errors.empty()) {
        result.family = parser.build();
    }
    std::stable_sort(result.errors.begin(), result.errors.end(), [](const auto& a, const auto& b) {
        // Problems of the file as a whole (line 0) come last.
        return (a.line == 0 ? INT32_MAX : a.line) < (b.line == 0 ? INT32_MAX : b.line);
    });
    return result;
}

}  // namespace tw
