#include "gui/dowhat.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "charts/ftc_state.h"
#include "gui/chuzfile.h"
#include "gui/ppform.h"
#include "gui/tamblewin_app.h"

namespace tw::gui {

namespace {

using K = ReportKind;

// Where each radio button sits: its panel and its place from the top.
struct Place {
    ReportKind kind;
    bool chart;
    int position;
};

constexpr Place kPlaces[] = {
    {K::ResearchStatusList, false, 1},       {K::DescendantsSummaryList, false, 2},
    {K::FamilySummaryList, false, 3},        {K::AncestorsListWithRepeats, false, 4},
    {K::AncestorsListWithoutRepeats, false, 5}, {K::RepeatAncestorsList, false, 6},
    {K::DescendantsList, false, 7},          {K::GroupedDescendantsList, false, 8},
    {K::SurnameDistributionList, false, 9},  {K::RepeatDescendantList, false, 10},
    {K::ResearchStatusChart, true, 1},       {K::DescendantSummaryChart, true, 2},
    {K::FamilyTreeChart, true, 3},           {K::FamilyDateChart, true, 4},
};

}  // namespace

TChooseList::TChooseList(TamblewinApp& app) : app_(app) {
    setObjectName(QStringLiteral("TChooseList"));
    setWindowTitle(QString());

    auto* title = new QLabel(kProductTitle, this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(productTitleFont());
    auto* question = new QLabel(QStringLiteral("What do you want to print?"), this);
    question->setObjectName(QStringLiteral("Label2"));
    question->setFont(questionFont());

    btnExit = makeButton(QStringLiteral("E&xit"), "btnExit", this);
    btnNext = makeButton(QStringLiteral("&Next"), "btnNext", this);
    btnBack = makeButton(QStringLiteral("&Back"), "btnBack", this);
    btnNext->setDefault(true);
    connect(btnExit, &QPushButton::clicked, this, [this] { btnExitClick(); });
    connect(btnNext, &QPushButton::clicked, this, [this] { btnNextClick(); });
    connect(btnBack, &QPushButton::clicked, this, [this] { btnBackClick(); });

    GroupBoxLists = new QGroupBox(QStringLiteral("Lists"), this);
    GroupBoxLists->setObjectName(QStringLiteral("GroupBoxLists"));
    GroupBoxCharts = new QGroupBox(QStringLiteral("Charts"), this);
    GroupBoxCharts->setObjectName(QStringLiteral("GroupBoxCharts"));
    auto* lists = new QVBoxLayout(GroupBoxLists);
    auto* charts = new QVBoxLayout(GroupBoxCharts);

    // One group for all fourteen: a button checked in either panel unchecks every
    // other, so at most one report is chosen.
    group_ = new QButtonGroup(this);
    group_->setExclusive(true);
    for (const Place& place : kPlaces) {
        const ReportInfo& info = reportInfo(place.kind);
        auto* button = new QRadioButton(QString::fromLatin1(info.caption.data(), qsizetype(info.caption.size())),
                                        place.chart ? GroupBoxCharts : GroupBoxLists);
        button->setObjectName(QString::fromLatin1(info.radioButton.data(), qsizetype(info.radioButton.size())));
        radioButtons[size_t(place.kind)] = button;
        group_->addButton(button, int(place.kind));
        (place.chart ? charts : lists)->addWidget(button);
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

    // Tab order: the buttons first, then the reports.
    setTabOrder(btnExit, btnNext);
    setTabOrder(btnNext, btnBack);
    QWidget* previous = btnBack;
    for (const Place& place : kPlaces) {
        setTabOrder(previous, radioButtons[size_t(place.kind)]);
        previous = radioButtons[size_t(place.kind)];
    }

    setFixedSize(560, 520);
    centreOnMonitor(this);
}

void TChooseList::beforeShowing() {
    // The user starts among the reports: the arrow keys move through them.
    radioButtons[size_t(ReportKind::ResearchStatusList)]->setFocus();
}

void TChooseList::uncheckAll() {
    group_->setExclusive(false);
    for (QRadioButton* button : radioButtons) button->setChecked(false);
    group_->setExclusive(true);
}

void TChooseList::btnNextClick() {
    WizardSettings& settings = app_.settings();
    for (size_t i = 0; i < radioButtons.size(); ++i) settings.reportFlags[i] = radioButtons[i]->isChecked() ? 1 : 0;

    // Prepare the preview for a new report.
    TPagePreview& preview = app_.pagePreview();
    familyTreeChart(app_.context()).positionsChanged = false;
    if (settings.reportFlags[size_t(ReportKind::DescendantSummaryChart)] == 0) app_.context().pageLog.pageMode = 0;
    preview.resetChartControls();

    app_.chooseFile().showModal();
    uncheckAll();
    settings.wentBack = false;
}

void TChooseList::btnBackClick() {
    app_.settings().wentBack = true;
    finish(Rejected);
}

void TChooseList::btnExitClick() { finish(Rejected); }

}  // namespace tw::gui
