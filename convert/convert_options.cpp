#include "convert/convert_options.h"

std::string RecordedOptionsText(const CConvertOptions& options) {
    const char* const fill = options.fillOption == kFillOutline ? "outline"
                             : options.fillOption == kFillBoth  ? "both"
                                                                : "hatch";
    return std::string("svg-rules=") +
           (options.svgRules == SvgRules::Browser ? "browser" : "classic") + " fill=" + fill;
}
