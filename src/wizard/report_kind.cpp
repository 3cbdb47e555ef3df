#include "wizard/report_kind.h"

#include <array>

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

constexpr std::array<ReportInfo, 14> kReports{{
    {K::ResearchStatusList, "RadioButtonRsl", "Research Status List", "research-status-list", S::Rin, 1,
     generateResearchStatusList},
    {K::DescendantsSummaryList, "RadioButtonDsl", "Descendants Summary List", "descendants-summary-list", S::Mrin, 6,
     generateDescendantsSummaryList},
    {K::FamilySummaryList, "RadioButtonFsl", "Family Summary List", "family-summary-list", S::Mrin, 7,
     generateFamilySummaryList},
    {K::DescendantsList, "RadioButtonDl", "Descendants List", "descendants-list", S::Mrin, 8, generateDescendantsList},
    {K::GroupedDescendantsList, "RadioButtonGdl", "Grouped Descendants List", "grouped-descendants-list", S::Mrin, 10,
     generateGroupedDescendantsList},
    {K::ResearchStatusChart, "RadioButtonRSC", "Research Status Chart", "research-status-chart", S::Rin, 2,
     generateResearchStatusChart},
    {K::RepeatAncestorsList, "RadioButtonRal", "Repeat Ancestors List", "repeat-ancestors-list", S::Rin, 3,
     generateRepeatAncestorsList},
    {K::AncestorsListWithRepeats, "RadioButtonAl", "Ancestors List (with repeats)", "ancestors-list-with-repeats",
     S::Rin, 4, generateAncestorListWithRepeats},
    {K::AncestorsListWithoutRepeats, "RadioButtonAlwor", "Ancestors List (without repeats)",
     "ancestors-list-without-repeats", S::Rin, 5, generateAncestorListWithoutRepeats},
    {K::DescendantSummaryChart, "RadioButtonDSC", "&Descendant Summary Chart", "descendant-summary-chart", S::Mrin, 9,
     generateDescendantSummaryChart},
    {K::FamilyTreeChart, "RadioButtonFamTree", "Family Tree Chart", "family-tree-chart", S::Mrin, 11,
     generateFamilyTreeChart},
    {K::SurnameDistributionList, "rbSurnameDistList", "Surname Distribution List", "surname-distribution-list", S::Rin,
     12, generateSurnameDistributionList},
    {K::FamilyDateChart, "rbFamilyDateChart", "Family Date Chart", "family-date-chart", S::Mrin, 13,
     generateFamilyDateChart},
    {K::RepeatDescendantList, "rbRepeatDescendantList", "Repeat Descendant List", "repeat-descendant-list", S::Mrin,
     14, generateRepeatDescendantList},
}};

}  // namespace

std::span<const ReportInfo> allReports() { return kReports; }

const ReportInfo& reportInfo(ReportKind kind) { return kReports[size_t(kind)]; }

std::optional<ReportKind> reportByCommandName(std::string_view name) {
    for (const ReportInfo& info : kReports)
        if (info.commandName == name) return info.kind;
    return std::nullopt;
}

}  // namespace tw
