#pragma once
// The application object of the windows: the program's state (one AppContext), the
// selections the windows hand on to each other, the printer, and the eight windows,
// created once in a fixed order and hidden between uses.

#include <QString>
#include <memory>

#include "gui/app_settings.h"
#include "gui/gui_host.h"
#include "gui/gui_printer.h"
#include "gui/recent_files.h"
#include "run/app_context.h"
#include "wizard/dispatcher.h"

namespace tw::gui {

class UiDialogs;
class TTitleScreen;
class TChooseFile;
class TChooseRin;
class TPagePreview;
class TPB;
class TMChooseRin;
class TChooseList;
class TchooseRinBrowse;

// The selections carried from window to window.
struct WizardSettings {
    // One flag per ReportKind, written by the report selection's Next.
    ReportFlags reportFlags{};
    // Set by Back on the report-selection, data-file and start windows; read and
    // cleared by the window that opened the one that closed.
    bool wentBack = false;
    // 0 an individual is wanted, -1 a couple; the browse window stores the number
    // chosen (> 0), or -2 while it shows a list of spouses.
    int32_t startMode = 0;
    // What the report last run is called when it is printed: its name and whom it
    // starts from (set by the start window after each run).
    QString reportTitle;
};

// The chosen report's name as window titles give it ("Ancestors List (with
// repeats)"); empty when none is chosen.
QString chosenReportName(const ReportFlags& flags);

class TamblewinApp {
public:
    explicit TamblewinApp(UiDialogs& dialogs);
    ~TamblewinApp();
    TamblewinApp(const TamblewinApp&) = delete;
    TamblewinApp& operator=(const TamblewinApp&) = delete;

    // Shows the title window; returns 0 when it has closed.
    int run();

    AppContext& context() { return ctx_; }
    GuiHost& host() { return host_; }
    GuiPrinter& printer() { return printer_; }
    UiDialogs& dialogs() { return dialogs_; }
    WizardSettings& settings() { return settings_; }
    OwnRecentFiles& ownRecentFiles() { return ownRecentFiles_; }

    // The paper reports are laid out on when they print into a PDF file (a system
    // printer keeps its own), and whether the Descendant Summary Chart may take A3:
    // from the settings, or the system's default paper until the user chooses one.
    PaperChoice paperChoice() const { return {ctx_.paper, ctx_.largeSheets}; }
    // Takes the choice for the next runs and keeps it in the settings.
    void choosePaper(const PaperChoice& choice);

    TTitleScreen& titleScreen() { return *titleScreen_; }
    TChooseFile& chooseFile() { return *chooseFile_; }
    TChooseRin& chooseRin() { return *chooseRin_; }
    TPagePreview& pagePreview() { return *pagePreview_; }
    TPB& printBox() { return *printBox_; }
    TMChooseRin& marriageChooseRin() { return *marriageChooseRin_; }
    TChooseList& chooseList() { return *chooseList_; }
    TchooseRinBrowse& browse() { return *browse_; }

private:
    UiDialogs& dialogs_;
    GuiPrinter printer_;
    GuiHost host_;
    AppContext ctx_;
    WizardSettings settings_;
    OwnRecentFiles ownRecentFiles_;

    std::unique_ptr<TTitleScreen> titleScreen_;
    std::unique_ptr<TChooseFile> chooseFile_;
    std::unique_ptr<TChooseRin> chooseRin_;
    std::unique_ptr<TPagePreview> pagePreview_;
    std::unique_ptr<TPB> printBox_;
    std::unique_ptr<TMChooseRin> marriageChooseRin_;
    std::unique_ptr<TChooseList> chooseList_;
    std::unique_ptr<TchooseRinBrowse> browse_;
};

}  // namespace tw::gui
