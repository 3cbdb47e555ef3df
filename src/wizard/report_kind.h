#pragma once
// The reports: one row each with its caption, its command-line name, what the start
// window asks for, the order in which the dispatcher runs it, its place in the
// report-choice window and its generator. Adding a report is a new source and a row.

#include <cstddef>
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

// The panel of the report-choice window that holds a report's radio button.
enum class ReportPanel { Lists, Charts };

struct ReportInfo {
    ReportKind kind;
    std::string_view radioButton;   // the control's name in the report-selection window
    std::string_view caption;       // the radio button's caption ("&" marks the accelerator)
    std::string_view commandName;   // tamblewin report KIND
    StartKind start;
    int dispatchOrder;              // 1..: the order the dispatcher runs set flags in
    ReportPanel panel;              // where its radio button is
    int position;                   // 1..: its place in the panel, from the top
    ReportGenerator generator;      // nullptr while the report is not built yet
};

// How many reports there are: one row of the table per ReportKind.
inline constexpr size_t kReportCount = size_t(ReportKind::RepeatDescendantList) + 1;

std::span<const ReportInfo> allReports();
const ReportInfo& reportInfo(ReportKind kind);
std::optional<ReportKind> reportByCommandName(std::string_view name);
// The report's name as titles and messages show it, in the language in use: in
// English its caption without the accelerator mark.
std::string_view reportName(ReportKind kind);

}  // namespace tw
