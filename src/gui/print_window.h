#pragma once
// The print box ("PB"): all pages, a range, or the page on view, and the printer to
// use (a system printer or a PDF file). Its result: 0 Back, 1 Print, 2 Cancel, and
// -2 when it was closed by the window frame.

#include "gui/modal_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tw::gui {

class TamblewinApp;

class TPB : public ModalWindow {
public:
    static constexpr int kBack = 0;
    static constexpr int kPrint = 1;
    static constexpr int kCancel = 2;
    static constexpr int kClosed = -2;

    explicit TPB(TamblewinApp& app);

    QRadioButton* rbAll = nullptr;
    QRadioButton* rbRange = nullptr;
    QLineEdit* edtStartPage = nullptr;
    QLineEdit* edtEndPage = nullptr;
    QRadioButton* rbCurrentPage = nullptr;
    QComboBox* cbPrinter = nullptr;
    QPushButton* btnBack = nullptr;
    QPushButton* btnPrint = nullptr;
    QPushButton* btnCancel = nullptr;

    // Shows the box modally and returns its result.
    int run() { return showModal(); }

    // The buttons' and the printer choice's states: none works while pages are printed.
    void updateButtons();

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
    // Points the printer at the choice of the combo box; false when the user
    // cancelled naming the PDF file.
    bool choosePrinter();

    TamblewinApp& app_;
    bool printing_ = false;
};

}  // namespace tw::gui
