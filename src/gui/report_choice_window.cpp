#include "gui/report_choice_window.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "charts/ftc_state.h"
#include "gui/data_file_window.h"
#include "gui/preview_window.h"
#include "gui/tamblewin_app.h"
#include "gui/translated.h"
#include "gui/ui_dialogs.h"

namespace tw::gui {

TChooseList::TChooseList(TamblewinApp& app) : app_(app) {
    setObjectName(QStringLiteral("TChooseList"));
    setWindowTitle(TW_QTR("ReportChoiceWindow", "Choose a report"));

    auto* title = new QLabel(productTitle(), this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(productTitleFont());
    auto* question = new QLabel(TW_QTR("ReportChoiceWindow", "What do you want to print?"), this);
    question->setObjectName(QStringLiteral("Label2"));
    question->setFont(questionFont());

    btnExit = makeButton(TW_QTR("Windows", "E&xit"), "btnExit", this);
    btnNext = makeButton(TW_QTR("Windows", "&Next"), "btnNext", this);
    btnBack = makeButton(TW_QTR("Windows", "&Back"), "btnBack", this);
    btnNext->setDefault(true);
    connect(btnExit, &QPushButton::clicked, this, [this] { btnExitClick(); });
    connect(btnNext, &QPushButton::clicked, this, [this] { btnNextClick(); });
    connect(btnBack, &QPushButton::clicked, this, [this] { btnBackClick(); });

    GroupBoxLists = new QGroupBox(TW_QTR("ReportChoiceWindow", "Lists"), this);
    GroupBoxLists->setObjectName(QStringLiteral("GroupBoxLists"));
    GroupBoxCharts = new QGroupBox(TW_QTR("ReportChoiceWindow", "Charts"), this);
    GroupBoxCharts->setObjectName(QStringLiteral("GroupBoxCharts"));
    auto* lists = new QVBoxLayout(GroupBoxLists);
    auto* charts = new QVBoxLayout(GroupBoxCharts);

    // One group for all fourteen: a button checked in either panel unchecks every
    // other, so at most one report is chosen.
    group_ = new QButtonGroup(this);
    group_->setExclusive(true);
    // The lists, then the charts, each panel in the order of the places in the table.
    std::vector<const ReportInfo*> ordered;
    for (const ReportInfo& info : allReports()) ordered.push_back(&info);
    std::sort(ordered.begin(), ordered.end(), [](const ReportInfo* a, const ReportInfo* b) {
        return std::pair(a->panel, a->position) < std::pair(b->panel, b->position);
    });
    for (const ReportInfo* info : ordered) {
        const bool chart = info->panel == ReportPanel::Charts;
        // English captions carry their accelerators; other languages show the name.
        const QString caption = languageInUse() == "en"
                                    ? QString::fromLatin1(info->caption.data(), qsizetype(info->caption.size()))
                                    : toQString(reportName(info->kind));
        auto* button = new QRadioButton(caption, chart ? GroupBoxCharts : GroupBoxLists);
        button->setObjectName(QString::fromLatin1(info->radioButton.data(), qsizetype(info->radioButton.size())));
        radioButtons[size_t(info->kind)] = button;
        group_->addButton(button, int(info->kind));
        (chart ? charts : lists)->addWidget(button);
    }
    charts->addStretch();

    auto* panels = new QHBoxLayout;
    panels->addWidget(GroupBoxLists, 3);
    panels->addWidget(GroupBoxCharts, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnBack);
    buttons->addStretch();
    buttons->addWidget(btnNext);
    buttons->addWidget(btnExit);
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(24, 16, 24, 16);
    all->addWidget(title);
    all->addWidget(question);
    all->addSpacing(8);
    all->addLayout(panels, 1);
    all->addSpacing(8);
    all->addLayout(buttons);

    // As the controls lie on the screen: the reports, then the buttons from left to
    // right.
    QWidget* previous = nullptr;
    for (const ReportInfo* info : ordered) {
        QWidget* button = radioButtons[size_t(info->kind)];
        if (previous != nullptr) setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, btnBack);
    setTabOrder(btnBack, btnNext);
    setTabOrder(btnNext, btnExit);

    lists->setSpacing(2);
    charts->setSpacing(2);
    fitToContents(this, QSize(560, 420));
    centreOnMonitor(this);
}

void TChooseList::beforeShowing() {
    // The user starts among the reports (at the one chosen last): the arrow keys move
    // through them.
    focusReports();
}

void TChooseList::focusReports() {
    QAbstractButton* chosen = group_->checkedButton();
    (chosen != nullptr ? chosen : radioButtons[size_t(ReportKind::ResearchStatusList)])->setFocus();
}

void TChooseList::uncheckAll() {
    group_->setExclusive(false);
    for (QRadioButton* button : radioButtons) button->setChecked(false);
    group_->setExclusive(true);
}

void TChooseList::btnNextClick() {
    if (group_->checkedButton() == nullptr) {
        app_.dialogs().message(this, TW_QTR("ReportChoiceWindow", "Choose a report"), QStringLiteral("Whoops"));
        focusReports();
        return;
    }
    WizardSettings& settings = app_.settings();
    for (size_t i = 0; i < radioButtons.size(); ++i) settings.reportFlags[i] = radioButtons[i]->isChecked() ? 1 : 0;

    // Prepare the preview for a new report.
    TPagePreview& preview = app_.pagePreview();
    familyTreeChart(app_.context()).positionsChanged = false;
    preview.resetChartControls();

    app_.chooseFile().showModal();
    // The report stays chosen for the next run.
    settings.wentBack = false;
    // The window is the one the user works in again, among the reports.
    if (isShowingModal()) {
        focusReports();
        traceShown(this);
    }
}

void TChooseList::btnBackClick() {
    app_.settings().wentBack = true;
    finish(Rejected);
}

void TChooseList::btnExitClick() { finish(Rejected); }

}  // namespace tw::gui
