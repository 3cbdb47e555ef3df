#include "support/chart_checks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "output/font_metrics.h"
#include "output/page_command.h"

namespace tw::test {

namespace {

// Less than this is a touch, not an overlap.
constexpr double kTolerance = 0.01;

struct Point {
    double x = 0, y = 0;
};
Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
Point operator*(Point a, double k) { return {a.x * k, a.y * k}; }
double dot(Point a, Point b) { return a.x * b.x + a.y * b.y; }

// A text's cell on the sheet: a rectangle, turned for an angled text.
using Quad = std::array<Point, 4>;

struct Label {
    std::string text;
    Quad cell;
    bool turned = false;
};

struct Segment {
    Point from, to;
};

struct Box {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool holds(Point p) const { return p.x > x0 - 1e-6 && p.x < x1 + 1e-6 && p.y > y0 - 1e-6 && p.y < y1 + 1e-6; }
};

// The ink of a line of text in em below the top of its cell, as the page checker
// reads it: from the top of the tallest letters to the bottom of the descenders.
struct Ink {
    double top, bottom;
};
Ink inkOf(std::string_view face) {
    const bool arial = metricFaceFor(face) == MetricFace::Arial;
    const double ascent = arial ? 0.905 : 0.891;
    return {ascent - 0.70, ascent + (arial ? 0.212 : 0.216)};
}

Point centre(const Quad& q) { return (q[0] + q[1] + q[2] + q[3]) * 0.25; }

// How deep two convex quads overlap: the least overlap of their projections on
// the normals of their edges; 0 when an axis separates them.
double overlapDepth(const Quad& a, const Quad& b) {
    double least = 1e9;
    for (const Quad* q : {&a, &b})
        for (size_t k = 0; k < 2; ++k) {
            const Point edge = (*q)[k + 1] - (*q)[k];
            const double length = std::hypot(edge.x, edge.y);
            if (length < 1e-12) continue;
            const Point axis{-edge.y / length, edge.x / length};
            double aLo = 1e9, aHi = -1e9, bLo = 1e9, bHi = -1e9;
            for (const Point& p : a) aLo = std::min(aLo, dot(p, axis)), aHi = std::max(aHi, dot(p, axis));
            for (const Point& p : b) bLo = std::min(bLo, dot(p, axis)), bHi = std::max(bHi, dot(p, axis));
            least = std::min(least, std::min(aHi, bHi) - std::max(aLo, bLo));
            if (least <= 0) return 0;
        }
    return least;
}

// The length of a segment inside a convex quad (Cyrus-Beck clipping).
double lengthInside(const Segment& s, const Quad& q) {
    const Point mid = centre(q);
    const Point d = s.to - s.from;
    double t0 = 0, t1 = 1;
    for (size_t k = 0; k < 4; ++k) {
        const Point a = q[k], b = q[(k + 1) % 4];
        Point normal{b.y - a.y, a.x - b.x};
        if (dot(normal, mid - a) > 0) normal = normal * -1;  // outwards
        const double denominator = dot(normal, d);
        const double distance = dot(normal, s.from - a);  // > 0: outside this edge
        if (std::fabs(denominator) < 1e-15) {
            if (distance > 0) return 0;
            continue;
        }
        const double t = -distance / denominator;
        if (denominator < 0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
    }
    return t1 > t0 ? (t1 - t0) * std::hypot(d.x, d.y) : 0;
}

class ChartReading {
public:
    ChartReading(int pageNumber, int dpi) : page_(pageNumber), dpi_(dpi) {}

    void read(std::string_view page) {
        PageCommandReader reader(page);
        while (const auto c = reader.next()) take(*c);
    }

    void addFindings(std::vector<PageFinding>& found) const {
        for (size_t i = 0; i < labels_.size(); ++i) {
            if (!labels_[i].turned) continue;
            for (size_t j = 0; j < labels_.size(); ++j) {
                // Two upright labels are the page checker's.
                if (j == i || (labels_[j].turned && j < i)) continue;
                const double depth = overlapDepth(labels_[i].cell, labels_[j].cell);
                if (depth > kTolerance) found.push_back({page_, labels_[i].text, "lies over \"" + labels_[j].text + "\"", depth});
            }
            for (const Segment& s : outlines_) {
                const double inside = lengthInside(s, labels_[i].cell);
                if (inside > kTolerance) {
                    char where[96];
                    std::snprintf(where, sizeof where, "crosses the outline from (%.3f, %.3f) to (%.3f, %.3f)",
                                  s.from.x, s.from.y, s.to.x, s.to.y);
                    found.push_back({page_, labels_[i].text, where, inside});
                }
            }
        }
        for (const Box& box : arrowedBoxes()) {
            const bool named = std::any_of(labels_.begin(), labels_.end(),
                                           [&](const Label& l) { return box.holds(centre(l.cell)); });
            if (named) continue;
            char where[96];
            std::snprintf(where, sizeof where, "is all there is in the box at (%.3f, %.3f) an arrow leads into", box.x0,
                          box.y0);
            found.push_back({page_, "", where, box.x1 - box.x0});
        }
        found.insert(found.end(), emptyNames_.begin(), emptyNames_.end());
    }

private:
    void take(const PageCommand& c) {
        const auto& n = c.numbers;
        switch (c.op) {
        case PageOp::FontName: face_ = std::string(c.face); break;
        case PageOp::FontSize: size_ = c.integer; break;
        case PageOp::PenColour: pen_ = c.colour; break;
        case PageOp::FillColour: brush_ = c.colour; break;
        case PageOp::Move: path_ = {Point{n[0], n[1]}}; break;
        case PageOp::Line: line({n[0], n[1]}); break;
        case PageOp::Rectangle: rectangle({std::min(n[0], n[2]), std::min(n[1], n[3]), std::max(n[0], n[2]),
                                           std::max(n[1], n[3])});
            break;
        case PageOp::Arrow: arrowTips_.push_back({n[2], n[3]}); break;
        case PageOp::Text:
        case PageOp::TextCentred:
        case PageOp::TextRight: uprightText(c); break;
        case PageOp::TextAngled:
        case PageOp::TextAngledCentred: turnedText(c); break;
        default: break;
        }
    }

    void line(Point to) {
        if (!path_.empty()) outlines_.push_back({path_.back(), to});
        path_.push_back(to);
        // M and four L back to the start along the axes: a box.
        if (path_.size() != 5 || std::hypot(to.x - path_[0].x, to.y - path_[0].y) > 1e-9) return;
        Box box{path_[0].x, path_[0].y, path_[0].x, path_[0].y};
        for (const Point& p : path_)
            box = {std::min(box.x0, p.x), std::min(box.y0, p.y), std::max(box.x1, p.x), std::max(box.y1, p.y)};
        drawnBoxes_.push_back(box);
    }

    void rectangle(const Box& b) {
        filledBoxes_.push_back(b);
        if (pen_ == brush_) return;  // no outline to be seen
        const Point corners[4] = {{b.x0, b.y0}, {b.x1, b.y0}, {b.x1, b.y1}, {b.x0, b.y1}};
        for (size_t k = 0; k < 4; ++k) outlines_.push_back({corners[k], corners[(k + 1) % 4]});
    }

    double width(std::string_view text, std::string_view face, int size) const {
        return double(textWidthPixels(text, face, size, dpi_)) / dpi_;
    }

    void uprightText(const PageCommand& c) {
        const Point at{c.numbers[0], c.numbers[1]};
        if (c.text.find_first_not_of(' ') == std::string_view::npos) {
            // A line of names left empty inside a filled box (a centred text there is
            // an ancestor's initials, empty where the ancestor is unknown).
            if (c.op != PageOp::TextCentred &&
                std::any_of(filledBoxes_.begin(), filledBoxes_.end(), [&](const Box& b) { return b.holds(at); }))
                empty(at, "is an empty name in a box");
            return;
        }
        const double w = width(c.text, face_, size_);
        double x = at.x;
        if (c.op == PageOp::TextCentred) x -= w / 2;
        if (c.op == PageOp::TextRight) x -= w;
        const double em = size_ / 72.0;
        const Ink ink = inkOf(face_);
        const double top = at.y + em * ink.top, bottom = at.y + em * ink.bottom;
        labels_.push_back({std::string(c.text), Quad{Point{x, top}, {x + w, top}, {x + w, bottom}, {x, bottom}}, false});
    }

    // The turned cell as the renderer draws it: the angle in tenths of a degree
    // counter-clockwise about the cell's top-left corner; TOD centred on its point,
    // back half the width and up two thirds of the size.
    void turnedText(const PageCommand& c) {
        const Point at{c.numbers[0], c.numbers[1]};
        if (c.text.find_first_not_of(' ') == std::string_view::npos) {
            if (c.op == PageOp::TextAngled) empty(at, "is an empty name along a branch");
            return;
        }
        const double theta = c.integer * M_PI / 1800;
        const double w = width(c.text, c.face, c.size);
        const Point along{std::cos(theta), -std::sin(theta)};
        const Point down{std::sin(theta), std::cos(theta)};
        const double em = c.size / 72.0;
        const Ink ink = inkOf(c.face);
        Point origin = at;
        if (c.op == PageOp::TextAngledCentred) origin = origin - along * (w / 2) - down * (em * 2 / 3);
        const Point top = origin + down * (em * ink.top), bottom = origin + down * (em * ink.bottom);
        labels_.push_back({std::string(c.text), Quad{top, top + along * w, bottom + along * w, bottom}, true});
    }

    void empty(Point at, const std::string& problem) {
        char where[48];
        std::snprintf(where, sizeof where, " at (%.3f, %.3f)", at.x, at.y);
        emptyNames_.push_back({page_, "", problem + where, 0});
    }

    // The drawn boxes that an arrow's tip meets on their left side.
    std::vector<Box> arrowedBoxes() const {
        std::vector<Box> found;
        for (const Box& b : drawnBoxes_)
            for (const Point& tip : arrowTips_)
                if (std::fabs(tip.x - b.x0) < 1e-3 && tip.y > b.y0 && tip.y < b.y1) {
                    found.push_back(b);
                    break;
                }
        return found;
    }

    int page_;
    int dpi_;
    std::string face_ = "Times";
    int size_ = 10;
    uint32_t pen_ = 0, brush_ = 0xFFFFFF;
    std::vector<Point> path_;
    std::vector<Label> labels_;
    std::vector<Segment> outlines_;
    std::vector<Box> drawnBoxes_, filledBoxes_;
    std::vector<Point> arrowTips_;
    std::vector<PageFinding> emptyNames_;
};

}  // namespace

std::vector<PageFinding> withChartFindings(std::vector<PageFinding> found, std::string_view page, int pageNumber,
                                           int dpi) {
    ChartReading reading(pageNumber, dpi);
    reading.read(page);
    reading.addFindings(found);
    return found;
}

}  // namespace tw::test
