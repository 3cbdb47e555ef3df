#pragma once
// The title window, the program's main window: the product title, what it does, a
// picture, and Next (on to the report selection) or Exit; and the language of the
// windows, kept in the settings for their next start.

#include "gui/modal_window.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tw::gui {

class TamblewinApp;

class TTitleScreen : public ModalWindow {
public:
    explicit TTitleScreen(TamblewinApp& app);

    QPushButton* btnNext = nullptr;
    QPushButton* btnExit = nullptr;
    QComboBox* cbLanguage = nullptr;

    void btnNextClick();
    void btnExitClick();
    // The language chosen in cbLanguage is kept for the next start.
    void languageChosen();

private:
    TamblewinApp& app_;
};

}  // namespace tw::gui
