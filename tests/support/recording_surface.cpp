#include "support/recording_surface.h"

#include <cstdio>

namespace tw::test {

namespace {

std::string pointText(DevicePoint p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

std::string pointsText(std::span<const DevicePoint> points) {
    std::string out;
    for (const DevicePoint& p : points) out += " " + pointText(p);
    return out;
}

std::string hexText(Colour colour) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%x", unsigned(colour));
    return buffer;
}

}  // namespace

void RecordingSurface::setPenWidth(int pixels) { calls.push_back("penWidth " + std::to_string(pixels)); }

void RecordingSurface::setPenColour(Colour colour) { calls.push_back("penColour " + hexText(colour)); }

void RecordingSurface::setFillColour(Colour colour) {
    fill_ = SurfaceFill{true, colour};
    calls.push_back("fill " + hexText(colour));
}

void RecordingSurface::setFillClear() {
    fill_ = SurfaceFill{false, 0};
    calls.push_back("fill clear");
}

void RecordingSurface::setFont(std::string_view face, int pixelHeight, int angleTenths) {
    font_ = SurfaceFont{std::string(face), pixelHeight, angleTenths};
    calls.push_back("font " + std::string(face) + " " + std::to_string(pixelHeight) + " " +
                    std::to_string(angleTenths));
}

void RecordingSurface::moveTo(DevicePoint p) { calls.push_back("moveTo " + pointText(p)); }

void RecordingSurface::lineTo(DevicePoint p) { calls.push_back("lineTo " + pointText(p)); }

void RecordingSurface::polygon(std::span<const DevicePoint> points) { calls.push_back("polygon" + pointsText(points)); }

void RecordingSurface::polyline(std::span<const DevicePoint> points) {
    calls.push_back("polyline" + pointsText(points));
}

void RecordingSurface::ellipse(DevicePoint corner1, DevicePoint corner2) {
    calls.push_back("ellipse " + pointText(corner1) + " " + pointText(corner2));
}

void RecordingSurface::text(DevicePoint p, std::string_view text) {
    calls.push_back("text " + pointText(p) + " " + std::string(text));
}

std::vector<std::string> RecordingSurface::callsOf(std::string_view word) const {
    std::vector<std::string> out;
    const std::string prefix = std::string(word) + " ";
    for (const std::string& call : calls)
        if (call.starts_with(prefix)) out.push_back(call);
    return out;
}

}  // namespace tw::test
