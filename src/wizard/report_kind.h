#pragma once
// The fourteen reports: one row each with its caption, its command-line name, what
// the start window asks for, the order in which the dispatcher runs it, and its
// generator (none yet for reports still to come).

#include <optional>
#include <span>
#include <string_view>

#include "run/app_context.h"

namespace tw {

// In the order of the report flags.
enum class ReportKind {
    ResearchStatusList,
    DescendantsSummaryList,
    FamilySummaryList,
    DescendantsList,
    GroupedDescendantsList,
    ResearchStatusChart,
    RepeatAncestorsList,
    AncestorsListWithRepeats,
    AncestorsListWithoutRepeats,
    DescendantSummaryChart,
    FamilyTreeChart,
    SurnameDistributionList,
    FamilyDateChart,
    RepeatDescendantList,
};

enum class StartKind { Rin, Mrin };

struct ReportInfo {
    ReportKind kind;
    std::string_view radioButton;   // the control's name in the report-selection window
    std::string_view caption;       // the radio button's caption ("&" marks the accelerator)
    std::string_view commandName;   // tamblewin report KIND
    StartKind start;
    int dispatchOrder;              // 1..14: the order the dispatcher runs set flags in
    ReportGenerator generator;      // nullptr while the report is not built yet
};

std::span<const ReportInfo> allReports();
const ReportInfo& reportInfo(ReportKind kind);
std::optional<ReportKind> reportByCommandName(std::string_view name);

}  // namespace tw
