#include "gui/gui_printer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "files/user_files.h"
#include "gui/translated.h"
#include "gui/ui_dialogs.h"
#include "output/qt/qt_surface.h"

namespace tw::gui {

namespace {

// "Cannot write FILE: the system's words for why".
QString cannotWrite(const QString& path, int systemError) {
    if (systemError == 0) return TW_QTR("PrintWindow", "Cannot write %1").arg(path);
    return TW_QTR("PrintWindow", "Cannot write %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(systemError)));
}

}  // namespace

QPageSize qtPageSize(Paper paper) {
    switch (paper) {
        case Paper::Letter: return QPageSize(QPageSize::Letter);
        case Paper::Legal: return QPageSize(QPageSize::Legal);
        case Paper::Tabloid: return QPageSize(QPageSize::Tabloid);
        case Paper::A5: return QPageSize(QPageSize::A5);
        case Paper::A4: return QPageSize(QPageSize::A4);
        case Paper::A3: return QPageSize(QPageSize::A3);
    }
    return QPageSize(QPageSize::Letter);
}

QString sheetName(const PageGeometry& page) {
    QString name;
    if (page.paper) {
        const std::string_view title = paperTitle(*page.paper);
        name = QString::fromUtf8(title.data(), qsizetype(title.size()));
    } else {
        name = TW_QTR("Windows", "%1 x %2 in").arg(page.width, 0, 'f', 2).arg(page.height, 0, 'f', 2);
    }
    return page.landscape ? TW_QTR("Windows", "%1 landscape").arg(name) : name;
}

GuiPrinter::GuiPrinter(UiDialogs& dialogs) : dialogs_(dialogs) {
    const QStringList printers = systemPrinters();
    if (printers.isEmpty())
        usePdfFile();
    else
        useSystemPrinter(printers.constFirst());
}

GuiPrinter::~GuiPrinter() {
    stopPainting();
    dropPdfFile();
}

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
    pdfTarget_.clear();
    printer_.setOutputFormat(QPrinter::NativeFormat);
    printer_.setPrinterName(name);
    printer_.setFullPage(false);
    // The printer's own paper, whatever a PDF file printed before was laid out on.
    const QPageSize own = QPrinterInfo::printerInfo(name).defaultPageSize();
    if (own.isValid()) printer_.setPageSize(own);
}

void GuiPrinter::usePdfFile(const QString& path) {
    const QPageLayout layout = printer_.pageLayout();
    // Named first: Qt turns a printer whose file name is emptied back to the system's.
    printer_.setOutputFileName(path);
    printer_.setOutputFormat(QPrinter::PdfFormat);
    pdfTarget_ = path;
    // A PDF file has no unprintable margins; its paper is the one the report asks for.
    printer_.setFullPage(true);
    printer_.setPageOrientation(layout.orientation());
}

void GuiPrinter::setLandscape(bool landscape) {
    printer_.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void GuiPrinter::requestPaper(Paper paper) {
    // A real printer keeps the paper the user set it up with (the page log checks it
    // and asks for the right one); a PDF file takes what the report asks for.
    if (printsToPdf()) printer_.setPageSize(qtPageSize(paper));
}

bool GuiPrinter::startDocument(std::string_view title) {
    stopPainting();
    dropPdfFile();
    title_ = QtSurface::fromText(title);
    error_.clear();
    documentOpen_ = true;
    return true;
}

Surface& GuiPrinter::surface() {
    if (painter_.isActive()) return surface_;
    if (pdf_.isOpen()) return pdfSurface_;
    if (!documentOpen_ || !error_.isEmpty()) return idle_;
    if (printsToPdf() && pdfTarget_.isEmpty()) {
        error_ = TW_QTR("PrintWindow", "No PDF file was named to print into.");
        return idle_;
    }
    if (!startPainting()) return idle_;
    if (pdf_.isOpen()) return pdfSurface_;
    surface_.begin(painter_);
    return surface_;
}

bool GuiPrinter::startPainting() {
    printer_.setDocName(!documentTitle_.isEmpty() ? documentTitle_
                        : title_.isEmpty()        ? QStringLiteral("Tamblewin")
                                                  : title_);
    printer_.setCreator(QStringLiteral("Tamblewin"));
    if (printsToPdf()) {
        const QFileInfo target(pdfTarget_);
        QTemporaryFile partial(target.absoluteDir().filePath(QStringLiteral(".") + target.completeBaseName() +
                                                             QStringLiteral(".XXXXXX.pdf")));
        partial.setAutoRemove(false);
        errno = 0;
        if (!partial.open()) {
            error_ = cannotWrite(pdfTarget_, errno);
            return false;
        }
        // Readable by others as a file the user saves normally is.
        partial.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        pdfPartial_ = partial.fileName();
        partial.close();
        return startPdfDocument();
    }
    if (painter_.begin(&printer_)) return true;
    error_ = printsToPdf()
                 ? cannotWrite(pdfTarget_, 0)
                 : TW_QTR("PrintWindow", "The printer %1 could not start printing.").arg(printer_.printerName());
    dropPdfFile();
    return false;
}

bool GuiPrinter::startPdfDocument() {
    const QString title = printer_.docName();
    const QByteArray utf8Title = title.toUtf8();
    errno = 0;
    if (!pdf_.open(QFile::encodeName(pdfPartial_).toStdString(), DocumentDescription{utf8Title.toStdString(), std::nullopt})) {
        error_ = cannotWrite(pdfTarget_, errno);
        dropPdfFile();
        return false;
    }
    pdfSurface_.beginPage(geometry());
    return true;
}

void GuiPrinter::placePdfFile() {
    if (pdfPartial_.isEmpty()) return;
    const QByteArray from = QFile::encodeName(pdfPartial_);
    const QByteArray to = QFile::encodeName(pdfTarget_);
    // Never over a device, FIFO, folder or the data file: the partial file goes then.
    const std::string target = to.toStdString();
    if (const std::string refusal = outputRefusal(target); !refusal.empty()) {
        QFile::remove(pdfPartial_);
        error_ = TW_QTR("PrintWindow", "Cannot write %1: %2").arg(pdfTarget_, QString::fromStdString(refusal));
    } else if (!moveIntoPlace(from.toStdString(), target)) {
        error_ = cannotWrite(pdfTarget_, errno);
    }
    pdfPartial_.clear();
    printer_.setOutputFileName(pdfTarget_);
}

void GuiPrinter::dropPdfFile() {
    if (pdfPartial_.isEmpty()) return;
    QFile::remove(pdfPartial_);
    pdfPartial_.clear();
    printer_.setOutputFileName(pdfTarget_);
}

void GuiPrinter::newPage() {
    if (painter_.isActive()) printer_.newPage();
    if (!pdf_.isOpen()) return;
    pdfSurface_.finishPage();
    pdfSurface_.beginPage(geometry());
}

void GuiPrinter::stopPainting() {
    surface_.end();
    if (painter_.isActive()) painter_.end();
}

void GuiPrinter::endDocument() {
    stopPainting();
    if (pdf_.isOpen()) {
        pdfSurface_.finishPage();
        if (!pdfSurface_.missingFont().empty())
            error_ = TW_QTR("PrintWindow", "Cannot write %1: the font %2 is not installed")
                         .arg(pdfTarget_, QString::fromStdString(pdfSurface_.missingFont()));
        else if (errno = 0; !pdf_.finish())
            error_ = cannotWrite(pdfTarget_, errno);
        pdf_.abandon();
        if (!error_.isEmpty()) dropPdfFile();
    }
    placePdfFile();
    documentOpen_ = false;
}

void GuiPrinter::abortDocument() {
    if (painter_.isActive()) printer_.abort();
    pdf_.abandon();
    stopPainting();
    dropPdfFile();
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
