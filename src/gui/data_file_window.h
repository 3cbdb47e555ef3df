#pragma once
// The data-file window: "Which data file do you want to use?". Offers PAF's recent
// files and this program's own, lets the user type or browse for another, opens the
// chosen file read-only and goes on to the start window.

#include "gui/modal_window.h"

class QComboBox;
class QPushButton;

namespace tw::gui {

class TamblewinApp;

class TChooseFile : public ModalWindow {
public:
    explicit TChooseFile(TamblewinApp& app);

    QComboBox* cbFileName = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnNext = nullptr;
    QPushButton* btnBrowse = nullptr;
    QPushButton* btnBack = nullptr;

    void btnNextClick();
    void btnBrowseClick();
    void btnBackClick();
    void btnCancelClick();

    // The folder the Browse dialog starts in.
    static QString browseFolder();

protected:
    void beforeShowing() override;

private:
    void fillRecentFiles();

    TamblewinApp& app_;
};

}  // namespace tw::gui
