#pragma once
// Reading the page log's commands back: the one reader of the command format that
// page_log.h describes, used by the renderer, the page-log writer of the command
// line and the tests.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tw {

// A page's commands in order, each without its leading command mark.
std::vector<std::string_view> splitPageCommands(std::string_view page);

enum class PageOp : uint8_t {
    PenWidth,           // PW,w
    FontSize,           // FS,n
    FontName,           // FN,face
    FillColour,         // BC,hex
    PenColour,          // PC,hex
    Ellipse,            // DE,x1,y1,x2,y2
    Rectangle,          // DR,x1,y1,x2,y2
    Vertex,             // PV,x,y
    PolygonEnd,         // PG
    Move,               // M,x,y
    Line,               // L,x,y
    Arrow,              // AHLx1,y1,x2,y2,w
    Text,               // TO,x,y,text
    TextCentred,        // TOC,x,y,text
    TextRight,          // TOR,x,y,text
    TextAngled,         // TOA,x,y,angle,face,size,text
    TextAngledCentred,  // TOD,x,y,angle,face,size,text
    EndPage,            // ED
    NewPage,            // NP
};

struct PageCommand {
    PageOp op = PageOp::NewPage;
    std::array<double, 5> numbers{};  // in the order they are written
    int32_t integer = 0;              // FS: the size in points; TOA, TOD: the angle
    int32_t size = 0;                 // TOA, TOD: the size in points
    uint32_t colour = 0;              // BC, PC
    std::string_view face;            // FN, TOA, TOD
    std::string_view text;            // the text commands
};

// What stops the reading of a page: a command this program cannot have written.
enum class PageCommandFault { None, Malformed, NoCommaAfterX, NoCommaBeforeText, TextNotEnded };

// Reads the commands of one page text in order. Bytes that start no command (an
// unknown letter, F not followed by N or S, TO followed by another letter) are
// passed over; numbers may have leading blanks and a plus sign, and out-of-range
// integers and colours are held at their bounds. The fields point into the page.
class PageCommandReader {
public:
    explicit PageCommandReader(std::string_view page) : text_(page) {}

    // The next command; none at the end of the page or at a fault.
    std::optional<PageCommand> next();
    PageCommandFault fault() const { return fault_; }
    // The first bytes of the command at fault, anything unprintable as '?'.
    std::string faultExcerpt() const;

private:
    char peek(size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }
    bool accept(char c);
    void skipBlanks();
    std::optional<double> number();
    std::optional<int32_t> integer();
    std::optional<uint32_t> hex();
    std::string_view toMark();
    bool numbers(PageCommand& command, size_t count, bool firstHasComma = true);
    std::optional<PageCommand> fail(PageCommandFault fault);
    std::optional<PageCommand> readAt();
    std::optional<PageCommand> readText(PageOp op);

    std::string_view text_;
    size_t pos_ = 0;
    size_t commandStart_ = 0;
    PageCommandFault fault_ = PageCommandFault::None;
};

}  // namespace tw
