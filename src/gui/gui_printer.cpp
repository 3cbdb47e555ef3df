#include "gui/gui_printer.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

#include "gui/ui_dialogs.h"

namespace tw::gui {

GuiPrinter::GuiPrinter(UiDialogs& dialogs) : dialogs_(dialogs) {
    const QStringList printers = systemPrinters();
    if (printers.isEmpty())
        usePdfFile();
    else
        useSystemPrinter(printers.constFirst());
}

GuiPrinter::~GuiPrinter() { stopPainting(); }

QStringList GuiPrinter::systemPrinters() {
    QStringList names;
    const QString preferred = QPrinterInfo::defaultPrinterName();
    if (!preferred.isEmpty()) names << preferred;
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        if (!names.contains(name)) names << name;
    return names;
}

void GuiPrinter::useSystemPrinter(const QString& name) {
    printer_.setOutputFileName(QString());
    printer_.setOutputFormat(QPrinter::NativeFormat);
    printer_.setPrinterName(name);
    printer_.setFullPage(false);
}

void GuiPrinter::usePdfFile(const QString& path) {
    const QPageLayout layout = printer_.pageLayout();
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(path);
    // A PDF file has no unprintable margins; its paper is the one the report asks for.
    printer_.setFullPage(true);
    printer_.setPageOrientation(layout.orientation());
    if (printer_.pageLayout().pageSize().id() != QPageSize::Legal) printer_.setPageSize(QPageSize(QPageSize::Letter));
}

void GuiPrinter::setLandscape(bool landscape) {
    printer_.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void GuiPrinter::requestPaper(PaperSize paper) {
    // A real printer keeps the paper the user set it up with (the page log checks it
    // and asks for the right one); a PDF file takes what the report asks for.
    if (printsToPdf()) printer_.setPageSize(QPageSize(paper == PaperSize::Legal ? QPageSize::Legal : QPageSize::Letter));
}

bool GuiPrinter::startDocument(std::string_view title) {
    stopPainting();
    title_ = QtSurface::fromText(title);
    error_.clear();
    documentOpen_ = true;
    return true;
}

Surface& GuiPrinter::surface() {
    if (painter_.isActive()) return surface_;
    if (!documentOpen_) return idle_;
    if (printsToPdf() && printer_.outputFileName().isEmpty()) {
        error_ = QStringLiteral("No PDF file was named to print into.");
        return idle_;
    }
    printer_.setDocName(title_.isEmpty() ? QStringLiteral("Tamblewin") : title_);
    printer_.setCreator(QStringLiteral("Tamblewin"));
    if (!painter_.begin(&printer_)) {
        error_ = printsToPdf() ? QStringLiteral("Cannot write ") + printer_.outputFileName()
                               : QStringLiteral("The printer ") + printer_.printerName() +
                                     QStringLiteral(" could not start printing.");
        return idle_;
    }
    surface_.begin(painter_);
    return surface_;
}

void GuiPrinter::newPage() {
    if (painter_.isActive()) printer_.newPage();
}

void GuiPrinter::stopPainting() {
    surface_.end();
    if (painter_.isActive()) painter_.end();
}

void GuiPrinter::endDocument() {
    stopPainting();
    documentOpen_ = false;
}

void GuiPrinter::abortDocument() {
    if (painter_.isActive()) printer_.abort();
    stopPainting();
    documentOpen_ = false;
}

PrinterGeometry GuiPrinter::geometry() const {
    const QRectF paper = printer_.paperRect(QPrinter::DevicePixel);
    const QRectF page = printer_.pageRect(QPrinter::DevicePixel);
    PrinterGeometry g;
    g.physicalWidth = int32_t(paper.width());
    g.physicalHeight = int32_t(paper.height());
    g.pixelsPerInchX = printer_.resolution();
    g.pixelsPerInchY = printer_.resolution();
    // With a full page the painter's origin is the sheet's corner.
    if (!printer_.fullPage()) {
        g.offsetX = int32_t(page.left() - paper.left());
        g.offsetY = int32_t(page.top() - paper.top());
    }
    return g;
}

bool GuiPrinter::setupDialog() { return dialogs_.printerSetup(dialogParent_, printer_); }

}  // namespace tw::gui
