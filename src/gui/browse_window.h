#pragma once
// The browse window ("Browser"): every individual of the data file in name-index
// order with the birth or christening year. A click chooses the person; when a
// couple is wanted it chooses the person's marriage, through a list of spouses when
// there are several.

#include <cstdint>
#include <vector>

#include "gui/modal_window.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tw::gui {

class TamblewinApp;

class TchooseRinBrowse : public ModalWindow {
public:
    explicit TchooseRinBrowse(TamblewinApp& app);

    QLabel* Label1 = nullptr;  // "Loading ... ", then "Loading ... Done"
    QLineEdit* edtFind = nullptr;  // finds a name among the lines as it is typed
    QListWidget* ListBox1 = nullptr;
    QPushButton* btnCancel = nullptr;

    // Shows the window modally: the RIN (or, when a couple is wanted, the MRIN)
    // chosen, or 0 when the window was cancelled.
    int32_t choose();

    // A click on a line.
    void lineChosen(int row);
    void btnCancelClick();

    // Makes the first line that starts with text (else that holds it) the current
    // one, in any case; returns its row, or -1.
    int findLine(const QString& text);
    // A line as shown: "(no name)" for a person without a name.
    static QString shownLine(const QString& line);

    // The number each line stands for: a RIN, or an MRIN in a list of spouses.
    const std::vector<int32_t>& lineNumbers() const { return numbers_; }

protected:
    void beforeShowing() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fill();
    void showSpouses(int32_t rin, const QString& line);

    TamblewinApp& app_;
    std::vector<int32_t> numbers_;
    int32_t chosen_ = 0;
};

}  // namespace tw::gui
