#include "gui/print_window.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "charts/ftc_state.h"
#include "gui/data_file_window.h"
#include "gui/preview_window.h"
#include "gui/tamblewin_app.h"
#include "gui/ui_dialogs.h"
#include "output/printing.h"
#include "output/qt/qt_surface.h"

namespace tw::gui {

namespace {

const QString kRangeCaption = QStringLiteral("Pages                     to");

}  // namespace

TPB::TPB(TamblewinApp& app) : app_(app) {
    setObjectName(QStringLiteral("TPB"));
    setWindowTitle(QStringLiteral("PB"));

    auto* title = new QLabel(kProductTitle, this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(productTitleFont(32));
    auto* print = new QLabel(QStringLiteral("Print"), this);
    print->setObjectName(QStringLiteral("Label2"));
    print->setFont(productTitleFont(16));
    rbAll = new QRadioButton(this);
    rbAll->setObjectName(QStringLiteral("rbAll"));
    rbRange = new QRadioButton(kRangeCaption, this);
    rbRange->setObjectName(QStringLiteral("rbRange"));
    edtStartPage = new QLineEdit(this);
    edtStartPage->setObjectName(QStringLiteral("edtStartPage"));
    edtStartPage->setMaxLength(7);
    edtEndPage = new QLineEdit(this);
    edtEndPage->setObjectName(QStringLiteral("edtEndPage"));
    edtEndPage->setMaxLength(7);
    rbCurrentPage = new QRadioButton(QStringLiteral("Current Page"), this);
    rbCurrentPage->setObjectName(QStringLiteral("rbCurrentPage"));
    auto* printerLabel = new QLabel(QStringLiteral("Printer:"), this);
    cbPrinter = new QComboBox(this);
    cbPrinter->setObjectName(QStringLiteral("cbPrinter"));
    printerLabel->setBuddy(cbPrinter);
    btnBack = makeButton(QStringLiteral("Back"), "btnBack", this);
    btnPrint = makeButton(QStringLiteral("Print"), "btnPrint", this);
    btnCancel = makeButton(QStringLiteral("Cancel"), "btnCancel", this);
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
    const int gapLeft = textLeft + metrics.horizontalAdvance(QStringLiteral("Pages "));
    const int gapRight = textLeft + metrics.horizontalAdvance(kRangeCaption.left(kRangeCaption.size() - 2));
    edtStartPage->setGeometry(gapLeft, 116, std::max(40, gapRight - gapLeft - 4), 24);
    edtEndPage->setGeometry(textLeft + metrics.horizontalAdvance(kRangeCaption) + 6, 116, 60, 24);
    printerLabel->setGeometry(48, 188, 60, 26);
    cbPrinter->setGeometry(110, 188, 280, 26);
    btnBack->setGeometry(60, 236, 90, 30);
    btnPrint->setGeometry(166, 236, 90, 30);
    btnCancel->setGeometry(272, 236, 90, 30);

    setTabOrder(rbAll, rbRange);
    setTabOrder(rbRange, edtStartPage);
    setTabOrder(edtStartPage, edtEndPage);
    setTabOrder(edtEndPage, rbCurrentPage);
    setTabOrder(rbCurrentPage, cbPrinter);
    setTabOrder(cbPrinter, btnBack);
    setTabOrder(btnBack, btnPrint);
    setTabOrder(btnPrint, btnCancel);
    setFixedSize(424, 284);
}

bool TPB::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && (watched == edtStartPage || watched == edtEndPage))
        rbRange->setChecked(true);
    return ModalWindow::eventFilter(watched, event);
}

void TPB::beforeShowing() {
    const int pages = app_.context().pageLog.lastPageIndex() + 1;
    rbAll->setText(QStringLiteral("All %1 pages").arg(pages));
    edtStartPage->setText(QStringLiteral("1"));
    edtEndPage->setText(QString::number(pages));
    rbAll->setChecked(true);
    rbCurrentPage->show();
    rbCurrentPage->setEnabled(true);
    fillPrinters();
    centreOnMonitor(this);
    btnPrint->setFocus();
}

void TPB::fillPrinters() {
    GuiPrinter& printer = app_.printer();
    cbPrinter->clear();
    for (const QString& name : GuiPrinter::systemPrinters()) cbPrinter->addItem(name, name);
    cbPrinter->addItem(QStringLiteral("PDF file"), QString());
    const int current = printer.printsToPdf() ? cbPrinter->count() - 1 : std::max(0, cbPrinter->findData(printer.printerName()));
    cbPrinter->setCurrentIndex(current);
    cbPrinter->setEnabled(cbPrinter->count() > 1);
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
    QString base = QFileInfo(QtSurface::fromText(app_.context().dataFilePath)).completeBaseName();
    if (base.isEmpty()) base = QStringLiteral("Tamblewin");
    const QString suggested = QDir(TChooseFile::browseFolder()).filePath(base + QStringLiteral(".pdf"));
    const auto file = app_.dialogs().savePdfFile(this, suggested);
    if (!file) return false;
    printer.usePdfFile(*file);
    return true;
}

void TPB::btnPrintClick() {
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
    // A range printPages refuses is refused before a PDF file is asked for.
    const bool printable = first > 0 && last >= first && last <= pages;
    if (printable && !choosePrinter()) return;
    const bool printed = printPages(log, app_.host(), first, last, familyTreeChart(app_.context()).positionsChanged);
    if (printed && !app_.printer().errorText().isEmpty())
        app_.dialogs().message(this, app_.printer().errorText(), QStringLiteral("Whoops!"));
    finish(kPrint);
}

void TPB::btnBackClick() { finish(kBack); }

void TPB::btnCancelClick() { finish(kCancel); }

}  // namespace tw::gui
