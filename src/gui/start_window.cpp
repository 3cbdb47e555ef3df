#include "gui/start_window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "gui/browse_window.h"
#include "gui/preview_window.h"
#include "gui/print_naming.h"
#include "gui/tamblewin_app.h"
#include "gui/translated.h"
#include "wizard/dispatcher.h"

namespace tw::gui {

namespace {

QString coupleNote() {
    return TW_QTR("StartWindow",
                  "Note: If the same couple married more\n     than once, include both MRINs \nseparated by a comma. example: 23,24");
}

}  // namespace

TChooseRin::TChooseRin(TamblewinApp& app) : app_(app) {
    setObjectName(QStringLiteral("TChooseRin"));

    auto* title = new QLabel(productTitle(), this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(productTitleFont());
    lblQuestion = new QLabel(this);
    lblQuestion->setObjectName(QStringLiteral("lblQuestion"));
    lblQuestion->setFont(questionFont());
    lblField = new QLabel(this);
    lblField->setObjectName(QStringLiteral("lblField"));
    lblNote = new QLabel(this);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setTextFormat(Qt::PlainText);
    lblNote->setMinimumHeight(lblNote->fontMetrics().lineSpacing() * 3);
    lblNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblComputing = new QLabel(TW_QTR("StartWindow", "Computing statistics for generation: "), this);
    lblComputing->setObjectName(QStringLiteral("lblComputing"));
    lblGeneration = new QLabel(this);
    lblGeneration->setObjectName(QStringLiteral("lblGeneration"));
    lblGeneration->setMinimumWidth(lblGeneration->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    progressBar = new QProgressBar(this);
    progressBar->setObjectName(QStringLiteral("progressBar"));
    progressBar->setRange(0, 0);  // busy: the length of a report is not known ahead
    progressBar->setTextVisible(false);
    progressBar->setMaximumHeight(12);

    btnNext = makeButton(TW_QTR("Windows", "&Next"), "btnNext", this);
    btnCancel = makeButton(TW_QTR("Windows", "&Cancel"), "btnCancel", this);
    btnBrowse = makeButton(TW_QTR("StartWindow", "Bro&wse"), "btnBrowse", this);
    btnBack = makeButton(TW_QTR("Windows", "&Back"), "btnBack", this);
    edtStart = new QLineEdit(QStringLiteral("1"), this);
    edtStart->setObjectName(QStringLiteral("edtStart"));
    edtStart->setMaximumWidth(160);
    lblField->setBuddy(edtStart);
    // RINs and MRINs: digits, with commas (and blanks) between several; anything
    // else is refused as it is typed.
    edtStart->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9, ]*")), edtStart));
    connect(edtStart, &QLineEdit::textEdited, this, [this] { startEdited(); });
    btnPreview = makeButton(TW_QTR("StartWindow", "&Preview"), "btnPreview", this);
    cbFoliage = new QCheckBox(TW_QTR("StartWindow", "detailed &foliage background"), this);
    cbFoliage->setObjectName(QStringLiteral("cbFoliage"));
    cbFoliage->setChecked(true);
    connect(btnNext, &QPushButton::clicked, this, [this] { btnNextClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    connect(btnBrowse, &QPushButton::clicked, this, [this] { btnBrowseClick(); });
    connect(btnBack, &QPushButton::clicked, this, [this] { btnBackClick(); });
    connect(btnPreview, &QPushButton::clicked, this, [this] { btnPreviewClick(); });

    auto* field = new QHBoxLayout;
    field->addWidget(lblField);
    field->addWidget(edtStart);
    field->addWidget(btnBrowse);
    field->addStretch();
    auto* progress = new QHBoxLayout;
    progress->addWidget(lblComputing);
    progress->addWidget(lblGeneration);
    progress->addWidget(progressBar, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnBack);
    buttons->addStretch();
    // Preview takes Next's place after a run.
    buttons->addWidget(btnNext);
    buttons->addWidget(btnPreview);
    buttons->addWidget(btnCancel);
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(24, 16, 24, 16);
    all->addWidget(title);
    all->addWidget(lblQuestion);
    all->addSpacing(12);
    all->addLayout(field);
    all->addWidget(lblNote);
    all->addWidget(cbFoliage);
    all->addStretch();
    all->addLayout(progress);
    all->addSpacing(8);
    all->addLayout(buttons);

    // As the controls lie on the screen: the field and its Browse, the foliage box,
    // then the buttons from left to right.
    setTabOrder(edtStart, btnBrowse);
    setTabOrder(btnBrowse, cbFoliage);
    setTabOrder(cbFoliage, btnBack);
    setTabOrder(btnBack, btnNext);
    setTabOrder(btnNext, btnPreview);
    setTabOrder(btnPreview, btnCancel);

    // Keep the window's size while the progress display comes and goes.
    for (QWidget* w : {static_cast<QWidget*>(lblComputing), static_cast<QWidget*>(lblGeneration),
                       static_cast<QWidget*>(progressBar), static_cast<QWidget*>(cbFoliage)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    lblComputing->hide();
    lblGeneration->hide();
    updateButtons();

    fitToContents(this, QSize(600, 340));
    centreOnMonitor(this);
}

void TChooseRin::activate() {
    WizardSettings& settings = app_.settings();
    // A stop asked for in an earlier run does not carry over.
    if (!running_) app_.host().clearStopRequest();
    // A new run is asked for: Next in place of Preview.
    previewReady_ = false;
    lblComputing->hide();
    lblGeneration->hide();
    updateButtons();
    const StartKind kind = startKindFor(settings.reportFlags);
    setWindowTitle((kind == StartKind::Mrin ? TW_QTR("StartWindow", "Start couple - %1")
                                            : TW_QTR("StartWindow", "Start individual - %1"))
                       .arg(chosenReportName(settings.reportFlags)));
    if (kind == StartKind::Mrin) {
        lblQuestion->setText(TW_QTR("StartWindow", "Which couple do you want to start with?"));
        lblField->setText(TW_QTR("StartWindow", "&MRIN:"));
        lblNote->setText(coupleNote());
        settings.startMode = -1;
    } else {
        lblQuestion->setText(TW_QTR("StartWindow", "Which individual do you want to start with?"));
        lblField->setText(TW_QTR("StartWindow", "&RIN:"));
        lblNote->setText(QStringLiteral(" "));
        settings.startMode = 0;
    }
    if (!running_) {
        showStartFor(kind);
        edtStart->setFocus();
        edtStart->selectAll();
    }
}

void TChooseRin::showStartFor(StartKind kind) {
    // The starts typed belong to the file they were typed for.
    const std::string& file = app_.context().dataFilePath;
    if (file != startsFile_) {
        starts_ = {QStringLiteral("1"), QStringLiteral("1")};
        startsFile_ = file;
        shownKind_.reset();
    }
    if (shownKind_ == kind) return;
    if (shownKind_) starts_[size_t(*shownKind_)] = edtStart->text();
    edtStart->setText(starts_[size_t(kind)]);
    shownKind_ = kind;
}

void TChooseRin::startEdited() {
    if (shownKind_) starts_[size_t(*shownKind_)] = edtStart->text();
    if (!previewReady_) return;
    previewReady_ = false;
    updateButtons();
}

bool TChooseRin::runReports(const QString& start) {
    GuiHost& host = app_.host();
    host.clearStopRequest();
    endedEarly_ = false;
    running_ = true;
    lastStart_ = start;
    updateButtons();
    host.beginRun();
    const DispatchOutcome outcome = dispatchReports(app_.context(), app_.settings().reportFlags, start.toStdString());
    const bool damaged = host.endRun();
    running_ = false;
    updateButtons();
    // A report that gave up on damaged data (or was stopped) leaves no pages to preview.
    return outcome == DispatchOutcome::Ran && !endedEarly_ && !damaged && !host.stopRequested() &&
           app_.context().pageLog.storedPageCount() > 0;
}

void TChooseRin::btnNextClick() {
    if (running_) return;
    AppContext& ctx = app_.context();
    lblNote->setText(QString());
    previewReady_ = false;
    ctx.detailedFoliage = cbFoliage->isChecked();
    if (shownKind_) starts_[size_t(*shownKind_)] = edtStart->text();

    // Stopped, refused or damaged: the window stays for another start.
    if (!runReports(edtStart->text())) {
        if (isShowingModal()) activate();
        return;
    }
    app_.settings().reportTitle = reportTitle(ctx, app_.settings().reportFlags, edtStart->text().toStdString());
    previewReady_ = true;
    updateButtons();
    btnPreview->setFocus();
}

void TChooseRin::updateButtons() {
    // While a report runs only Cancel works: browsing the file while a report reads it
    // would interleave the two, and Back and Next would leave or restart the run.
    btnBack->setEnabled(!running_);
    btnBrowse->setEnabled(!running_);
    edtStart->setReadOnly(running_);
    progressBar->setVisible(running_);
    // After a run that wrote pages Preview takes Next's place, as the default button.
    btnNext->setVisible(!previewReady_);
    btnNext->setEnabled(!previewReady_ && !running_);
    btnNext->setDefault(!previewReady_);
    btnPreview->setVisible(previewReady_);
    btnPreview->setEnabled(previewReady_);
    btnPreview->setDefault(previewReady_);
    // The foliage background belongs to the Family Tree Chart.
    const bool chart = app_.settings().reportFlags[size_t(ReportKind::FamilyTreeChart)] != 0;
    cbFoliage->setVisible(chart);
    cbFoliage->setEnabled(chart && !running_);
}

void TChooseRin::btnCancelClick() {
    // During a run Cancel stops the report; the window stays, with the file still open.
    if (running_) {
        app_.host().requestStop();
        return;
    }
    finish(Rejected);
}

void TChooseRin::closedByFrame() { btnCancelClick(); }

void TChooseRin::btnBrowseClick() {
    const int32_t chosen = app_.browse().choose();
    // Cancel in the browse window leaves the start as it was.
    if (chosen > 0) {
        edtStart->setText(QString::number(chosen));
        startEdited();
    }
    activate();
}

void TChooseRin::btnBackClick() {
    app_.settings().wentBack = true;
    finish(Rejected);
}

void TChooseRin::btnPreviewClick() {
    app_.pagePreview().open();
    activate();
    traceShown(this);
}

bool TChooseRin::runAgain() {
    if (running_) return false;
    const bool wrote = runReports(lastStart_);
    if (wrote)
        app_.settings().reportTitle =
            reportTitle(app_.context(), app_.settings().reportFlags, lastStart_.toStdString());
    return wrote;
}

void TChooseRin::showProgress(int generation) {
    if (generation == -1) {
        lblGeneration->setText(TW_QTR("StartWindow", "done"));
    } else {
        lblGeneration->setText(QString::number(generation));
        lblComputing->show();
        lblGeneration->show();
    }
    lblGeneration->repaint();
    if (generation == 32 || generation == 33) repaint();
    // The first call of the program, each "done" and the first call after it also
    // refresh the caption and clear the note.
    if (progressOnce_ || generation == -1) {
        lblComputing->repaint();
        lblNote->setText(QStringLiteral(" "));
    }
    progressOnce_ = generation == -1;
    emit progressShown(generation);
    QCoreApplication::processEvents();
}

// A report gave up (damaged data) or was stopped: the run leaves nothing to preview,
// and the window stays for another start.
void TChooseRin::closeStartWindow() {
    if (running_) endedEarly_ = true;
}

}  // namespace tw::gui
