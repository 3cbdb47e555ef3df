#include "gui/tamblewin_app.h"

#include "gui/browse_window.h"
#include "gui/couple_list_window.h"
#include "gui/translated.h"
#include "files/system_paper.h"
#include "gui/data_file_window.h"
#include "gui/preview_window.h"
#include "gui/print_window.h"
#include "gui/report_choice_window.h"
#include "gui/start_window.h"
#include "gui/title_window.h"
#include "gui/ui_dialogs.h"

namespace tw::gui {

TamblewinApp::TamblewinApp(UiDialogs& dialogs)
    : dialogs_(dialogs), printer_(dialogs), host_(dialogs, printer_), ctx_(host_) {
    const PaperChoice paper = loadPaperChoice(*openSettings(), systemPaper().paper);
    ctx_.paper = paper.paper;
    ctx_.largeSheets = paper.largeSheets;
    // The windows, in this order.
    titleScreen_ = std::make_unique<TTitleScreen>(*this);
    chooseFile_ = std::make_unique<TChooseFile>(*this);
    chooseRin_ = std::make_unique<TChooseRin>(*this);
    pagePreview_ = std::make_unique<TPagePreview>(*this);
    printBox_ = std::make_unique<TPB>(*this);
    marriageChooseRin_ = std::make_unique<TMChooseRin>(*this);
    chooseList_ = std::make_unique<TChooseList>(*this);
    browse_ = std::make_unique<TchooseRinBrowse>(*this);
    host_.setStartWindow(chooseRin_.get());
    printer_.setDialogParent(chooseRin_.get());
}

TamblewinApp::~TamblewinApp() {
    host_.setStartWindow(nullptr);
    // A print job still open when the program ends is dropped.
    ctx_.pageLog.abandonPrinting();
}

QString chosenReportName(const ReportFlags& flags) {
    for (const ReportInfo& report : allReports()) {
        if (flags[size_t(report.kind)] != 0) return toQString(reportName(report.kind));
    }
    return {};
}

void TamblewinApp::choosePaper(const PaperChoice& choice) {
    ctx_.paper = choice.paper;
    ctx_.largeSheets = choice.largeSheets;
    savePaperChoice(*openSettings(), choice);
}

int TamblewinApp::run() {
    titleScreen_->showModal();
    return 0;
}

}  // namespace tw::gui
