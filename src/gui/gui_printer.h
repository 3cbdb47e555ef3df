#pragma once
// The printer of the windows: a QPrinter on the system's default printer, or a PDF
// file when no printer is installed or the user chooses one in the print box.
//
// A report's page log opens a print job when it begins, so that it lays out for this
// printer's paper and resolution, but nothing reaches the printer until pages are
// really printed: the job's painter starts with the first page drawn. A job that is
// abandoned (the preview's Cancel) or replaced by the next report therefore never
// shows up in the system's print queue, and a PDF file is only asked for when the
// user prints. A PDF file is written under a temporary name beside it and renamed
// into place when the document ends, so a print stopped half-way leaves no part of
// a file (and an older file of that name stays as it was). PDF files are written
// by the program's own PDF writer, as on the command line; system printers are
// painted through Qt.

#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <QStringList>

#include "output/measuring_printer.h"
#include "output/pdf/pdf_document.h"
#include "output/pdf/pdf_surface.h"
#include "output/printer.h"
#include "output/qt/qt_surface.h"

class QWidget;

namespace tw::gui {

class UiDialogs;

// Qt's page size of a paper.
QPageSize qtPageSize(Paper paper);

// What the user is told a page is: its paper ("A4", "Legal landscape"), or its size
// in inches when it is of no paper the program knows.
QString sheetName(const PageGeometry& page);

class GuiPrinter : public Printer {
public:
    explicit GuiPrinter(UiDialogs& dialogs);
    ~GuiPrinter() override;

    void setLandscape(bool landscape) override;
    void requestPaper(Paper paper) override;
    bool startDocument(std::string_view title) override;
    void newPage() override;
    void endDocument() override;
    void abortDocument() override;
    PrinterGeometry geometry() const override;
    Surface& surface() override;
    bool setupDialog() override;

    // The system's printers by name, the default one first; empty when none is installed.
    static QStringList systemPrinters();
    // Prints on the named system printer from now on.
    void useSystemPrinter(const QString& name);
    // Prints into a PDF file from now on (the file is named before printing).
    void usePdfFile(const QString& path = QString());
    bool printsToPdf() const { return printer_.outputFormat() == QPrinter::PdfFormat; }
    QString pdfFile() const { return pdfTarget_; }
    QString printerName() const { return printer_.printerName(); }

    // The title the document carries (a PDF file's title, the name in the print
    // queue); without one, the title the report gave its job.
    void setDocumentTitle(const QString& title) { documentTitle_ = title; }

    // True while a document is open; painting tells whether pages have been drawn.
    bool documentOpen() const { return documentOpen_; }
    bool painting() const { return painter_.isActive() || pdf_.isOpen(); }
    // Why the last document could not be printed; empty when it was.
    const QString& errorText() const { return error_; }

    // The window over which the set-up dialog opens.
    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }
    QPrinter& qprinter() { return printer_; }

private:
    void stopPainting();
    bool startPainting();
    bool startPdfDocument();
    // Moves the finished PDF file from its temporary name to the one chosen.
    void placePdfFile();
    void dropPdfFile();

    UiDialogs& dialogs_;
    QPrinter printer_{QPrinter::HighResolution};
    QPainter painter_;
    QtSurface surface_;
    PdfDocument pdf_;
    PdfSurface pdfSurface_{pdf_};
    NullSurface idle_;  // drawn on when the printer could not start
    QString title_;
    QString documentTitle_;
    QString pdfTarget_;
    QString pdfPartial_;  // the file being written while a PDF document is painted
    QString error_;
    QWidget* dialogParent_ = nullptr;
    bool documentOpen_ = false;
};

}  // namespace tw::gui
