#include "gui/data_file_window.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "files/input_guard.h"
#include "files/user_files.h"
#include "gui/recent_files.h"
#include "gui/start_window.h"
#include "gui/tamblewin_app.h"
#include "gui/ui_dialogs.h"
#include "paf/codepage.h"
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
    const QStringList own = app_.ownRecentFiles().list();
    for (const QString& file : own)
        if (!all.contains(file)) all << file;
    cbFileName->clear();
    cbFileName->addItems(all);
    QString text = typed;
    if (!paf.isEmpty())
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
    // A file that cannot be opened ends the program inside openDataFile; a GEDCOM
    // file is imported into a PAF image in memory and only read.
    const std::string localPath = QFile::encodeName(path).toStdString();
    if (!openGedcomOrPaf(ctx, localPath)) {
        ctx.file.close();
        finish(Rejected);
        return;
    }
    clearProtectedInputs();  // no output of the run may replace the file just read
    protectInput(localPath);
    // Reports print the path in their headings, in the code page of the page log.
    ctx.dataFilePath = utf8ToWindows1252(path.toStdString());
    ctx.paths = runPathsFor(ctx.dataFilePath);
    app_.ownRecentFiles().remember(path);

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

void TChooseFile::btnBrowseClick() {
    if (const auto chosen = app_.dialogs().openDataFile(this, browseFolder())) cbFileName->setEditText(*chosen);
}

void TChooseFile::btnBackClick() {
    app_.settings().wentBack = true;
    finish(Rejected);
}

void TChooseFile::btnCancelClick() { finish(Rejected); }

}  // namespace tw::gui
