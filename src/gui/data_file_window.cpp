#include "gui/data_file_window.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
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
#include "gui/ui_dialogs.h"
#include "wizard/data_file.h"

namespace tw::gui {

TChooseFile::TChooseFile(TamblewinApp& app) : app_(app) {
    setObjectName(QStringLiteral("TChooseFile"));
    setWindowTitle(QString());

    auto* title = new QLabel(kProductTitle, this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(productTitleFont());
    auto* question = new QLabel(QStringLiteral("Which data file do you want to use?"), this);
    question->setObjectName(QStringLiteral("Label2"));
    question->setFont(questionFont());

    btnCancel = makeButton(QStringLiteral("Cancel"), "btnCancel", this);
    btnNext = makeButton(QStringLiteral("Next"), "btnNext", this);
    btnBrowse = makeButton(QStringLiteral("Browse"), "btnBrowse", this);
    cbFileName = new QComboBox(this);
    cbFileName->setObjectName(QStringLiteral("cbFileName"));
    cbFileName->setEditable(true);
    cbFileName->setInsertPolicy(QComboBox::NoInsert);
    cbFileName->setMinimumContentsLength(40);
    cbFileName->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbFileName->lineEdit()->installEventFilter(this);
    btnBack = makeButton(QStringLiteral("Back"), "btnBack", this);
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

    setTabOrder(btnCancel, btnNext);
    setTabOrder(btnNext, btnBrowse);
    setTabOrder(btnBrowse, cbFileName);
    setTabOrder(cbFileName, btnBack);

    setFixedSize(600, 260);
    centreOnMonitor(this);
}

QString TChooseFile::browseFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() || !QDir(documents).exists() ? QDir::homePath() : documents;
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
    else if (!paf.isEmpty())
        text = paf.constFirst();
    else if (text.isEmpty() && !own.isEmpty())
        text = own.constFirst();
    cbFileName->setEditText(text);
}

void TChooseFile::beforeShowing() {
    fillRecentFiles();
    cbFileName->setFocus();
    cbFileName->lineEdit()->selectAll();
}

void TChooseFile::btnNextClick() {
    const QString path = cbFileName->currentText();
    if (path.isEmpty()) {
        app_.dialogs().message(this, QStringLiteral("There must be a valid PAF file name."), QStringLiteral("Whoops"));
        return;
    }
    AppContext& ctx = app_.context();
    switch (openChosenFile(path)) {
    case Opening::CannotOpen:
        return;  // a mistyped path: the window stays for another
    case Opening::NotUsable:
        ctx.file.close();
        finish(Rejected);
        return;
    case Opening::Opened:
        break;
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

TChooseFile::Opening TChooseFile::openChosenFile(const QString& path) {
    AppContext& ctx = app_.context();
    const std::string native = QFile::encodeName(path).toStdString();
    // A GEDCOM file is imported into a PAF image in memory and only read; whether
    // it is there at all is asked first, so that a typo is reported as for a PAF file.
    if (readsAsGedcom(native)) {
        const QFileInfo info(path);
        if (info.exists() && !info.isDir()) return openGedcomOrPaf(ctx, native) ? Opening::Opened : Opening::NotUsable;
        showOpenFailure(path, info.isDir() ? EISDIR : ENOENT);
        return Opening::CannotOpen;
    }
    const int result = ctx.file.open(native);
    if (result == PafFile::kOpened) return Opening::Opened;
    if (result == PafFile::kCannotOpen) {
        showOpenFailure(path, ctx.file.systemError());
        ctx.file.close();
        return Opening::CannotOpen;
    }
    app_.dialogs().message(this, QString::fromStdString(openFailureText(result, ctx.file.systemError())),
                           QStringLiteral("Alert!"));
    return Opening::NotUsable;
}

// The described message with the system's words for the fault after it.
void TChooseFile::showOpenFailure(const QString& path, int systemError) {
    QString text = QString::fromStdString(openFailureText(PafFile::kCannotOpen, systemError));
    if (systemError != kSharingViolation) {
        text += QStringLiteral("\n\n") + QDir::toNativeSeparators(path);
        text += systemError == EISDIR ? QStringLiteral(" is a folder, not a data file.")
                                      : QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(systemError));
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
    QString text = QDir::toNativeSeparators(path) + QStringLiteral("\n\n");
    text += problem.empty() ? QStringLiteral("is neither a PAF 5 data file nor a GEDCOM file, so it cannot be opened.")
                            : QStringLiteral("cannot be read: ") + QString::fromLocal8Bit(problem.c_str()) + u'.';
    app_.dialogs().message(nullptr, text, QStringLiteral("Alert!"));
}

bool TChooseFile::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the path goes straight to Next, also while the path's completion is
    // still offered (the line would otherwise take the first Enter for itself).
    if (watched == cbFileName->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            btnNextClick();
            return true;
        }
    }
    return ModalWindow::eventFilter(watched, event);
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
