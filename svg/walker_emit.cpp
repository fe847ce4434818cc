// The walker's emission step: the emitter for the element's kind, with the
// collected texts.
#include "svg/classic_walker.h"
#include "dxf/dxf_palette.h"
#include "svg/element_kind.h"
#include "svg/element_texts.h"

void CClassicWalker::EmitElement(const CXML& element, const CElementKind& kind, CElementTexts& t) {
    if (kind.isText) {
        if (t.fontSize.empty()) m_state.ParseTextStyle(m_state.m_strGroupStyle, t.fontSize, t.fontFamily);
        m_emitter.ConvertText(*t.transform, t.fontFamily, t.fontSize, element.m_strText, *t.x, *t.y);
    } else if (kind.isTspan) {
        if (t.fontFamily.empty()) t.fontFamily = m_state.m_strTextFontFamily;
        if (t.fontSize.empty()) t.fontSize = m_state.m_strTextFontSize;
        const std::string& transform = t.transform->empty() ? m_state.m_strTextTransform : *t.transform;
        m_emitter.ConvertText(transform, t.fontFamily, t.fontSize, element.m_strText, *t.x, *t.y);
    } else if (kind.isPolylineExact || kind.isPolygon) {
        // A polygon is closed; its dash array is never collected.
        m_emitter.ConvertPolyline(*t.transform, *t.points, *t.polylineDash, kind.isPolygon);
    } else if (kind.isLine) {
        m_emitter.ConvertLine(*t.transform, *t.x1, *t.y1, *t.x2, *t.y2);
    } else if (kind.isPathExact) {
        EmitPath(t);
    } else if (kind.isRect) {
        m_emitter.ConvertRect(*t.transform, *t.x, *t.y, *t.width, *t.height, t.rectFilled, *t.rx, *t.ry);
    } else if (kind.isCircle) {
        m_emitter.ConvertCircle(m_state.m_bFill, *t.transform, *t.cx, *t.cy, *t.r, CElementTexts::kEmpty, m_state.m_bStroke);
        m_state.m_bFill = 0;
    } else if (kind.isEllipse) {
        m_emitter.ConvertEllipse(m_state.m_bFill, *t.transform, *t.cx, *t.cy, *t.rx, *t.ry, CElementTexts::kEmpty,
                       m_state.m_bStroke);
        m_state.m_bFill = 0;
    } else if (kind.isUse) {
        if (m_state.m_bFill && (m_fillOption || m_state.m_bGroupFill))
            m_emitter.FillUse(*t.transform, *t.x, *t.y, *t.link);
        else
            m_emitter.ConvertUse(*t.transform, *t.x, *t.y, *t.link);
    } else if (kind.isImage) {
        m_emitter.ConvertImage(*t.x, *t.y, *t.width, *t.height, *t.link);
    }
}

// A path inside defs is a definition, not a drawing. A filled path is a hatch
// (with its outline when it is stroked), or, without hatch fills, an outline in
// the fill colour.
void CClassicWalker::EmitPath(const CElementTexts& t) {
    if (m_state.m_strDefsTag != "defs" && !m_state.m_bInDefs) {
        const std::string& none = CElementTexts::kEmpty;
        if (m_state.m_bFill && m_fillOption) {
            m_emitter.FillPath(*t.transform, *t.d);
            if (m_state.m_bStroke) m_emitter.ConvertPath(*t.transform, *t.d, none, t.markerStart, t.markerEnd);
        } else if (m_state.m_bFill) {
            const int strokeColor = m_state.m_nColor;
            m_state.m_nColor = vx::NearestDxfColor(m_state.m_crFill);
            m_emitter.ConvertPath(*t.transform, *t.d, none, t.markerStart, t.markerEnd);
            m_state.m_nColor = strokeColor;
        } else {
            m_emitter.ConvertPath(*t.transform, *t.d, t.pathDash, t.markerStart, t.markerEnd);
        }
    }
    m_state.m_bStroke = 0;
}
