#include "reports/grouped_descendants_list.h"

#include <string>
#include <utility>
#include <vector>

#include "base/ordinal.h"
#include "base/translation.h"
#include "paf/navigation.h"
#include "reports/descendant_entry.h"
#include "reports/descendant_page.h"
#include "reports/descent.h"
#include "reports/list_page.h"
#include "reports/report_words.h"

namespace tw {

namespace {

// The note under a group with repeats, on letter: "*" in the number column, and
// "repeated" this far right of it.
constexpr double kRepeatedNoteAfterLabel = 0.75;
// The note stands this many lines below the group's last line.
constexpr int kLinesToRepeatedNote = 3;

// The title of a group, by label + 1 (the children, label 2, are group 3).
std::string groupTitle(int g) {
    switch (g) {
    case 3: return std::string(report_words::children());
    case 4: return std::string(report_words::grandchildren());
    case 5: return std::string(TW_TR("GroupedDescendantsList", "Great Grandchildren"));
    default: return fillIn(TW_TR("GroupedDescendantsList", "%1 Great Grandchildren"), {ordinal(g - 4)});
    }
}

}  // namespace

void generateGroupedDescendantsList(AppContext& ctx, const ReportInput& input) {
    PageLog& log = ctx.pageLog;
    log.begin("Grouped Descendants List", runPage(ctx));
    RinMarks printed;
    printed.reset(ctx.file.highestRin());
    DescendantPage page(ctx, true, startCoupleNames(ctx, input.mrins));

    double y = page.beforeFirstPage();
    IntList marriages = startCouples(input.mrins);
    for (int g0 = 2; marriages.size() != 0; ++g0) {
        page.startGeneration(std::to_string(g0));
        const int g = g0 + 1;
        if (g == kDescentGenerationLimit) {
            if (childrenInFileOrder(ctx, marriages).size() != 0) {
                const std::string message = generationLimitMessage(g0 - 1);
                ctx.host.message(message, "Note");
                page.printStopNote(y, onOneLine(message));
            }
            break;
        }
        if (g > 3) y = page.pastThePage();
        page.setGroupTitle(groupTitle(g));
        y = page.check(y);
        ctx.host.showProgress(g);

        IntList persons = childrenInFileOrder(ctx, marriages);
        numberChildLines(persons);
        if (persons.size() == 0) {
            if (g == 3) page.printNoChildren(y);
            break;
        }
        std::vector<DescendantEntry> group = entriesOf(ctx, persons, true);
        page.findParents(group);
        sortEntries(ctx.host, group);

        // Only the people numbered here lead on to the next group: those marked "*"
        // were followed where they were first listed.
        int number = 1;
        IntList nextParents;
        page.groupRepeat = false;
        for (size_t k = 0; k < group.size(); ++k) {
            DescendantEntry& entry = group[k];
            // The note under a group with repeats stays on the page of its last entry.
            const bool noteFollows = k + 1 == group.size() && (page.groupRepeat || printed.isSet(entry.rin));
            y = page.printEntry(y, entry, number, &printed, noteFollows ? kLinesToRepeatedNote : 0);
            if (!entry.repeat) nextParents.pushTriple(entry.rin, entry.childLine, entry.parentRin);
            log.commit();
        }
        if (page.groupRepeat) {
            // The note stays inside the frame: at the page foot it opens the next page.
            y = page.check(y + (kLinesToRepeatedNote - 1) * DescendantPage::kLineHeight);
            log.textCentered(page.labelX(), y, "*");
            log.textCentered(page.labelX() + kRepeatedNoteAfterLabel, y, TW_TR("GroupedDescendantsList", "repeated"));
        }
        log.commit();
        y += DescendantPage::kLineHeight;
        page.rememberParents(std::move(group));
        marriages = marriagesInFileOrder(ctx, nextParents);
    }
    ctx.host.showProgress(-1);
    log.newPage();
    log.end();
}

}  // namespace tw
