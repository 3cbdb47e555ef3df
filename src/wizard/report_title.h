#pragma once
// What a printed report is called, by the windows and the command line alike: the
// report's name and whom it starts from ("Ancestors List (with repeats) - Dorothy
// Verrall"), the title of its PDF file and of its print job.

#include <string>
#include <string_view>

#include "paf/paf_file.h"
#include "wizard/report_kind.h"

namespace tw {

// The report's caption (without its accelerator mark), then " - " and the start
// individual's name, or the start couple's names ("Adam Smith and Berta Jones"),
// each with its blanks run together; the caption alone for a report that starts
// from no one, or when the start cannot be read. UTF-8.
std::string reportTitle(const PafFile& file, ReportKind kind, std::string_view startField);

}  // namespace tw
