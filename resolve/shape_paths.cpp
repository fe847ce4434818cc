#include "resolve/shape_paths.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "resolve/element_access.h"
#include "xml/xml_node.h"

namespace vx {

namespace {

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// A lone rx or ry serves for both; each is at most half its side.
void CornerRadii(const CXML& rect, double width, double height, double& rx, double& ry) {
    const bool hasRx = rect.FindAttribute("rx"), hasRy = rect.FindAttribute("ry");
    rx = NumberAttribute(rect, "rx");
    ry = NumberAttribute(rect, "ry");
    if (!hasRx) rx = ry;
    if (!hasRy) ry = rx;
    rx = std::clamp(rx, 0.0, width / 2);
    ry = std::clamp(ry, 0.0, height / 2);
}

bool RectData(const CXML& rect, std::string& data) {
    const double x = NumberAttribute(rect, "x"), y = NumberAttribute(rect, "y");
    const double w = NumberAttribute(rect, "width"), h = NumberAttribute(rect, "height");
    if (!(w > 0) || !(h > 0)) return false;
    double rx = 0, ry = 0;
    CornerRadii(rect, w, h, rx, ry);
    if (rx > 0 && ry > 0) {
        const std::string arc = "A" + Number(rx) + " " + Number(ry) + " 0 0 1 ";
        data = "M" + Number(x + rx) + " " + Number(y) + "H" + Number(x + w - rx) + arc +
               Number(x + w) + " " + Number(y + ry) + "V" + Number(y + h - ry) + arc +
               Number(x + w - rx) + " " + Number(y + h) + "H" + Number(x + rx) + arc +
               Number(x) + " " + Number(y + h - ry) + "V" + Number(y + ry) + arc +
               Number(x + rx) + " " + Number(y) + "Z";
    } else {
        data = "M" + Number(x) + " " + Number(y) + "H" + Number(x + w) + "V" + Number(y + h) +
               "H" + Number(x) + "Z";
    }
    return true;
}

// Two half arcs from the rightmost point, the way a browser starts a circle.
bool EllipseData(const CXML& element, std::string_view name, std::string& data) {
    double rx = 0, ry = 0;
    if (!EllipseRadii(element, name, rx, ry)) return false;
    const double cx = NumberAttribute(element, "cx"), cy = NumberAttribute(element, "cy");
    const std::string arc = "A" + Number(rx) + " " + Number(ry) + " 0 1 1 ";
    data = "M" + Number(cx + rx) + " " + Number(cy) + arc + Number(cx - rx) + " " + Number(cy) +
           arc + Number(cx + rx) + " " + Number(cy) + "Z";
    return true;
}

}  // namespace

bool EllipseRadii(const CXML& element, std::string_view name, double& rx, double& ry) {
    rx = NumberAttribute(element, name == "circle" ? "r" : "rx");
    ry = name == "circle" ? rx : NumberAttribute(element, "ry");
    // An ellipse with one radius given uses it for both.
    if (name == "ellipse" && !element.FindAttribute("rx")) rx = ry;
    if (name == "ellipse" && !element.FindAttribute("ry")) ry = rx;
    return rx > 0 && ry > 0;
}

bool ShapePathData(const CXML& element, std::string_view name, std::string& data) {
    if (name == "path") {
        data = AttributeText(element, "d");
    } else if (name == "rect") {
        return RectData(element, data);
    } else if (name == "circle" || name == "ellipse") {
        return EllipseData(element, name, data);
    } else if (name == "line") {
        data = "M" + Number(NumberAttribute(element, "x1")) + " " +
               Number(NumberAttribute(element, "y1")) + "L" +
               Number(NumberAttribute(element, "x2")) + " " +
               Number(NumberAttribute(element, "y2"));
    } else if (name == "polyline" || name == "polygon") {
        // Pairs after a moveto are linetos.
        data = "M" + AttributeText(element, "points") + (name == "polygon" ? "Z" : "");
    } else {
        return false;
    }
    return !data.empty();
}

}  // namespace vx
