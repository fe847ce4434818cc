// The walker's emission step: the emitter for the element's kind, with the
// collected texts.
#include "convert/svg_converter.h"
#include "svg/dxf_palette.h"
#include "svg/element_kind.h"
#include "svg/element_texts.h"

void CSvgConverter::EmitElement(CXML* element, const CElementKind& kind, CElementTexts& t) {
    if (kind.isText) {
        if (t.fontSize.empty()) m_walker.ParseTextStyle(m_walker.m_strGroupStyle, t.fontSize, t.fontFamily);
        ConvertText(*t.transform, t.fontFamily, t.fontSize, element->m_strText, *t.x, *t.y);
    } else if (kind.isTspan) {
        if (t.fontFamily.empty()) t.fontFamily = m_walker.m_strTextFontFamily;
        if (t.fontSize.empty()) t.fontSize = m_walker.m_strTextFontSize;
        const std::string& transform = t.transform->empty() ? m_walker.m_strTextTransform : *t.transform;
        ConvertText(transform, t.fontFamily, t.fontSize, element->m_strText, *t.x, *t.y);
    } else if (kind.isPolylineExact || kind.isPolygon) {
        // A polygon is closed; its dash array is never collected.
        ConvertPolyline(*t.transform, *t.points, *t.polylineDash, kind.isPolygon);
    } else if (kind.isLine) {
        ConvertLine(*t.transform, *t.x1, *t.y1, *t.x2, *t.y2);
    } else if (kind.isPathExact) {
        EmitPath(t);
    } else if (kind.isRect) {
        ConvertRect(*t.transform, *t.x, *t.y, *t.width, *t.height, t.rectFilled, *t.rx, *t.ry);
    } else if (kind.isCircle) {
        ConvertCircle(m_walker.m_bFill, *t.transform, *t.cx, *t.cy, *t.r, CElementTexts::kEmpty, m_walker.m_bStroke);
        m_walker.m_bFill = 0;
    } else if (kind.isEllipse) {
        ConvertEllipse(m_walker.m_bFill, *t.transform, *t.cx, *t.cy, *t.rx, *t.ry, CElementTexts::kEmpty,
                       m_walker.m_bStroke);
        m_walker.m_bFill = 0;
    } else if (kind.isUse) {
        if (m_walker.m_bFill && (m_options.fillOption || m_walker.m_bGroupFill))
            FillUse(*t.transform, *t.x, *t.y, *t.link);
        else
            ConvertUse(*t.transform, *t.x, *t.y, *t.link);
    } else if (kind.isImage) {
        ConvertImage(*t.x, *t.y, *t.width, *t.height, *t.link);
    }
}

// A path inside defs is a definition, not a drawing. A filled path is a hatch
// (with its outline when it is stroked), or, without hatch fills, an outline in
// the fill colour.
void CSvgConverter::EmitPath(const CElementTexts& t) {
    if (m_walker.m_strDefsTag != "defs" && !m_walker.m_bInDefs) {
        const std::string& none = CElementTexts::kEmpty;
        if (m_walker.m_bFill && m_options.fillOption) {
            FillPath(*t.transform, *t.d);
            if (m_walker.m_bStroke) ConvertPath(*t.transform, *t.d, none, t.markerStart, t.markerEnd);
        } else if (m_walker.m_bFill) {
            const int strokeColor = m_walker.m_nColor;
            m_walker.m_nColor = vx::NearestDxfColor(m_walker.m_crFill);
            ConvertPath(*t.transform, *t.d, none, t.markerStart, t.markerEnd);
            m_walker.m_nColor = strokeColor;
        } else {
            ConvertPath(*t.transform, *t.d, t.pathDash, t.markerStart, t.markerEnd);
        }
    }
    m_walker.m_bStroke = 0;
}
