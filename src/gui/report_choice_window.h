#pragma once
// The report selection: "What do you want to print?", ten lists and four charts as
// radio buttons in two panels, at most one of them checked. Next stores the choice
// as one flag per report and goes on to the data-file window.

#include <array>

#include "gui/modal_window.h"
#include "wizard/report_kind.h"

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace tw::gui {

class TamblewinApp;

class TChooseList : public ModalWindow {
public:
    explicit TChooseList(TamblewinApp& app);

    QPushButton* btnExit = nullptr;
    QPushButton* btnNext = nullptr;
    QPushButton* btnBack = nullptr;
    QGroupBox* GroupBoxLists = nullptr;
    QGroupBox* GroupBoxCharts = nullptr;
    // In the order of ReportKind.
    std::array<QRadioButton*, kReportCount> radioButtons{};

    QRadioButton* radioButton(ReportKind kind) const { return radioButtons[size_t(kind)]; }
    void uncheckAll();

    void btnNextClick();
    void btnBackClick();
    void btnExitClick();

protected:
    void beforeShowing() override;
    // Esc and the window frame go back to the title window, as Back does.
    void closedByFrame() override { btnBackClick(); }

private:
    // The focus on the report chosen, else the first.
    void focusReports();

    TamblewinApp& app_;
    QButtonGroup* group_ = nullptr;
};

}  // namespace tw::gui
