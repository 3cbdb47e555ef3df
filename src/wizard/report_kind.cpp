#include "wizard/report_kind.h"

#include <array>

#include "base/translation.h"
#include "charts/dsc.h"
#include "charts/fdc.h"
#include "charts/ftc_chart.h"
#include "reports/ancestor_list.h"
#include "reports/descendants_list.h"
#include "reports/descendants_summary_list.h"
#include "reports/family_summary_list.h"
#include "reports/grouped_descendants_list.h"
#include "reports/repeat_ancestors_list.h"
#include "reports/repeat_descendant_list.h"
#include "reports/rsl.h"
#include "reports/surname_distribution_list.h"

namespace tw {

namespace {

using K = ReportKind;
using S = StartKind;
using P = ReportPanel;

constexpr std::array<ReportInfo, kReportCount> kReports{{
    {K::ResearchStatusList, "RadioButtonRsl", "Research Status List", "research-status-list", S::Rin, 1, P::Lists, 1,
     generateResearchStatusList},
    {K::DescendantsSummaryList, "RadioButtonDsl", "Descendants Summary List", "descendants-summary-list", S::Mrin, 6, P::Lists, 2,
     generateDescendantsSummaryList},
    {K::FamilySummaryList, "RadioButtonFsl", "Family Summary List", "family-summary-list", S::Mrin, 7, P::Lists, 3,
     generateFamilySummaryList},
    {K::DescendantsList, "RadioButtonDl", "Descendants List", "descendants-list", S::Mrin, 8, P::Lists, 7, generateDescendantsList},
    {K::GroupedDescendantsList, "RadioButtonGdl", "Grouped Descendants List", "grouped-descendants-list", S::Mrin, 10, P::Lists, 8,
     generateGroupedDescendantsList},
    {K::ResearchStatusChart, "RadioButtonRSC", "Research Status Chart", "research-status-chart", S::Rin, 2, P::Charts, 1,
     generateResearchStatusChart},
    {K::RepeatAncestorsList, "RadioButtonRal", "Repeat Ancestors List", "repeat-ancestors-list", S::Rin, 3, P::Lists, 6,
     generateRepeatAncestorsList},
    {K::AncestorsListWithRepeats, "RadioButtonAl", "Ancestors List (with repeats)", "ancestors-list-with-repeats",
     S::Rin, 4, P::Lists, 4, generateAncestorListWithRepeats},
    {K::AncestorsListWithoutRepeats, "RadioButtonAlwor", "Ancestors List (without repeats)",
     "ancestors-list-without-repeats", S::Rin, 5, P::Lists, 5, generateAncestorListWithoutRepeats},
    {K::DescendantSummaryChart, "RadioButtonDSC", "&Descendant Summary Chart", "descendant-summary-chart", S::Mrin, 9, P::Charts, 2,
     generateDescendantSummaryChart},
    {K::FamilyTreeChart, "RadioButtonFamTree", "Family Tree Chart", "family-tree-chart", S::Mrin, 11, P::Charts, 3,
     generateFamilyTreeChart},
    {K::SurnameDistributionList, "rbSurnameDistList", "Surname Distribution List", "surname-distribution-list", S::Rin,
     12, P::Lists, 9, generateSurnameDistributionList},
    {K::FamilyDateChart, "rbFamilyDateChart", "Family Date Chart", "family-date-chart", S::Mrin, 13, P::Charts, 4,
     generateFamilyDateChart},
    {K::RepeatDescendantList, "rbRepeatDescendantList", "Repeat Descendant List", "repeat-descendant-list", S::Mrin,
     14, P::Lists, 10, generateRepeatDescendantList},
}};

// Row i describes kind i, so that reportInfo can index the table.
constexpr bool rowsInKindOrder() {
    for (size_t i = 0; i < kReports.size(); ++i)
        if (size_t(kReports[i].kind) != i) return false;
    return true;
}
static_assert(rowsInKindOrder(), "the report table must hold ReportKind i in row i");

}  // namespace

std::span<const ReportInfo> allReports() { return kReports; }

const ReportInfo& reportInfo(ReportKind kind) { return kReports[size_t(kind)]; }

std::string_view reportName(ReportKind kind) {
    switch (kind) {
    case K::ResearchStatusList: return TW_TR("Reports", "Research Status List");
    case K::DescendantsSummaryList: return TW_TR("Reports", "Descendants Summary List");
    case K::FamilySummaryList: return TW_TR("Reports", "Family Summary List");
    case K::DescendantsList: return TW_TR("Reports", "Descendants List");
    case K::GroupedDescendantsList: return TW_TR("Reports", "Grouped Descendants List");
    case K::ResearchStatusChart: return TW_TR("Reports", "Research Status Chart");
    case K::RepeatAncestorsList: return TW_TR("Reports", "Repeat Ancestors List");
    case K::AncestorsListWithRepeats: return TW_TR("Reports", "Ancestors List (with repeats)");
    case K::AncestorsListWithoutRepeats: return TW_TR("Reports", "Ancestors List (without repeats)");
    case K::DescendantSummaryChart: return TW_TR("Reports", "Descendant Summary Chart");
    case K::FamilyTreeChart: return TW_TR("Reports", "Family Tree Chart");
    case K::SurnameDistributionList: return TW_TR("Reports", "Surname Distribution List");
    case K::FamilyDateChart: return TW_TR("Reports", "Family Date Chart");
    case K::RepeatDescendantList: return TW_TR("Reports", "Repeat Descendant List");
    }
    return {};
}

std::optional<ReportKind> reportByCommandName(std::string_view name) {
    for (const ReportInfo& info : kReports)
        if (info.commandName == name) return info.kind;
    return std::nullopt;
}

}  // namespace tw
