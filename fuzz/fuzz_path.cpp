// Path data through the parser, the curve flattening and the outline and fill
// writers, into a document held in memory. The first line of the input is the
// path's transform, the rest its data; the fill option is the first byte's low bit.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "convert/svg_converter.h"
#include "svg/classic_elements.h"

namespace {

// Readers reject "nan" and "inf" in any numeric group.
bool HasNonFiniteValue(std::string_view dxf) {
    size_t start = 0;
    while (start < dxf.size()) {
        size_t end = dxf.find('\n', start);
        if (end == std::string_view::npos) end = dxf.size();
        std::string_view line = dxf.substr(start, end - start);
        if (!line.empty() && line[0] == '-') line.remove_prefix(1);
        if (line.rfind("nan", 0) == 0 || line.rfind("inf", 0) == 0) return true;
        start = end + 1;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t newline = input.find('\n');
    const std::string transform(input.substr(0, newline == std::string_view::npos ? 0 : newline));
    const std::string pathData(newline == std::string_view::npos ? input : input.substr(newline + 1));

    CSvgConverter conv;
    CConvertOptions chosen = conv.Options();
    chosen.fillOption = size > 0 && (data[0] & 1);
    conv.SetOptions(chosen);
    if (conv.BeginDocumentOn(std::make_unique<CStringSink>()) != 0) return 0;
    conv.Walker().m_dHeight = 100;
    // A smaller share of points than a real document's, so that each run stays
    // quick; running out is itself a path worth fuzzing.
    conv.PathReaderState().pointsLeft = 200000;
    vx::CClassicElements classic(conv.Walker(), conv.Definitions(), conv.GroupTransforms(),
                                 conv.Tables(), conv.Shapes(), chosen.fillOption);
    classic.Path(transform, pathData, "4 2", "", "");
    classic.FillPath(transform, pathData);
    conv.EndDocument();
    if (HasNonFiniteValue(static_cast<const CStringSink&>(*conv.Output().EndedSink()).Data()))
        __builtin_trap();
    return 0;
}
