#include "output/paper.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "output/printer.h"

namespace tw {

namespace {

constexpr double kMillimetre = 1 / 25.4;
constexpr double kSameSheet = 0.05;  // inches: a printer's sheet may be rounded to its pixels

constexpr std::array<PaperInfo, kAllPapers.size()> kPapers = {{
    {Paper::Letter, "letter", "Letter", 8.5, 11, false},
    {Paper::Legal, "legal", "Legal", 8.5, 14, false},
    {Paper::Tabloid, "tabloid", "Tabloid", 11, 17, false},
    {Paper::A5, "a5", "A5", 148 * kMillimetre, 210 * kMillimetre, true},
    {Paper::A4, "a4", "A4", 210 * kMillimetre, 297 * kMillimetre, true},
    {Paper::A3, "a3", "A3", 297 * kMillimetre, 420 * kMillimetre, true},
}};

char lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool sameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lower(x) == lower(y);
           });
}

}  // namespace

const PaperInfo& paperInfo(Paper paper) { return kPapers[size_t(paper)]; }

std::optional<Paper> paperNamed(std::string_view name) {
    for (const PaperInfo& info : kPapers)
        if (sameWord(name, info.name)) return info.paper;
    return std::nullopt;
}

std::optional<Paper> paperOfSheet(double width, double height) {
    if (width > height) std::swap(width, height);
    for (const PaperInfo& info : kPapers)
        if (std::fabs(info.width - width) < kSameSheet && std::fabs(info.height - height) < kSameSheet)
            return info.paper;
    return std::nullopt;
}

Paper largerPaper(Paper paper, bool largeSheetsAllowed) {
    switch (paper) {
        case Paper::Letter:
        case Paper::Legal:
            return Paper::Legal;
        case Paper::Tabloid:
            return Paper::Tabloid;
        case Paper::A5:
        case Paper::A4:
        case Paper::A3:
            return largeSheetsAllowed ? Paper::A3 : paper;
    }
    return paper;
}

PageGeometry pageOf(Paper paper, bool landscape) {
    const PaperInfo& info = paperInfo(paper);
    PageGeometry page;
    page.paper = paper;
    page.landscape = landscape;
    page.width = landscape ? info.height : info.width;
    page.height = landscape ? info.width : info.height;
    return page;
}

PageGeometry pageOfPrinter(const PrinterGeometry& printer, bool landscape) {
    const double dpiX = std::max(printer.pixelsPerInchX, 1);
    const double dpiY = std::max(printer.pixelsPerInchY, 1);
    PageGeometry page;
    page.width = printer.physicalWidth / dpiX;
    page.height = printer.physicalHeight / dpiY;
    page.paper = paperOfSheet(page.width, page.height);
    page.landscape = landscape;
    page.marginLeft = printer.offsetX / dpiX;
    page.marginTop = printer.offsetY / dpiY;
    // Printers report the printable area's corner; the far margins are taken to be
    // the same as the near ones.
    page.marginRight = page.marginLeft;
    page.marginBottom = page.marginTop;
    return page;
}

SheetDifference differenceFrom(const PageGeometry& page, Paper drawnFor) {
    const PageGeometry basis = pageOf(drawnFor, page.landscape);
    return {page.width - basis.width, page.height - basis.height};
}

PrinterGeometry sheetGeometry(Paper paper, bool landscape, int dpi) {
    const PaperInfo& info = paperInfo(paper);
    PrinterGeometry g;
    g.physicalWidth = int32_t(std::lround(info.width * dpi));
    g.physicalHeight = int32_t(std::lround(info.height * dpi));
    if (landscape) std::swap(g.physicalWidth, g.physicalHeight);
    g.pixelsPerInchX = dpi;
    g.pixelsPerInchY = dpi;
    return g;
}

std::string setPaperMessage(Paper paper) {
    return "Please set printer to\n" + std::string(paperTitle(paper)) + " size paper.";
}

}  // namespace tw
