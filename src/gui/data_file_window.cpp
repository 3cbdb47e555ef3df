#include "gui/data_file_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <cerrno>
#include <cstring>

#include "files/input_guard.h"
#include "files/user_files.h"
#include "gui/recent_files.h"
#include "gui/start_window.h"
#include "gui/tamblewin_app.h"
#include "gui/translated.h"
#include "gui/ui_dialogs.h"
#include "wizard/data_file.h"

namespace tw::gui {

TChooseFile::TChooseFile(TamblewinApp& app) : app_(app) {
    setObjectName(QStringLiteral("TChooseFile"));

    auto* title = new QLabel(productTitle(), this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(productTitleFont());
    auto* question = new QLabel(TW_QTR("DataFileWindow", "Which data file do you want to use?"), this);
    question->setObjectName(QStringLiteral("Label2"));
    question->setFont(questionFont());

    btnCancel = makeButton(TW_QTR("Windows", "&Cancel"), "btnCancel", this);
    btnNext = makeButton(TW_QTR("Windows", "&Next"), "btnNext", this);
    btnBrowse = makeButton(TW_QTR("DataFileWindow", "B&rowse..."), "btnBrowse", this);
    cbFileName = new QComboBox(this);
    cbFileName->setObjectName(QStringLiteral("cbFileName"));
    cbFileName->setEditable(true);
    cbFileName->setInsertPolicy(QComboBox::NoInsert);
    cbFileName->setMinimumContentsLength(30);
    cbFileName->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // The recent files are offered in a list under the path as it is typed; what the
    // user typed stays as typed until he picks one of them.
    cbFileName->completer()->setCompletionMode(QCompleter::PopupCompletion);
    cbFileName->completer()->setFilterMode(Qt::MatchContains);
    connect(cbFileName->lineEdit(), &QLineEdit::returnPressed, this, [this] { returnPressed(); });
    question->setBuddy(cbFileName);
    btnBack = makeButton(TW_QTR("Windows", "&Back"), "btnBack", this);
    btnNext->setDefault(true);
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    connect(btnNext, &QPushButton::clicked, this, [this] { btnNextClick(); });
    connect(btnBrowse, &QPushButton::clicked, this, [this] { btnBrowseClick(); });
    connect(btnBack, &QPushButton::clicked, this, [this] { btnBackClick(); });

    auto* path = new QHBoxLayout;
    path->addWidget(cbFileName, 1);
    path->addWidget(btnBrowse);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnBack);
    buttons->addStretch();
    buttons->addWidget(btnNext);
    buttons->addWidget(btnCancel);
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(24, 16, 24, 16);
    all->addWidget(title);
    all->addWidget(question);
    all->addSpacing(16);
    all->addLayout(path);
    all->addStretch();
    all->addLayout(buttons);

    // As the controls lie on the screen.
    setTabOrder(cbFileName, btnBrowse);
    setTabOrder(btnBrowse, btnBack);
    setTabOrder(btnBack, btnNext);
    setTabOrder(btnNext, btnCancel);

    fitToContents(this, QSize(600, 260));
    centreOnMonitor(this);
}

QString TChooseFile::documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() || !QDir(documents).exists() ? QDir::homePath() : documents;
}

QString TChooseFile::browseFolder() const {
    const QString typed = cbFileName->currentText().trimmed();
    if (!typed.isEmpty()) {
        const QFileInfo info(typed);
        if (info.isDir()) return info.absoluteFilePath();
        if (info.absoluteDir().exists()) return info.absolutePath();
    }
    return documentsFolder();
}

// PAF's own list first, as PAF keeps it; then the files this program opened lately.
void TChooseFile::fillRecentFiles() {
    const QString typed = cbFileName->currentText();
    const QStringList paf = pafRecentFiles();
    QStringList all = paf;
    if (!presetPath_.isEmpty() && !all.contains(presetPath_)) all.prepend(presetPath_);
    const QStringList own = app_.ownRecentFiles().list();
    for (const QString& file : own)
        if (!all.contains(file)) all << file;
    cbFileName->clear();
    cbFileName->addItems(all);
    QString text = typed;
    if (!presetPath_.isEmpty())
        text = presetPath_;
    else if (text.isEmpty() && !paf.isEmpty())
        text = paf.constFirst();
    else if (text.isEmpty() && !own.isEmpty())
        text = own.constFirst();
    cbFileName->setEditText(text);
}

void TChooseFile::beforeShowing() {
    setWindowTitle(TW_QTR("DataFileWindow", "Data file - %1").arg(chosenReportName(app_.settings().reportFlags)));
    fillRecentFiles();
    cbFileName->setFocus();
    cbFileName->lineEdit()->selectAll();
}

void TChooseFile::returnPressed() {
    // A path picked in the popup is in the field already; the popup goes with it.
    if (QAbstractItemView* popup = cbFileName->completer()->popup(); popup->isVisible()) popup->hide();
    btnNextClick();
}

void TChooseFile::btnNextClick() {
    const QString path = cbFileName->currentText().trimmed();
    if (path.isEmpty()) {
        app_.dialogs().message(this, TW_QTR("DataFileWindow", "There must be a valid PAF file name."),
                               QStringLiteral("Whoops"));
        return;
    }
    // A folder: the user is looking for his file there.
    if (QFileInfo(path).isDir()) {
        btnBrowseClick();
        return;
    }
    AppContext& ctx = app_.context();
    if (!alreadyOpen(path)) {
        const Opening opening = openChosenFile(path);
        if (opening != Opening::Opened) {
            // The window stays for another file, or another try.
            openedPath_.clear();
            cbFileName->setFocus();
            cbFileName->lineEdit()->selectAll();
            return;
        }
        rememberOpened(path);
    }
    // No output of the run may replace the file just read.
    clearProtectedInputs();
    protectInput(QFile::encodeName(path).toStdString());
    // Reports print the path in their headings (UTF-8, as all text); the files kept
    // beside the data file are named from its path as the system spells it.
    ctx.dataFilePath = path.toStdString();
    ctx.paths = runPathsFor(QFile::encodeName(path).toStdString());
    app_.ownRecentFiles().remember(path);
    // The file the program was started with is offered until another one is opened.
    if (path != presetPath_) presetPath_.clear();

    WizardSettings& settings = app_.settings();
    hide();
    app_.chooseRin().showModal();
    if (!settings.wentBack) finish(Accepted);
    settings.wentBack = false;
    if (isShowingModal()) {
        show();
        activateWindow();
        traceShown(this);
    }
}

bool TChooseFile::alreadyOpen(const QString& path) const {
    if (path != openedPath_ || !app_.context().file.isOpen()) return false;
    const QFileInfo info(path);
    return info.size() == openedSize_ && info.lastModified() == openedChanged_;
}

void TChooseFile::rememberOpened(const QString& path) {
    const QFileInfo info(path);
    openedPath_ = path;
    openedSize_ = info.size();
    openedChanged_ = info.lastModified();
}

TChooseFile::Opening TChooseFile::openChosenFile(const QString& path) {
    AppContext& ctx = app_.context();
    const std::string native = QFile::encodeName(path).toStdString();
    openingStopped_ = false;
    // A GEDCOM file is imported into a PAF image in memory and only read; whether
    // it is there at all is asked first, so that a typo is reported as for a PAF file.
    if (readsAsGedcom(native)) {
        const QFileInfo info(path);
        if (info.exists()) return openGedcom(path, native);
        showOpenFailure(path, ENOENT);
        return Opening::Failed;
    }
    const int result = ctx.file.open(native);
    if (result == PafFile::kOpened) return Opening::Opened;
    if (result == PafFile::kCannotOpen)
        showOpenFailure(path, ctx.file.systemError());
    else
        app_.dialogs().message(this, QString::fromStdString(openFailureText(result, ctx.file.systemError())),
                               QStringLiteral("Alert!"));
    ctx.file.close();
    return Opening::Failed;
}

// A GEDCOM file of hundreds of thousands of people takes seconds to read: the cursor
// says the program is busy, and a box with Cancel comes up while it reads.
TChooseFile::Opening TChooseFile::openGedcom(const QString& path, const std::string& native) {
    QProgressDialog box(TW_QTR("DataFileWindow", "Opening %1 ...").arg(QFileInfo(path).fileName()),
                        TW_QTR("Windows", "&Cancel"), 0, 0, this);
    box.setObjectName(QStringLiteral("OpeningProgress"));
    box.setWindowTitle(TW_QTR("DataFileWindow", "Opening"));
    box.setWindowModality(Qt::WindowModal);
    box.setMinimumDuration(400);
    box.setAutoReset(false);
    box.setValue(0);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    const auto keepGoing = [&] {
        if (sinceEvents.elapsed() >= 50) {
            box.setValue(0);  // shows the box once its minimum duration is over
            QCoreApplication::processEvents();
            sinceEvents.restart();
        }
        return !box.wasCanceled();
    };
    bool opened = false;
    runGuarded(app_.host(), [&] { opened = openGedcomOrPaf(app_.context(), native, nullptr, keepGoing); });
    QApplication::restoreOverrideCursor();
    openingStopped_ = box.wasCanceled();
    box.reset();
    if (opened) return Opening::Opened;
    return openingStopped_ ? Opening::Stopped : Opening::Failed;
}

// The described message with the system's words for the fault after it.
void TChooseFile::showOpenFailure(const QString& path, int systemError) {
    QString text = QString::fromStdString(openFailureText(PafFile::kCannotOpen, systemError));
    if (systemError != kSharingViolation) {
        const QString where = QDir::toNativeSeparators(path);
        const QString why = QString::fromLocal8Bit(std::strerror(systemError));
        text += QStringLiteral("\n\n");
        text += systemError == EISDIR ? TW_QTR("DataFileWindow", "%1 is a folder, not a data file.").arg(where)
                                      : QStringLiteral("%1: %2").arg(where, why);
    }
    app_.dialogs().message(this, text, QStringLiteral("Alert!"));
}

void TChooseFile::presetPath(const QString& path) { presetPath_ = path; }

void TChooseFile::startWith(const QString& path) {
    std::string problem;
    switch (dataFileKind(QFile::encodeName(path).toStdString(), &problem)) {
    case DataFileKind::Paf:
    case DataFileKind::Gedcom: presetPath(path); return;
    case DataFileKind::Neither: break;
    }
    const QString where = QDir::toNativeSeparators(path);
    const QString text =
        problem.empty()
            ? TW_QTR("DataFileWindow", "%1\n\nis neither a PAF 5 data file nor a GEDCOM file, so it cannot be opened.")
                  .arg(where)
            : TW_QTR("DataFileWindow", "%1\n\ncannot be read: %2.").arg(where, QString::fromLocal8Bit(problem.c_str()));
    app_.dialogs().message(nullptr, text, QStringLiteral("Alert!"));
}

void TChooseFile::btnBrowseClick() {
    if (const auto chosen = app_.dialogs().openDataFile(this, browseFolder())) cbFileName->setEditText(*chosen);
}

void TChooseFile::btnBackClick() {
    app_.settings().wentBack = true;
    finish(Rejected);
}

void TChooseFile::btnCancelClick() { finish(Rejected); }

}  // namespace tw::gui
