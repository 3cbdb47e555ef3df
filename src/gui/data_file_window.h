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
    // The data file the program was started with ("tamblewin FILE.paf"): the path
    // offered until the user opens another.
    void presetPath(const QString& path);
    // The file the program was started with ("tamblewin FILE", as the desktop's "Open
    // with" runs it), whatever its name: offered when it holds PAF or GEDCOM, else a
    // message says why it cannot be opened and the windows start without it.
    void startWith(const QString& path);

protected:
    void beforeShowing() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Opening { Opened, CannotOpen, NotUsable };

    void fillRecentFiles();
    // Opens the path into the program's one PafFile; says why when it cannot.
    Opening openChosenFile(const QString& path);
    void showOpenFailure(const QString& path, int systemError);

    TamblewinApp& app_;
    QString presetPath_;
};

}  // namespace tw::gui
