#pragma once
// The papers a report can be laid out on, and the geometry of one page: the sheet's
// size as it lies, its orientation and the printer's unprintable margins. Reports
// derive every position from the page they are given, never from a sheet size of
// their own.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tw {

struct PrinterGeometry;

enum class Paper : uint8_t { Letter, Legal, Tabloid, A5, A4, A3 };

inline constexpr std::array kAllPapers = {Paper::Letter, Paper::Legal, Paper::Tabloid,
                                          Paper::A5,     Paper::A4,    Paper::A3};

struct PaperInfo {
    Paper paper;
    std::string_view name;   // as typed on the command line and kept in settings: "a4"
    std::string_view title;  // as shown to the user: "A4"
    double width;            // inches, upright
    double height;
    bool iso;  // one of the A series (sizes in millimetres)
};

const PaperInfo& paperInfo(Paper paper);
inline std::string_view paperName(Paper paper) { return paperInfo(paper).name; }
inline std::string_view paperTitle(Paper paper) { return paperInfo(paper).title; }

// The paper of a name such as "a4", "A4" or "Letter"; none for any other word.
std::optional<Paper> paperNamed(std::string_view name);

// The paper whose sheet, upright or turned, measures width by height inches (within
// a twentieth of an inch); none for a sheet of another size.
std::optional<Paper> paperOfSheet(double width, double height);

// The larger sheet a chart asks for when its page does not fit the paper of the run:
// legal for the North American papers up to legal, as the charts were drawn for; for
// the A series A3 when the user allows large sheets, else the paper itself (the chart
// then fits itself onto it).
Paper largerPaper(Paper paper, bool largeSheetsAllowed);

// What a report asks the printer for when it opens its page log. A printer whose
// paper the user chose (a system printer) keeps that paper, and the report is laid
// out on it; only a request marked exact is checked against it, and the user is
// asked to change the paper when it differs.
struct PageRequest {
    Paper paper = Paper::Letter;
    bool landscape = false;
    bool exact = false;
};

// One page as a report lays it out: inches from the sheet's top-left corner.
struct PageGeometry {
    std::optional<Paper> paper = Paper::Letter;  // none: a sheet of no named size
    bool landscape = false;
    double width = 8.5;  // as the sheet lies
    double height = 11;
    // Where the printer cannot print, from each edge of the sheet.
    double marginLeft = 0;
    double marginTop = 0;
    double marginRight = 0;
    double marginBottom = 0;

    // The usable box: the sheet less the printer's margins.
    double usableLeft() const { return marginLeft; }
    double usableTop() const { return marginTop; }
    double usableRight() const { return width - marginRight; }
    double usableBottom() const { return height - marginBottom; }
    double centreX() const { return width / 2; }
};

// The page of a named paper, as it lies, with no margins.
PageGeometry pageOf(Paper paper, bool landscape);

// The page a printer of this geometry prints on (sizes and margins in inches).
PageGeometry pageOfPrinter(const PrinterGeometry& printer, bool landscape);

// How much wider and taller a page is than the sheet a layout was drawn for
// (negative when smaller). A position measured from the sheet's right or bottom edge
// moves by these; one centred on the sheet by half of them. Both are exactly zero on
// the sheet itself, so a layout drawn for it stays exactly as drawn.
struct SheetDifference {
    double width = 0;
    double height = 0;
};
SheetDifference differenceFrom(const PageGeometry& page, Paper drawnFor);

// The geometry of a sheet of the given paper at dpi pixels per inch, margins 0.
PrinterGeometry sheetGeometry(Paper paper, bool landscape, int dpi);

// "Please set printer to\nLegal size paper." and the like.
std::string setPaperMessage(Paper paper);

}  // namespace tw
