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
#include "dxf/shapes/picture_size.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    bool known = false;
    CSvgConverter::NearestDxfColor(CSvgConverter::ParseColor(text, &known));
    CMatrix matrix;
    CSvgConverter::ParseTransform(text, matrix);
    ReadPictureSize(text);

    CSvgConverter conv;
    if (conv.BeginDocumentOn(std::make_unique<CStringSink>()) != 0) return 0;
    conv.StrokeUpdate(text);
    conv.FillUpdate(text);
    conv.ParseViewBox(text);
    conv.PushTransform();
    conv.ParseGroupTransform(text);
    std::string fontSize, fontFamily;
    conv.ParseTextStyle(text, fontSize, fontFamily);
    if (conv.Tables().AddDashPattern(text)) {
        double sum = 0;
        CDocumentTables::ParseDashPattern(conv.Tables().m_dashes.back(), sum);
    }
    conv.ConvertPolyline(text, text, text, true);
    conv.ConvertText(text, fontFamily, fontSize, text, text, text);
    conv.PopTransform();
    conv.EndDocument();
    return 0;
}
