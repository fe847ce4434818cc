#include "resolve/root_frame.h"

#include <cmath>

#include "geometry/transform_list.h"
#include "resolve/lengths.h"
#include "resolve/viewport.h"
#include "svg/number_list.h"
#include "xml/xml_node.h"

namespace vx {

namespace {

constexpr double kMillimetresPerPixel = 25.4 / 96;

struct CViewBox {
    double box[4] = {0, 0, 0, 0};
    bool valid = false;
};

CViewBox ReadViewBox(const CXML& svg) {
    CViewBox viewBox;
    if (const std::string* text = svg.FindAttribute("viewBox"))
        viewBox.valid = ReadNumberList(*text, viewBox.box, 4) == 4 && viewBox.box[2] > 0 &&
                        viewBox.box[3] > 0;
    return viewBox;
}

// The root's size in millimetres when both sides are given in absolute units.
bool AbsoluteSize(const CXML& svg, double& widthMm, double& heightMm) {
    const std::string* width = svg.FindAttribute("width");
    const std::string* height = svg.FindAttribute("height");
    if (!width || !height) return false;
    double w = 0, h = 0;
    LengthUnit widthUnit{}, heightUnit{};
    if (!ParseLength(*width, w, widthUnit) || !ParseLength(*height, h, heightUnit)) return false;
    if (!IsAbsolute(widthUnit) || !IsAbsolute(heightUnit) || !(w > 0) || !(h > 0)) return false;
    widthMm = ToMillimetres(w, widthUnit);
    heightMm = ToMillimetres(h, heightUnit);
    return widthMm > 0 && heightMm > 0;
}

constexpr double kFlatnessPerDiagonal = 2.5e-4;
constexpr double kFlatnessWithoutSize = 0.01;

double FlatnessFor(double width, double height) {
    const double diagonal = std::hypot(width, height);
    return std::isfinite(diagonal) && diagonal > 0 ? diagonal * kFlatnessPerDiagonal
                                                   : kFlatnessWithoutSize;
}

// y runs down in SVG and up in DXF: y becomes height - y.
CMatrix FlipAt(double height) { return CMatrix{1, 0, 0, -1, 0, height}; }

}  // namespace

CRootFrame RootFrame(const CXML& svg) {
    const CViewBox viewBox = ReadViewBox(svg);
    CRootFrame frame;
    double widthMm = 0, heightMm = 0;
    if (AbsoluteSize(svg, widthMm, heightMm)) {
        CMatrix toPixels;
        if (viewBox.valid) {
            const std::string* align = svg.FindAttribute("preserveAspectRatio");
            const double* b = viewBox.box;
            toPixels = ViewportMatrix(b[0], b[1], b[2], b[3], widthMm / kMillimetresPerPixel,
                                      heightMm / kMillimetresPerPixel, align ? *align : "");
        }
        const CMatrix toMillimetres{kMillimetresPerPixel, 0, 0, kMillimetresPerPixel, 0, 0};
        frame.toDrawing = Multiply(FlipAt(heightMm), Multiply(toMillimetres, toPixels));
        frame.insUnits = 4;
        frame.flatness = FlatnessFor(widthMm, heightMm);
        return frame;
    }
    double flipHeight = 0, width = 0, height = 0;
    if (viewBox.valid) {
        flipHeight = viewBox.box[3] - viewBox.box[1];
        width = viewBox.box[2];
        height = viewBox.box[3];
    } else {
        if (const std::string* text = svg.FindAttribute("height")) ReadNumberList(*text, &height, 1);
        if (const std::string* text = svg.FindAttribute("width")) ReadNumberList(*text, &width, 1);
        flipHeight = height;
    }
    frame.toDrawing = FlipAt(flipHeight);
    frame.flatness = FlatnessFor(width, height);
    return frame;
}

}  // namespace vx
