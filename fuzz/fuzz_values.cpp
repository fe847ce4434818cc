// The small value grammars on one arbitrary text: colours, transform lists,
// points lists, viewBox, dash arrays, text styles and picture headers. Each must read what it can
// and never leave a value that is not finite in the document.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "base/records.h"
#include "convert/svg_converter.h"
#include "svg/classic_elements.h"
#include "dxf/shapes/picture_size.h"
#include "svg/colors.h"
#include "dxf/dxf_palette.h"
#include "svg/transform_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    bool known = false;
    vx::NearestDxfColor(vx::ParseColor(text, &known));
    CMatrix matrix;
    vx::ParseTransform(text, matrix);
    ReadPictureSize(text);

    CSvgConverter conv;
    if (conv.BeginDocumentOn(std::make_unique<CStringSink>()) != 0) return 0;
    conv.Walker().StrokeUpdate(text);
    conv.Walker().FillUpdate(text);
    conv.Walker().ParseViewBox(text);
    conv.GroupTransforms().Push();
    conv.GroupTransforms().ReadOwnTransform(text);
    std::string fontSize, fontFamily;
    conv.Walker().ParseTextStyle(text, fontSize, fontFamily);
    if (conv.Tables().AddDashPattern(text)) {
        double sum = 0;
        CDocumentTables::ParseDashPattern(conv.Tables().Dashes().back(), sum);
    }
    vx::CClassicElements classic(conv.Walker(), conv.Definitions(), conv.GroupTransforms(),
                                 conv.Tables(), conv.Shapes(), conv.Options().fillOption);
    classic.Polyline(text, text, text, true);
    classic.Text(text, fontFamily, fontSize, text, text, text);
    conv.GroupTransforms().Pop();
    conv.EndDocument();
    return 0;
}
