#pragma once
// The title window, the program's main window: the product title, what it does, a
// picture, and Next (on to the report selection) or Exit.

#include "gui/modal_window.h"

class QLabel;
class QPushButton;

namespace tw::gui {

class TamblewinApp;

class TTitleScreen : public ModalWindow {
public:
    explicit TTitleScreen(TamblewinApp& app);

    QPushButton* btnNext = nullptr;
    QPushButton* btnExit = nullptr;

    void btnNextClick();
    void btnExitClick();

private:
    TamblewinApp& app_;
};

}  // namespace tw::gui
