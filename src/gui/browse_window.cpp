#include "gui/browse_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <unordered_set>

#include "gui/tamblewin_app.h"
#include "gui/ui_dialogs.h"
#include "output/qt/qt_surface.h"
#include "paf/records.h"
#include "wizard/browse_list.h"

namespace tw::gui {

TchooseRinBrowse::TchooseRinBrowse(TamblewinApp& app) : app_(app) {
    setObjectName(QStringLiteral("TchooseRinBrowse"));
    setWindowTitle(QStringLiteral("Browser"));

    Label1 = new QLabel(QStringLiteral("Loading ... "), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setUniformItemSizes(true);
    btnCancel = makeButton(QStringLiteral("Cancel"), "btnCancel", this);
    connect(ListBox1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { lineChosen(ListBox1->row(item)); });
    // Enter (and a double click) on a line chooses it too.
    connect(ListBox1, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { lineChosen(ListBox1->row(item)); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnCancel);
    auto* all = new QVBoxLayout(this);
    all->addWidget(Label1);
    all->addWidget(ListBox1, 1);
    all->addLayout(buttons);
    resize(440, 560);
}

int32_t TchooseRinBrowse::choose() {
    chosen_ = 0;
    showModal();
    numbers_.clear();
    return chosen_;
}

void TchooseRinBrowse::beforeShowing() {
    centreOnMonitor(this);
    fill();
}

void TchooseRinBrowse::fill() {
    ListBox1->clear();
    numbers_.clear();
    Label1->setText(QStringLiteral("Loading ... "));
    AppContext& ctx = app_.context();
    if (ctx.file.isOpen()) {
        clearRunMessages(ctx);
        const std::vector<BrowseLine> lines = buildBrowseList(ctx);
        QStringList texts;
        texts.reserve(qsizetype(lines.size()));
        numbers_.reserve(lines.size());
        for (const BrowseLine& line : lines) {
            texts << QtSurface::fromText(line.text);
            numbers_.push_back(line.rin);
        }
        ListBox1->addItems(texts);
    }
    Label1->setText(QStringLiteral("Loading ... Done"));
    if (ListBox1->count() > 0) ListBox1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    ListBox1->setFocus();
}

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
        app_.dialogs().message(this, QStringLiteral("There is no marriage record for this person."),
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
    app_.dialogs().message(this, QStringLiteral("Next you will see a list of spouses for \n\n") + line +
                                     QStringLiteral("\n\n Please choose one."),
                           QStringLiteral("Multiple marriages"));
    AppContext& ctx = app_.context();
    IndividualRecord person;
    readIndividual(ctx.file, rin, person);
    ListBox1->clear();
    numbers_.clear();
    // A chain that comes back to a marriage already listed is cut there.
    std::unordered_set<int32_t> seen;
    for (int32_t mrin = person.firstMrin; mrin != 0 && seen.insert(mrin).second;) {
        MarriageRecord marriage;
        if (!readMarriage(ctx.file, mrin, marriage)) break;
        const int32_t spouse = person.sex == 'M' ? marriage.wife : marriage.husband;
        const QString name = spouse != 0 ? QtSurface::fromText(individualName(ctx, spouse).view()) : QString();
        ListBox1->addItem(name);
        numbers_.push_back(mrin);
        mrin = marriage.nextFor(person.sex);
    }
    app_.settings().startMode = -2;
}

void TchooseRinBrowse::btnCancelClick() { finish(Rejected); }

}  // namespace tw::gui
