#pragma once
// The couple list window ("Marriage Choose Rin"): a multi-select list of marriages
// with its own list of MRINs. It is created with the others but no step of the
// wizard shows it.

#include "gui/modal_window.h"
#include "paf/int_list.h"

class QListWidget;

namespace tw::gui {

class TamblewinApp;

class TMChooseRin : public ModalWindow {
public:
    explicit TMChooseRin(TamblewinApp& app);

    QListWidget* ListBox1 = nullptr;
    IntList mrins;
};

}  // namespace tw::gui
