#include "support/page_checker.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "output/font_metrics.h"
#include "output/page_command.h"
#include "support/chart_checks.h"

namespace tw::test {

namespace {

// Less than this (a few printer pixels) is a touch, not a crossing.
constexpr double kTolerance = 0.01;

struct Box {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

struct PlacedText {
    std::string text;
    Box box;
};

struct Segment {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// What ink a line of text can put down, in em below the top of its character cell:
// from the top of the tallest letters (0.70 em above the baseline) to the bottom of
// the descenders. The cell's leading above the letters stays free.
struct InkReach {
    double top, bottom;
};
InkReach inkReach(std::string_view face) {
    const bool arial = metricFaceFor(face) == MetricFace::Arial;
    const double ascent = arial ? 0.905 : 0.891;
    const double descent = arial ? 0.212 : 0.216;
    return {ascent - 0.70, ascent + descent};
}

class PageReading {
public:
    PageReading(int pageNumber, SheetSize sheet, int dpi) : page_(pageNumber), sheet_(sheet), dpi_(dpi) {}

    void read(std::string_view page) {
        PageCommandReader reader(page);
        while (const auto c = reader.next()) take(*c);
    }

    std::vector<PageFinding> findings() {
        checkTextsAgainstEachOther();
        checkTextsAgainstRules();
        return std::move(findings_);
    }

private:
    void take(const PageCommand& c) {
        switch (c.op) {
        case PageOp::FontName: face_ = std::string(c.face); break;
        case PageOp::FontSize: size_ = c.integer; break;
        case PageOp::Move: at_ = {c.numbers[0], c.numbers[1]}; break;
        case PageOp::Line: line(c.numbers[0], c.numbers[1]); break;
        case PageOp::Rectangle: rectangle(c); break;
        case PageOp::Text:
        case PageOp::TextCentred:
        case PageOp::TextRight: uprightText(c); break;
        case PageOp::TextAngled:
        case PageOp::TextAngledCentred: rotatedText(c); break;
        default: break;  // pens, colours, polygons and ellipses: the chart's background
        }
    }

    struct Point {
        double x = 0, y = 0;
    };

    void line(double x, double y) {
        const Segment s{at_.x, at_.y, x, y};
        segments_.push_back(s);
        marginCheck("a rule", {std::min(s.x0, s.x1), std::min(s.y0, s.y1), std::max(s.x0, s.x1), std::max(s.y0, s.y1)});
        at_ = {x, y};
    }

    // A rectangle is filled: it hides the parts of rules drawn before it that lie
    // inside it (the chart's plates over its roots, its boxes over the crown).
    void rectangle(const PageCommand& c) {
        const auto& n = c.numbers;
        hideUnder({std::min(n[0], n[2]), std::min(n[1], n[3]), std::max(n[0], n[2]), std::max(n[1], n[3])});
        segments_.push_back({n[0], n[1], n[2], n[1]});
        segments_.push_back({n[2], n[1], n[2], n[3]});
        segments_.push_back({n[2], n[3], n[0], n[3]});
        segments_.push_back({n[0], n[3], n[0], n[1]});
        marginCheck("a box", {std::min(n[0], n[2]), std::min(n[1], n[3]), std::max(n[0], n[2]), std::max(n[1], n[3])});
    }

    // Level and upright rules keep what lies outside the box; slanted ones stay whole.
    void hideUnder(const Box& box) {
        std::vector<Segment> kept;
        for (const Segment& s : segments_) {
            const bool upright = std::fabs(s.x0 - s.x1) < 1e-9;
            const bool level = std::fabs(s.y0 - s.y1) < 1e-9;
            const double across = upright ? s.x0 : s.y0;
            const bool inside = upright ? across > box.x0 && across < box.x1 : across > box.y0 && across < box.y1;
            if ((!upright && !level) || !inside) {
                kept.push_back(s);
                continue;
            }
            const double lo = upright ? std::min(s.y0, s.y1) : std::min(s.x0, s.x1);
            const double hi = upright ? std::max(s.y0, s.y1) : std::max(s.x0, s.x1);
            const double from = upright ? box.y0 : box.x0, to = upright ? box.y1 : box.x1;
            auto piece = [&](double a, double b) {
                if (b - a <= kTolerance) return;
                kept.push_back(upright ? Segment{across, a, across, b} : Segment{a, across, b, across});
            };
            piece(lo, std::min(hi, from));
            piece(std::max(lo, to), hi);
        }
        segments_ = std::move(kept);
    }

    double width(std::string_view text, std::string_view face, int size) const {
        return double(textWidthPixels(text, face, size, dpi_)) / dpi_;
    }

    void uprightText(const PageCommand& c) {
        if (c.text.empty()) return;
        const double w = width(c.text, face_, size_);
        double x = c.numbers[0];
        if (c.op == PageOp::TextCentred) x -= w / 2;
        if (c.op == PageOp::TextRight) x -= w;
        const double y = c.numbers[1];
        const double em = size_ / 72.0;
        const Box box{x, y + em * inkReach(face_).top, x + w, y + em * inkReach(face_).bottom};
        texts_.push_back({std::string(c.text), box});
        marginCheck(std::string(c.text), box);
    }

    // The four corners of the rotated cell (the angle in tenths of a degree,
    // counter-clockwise; TOD is centred on its point as the renderer centres it).
    void rotatedText(const PageCommand& c) {
        if (c.text.empty()) return;
        const double theta = c.integer * M_PI / 1800;
        const double w = width(c.text, c.face, c.size);
        const double h = c.size / 72.0 * inkReach(c.face).bottom;
        const Point along{std::cos(theta), -std::sin(theta)};
        const Point down{std::sin(theta), std::cos(theta)};
        Point origin{c.numbers[0], c.numbers[1]};
        if (c.op == PageOp::TextAngledCentred) {
            const double up = c.size / 72.0 * 2 / 3;
            origin = {origin.x - along.x * w / 2 - down.x * up, origin.y - along.y * w / 2 - down.y * up};
        }
        Box box{origin.x, origin.y, origin.x, origin.y};
        for (const double a : {0.0, w})
            for (const double d : {0.0, h}) {
                const double x = origin.x + along.x * a + down.x * d;
                const double y = origin.y + along.y * a + down.y * d;
                box = {std::min(box.x0, x), std::min(box.y0, y), std::max(box.x1, x), std::max(box.y1, y)};
            }
        marginCheck(std::string(c.text), box);
    }

    void add(std::string text, std::string problem, double overflow) {
        findings_.push_back({page_, std::move(text), std::move(problem), overflow});
    }

    void marginCheck(const std::string& what, const Box& b) {
        const double over = std::max({kSheetMargin - b.x0, kSheetMargin - b.y0, b.x1 - (sheet_.width - kSheetMargin),
                                      b.y1 - (sheet_.height - kSheetMargin)});
        if (over > kTolerance) add(what, "is within 0.25 in of the sheet's edge", over);
    }

    void checkTextsAgainstEachOther() {
        for (size_t i = 0; i < texts_.size(); ++i)
            for (size_t j = i + 1; j < texts_.size(); ++j) {
                const Box& a = texts_[i].box;
                const Box& b = texts_[j].box;
                const double across = std::min(a.x1, b.x1) - std::max(a.x0, b.x0);
                const double down = std::min(a.y1, b.y1) - std::max(a.y0, b.y0);
                if (across > kTolerance && down > kTolerance)
                    add(texts_[j].text, "overprints \"" + texts_[i].text + "\"", std::min(across, down));
            }
    }

    // How far a rule runs into a text's cell: for an upright or level rule, the
    // lesser of the two parts of the text on either side of it; for a slanted one,
    // the length inside the cell.
    static double crossing(const Segment& s, const Box& b) {
        if (std::fabs(s.x0 - s.x1) < 1e-9) {
            const double lo = std::min(s.y0, s.y1), hi = std::max(s.y0, s.y1);
            if (std::min(hi, b.y1) - std::max(lo, b.y0) <= kTolerance) return 0;
            return std::min(s.x0 - b.x0, b.x1 - s.x0);
        }
        if (std::fabs(s.y0 - s.y1) < 1e-9) {
            const double lo = std::min(s.x0, s.x1), hi = std::max(s.x0, s.x1);
            if (std::min(hi, b.x1) - std::max(lo, b.x0) <= kTolerance) return 0;
            return std::min(s.y0 - b.y0, b.y1 - s.y0);
        }
        // Clip the slanted segment to the cell (Liang-Barsky).
        double t0 = 0, t1 = 1;
        const double dx = s.x1 - s.x0, dy = s.y1 - s.y0;
        const double p[4] = {-dx, dx, -dy, dy};
        const double q[4] = {s.x0 - b.x0, b.x1 - s.x0, s.y0 - b.y0, b.y1 - s.y0};
        for (int k = 0; k < 4; ++k) {
            if (p[k] == 0) {
                if (q[k] < 0) return 0;
                continue;
            }
            const double t = q[k] / p[k];
            if (p[k] < 0) t0 = std::max(t0, t);
            else t1 = std::min(t1, t);
        }
        return t1 > t0 ? (t1 - t0) * std::hypot(dx, dy) : 0;
    }

    void checkTextsAgainstRules() {
        for (const PlacedText& t : texts_)
            for (const Segment& s : segments_) {
                const double over = crossing(s, t.box);
                if (over > kTolerance) {
                    char where[96];
                    std::snprintf(where, sizeof where, "crosses the rule from (%.3f, %.3f) to (%.3f, %.3f)", s.x0,
                                  s.y0, s.x1, s.y1);
                    add(t.text, where, over);
                }
            }
    }

    int page_;
    SheetSize sheet_;
    int dpi_;
    std::string face_ = "Times";
    int size_ = 10;
    Point at_;
    std::vector<PlacedText> texts_;
    std::vector<Segment> segments_;
    std::vector<PageFinding> findings_;
};

}  // namespace

std::string describe(const PageFinding& finding) {
    if (finding.overflow == 0) return "page " + std::to_string(finding.page) + ": \"" + finding.text + "\" " + finding.problem;
    char overflow[32];
    std::snprintf(overflow, sizeof overflow, "%.3f in", finding.overflow);
    return "page " + std::to_string(finding.page) + ": \"" + finding.text + "\" " + finding.problem + " by " +
           overflow;
}

std::vector<PageFinding> checkPage(std::string_view page, int pageNumber, SheetSize sheet, int dpi) {
    PageReading reading(pageNumber, sheet, dpi);
    reading.read(page);
    return withChartFindings(reading.findings(), page, pageNumber, dpi);
}

std::vector<PageFinding> checkPageLog(const PageLog& log) {
    std::vector<PageFinding> all;
    const SheetSize sheet{log.pageWidth(), log.pageHeight()};
    for (int32_t p = 0; p <= log.lastPageIndex() && p < log.storedPageCount(); ++p) {
        const auto found = checkPage(log.pagelogg(p), p + 1, sheet, log.pixelsPerInch());
        all.insert(all.end(), found.begin(), found.end());
    }
    return all;
}

}  // namespace tw::test
