#pragma once
// What a printed report is called: the report's name and whom it starts from, as the
// title of the print job (a PDF file's title) and as the file name the print box
// suggests ("Ancestors List (with repeats) - Dorothy Verrall.pdf").

#include <QString>
#include <string_view>

#include "run/app_context.h"
#include "wizard/dispatcher.h"

namespace tw::gui {

// The title of the chosen report (tw::reportTitle, as the command line names it).
QString reportTitle(AppContext& ctx, const ReportFlags& flags, std::string_view startField);

// The title as a file name: characters that no folder takes become "-", ".pdf" after.
QString pdfFileNameFor(const QString& title);

}  // namespace tw::gui
