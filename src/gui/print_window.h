#pragma once
// The print box ("PB"): all pages, a range, or the page on view, and the printer to
// use (a system printer or a PDF file) with its paper: a PDF file takes the paper
// chosen here (and whether the Descendant Summary Chart may take an A3 sheet), a
// system printer keeps its own, which is shown instead. A change of printer or paper
// lays the report out again at once, and the preview behind shows the new pages.
// Its result: 0 Back, 1 Print, 2 Cancel, and -2 when it was closed by the window
// frame.

#include "gui/modal_window.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tw::gui {

class TamblewinApp;

// A file name cut to what file systems take (255 bytes), its suffix kept.
QString fittedFileName(const QString& name, int maxBytes = 255);
// What the print box says once a PDF file is written: where it is, in full.
QString pdfWrittenMessage(const QString& file);

class TPB : public ModalWindow {
public:
    static constexpr int kBack = 0;
    static constexpr int kPrint = 1;
    static constexpr int kCancel = 2;
    static constexpr int kClosed = -2;
    // The report could not be laid out again for the printer chosen: no pages are left.
    static constexpr int kNoPages = 3;

    explicit TPB(TamblewinApp& app);

    QRadioButton* rbAll = nullptr;
    QRadioButton* rbRange = nullptr;
    QLineEdit* edtStartPage = nullptr;
    QLineEdit* edtEndPage = nullptr;
    QRadioButton* rbCurrentPage = nullptr;
    QComboBox* cbPrinter = nullptr;
    QComboBox* cbPaper = nullptr;          // the papers, for a PDF file
    QCheckBox* cbLargeSheets = nullptr;    // A3 for the Descendant Summary Chart
    QLabel* lblPrinterPaper = nullptr;     // a system printer's own paper
    QPushButton* btnBack = nullptr;
    QPushButton* btnPrint = nullptr;
    QPushButton* btnCancel = nullptr;

    // Shows the box modally and returns its result.
    int run() { return showModal(); }

    // The buttons' and the printer choice's states: none works while pages are
    // printed, and only the printer and paper choices while the report is laid out
    // again.
    void updateButtons();

    // The printer or paper chosen in the box changed: the printer and the paper are
    // taken, and the report is laid out again when its pages are not on them.
    void layoutChoiceChanged();

    void btnBackClick();
    void btnPrintClick();
    void btnCancelClick();

    // The text of an edit field as a page number: a decimal integer, else 0.
    static int pageNumber(const QString& text);

protected:
    void beforeShowing() override;
    void closedByFrame() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillPrinters();
    void showPageCounts();
    // The paper combo and large-sheets box for a PDF file, the printer's own paper
    // for a system printer.
    void showPaperChoice();
    // Points the printer at the printer and paper chosen; true when the report's
    // pages were laid out for another.
    bool takeLayoutChoice();
    // Points the printer at the choice of the combo box; false when the user
    // cancelled naming the PDF file.
    bool choosePrinter();

    TamblewinApp& app_;
    bool printing_ = false;
    bool layingOut_ = false;
};

}  // namespace tw::gui
