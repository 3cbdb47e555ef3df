#pragma once
// The start window: which individual (RIN) or couple (MRIN, several separated by
// commas) the report starts from. Next checks the number and runs the chosen report
// with a progress display and a working Cancel; Preview then shows its pages.

#include <QObject>
#include <QString>
#include <array>
#include <optional>

#include "gui/gui_host.h"
#include "gui/modal_window.h"
#include "wizard/dispatcher.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace tw::gui {

class TamblewinApp;

class TChooseRin : public ModalWindow, public StartWindowLink {
    Q_OBJECT
public:
    explicit TChooseRin(TamblewinApp& app);

    QLabel* lblQuestion = nullptr;
    QLabel* lblField = nullptr;
    QLabel* lblNote = nullptr;
    QLabel* lblComputing = nullptr;   // "Computing statistics for generation: "
    QLabel* lblGeneration = nullptr;  // the generation number, or "done"
    QProgressBar* progressBar = nullptr;
    QLineEdit* edtStart = nullptr;
    QPushButton* btnNext = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnBrowse = nullptr;
    QPushButton* btnBack = nullptr;
    QPushButton* btnPreview = nullptr;
    QCheckBox* cbFoliage = nullptr;  // "detailed foliage background", Family Tree Chart only

    // The steps run each time the window becomes the one the user works in: when it
    // is shown, and when the preview or the browse window it opened closes.
    void activate();
    // Every button's state, and the progress bar's and the foliage box's, from
    // whether a report runs and whether one is ready to preview. Called wherever one
    // of them changes.
    void updateButtons();

    void btnNextClick();
    void btnCancelClick();
    void btnBrowseClick();
    void btnBackClick();
    void btnPreviewClick();

    // Lays the report out again from the same start, as Next did, for the paper or
    // printer chosen since (the print box asks while the preview shows the pages);
    // false when it wrote no pages.
    bool runAgain();

    bool reportRunning() const { return running_; }
    // The start last used for reports that start from an individual, or from a
    // couple, in the data file open now ("1" until one was typed).
    QString startFor(StartKind kind) const { return starts_[size_t(kind)]; }

    // StartWindowLink
    void showProgress(int generation) override;
    void closeStartWindow() override;

signals:
    // After each progress step, before the window handles pending input.
    void progressShown(int generation);

protected:
    void beforeShowing() override { activate(); }
    // While a report runs the window frame's close button stops the report instead.
    void closedByFrame() override;

private:
    // Runs the chosen reports from the start given, with the progress display.
    // True when they wrote pages to preview: not stopped by the user, nor by damaged
    // data.
    bool runReports(const QString& start);
    // The field shows the start kept for the kind of report chosen.
    void showStartFor(StartKind kind);
    // The field was typed in: a report run from another start is no longer the one
    // Preview would show.
    void startEdited();

    TamblewinApp& app_;
    bool running_ = false;
    bool endedEarly_ = false;     // the run was stopped, or ended on damaged data
    bool previewReady_ = false;  // the last run wrote pages: Preview shows them
    bool progressOnce_ = true;
    QString lastStart_;  // the start field of the last run, for running it again
    // One start per kind of report, for the data file they were typed for.
    std::array<QString, 2> starts_{QStringLiteral("1"), QStringLiteral("1")};
    std::string startsFile_;
    std::optional<StartKind> shownKind_;
};

}  // namespace tw::gui
