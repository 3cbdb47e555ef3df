#pragma once
// The browse window ("Choose a person"): every individual of the data file in
// name-index order with the birth or christening year. A click selects a line; a
// double click, Enter or Choose chooses the person, and when a couple is wanted the
// person's marriage, through a list of spouses when there are several. Typing part
// of a name finds it, whatever its case and accents.

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
    QLabel* lblNotFound = nullptr;  // says so when no line holds what was typed
    QListWidget* ListBox1 = nullptr;
    QPushButton* btnChoose = nullptr;
    QPushButton* btnCancel = nullptr;

    // Shows the window modally: the RIN (or, when a couple is wanted, the MRIN)
    // chosen, or 0 when the window was cancelled.
    int32_t choose();

    // A line chosen (double click, Enter, Choose).
    void lineChosen(int row);
    void btnChooseClick();
    void btnCancelClick();

    // Makes the line that starts with text, the first in alphabetical order (else
    // the first line that holds it), the current one, whatever the case and accents;
    // returns its row. When none does, no line is
    // current, the window says so and -1 is returned.
    int findLine(const QString& text);
    // A line as shown: "(no name)" for a person without a name.
    static QString shownLine(const QString& line);
    // Text as it is compared when a name is looked for: in lower case, without
    // accents, and letters that have none in their plain form ("Łukasz" as "lukasz").
    static QString foldedForFinding(const QString& text);

    // The number each line stands for: a RIN, or an MRIN in a list of spouses.
    const std::vector<int32_t>& lineNumbers() const { return numbers_; }

protected:
    void beforeShowing() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fill();
    void showSpouses(int32_t rin, const QString& line);
    void setLines(const QStringList& lines);

    TamblewinApp& app_;
    std::vector<int32_t> numbers_;
    std::vector<QString> folded_;  // each line as findLine compares it
    std::vector<int> byFolded_;    // the rows, sorted by their folded lines
    int32_t chosen_ = 0;
};

}  // namespace tw::gui
