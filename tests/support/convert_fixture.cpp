#include "tests/support/convert_fixture.h"

#include <gtest/gtest.h>

namespace vxtest {

SvgRules TestSvgRules() { return BrowserRulesAsked() ? SvgRules::Browser : SvgRules::Classic; }

void ExpectOnlyFiniteReals(const CSvgConverter& converter) {
    EXPECT_EQ(converter.NonFiniteRealsWritten(), 0)
        << "a NaN or infinite real reached the DXF writer and was written as 0.0";
}

std::string ConvertSvg(CSvgConverter& converter, const std::string& svg, const std::string& name) {
    const std::string input = TestInputFolder() + name + ".svg";
    WriteFile(input, svg);
    CConvertOptions chosen = converter.Options();
    chosen.outputFolder = TestOutputFolder();
    converter.SetOptions(chosen);
    std::string outName;
    const bool converted = converter.ConvertFile(input, outName);
    ExpectOnlyFiniteReals(converter);
    if (!converted) return "";
    return ReadFile(converter.Options().outputFolder + outName);
}

std::string ConvertSvg(const std::string& svg, int fillOption, const std::string& name) {
    CSvgConverter converter;
    CConvertOptions chosen = converter.Options();
    chosen.fillOption = fillOption;
    chosen.svgRules = TestSvgRules();
    converter.SetOptions(chosen);
    return ConvertSvg(converter, svg, name);
}

}  // namespace vxtest
