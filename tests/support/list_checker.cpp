#include "support/list_checker.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

#include "output/page_command.h"
#include "reports/list_page.h"

namespace tw::test {

namespace {

// Positions written by the same expression agree to the page log's four decimals.
constexpr double kSame = 0.005;

bool same(double a, double b) { return std::fabs(a - b) < kSame; }

struct Placed {
    PageOp op = PageOp::Text;
    double x = 0, y = 0;
    std::string text;
};

// A page's upright texts in the order written, and the foot of its frame (the
// lowest level rule): the page number below it is no part of the body.
struct PageView {
    std::vector<Placed> texts;
    double frameBottom = std::numeric_limits<double>::infinity();

    const Placed* find(std::string_view text) const {
        for (const Placed& t : texts)
            if (t.text == text) return &t;
        return nullptr;
    }
    const Placed* findStart(std::string_view start) const {
        for (const Placed& t : texts)
            if (std::string_view(t.text).starts_with(start)) return &t;
        return nullptr;
    }
    // The text written right after the first one that is exactly text.
    const Placed* after(std::string_view text) const {
        for (size_t i = 0; i + 1 < texts.size(); ++i)
            if (texts[i].text == text) return &texts[i + 1];
        return nullptr;
    }
};

PageView readPage(std::string_view page) {
    PageView view;
    PageCommandReader reader(page);
    double atY = 0;
    double lowestRule = -1;
    while (const auto c = reader.next()) {
        switch (c->op) {
        case PageOp::Move: atY = c->numbers[1]; break;
        case PageOp::Line:
            if (same(c->numbers[1], atY)) lowestRule = std::max(lowestRule, atY);
            atY = c->numbers[1];
            break;
        case PageOp::Text:
        case PageOp::TextCentred:
        case PageOp::TextRight: view.texts.push_back({c->op, c->numbers[0], c->numbers[1], std::string(c->text)}); break;
        case PageOp::TextAngled:
        case PageOp::TextAngledCentred: view.texts.push_back({c->op, c->numbers[0], c->numbers[1], std::string(c->text)});
            break;
        default: break;
        }
    }
    if (lowestRule >= 0) view.frameBottom = lowestRule;
    return view;
}

enum class ListKind { None, Descendants, Grouped, RepeatDescendants, Ancestors, RepeatAncestors, Summary, FamilySummary };

ListKind kindOf(const PageView& page) {
    if (page.find("Repeat Descendants") != nullptr) return ListKind::RepeatDescendants;
    if (page.find("Descendants of") != nullptr && page.find("LINE") != nullptr)
        return page.find("No.") != nullptr ? ListKind::Grouped : ListKind::Descendants;
    if (page.findStart("Ancestor List (") != nullptr) return ListKind::Ancestors;
    if (page.find("Repeat Ancestor List") != nullptr) return ListKind::RepeatAncestors;
    if (page.find("Descendants Summary List") != nullptr) return ListKind::Summary;
    if (page.find("Family Summary List") != nullptr) return ListKind::FamilySummary;
    return ListKind::None;
}

bool isNumber(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// What a list prints in place of entries: that it has none, or where it stops.
bool isNote(std::string_view text) {
    // A note too wide for its column is wrapped: its first line begins the note.
    const auto begins = [&](std::string_view note) { return !text.empty() && note.starts_with(text); };
    return begins(noChildrenText()) || begins(noRepeatedAncestorText()) || begins(noRepeatedDescendantText()) ||
           begins(intermarriageNote()) || text.starts_with(kListStopsWords);
}

bool isMark(std::string_view text) { return text == "cont'd" || text == "Cont'd" || text == "(cont'd)"; }

using Line = std::vector<const Placed*>;

// The columns a list's entries are found by, from where its headings stand.
class ListReading {
public:
    ListReading(const PageView& page, ListKind kind) : kind_(kind) {
        const auto x = [&](std::string_view heading) {
            const Placed* t = page.find(heading);
            return t != nullptr ? t->x : std::numeric_limits<double>::quiet_NaN();
        };
        childLineX_ = x("LINE");
        rinX_ = x("RIN");
        generationX_ = x("GEN");
        nameX_ = kind == ListKind::Ancestors || kind == ListKind::RepeatAncestors ? x("Name") : x("NAME");
        double headingBottom = 0;
        for (const char* heading : {"NAME", "Name", "PARENT", "DESCENDANT PARENT", "LINE", "Number", "Year",
                                    "Child and Spouse(s)", "gch", "Gen", "Low"})
            if (const Placed* t = page.find(heading)) headingBottom = std::max(headingBottom, t->y);
        for (const Placed& t : page.texts) {
            if (t.y <= headingBottom + kSame || t.y >= page.frameBottom - kSame) continue;
            if (lines_.empty() || !same(lines_.back()[0]->y, t.y)) {
                // Texts of one line are written together, but keep to y order all the same.
                auto at = std::find_if(lines_.begin(), lines_.end(), [&](const Line& l) { return same(l[0]->y, t.y); });
                if (at != lines_.end()) {
                    at->push_back(&t);
                    continue;
                }
                lines_.push_back({&t});
            } else {
                lines_.back().push_back(&t);
            }
        }
        std::stable_sort(lines_.begin(), lines_.end(), [](const Line& a, const Line& b) { return a[0]->y < b[0]->y; });
    }

    const std::vector<Line>& lines() const { return lines_; }

    // The first line of an entry (a person or a spouse block).
    bool isEntry(const Line& line) const {
        for (const Placed* t : line) {
            if (t->text.empty() || isMark(t->text)) continue;
            switch (kind_) {
            case ListKind::Descendants:
            case ListKind::Grouped:
                if (t->op == PageOp::TextCentred && same(t->x, childLineX_)) return true;
                break;
            case ListKind::RepeatDescendants:
                if (t->op == PageOp::TextRight && same(t->x, rinX_)) return true;
                break;
            case ListKind::Ancestors:
                if (t->op == PageOp::TextCentred && t->x < nameX_ - kSame) return true;
                break;
            case ListKind::RepeatAncestors:
                if (t->op == PageOp::Text && same(t->x, rinX_) && isNumber(t->text)) return true;
                break;
            case ListKind::Summary:
                if (t->op == PageOp::TextRight) return true;
                break;
            case ListKind::FamilySummary: return true;
            case ListKind::None: break;
            }
        }
        return false;
    }

    // What may stand first on a page: an entry, a generation's heading line, a
    // marked continuation, the note that the list stops.
    bool mayBeginPage(const Line& line) const {
        if (isEntry(line)) return true;
        for (const Placed* t : line) {
            if (isMark(t->text) || isNote(t->text)) return true;
            if (t->text.empty()) continue;
            if (kind_ == ListKind::RepeatDescendants && t->op == PageOp::TextCentred && same(t->x, generationX_))
                return true;
            if ((kind_ == ListKind::Ancestors || kind_ == ListKind::RepeatAncestors) && t->x < nameX_ - kSame)
                return true;
            if (kind_ == ListKind::Summary && t->op == PageOp::TextCentred) return true;
        }
        return false;
    }

    // The name beside an entry's start, where the list has one column of names.
    std::optional<std::string> nameOf(const Line& line) const {
        if (kind_ == ListKind::Summary) {
            // A child's line: "3." and the name; a spouse's line: "-" and the name.
            const bool child = std::any_of(line.begin(), line.end(), [](const Placed* t) {
                return t->op == PageOp::TextRight && t->text.size() > 1 && t->text.back() == '.' &&
                       std::all_of(t->text.begin(), t->text.end() - 1, [](char c) { return c >= '0' && c <= '9'; });
            });
            const bool continued = std::any_of(line.begin(), line.end(), [](const Placed* t) { return isMark(t->text); });
            if (!child || continued) return std::nullopt;
            for (const Placed* t : line)
                if (t->op == PageOp::Text) return t->text;
            return std::string();
        }
        if (kind_ == ListKind::FamilySummary || std::isnan(nameX_)) return std::nullopt;
        for (const Placed* t : line)
            if (t->op == PageOp::Text && same(t->x, nameX_)) return t->text;
        return std::string();
    }

    ListKind kind() const { return kind_; }

private:
    ListKind kind_;
    double childLineX_, rinX_, generationX_, nameX_;
    std::vector<Line> lines_;
};

PageFinding finding(int page, std::string text, std::string problem) {
    return {page, std::move(text), std::move(problem), 0};
}

// The generation a continuation mark names: the text beside "(cont'd)", or the one
// at the mark's place on the line above "cont'd".
const Placed* continuedLabel(const ListReading& reading, size_t lineIndex, const Placed& mark) {
    const Line& line = reading.lines()[lineIndex];
    if (mark.text == "(cont'd)") {
        for (const Placed* t : line)
            if (t != &mark && t->op == PageOp::TextRight) return t;
        return nullptr;
    }
    if (lineIndex == 0) return nullptr;
    for (const Placed* t : reading.lines()[lineIndex - 1])
        if (same(t->x, mark.x) && !isMark(t->text)) return t;
    return nullptr;
}

// A mark says that the generation (or the child) of the label goes on from the page
// before: that page's last label in the same place must be the same, with an entry
// on its line or after it.
void checkContinuation(const ListReading& reading, const ListReading* before, int page,
                       std::vector<PageFinding>& found) {
    for (size_t l = 0; l < reading.lines().size(); ++l)
        for (const Placed* mark : reading.lines()[l]) {
            if (!isMark(mark->text)) continue;
            const Placed* label = continuedLabel(reading, l, *mark);
            if (label == nullptr) {
                found.push_back(finding(page, mark->text, "marks a continuation of nothing"));
                continue;
            }
            if (before == nullptr) {
                found.push_back(finding(page, mark->text, "stands on the first page"));
                continue;
            }
            const Placed* last = nullptr;
            size_t lastLine = 0;
            for (size_t b = 0; b < before->lines().size(); ++b)
                for (const Placed* t : before->lines()[b])
                    if (t->op == label->op && same(t->x, label->x) && !isMark(t->text)) {
                        last = t;
                        lastLine = b;
                    }
            bool entryAfter = false;
            for (size_t b = lastLine; last != nullptr && b < before->lines().size(); ++b)
                entryAfter = entryAfter || before->isEntry(before->lines()[b]);
            if (last == nullptr || last->text != label->text || !entryAfter)
                found.push_back(finding(page, mark->text + " under " + label->text,
                                        "does not go on from the page before (it ends with " +
                                            (last != nullptr ? last->text : std::string("nothing")) +
                                            (entryAfter || last == nullptr ? ")" : " and no entry of it)")));
        }
}

void checkCoupleTitle(const PageView& view, ListKind kind, const ListExpectations& expect, int page,
                      std::vector<PageFinding>& found) {
    if (!expect.couple) return;
    const Placed* title = nullptr;
    std::string_view separator = " and ";
    switch (kind) {
    case ListKind::Descendants:
    case ListKind::Grouped:
    case ListKind::RepeatDescendants: title = view.after("Descendants of"); break;
    case ListKind::Summary:
        title = view.after("Descendants Summary List");
        separator = " / ";
        break;
    case ListKind::FamilySummary:
        title = view.after("Family Summary List");
        separator = " / ";
        break;
    default: return;
    }
    if (title == nullptr) return;
    if (!namesCouple(title->text, expect.couple->first, expect.couple->second, separator))
        found.push_back(finding(page, title->text, "does not name both partners of the couple"));
}

std::string_view trimmedBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

bool isSeparator(char c) { return c == ',' || c == ';'; }

// A shortened name: its start and end around "...", or the whole of it.
bool shortens(std::string_view part, std::string_view name) {
    if (part == name) return !name.empty();
    const size_t dots = part.find("...");
    if (dots == std::string_view::npos || name.empty()) return false;
    const std::string_view head = part.substr(0, dots), tail = part.substr(dots + 3);
    return head.size() + tail.size() < name.size() && name.starts_with(head) && name.ends_with(tail);
}

}  // namespace

std::vector<std::string> separatorFaults(std::string_view text) {
    std::vector<std::string> faults;
    const std::string_view t = trimmedBlanks(text);
    if (t.empty()) return faults;
    if (isSeparator(t.front())) faults.emplace_back("begins with a separator");
    // A name wrapped after "FLANDERS;" ends its line with the separator; a separator
    // with a blank after it and nothing more was to be followed by something.
    if (isSeparator(t.back()) && (t.size() == 1 || text.ends_with(' ')))
        faults.emplace_back("ends with a separator");
    for (size_t i = 0; i < t.size(); ++i) {
        if (!isSeparator(t[i]) && t[i] != ':') continue;
        size_t j = i + 1;
        while (j < t.size() && t[j] == ' ') ++j;
        if (j < t.size() && isSeparator(t[j])) {
            faults.emplace_back("has separators with nothing between them");
            break;
        }
    }
    for (size_t i = t.find(" ,"); i != std::string_view::npos; i = t.find(" ,", i + 1)) {
        const std::string_view before = trimmedBlanks(t.substr(0, i));
        if (before.empty() || isSeparator(before.back()) || before.back() == ':') continue;  // found above
        faults.emplace_back("has a blank before a comma");
        break;
    }
    // Two blanks after a word (a count is set two blanks before its label, the
    // Family Tree Chart's "married" two blanks before the date, and a sentence may
    // end with two).
    for (size_t i = t.find("  "); i != std::string_view::npos; i = t.find("  ", i + 1)) {
        const std::string_view before = t.substr(0, i);
        const auto last = static_cast<unsigned char>(before.back());
        const bool letter = std::isalpha(last) != 0 || last >= 0x80;
        if (!letter || before.ends_with("married")) continue;
        faults.emplace_back("has two blanks between words");
        break;
    }
    // ("and" alone is the middle line of a couple stacked on three lines.)
    if (t.starts_with("and ") || t.ends_with(" and"))
        faults.emplace_back("has an \"and\" with no partner on one side");
    return faults;
}

bool namesCouple(std::string_view title, std::string_view husband, std::string_view wife,
                 std::string_view separator) {
    if (husband.empty() || wife.empty()) {
        const std::string_view one = husband.empty() ? wife : husband;
        return one.empty() ? title.empty() : shortens(title, one);
    }
    for (size_t at = title.find(separator); at != std::string_view::npos; at = title.find(separator, at + 1))
        if (shortens(title.substr(0, at), husband) && shortens(title.substr(at + separator.size()), wife)) return true;
    return false;
}

std::vector<PageFinding> checkListPages(const std::vector<std::string>& pages, const ListExpectations& expect) {
    std::vector<PageFinding> found;
    std::vector<PageView> views;
    views.reserve(pages.size());
    for (const std::string& p : pages) views.push_back(readPage(p));
    std::optional<ListReading> before;
    for (size_t p = 0; p < views.size(); ++p) {
        const int page = int(p) + 1;
        const PageView& view = views[p];
        for (const Placed& t : view.texts)
            for (std::string& fault : separatorFaults(t.text)) found.push_back(finding(page, t.text, std::move(fault)));
        const ListKind kind = kindOf(view);
        if (kind == ListKind::None) {
            before.reset();
            continue;
        }
        ListReading reading(view, kind);
        if (!reading.lines().empty() && !reading.mayBeginPage(reading.lines().front())) {
            std::string text;
            for (const Placed* t : reading.lines().front()) text += (text.empty() ? "" : " | ") + t->text;
            found.push_back(finding(page, text, "begins the page but is not the start of an entry"));
        }
        if (expect.everyoneNamed)
            for (const Line& line : reading.lines())
                if (reading.isEntry(line))
                    if (const auto name = reading.nameOf(line); name && trimmedBlanks(*name).empty())
                        found.push_back(finding(page, line.front()->text, "is an entry with no name"));
        checkContinuation(reading, before && before->kind() == kind ? &*before : nullptr, page, found);
        checkCoupleTitle(view, kind, expect, page, found);
        before.emplace(std::move(reading));
    }
    return found;
}

std::vector<PageFinding> checkListPages(const PageLog& log, const ListExpectations& expect) {
    std::vector<std::string> pages;
    for (int32_t p = 0; p <= log.lastPageIndex() && p < log.storedPageCount(); ++p) pages.push_back(log.pagelogg(p));
    return checkListPages(pages, expect);
}

}  // namespace tw::test
