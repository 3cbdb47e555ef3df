#include "wizard/report_kind.h"

#include <array>

#include "reports/ancestor_list.h"

namespace tw {

namespace {

using K = ReportKind;
using S = StartKind;

constexpr std::array<ReportInfo, 14> kReports{{
    {K::ResearchStatusList, "RadioButtonRsl", "Research Status List", "research-status-list", S::Rin, 1, nullptr},
    {K::DescendantsSummaryList, "RadioButtonDsl", "Descendants Summary List", "descendants-summary-list", S::Mrin, 6,
     nullptr},
    {K::FamilySummaryList, "RadioButtonFsl", "Family Summary List", "family-summary-list", S::Mrin, 7, nullptr},
    {K::DescendantsList, "RadioButtonDl", "Descendants List", "descendants-list", S::Mrin, 8, nullptr},
    {K::GroupedDescendantsList, "RadioButtonGdl", "Grouped Descendants List", "grouped-descendants-list", S::Mrin, 10,
     nullptr},
    {K::ResearchStatusChart, "RadioButtonRSC", "Research Status Chart", "research-status-chart", S::Rin, 2, nullptr},
    {K::RepeatAncestorsList, "RadioButtonRal", "Repeat Ancestors List", "repeat-ancestors-list", S::Rin, 3, nullptr},
    {K::AncestorsListWithRepeats, "RadioButtonAl", "Ancestors List (with repeats)", "ancestors-list-with-repeats",
     S::Rin, 4, generateAncestorListWithRepeats},
    {K::AncestorsListWithoutRepeats, "RadioButtonAlwor", "Ancestors List (without repeats)",
     "ancestors-list-without-repeats", S::Rin, 5, generateAncestorListWithoutRepeats},
    {K::DescendantSummaryChart, "RadioButtonDSC", "&Descendant Summary Chart", "descendant-summary-chart", S::Mrin, 9,
     nullptr},
    {K::FamilyTreeChart, "RadioButtonFamTree", "Family Tree Chart", "family-tree-chart", S::Mrin, 11, nullptr},
    {K::SurnameDistributionList, "rbSurnameDistList", "Surname Distribution List", "surname-distribution-list", S::Rin,
     12, nullptr},
    {K::FamilyDateChart, "rbFamilyDateChart", "Family Date Chart", "family-date-chart", S::Mrin, 13, nullptr},
    {K::RepeatDescendantList, "rbRepeatDescendantList", "Repeat Descendant List", "repeat-descendant-list", S::Mrin,
     14, nullptr},
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
