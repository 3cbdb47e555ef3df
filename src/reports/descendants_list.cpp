#include "reports/descendants_list.h"

#include <string>
#include <utility>
#include <vector>

#include "paf/navigation.h"
#include "reports/descendant_entry.h"
#include "reports/descendant_page.h"
#include "reports/descent.h"
#include "reports/list_page.h"

namespace tw {

void generateDescendantsList(AppContext& ctx, const ReportInput& input) {
    PageLog& log = ctx.pageLog;
    log.begin("Descendants List", runPage(ctx));
    DescendantPage page(ctx, false, startCoupleNames(ctx, input.mrins));

    double y = page.beforeFirstPage();
    IntList marriages = startCouples(input.mrins);
    // Every line is printed, so a family that loops back on itself would grow
    // without end: the list stops before it would pass the entry limit.
    int64_t entries = 0;
    for (int g = 2;;) {
        page.startGeneration(std::to_string(g));
        ++g;
        if (g == kDescentGenerationLimit) {
            if (childrenInFileOrder(ctx, marriages).size() != 0) {
                const std::string message = generationLimitMessage(g - 2);
                ctx.host.message(message, "Note");
                page.printStopNote(y, onOneLine(message));
            }
            break;
        }
        y = page.check(y);
        ctx.host.showProgress(g);

        IntList persons;
        if (!childrenWithin(ctx, marriages, ctx.listEntryLimit - entries, persons)) {
            const std::string message = listStopMessage(g - 2, ctx.listEntryLimit);
            ctx.host.message(message, "Note");
            page.printStopNote(y, onOneLine(message));
            break;
        }
        numberChildLines(persons);
        if (persons.size() == 0) {
            if (g == 3) page.printNoChildren(y);
            break;
        }
        entries += persons.size() / 3;

        std::vector<DescendantEntry> generation = entriesOf(ctx, persons, true);
        page.findParents(generation);
        sortEntries(ctx.host, generation);
        int number = 0;
        for (DescendantEntry& entry : generation) {
            y = page.printEntry(y, entry, number, nullptr);
            log.commit();
        }
        page.rememberParents(std::move(generation));
        log.commit();
        y += DescendantPage::kLineHeight;  // a blank line between generations

        marriages = marriagesInFileOrder(ctx, persons);
        if (marriages.size() == 0) break;
    }
    ctx.host.showProgress(-1);
    log.newPage();
    log.end();
}

}  // namespace tw
