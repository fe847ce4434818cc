#pragma once
// The outline of a basic shape as path data, so that every shape of the
// browser reading goes through the one path reader.
#include <string>
#include <string_view>

class CXML;

namespace vx {

// path, rect (rounded too), circle, ellipse, line, polyline, polygon; false
// for any other element and for a shape that draws nothing (a rect or an
// ellipse without area).
// A circle's or an ellipse's radii; false when it has no area.
bool EllipseRadii(const CXML& element, std::string_view name, double& rx, double& ry);

bool ShapePathData(const CXML& element, std::string_view name, std::string& data);

}  // namespace vx
