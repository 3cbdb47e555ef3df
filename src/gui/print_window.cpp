#include "gui/print_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <optional>

#include "charts/ftc_state.h"
#include "gui/data_file_window.h"
#include "gui/preview_window.h"
#include "gui/print_naming.h"
#include "gui/start_window.h"
#include "gui/tamblewin_app.h"
#include "gui/translated.h"
#include "gui/ui_dialogs.h"
#include "output/printing.h"
#include "output/qt/qt_surface.h"

namespace tw::gui {

namespace {

// The range's caption: "Pages", a gap for the first page's field, "to"; the last
// page's field follows it.
//: Before the first page's field of a range: "Pages [ 3 ] to [ 7 ]"
QString rangeStart() { return TW_QTR("PrintWindow", "Pages"); }
//: Between the first and the last page's fields of a range: "Pages [ 3 ] to [ 7 ]"
QString rangeEnd() { return TW_QTR("PrintWindow", "to"); }
QString rangeCaption() { return rangeStart() + QString(21, u' ') + rangeEnd(); }

// How far a print has come, in a progress box over the print box, with a Cancel
// that stops it. The box shows itself only for a print that takes a while.
class PrintProgressBox : public PrintProgress {
public:
    PrintProgressBox(QWidget* parent, int total)
        : box_(TW_QTR("PrintWindow", "Printing ..."), TW_QTR("Windows", "Cancel"), 0, total, parent) {
        box_.setObjectName(QStringLiteral("PrintProgress"));
        box_.setWindowTitle(TW_QTR("PrintWindow", "Printing"));
        box_.setWindowModality(Qt::WindowModal);
        box_.setMinimumDuration(500);
        box_.setAutoReset(false);
        box_.setValue(0);
    }

    bool pagePrinted(int printed, int total) override {
        box_.setLabelText(TW_QTR("PrintWindow", "%1 of %2 pages printed").arg(printed).arg(total));
        box_.setValue(printed);
        // Lets Cancel be pressed (and the windows be painted) while pages are printed.
        QCoreApplication::processEvents();
        return !box_.wasCanceled();
    }
    bool cancelled() const { return box_.wasCanceled(); }

private:
    QProgressDialog box_;
};

}  // namespace

QString fittedFileName(const QString& name, int maxBytes) {
    if (name.toUtf8().size() <= maxBytes) return name;
    const int dot = int(name.lastIndexOf(u'.'));
    const QString suffix = dot > 0 ? name.mid(dot) : QString();
    QString base = dot > 0 ? name.left(dot) : name;
    const int room = maxBytes - int(suffix.toUtf8().size());
    // Whole characters (a letter and its accents, a pair of surrogates) come off the end.
    while (!base.isEmpty() && base.toUtf8().size() > room) {
        QChar last;
        do {
            last = base.back();
            base.chop(1);
            if (last.isLowSurrogate() && !base.isEmpty() && base.back().isHighSurrogate()) base.chop(1);
        } while (!base.isEmpty() && last.category() == QChar::Mark_NonSpacing);
    }
    return base.trimmed() + suffix;
}

TPB::TPB(TamblewinApp& app) : app_(app) {
    setObjectName(QStringLiteral("TPB"));
    setWindowTitle(TW_QTR("Windows", "Print"));

    auto* title = new QLabel(productTitle(), this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(productTitleFont(32));
    auto* print = new QLabel(TW_QTR("Windows", "Print"), this);
    print->setObjectName(QStringLiteral("Label2"));
    print->setFont(productTitleFont(16));
    rbAll = new QRadioButton(this);
    rbAll->setObjectName(QStringLiteral("rbAll"));
    const QString range = rangeCaption();
    rbRange = new QRadioButton(range, this);
    rbRange->setObjectName(QStringLiteral("rbRange"));
    edtStartPage = new QLineEdit(this);
    edtStartPage->setObjectName(QStringLiteral("edtStartPage"));
    edtStartPage->setMaxLength(7);
    edtEndPage = new QLineEdit(this);
    edtEndPage->setObjectName(QStringLiteral("edtEndPage"));
    edtEndPage->setMaxLength(7);
    // Page numbers only: anything else is refused as it is typed.
    for (QLineEdit* field : {edtStartPage, edtEndPage})
        field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    rbCurrentPage = new QRadioButton(TW_QTR("PrintWindow", "Current Page"), this);
    rbCurrentPage->setObjectName(QStringLiteral("rbCurrentPage"));
    auto* printerLabel = new QLabel(TW_QTR("PrintWindow", "Printer:"), this);
    cbPrinter = new QComboBox(this);
    cbPrinter->setObjectName(QStringLiteral("cbPrinter"));
    printerLabel->setBuddy(cbPrinter);
    auto* paperLabel = new QLabel(TW_QTR("PrintWindow", "Paper:"), this);
    cbPaper = new QComboBox(this);
    cbPaper->setObjectName(QStringLiteral("cbPaper"));
    for (const Paper paper : kAllPapers) {
        const std::string_view title = paperTitle(paper);
        cbPaper->addItem(QString::fromUtf8(title.data(), qsizetype(title.size())), int(paper));
    }
    paperLabel->setBuddy(cbPaper);
    lblPrinterPaper = new QLabel(this);
    lblPrinterPaper->setObjectName(QStringLiteral("lblPrinterPaper"));
    cbLargeSheets = new QCheckBox(TW_QTR("PrintWindow", "A3 where needed"), this);
    cbLargeSheets->setObjectName(QStringLiteral("cbLargeSheets"));
    cbLargeSheets->setToolTip(TW_QTR(
        "PrintWindow",
        "On A5, A4 or A3 paper the Descendant Summary Chart may take an A3 sheet where it needs a larger one; otherwise it fits itself onto the paper."));
    connect(cbPrinter, &QComboBox::activated, this, [this] { layoutChoiceChanged(); });
    connect(cbPaper, &QComboBox::activated, this, [this] { layoutChoiceChanged(); });
    connect(cbLargeSheets, &QCheckBox::clicked, this, [this] { layoutChoiceChanged(); });
    btnBack = makeButton(TW_QTR("Windows", "Back"), "btnBack", this);
    btnPrint = makeButton(TW_QTR("Windows", "Print"), "btnPrint", this);
    btnCancel = makeButton(TW_QTR("Windows", "Cancel"), "btnCancel", this);
    btnPrint->setDefault(true);
    connect(btnBack, &QPushButton::clicked, this, [this] { btnBackClick(); });
    connect(btnPrint, &QPushButton::clicked, this, [this] { btnPrintClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });

    // Entering either page field chooses the range.
    edtStartPage->installEventFilter(this);
    edtEndPage->installEventFilter(this);
    connect(edtStartPage, &QLineEdit::textEdited, this, [this] { rbRange->setChecked(true); });
    connect(edtEndPage, &QLineEdit::textEdited, this, [this] { rbRange->setChecked(true); });

    title->setGeometry(24, 10, 380, 40);
    print->setGeometry(24, 52, 200, 22);
    rbAll->setGeometry(48, 84, 300, 24);
    rbRange->setGeometry(48, 116, 320, 24);
    rbCurrentPage->setGeometry(48, 148, 300, 24);
    // The page fields sit in the gaps of the range's caption.
    const int textLeft = 48 + style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, rbRange) +
                         style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, rbRange);
    const QFontMetrics metrics(rbRange->font());
    const int gapLeft = textLeft + metrics.horizontalAdvance(rangeStart() + u' ');
    const int gapRight = textLeft + metrics.horizontalAdvance(range.left(range.size() - rangeEnd().size()));
    edtStartPage->setGeometry(gapLeft, 116, std::max(40, gapRight - gapLeft - 4), 24);
    edtEndPage->setGeometry(textLeft + metrics.horizontalAdvance(range) + 6, 116, 60, 24);
    printerLabel->setGeometry(48, 188, 60, 26);
    cbPrinter->setGeometry(110, 188, 280, 26);
    paperLabel->setGeometry(48, 222, 60, 26);
    cbPaper->setGeometry(110, 222, 110, 26);
    lblPrinterPaper->setGeometry(110, 222, 140, 26);
    cbLargeSheets->setGeometry(250, 222, 150, 26);
    btnBack->setGeometry(60, 270, 90, 30);
    btnPrint->setGeometry(166, 270, 90, 30);
    btnCancel->setGeometry(272, 270, 90, 30);

    setTabOrder(rbAll, rbRange);
    setTabOrder(rbRange, edtStartPage);
    setTabOrder(edtStartPage, edtEndPage);
    setTabOrder(edtEndPage, rbCurrentPage);
    setTabOrder(rbCurrentPage, cbPrinter);
    setTabOrder(cbPrinter, cbPaper);
    setTabOrder(cbPaper, cbLargeSheets);
    setTabOrder(cbLargeSheets, btnBack);
    setTabOrder(btnBack, btnPrint);
    setTabOrder(btnPrint, btnCancel);
    setFixedSize(424, 318);
}

bool TPB::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && (watched == edtStartPage || watched == edtEndPage))
        rbRange->setChecked(true);
    return ModalWindow::eventFilter(watched, event);
}

void TPB::beforeShowing() {
    showPageCounts();
    rbAll->setChecked(true);
    rbCurrentPage->show();
    rbCurrentPage->setEnabled(true);
    fillPrinters();
    centreOnMonitor(this);
    btnPrint->setFocus();
}

void TPB::showPageCounts() {
    const int pages = app_.context().pageLog.lastPageIndex() + 1;
    rbAll->setText(TW_QTR("PrintWindow", "All %1 pages").arg(pages));
    edtStartPage->setText(QStringLiteral("1"));
    edtEndPage->setText(QString::number(pages));
}

void TPB::fillPrinters() {
    GuiPrinter& printer = app_.printer();
    cbPrinter->clear();
    for (const QString& name : GuiPrinter::systemPrinters()) cbPrinter->addItem(name, name);
    cbPrinter->addItem(TW_QTR("PrintWindow", "PDF file"), QString());
    const int current = printer.printsToPdf() ? cbPrinter->count() - 1 : std::max(0, cbPrinter->findData(printer.printerName()));
    cbPrinter->setCurrentIndex(current);
    showPaperChoice();
    updateButtons();
}

void TPB::showPaperChoice() {
    const bool pdf = cbPrinter->currentData().toString().isEmpty();
    const PaperChoice choice = app_.paperChoice();
    cbPaper->setCurrentIndex(cbPaper->findData(int(choice.paper)));
    cbLargeSheets->setChecked(choice.largeSheets);
    cbPaper->setVisible(pdf);
    lblPrinterPaper->setVisible(!pdf);
    if (!pdf) lblPrinterPaper->setText(sheetName(pageOfPrinter(app_.printer().geometry(), false)));
}

bool TPB::takeLayoutChoice() {
    GuiPrinter& printer = app_.printer();
    const QString name = cbPrinter->currentData().toString();
    bool laidOutForAnother = false;
    const bool otherPrinter =
        name.isEmpty() ? !printer.printsToPdf() : (printer.printsToPdf() || printer.printerName() != name);
    if (otherPrinter) {
        if (name.isEmpty())
            printer.usePdfFile(printer.pdfFile());
        else
            printer.useSystemPrinter(name);
        laidOutForAnother = true;
    }
    const PaperChoice before = app_.paperChoice();
    const PaperChoice chosen{Paper(cbPaper->currentData().toInt()), cbLargeSheets->isChecked()};
    if (chosen != before) {
        app_.choosePaper(chosen);
        // A system printer keeps its own paper; the large sheets count on any printer.
        laidOutForAnother = laidOutForAnother || (chosen.paper != before.paper && printer.printsToPdf()) ||
                            chosen.largeSheets != before.largeSheets;
    }
    return laidOutForAnother;
}

void TPB::layoutChoiceChanged() {
    // A choice made while the report is laid out again is taken when that ends.
    if (printing_ || layingOut_) return;
    layingOut_ = true;
    updateButtons();
    bool laidOut = false;
    bool wrote = true;
    while (wrote && takeLayoutChoice()) {
        showPaperChoice();
        wrote = app_.chooseRin().runAgain();
        laidOut = true;
    }
    layingOut_ = false;
    showPaperChoice();
    updateButtons();
    // The report could not be laid out again (its messages were shown): there are no
    // pages left to print.
    if (!wrote) {
        finish(kNoPages);
        return;
    }
    if (!laidOut) return;
    app_.pagePreview().prepare();
    showPageCounts();
}

int TPB::pageNumber(const QString& text) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    return ok ? number : 0;
}

bool TPB::choosePrinter() {
    GuiPrinter& printer = app_.printer();
    const QString name = cbPrinter->currentData().toString();
    if (!name.isEmpty()) {
        printer.useSystemPrinter(name);
        return true;
    }
    // Beside the last PDF file printed into, else in the documents folder.
    const QString folder =
        printer.pdfFile().isEmpty() ? TChooseFile::documentsFolder() : QFileInfo(printer.pdfFile()).absolutePath();
    const QString suggested = QDir(folder).filePath(fittedFileName(pdfFileNameFor(app_.settings().reportTitle)));
    const auto file = app_.dialogs().savePdfFile(this, suggested);
    if (!file) return false;
    printer.usePdfFile(*file);
    return true;
}

void TPB::btnPrintClick() {
    if (printing_ || layingOut_) return;
    PageLog& log = app_.context().pageLog;
    const int pages = log.lastPageIndex() + 1;
    int first = 1;
    int last = pages;
    if (rbRange->isChecked()) {
        first = pageNumber(edtStartPage->text());
        last = pageNumber(edtEndPage->text());
    } else if (rbCurrentPage->isChecked()) {
        first = last = log.viewedPageNumber();
    }
    // A range that cannot be printed is refused before a PDF file is asked for, and
    // the box stays for another.
    if (first <= 0 || last < first || last > pages) {
        app_.dialogs().message(this, TW_QTR("PrintWindow", "Invalid page range."), QStringLiteral("Whoops!"));
        edtStartPage->setFocus();
        edtStartPage->selectAll();
        return;
    }
    if (!choosePrinter()) return;
    app_.printer().setDocumentTitle(app_.settings().reportTitle);
    std::optional<PrintProgressBox> progress;
    progress.emplace(this, last - first + 1);
    printing_ = true;
    updateButtons();
    const bool printed =
        printPages(log, app_.host(), first, last, familyTreeChart(app_.context()).positionsChanged, &*progress);
    printing_ = false;
    updateButtons();
    // A print stopped by its Cancel left nothing behind; the box stays for another try.
    const bool cancelled = progress->cancelled();
    progress.reset();  // the progress box goes before any message comes up
    if (cancelled) return;
    // A print that failed (a PDF file that could not be written, say) says why, and
    // the box stays for another printer or file.
    if (!printed || !app_.printer().errorText().isEmpty()) {
        if (!app_.printer().errorText().isEmpty())
            app_.dialogs().message(this, app_.printer().errorText(), QStringLiteral("Whoops!"));
        return;
    }
    // A PDF file may land anywhere the save box allowed: the user is told where.
    if (app_.printer().printsToPdf())
        app_.dialogs().message(this, pdfWrittenMessage(app_.printer().pdfFile()), QStringLiteral("Notice"));
    finish(kPrint);
}

QString pdfWrittenMessage(const QString& file) {
    return TW_QTR("PrintWindow", "The report was written to\n%1")
        .arg(QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()));
}

void TPB::updateButtons() {
    // While pages are printed only the progress box's Cancel works; while the report
    // is laid out again, only the choices that lead to another layout.
    for (QPushButton* button : {btnBack, btnPrint, btnCancel}) button->setEnabled(!printing_ && !layingOut_);
    cbPrinter->setEnabled(!printing_ && cbPrinter->count() > 1);
    cbPaper->setEnabled(!printing_);
    cbLargeSheets->setEnabled(!printing_);
}

void TPB::closedByFrame() {
    if (!printing_ && !layingOut_) finish(kClosed);
}

void TPB::btnBackClick() { finish(kBack); }

void TPB::btnCancelClick() { finish(kCancel); }

}  // namespace tw::gui
