#pragma once
// Converting SVG text end to end in tests. Files go below test-dxf/<suite>/,
// where the dxf_audit_all test checks every DXF with a real DXF reader.
#include <string>

#include "convert/svg_converter.h"
#include "tests/support/test_folders.h"

namespace vxtest {

// The reading the hostile-input suite runs under: VX_SVG_RULES=browser picks
// the browser reading, anything else the classic one.
SvgRules TestSvgRules();

// Fails the test when the converter's open or last document was handed a
// NaN or infinite real: an emitter let one through instead of leaving its entity out.
void ExpectOnlyFiniteReals(const CSvgConverter& converter);

// Writes svg to <input folder>/<name>.svg, converts it with converter (its
// output folder set to the test's output folder) and returns the DXF text,
// or "" when the conversion failed.
std::string ConvertSvg(CSvgConverter& converter, const std::string& svg,
                       const std::string& name = "drawing");
// The same with a fresh converter, the given fill mode (true: hatch, false:
// outline, or kFillBoth) and TestSvgRules().
std::string ConvertSvg(const std::string& svg, int fillOption = kFillHatch,
                       const std::string& name = "drawing");

}  // namespace vxtest
