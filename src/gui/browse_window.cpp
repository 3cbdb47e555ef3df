#include "gui/browse_window.h"

#include <QCoreApplication>
#include <QHash>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>
#include <unordered_set>

#include "gui/tamblewin_app.h"
#include "gui/translated.h"
#include "gui/ui_dialogs.h"
#include "output/qt/qt_surface.h"
#include "paf/records.h"
#include "wizard/browse_list.h"

namespace tw::gui {

TchooseRinBrowse::TchooseRinBrowse(TamblewinApp& app) : app_(app) {
    setObjectName(QStringLiteral("TchooseRinBrowse"));
    setWindowTitle(TW_QTR("BrowseWindow", "Choose a person"));

    Label1 = new QLabel(TW_QTR("BrowseWindow", "Loading ... "), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    edtFind = new QLineEdit(this);
    edtFind->setObjectName(QStringLiteral("edtFind"));
    edtFind->setPlaceholderText(TW_QTR("BrowseWindow", "Type part of a name"));
    edtFind->setClearButtonEnabled(true);
    auto* findLabel = new QLabel(TW_QTR("BrowseWindow", "&Find:"), this);
    findLabel->setBuddy(edtFind);
    lblNotFound = new QLabel(this);
    lblNotFound->setObjectName(QStringLiteral("lblNotFound"));
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setUniformItemSizes(true);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    btnChoose = makeButton(TW_QTR("BrowseWindow", "C&hoose"), "btnChoose", this);
    btnChoose->setDefault(true);
    btnCancel = makeButton(TW_QTR("Windows", "&Cancel"), "btnCancel", this);
    // One click selects; a double click (or Enter, or Choose) chooses. A click that
    // chose would close the window under the second click of a double click, which
    // would then press a button of the window behind.
    connect(ListBox1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { lineChosen(ListBox1->row(item)); });
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int row) { btnChoose->setEnabled(row >= 0); });
    connect(btnChoose, &QPushButton::clicked, this, [this] { btnChooseClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    connect(edtFind, &QLineEdit::textEdited, this, [this](const QString& text) { findLine(text); });
    edtFind->installEventFilter(this);
    ListBox1->installEventFilter(this);

    auto* find = new QHBoxLayout;
    find->addWidget(findLabel);
    find->addWidget(edtFind, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblNotFound, 1);
    buttons->addWidget(btnChoose);
    buttons->addWidget(btnCancel);
    auto* all = new QVBoxLayout(this);
    all->addWidget(Label1);
    all->addLayout(find);
    all->addWidget(ListBox1, 1);
    all->addLayout(buttons);
    setTabOrder(edtFind, ListBox1);
    setTabOrder(ListBox1, btnChoose);
    setTabOrder(btnChoose, btnCancel);
    fitToContents(this, QSize(440, 560));
}

int32_t TchooseRinBrowse::choose() {
    chosen_ = 0;
    showModal();
    numbers_.clear();
    folded_.clear();
    byFolded_.clear();
    return chosen_;
}

void TchooseRinBrowse::beforeShowing() {
    centreOnMonitor(this);
    fill();
}

void TchooseRinBrowse::setLines(const QStringList& lines) {
    ListBox1->clear();
    folded_.clear();
    folded_.reserve(size_t(lines.size()));
    for (const QString& line : lines) folded_.push_back(foldedForFinding(line));
    // The rows in the order of their folded lines, for finding a start by halving.
    byFolded_.resize(folded_.size());
    std::iota(byFolded_.begin(), byFolded_.end(), 0);
    std::stable_sort(byFolded_.begin(), byFolded_.end(), [this](int a, int b) { return folded_[size_t(a)] < folded_[size_t(b)]; });
    ListBox1->addItems(lines);
    ListBox1->setCurrentRow(-1);
    btnChoose->setEnabled(false);
    lblNotFound->clear();
}

void TchooseRinBrowse::fill() {
    numbers_.clear();
    Label1->setText(TW_QTR("BrowseWindow", "Loading ... "));
    AppContext& ctx = app_.context();
    QStringList texts;
    if (ctx.file.isOpen()) {
        clearRunMessages(ctx);
        std::vector<BrowseLine> lines;
        runGuarded(app_.host(), [&] { lines = buildBrowseList(ctx); });
        texts.reserve(qsizetype(lines.size()));
        numbers_.reserve(lines.size());
        for (const BrowseLine& line : lines) {
            texts << shownLine(QtSurface::fromText(line.text));
            numbers_.push_back(line.rin);
        }
    }
    setLines(texts);
    Label1->setText(TW_QTR("BrowseWindow", "Loading ... Done"));
    edtFind->clear();
    edtFind->setFocus();
}

QString TchooseRinBrowse::shownLine(const QString& line) {
    // A person without a name would be a blank line, or a year alone.
    if (line.trimmed().isEmpty() || line.startsWith(u' ')) return TW_QTR("BrowseWindow", "(no name)") + line;
    return line;
}

QString TchooseRinBrowse::foldedForFinding(const QString& text) {
    // Letters that Unicode does not take apart into a letter and an accent.
    static const QHash<QChar, QString> plain{
        {QChar(0x0141), QStringLiteral("l")}, {QChar(0x0142), QStringLiteral("l")},
        {QChar(0x00D8), QStringLiteral("o")}, {QChar(0x00F8), QStringLiteral("o")},
        {QChar(0x0110), QStringLiteral("d")}, {QChar(0x0111), QStringLiteral("d")},
        {QChar(0x00D0), QStringLiteral("d")}, {QChar(0x00F0), QStringLiteral("d")},
        {QChar(0x0126), QStringLiteral("h")}, {QChar(0x0127), QStringLiteral("h")},
        {QChar(0x0131), QStringLiteral("i")}, {QChar(0x00DF), QStringLiteral("ss")},
        {QChar(0x00C6), QStringLiteral("ae")}, {QChar(0x00E6), QStringLiteral("ae")},
        {QChar(0x0152), QStringLiteral("oe")}, {QChar(0x0153), QStringLiteral("oe")},
        {QChar(0x00DE), QStringLiteral("th")}, {QChar(0x00FE), QStringLiteral("th")},
    };
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing) continue;
        if (c.unicode() < 0x80) {
            folded += c.toLower();
            continue;
        }
        const auto it = plain.constFind(c);
        folded += it != plain.constEnd() ? *it : QString(c).toCaseFolded();
    }
    return folded;
}

int TchooseRinBrowse::findLine(const QString& text) {
    const QString wanted = foldedForFinding(text.trimmed());
    lblNotFound->clear();
    if (wanted.isEmpty()) return ListBox1->currentRow();
    // The first line in folded order that starts with the text, found by halving the
    // sorted rows; else the first line that holds it anywhere, in one pass.
    int found = -1;
    const auto first = std::lower_bound(byFolded_.begin(), byFolded_.end(), wanted,
                                        [this](int row, const QString& w) { return folded_[size_t(row)] < w; });
    if (first != byFolded_.end() && folded_[size_t(*first)].startsWith(wanted)) found = *first;
    for (size_t row = 0; row < folded_.size() && found < 0; ++row)
        if (folded_[row].contains(wanted)) found = int(row);
    if (found < 0) {
        // Nothing stays chosen that does not hold what was typed.
        ListBox1->setCurrentRow(-1);
        ListBox1->clearSelection();
        lblNotFound->setText(TW_QTR("BrowseWindow", "No name holds \"%1\"").arg(text.trimmed()));
        return -1;
    }
    ListBox1->setCurrentRow(found);
    ListBox1->scrollToItem(ListBox1->item(found), QAbstractItemView::PositionAtTop);
    return found;
}

bool TchooseRinBrowse::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == edtFind || watched == ListBox1) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Enter chooses the line found or selected; with none, nothing happens.
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            btnChooseClick();
            return true;
        }
        if (watched == edtFind &&
            (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown)) {
            QCoreApplication::sendEvent(ListBox1, event);
            return true;
        }
    }
    return ModalWindow::eventFilter(watched, event);
}

void TchooseRinBrowse::btnChooseClick() { lineChosen(ListBox1->currentRow()); }

void TchooseRinBrowse::lineChosen(int row) {
    if (row < 0 || size_t(row) >= numbers_.size()) return;
    WizardSettings& settings = app_.settings();
    const int32_t number = numbers_[size_t(row)];
    if (settings.startMode != -1) {
        chosen_ = number;
        settings.startMode = number;
        finish(Accepted);
        return;
    }
    IndividualRecord person;
    readIndividual(app_.context().file, number, person);
    if (person.firstMrin == 0) {
        app_.dialogs().message(this, TW_QTR("BrowseWindow", "There is no marriage record for this person."),
                               QStringLiteral("Notice"));
        return;
    }
    MarriageRecord first;
    readMarriage(app_.context().file, person.firstMrin, first);
    if (first.nextFor(person.sex) == 0) {
        chosen_ = person.firstMrin;
        settings.startMode = chosen_;
        finish(Accepted);
        return;
    }
    showSpouses(number, ListBox1->item(row)->text());
}

void TchooseRinBrowse::showSpouses(int32_t rin, const QString& line) {
    app_.dialogs().message(
        this, TW_QTR("BrowseWindow", "Next you will see a list of spouses for \n\n%1\n\n Please choose one.").arg(line),
        QStringLiteral("Multiple marriages"));
    AppContext& ctx = app_.context();
    IndividualRecord person;
    readIndividual(ctx.file, rin, person);
    numbers_.clear();
    QStringList spouses;
    // A chain that comes back to a marriage already listed is cut there.
    std::unordered_set<int32_t> seen;
    for (int32_t mrin = person.firstMrin; mrin != 0 && seen.insert(mrin).second;) {
        MarriageRecord marriage;
        if (!readMarriage(ctx.file, mrin, marriage)) break;
        const int32_t spouse = person.sex == 'M' ? marriage.wife : marriage.husband;
        const QString name = spouse != 0 ? QtSurface::fromText(individualName(ctx, spouse).view()) : QString();
        spouses << shownLine(name);
        numbers_.push_back(mrin);
        mrin = marriage.nextFor(person.sex);
    }
    setLines(spouses);
    edtFind->clear();
    if (!spouses.isEmpty()) ListBox1->setCurrentRow(0);
    ListBox1->setFocus();
    app_.settings().startMode = -2;
}

void TchooseRinBrowse::btnCancelClick() { finish(Rejected); }

}  // namespace tw::gui
