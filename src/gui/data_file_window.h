#pragma once
// The data-file window: "Which data file do you want to use?". Offers PAF's recent
// files and this program's own, lets the user type or browse for another, opens the
// chosen file read-only and goes on to the start window. A file that cannot be
// opened, or is no family file, is said so and the window stays for another.

#include <QDateTime>

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

    // The folder the Browse dialog starts in: the folder of the path in the field
    // (or the path itself when it is a folder), else the documents folder.
    QString browseFolder() const;
    // The documents folder, else the home folder.
    static QString documentsFolder();
    // The data file the program was started with ("tamblewin FILE.paf"): the path
    // offered until the user opens another.
    void presetPath(const QString& path);
    // The file the program was started with ("tamblewin FILE", as the desktop's "Open
    // with" runs it), whatever its name: offered when it holds PAF or GEDCOM, else a
    // message says why it cannot be opened and the windows start without it.
    void startWith(const QString& path);

    // Whether an open of a large GEDCOM file was stopped by its Cancel.
    bool openingStopped() const { return openingStopped_; }

protected:
    void beforeShowing() override;
    void closedByFrame() override { btnBackClick(); }

private:
    enum class Opening { Opened, Failed, Stopped };

    void fillRecentFiles();
    // Opens the path into the program's one PafFile; says why when it cannot.
    Opening openChosenFile(const QString& path);
    Opening openGedcom(const QString& path, const std::string& native);
    void showOpenFailure(const QString& path, int systemError);
    // The file open now is this path, unchanged since it was opened.
    bool alreadyOpen(const QString& path) const;
    void rememberOpened(const QString& path);
    // The path's completion popup: Enter goes straight on, with what it offers
    // highlighted or else with the path as typed.
    void returnPressed();

    TamblewinApp& app_;
    QString presetPath_;
    // The file open now, and its size and time of change when it was opened.
    QString openedPath_;
    qint64 openedSize_ = -1;
    QDateTime openedChanged_;
    bool openingStopped_ = false;
};

}  // namespace tw::gui
