// The walker's emission step: the drawable of the element's kind, resolved
// from the collected texts.
#include "svg/classic_walker.h"
#include "dxf/dxf_palette.h"
#include "svg/element_kind.h"
#include "svg/element_texts.h"

void CClassicWalker::EmitElement(const CXML& element, const CElementKind& kind, CElementTexts& t) {
    if (kind.isText) {
        if (t.fontSize.empty()) m_state.ParseTextStyle(m_state.m_strGroupStyle, t.fontSize, t.fontFamily);
        m_elements.Text(*t.transform, t.fontFamily, t.fontSize, element.m_strText, *t.x, *t.y);
    } else if (kind.isTspan) {
        if (t.fontFamily.empty()) t.fontFamily = m_state.m_strTextFontFamily;
        if (t.fontSize.empty()) t.fontSize = m_state.m_strTextFontSize;
        const std::string& transform = t.transform->empty() ? m_state.m_strTextTransform : *t.transform;
        m_elements.Text(transform, t.fontFamily, t.fontSize, element.m_strText, *t.x, *t.y);
    } else if (kind.isPolylineExact || kind.isPolygon) {
        // A polygon is closed; its dash array is never collected.
        m_elements.Polyline(*t.transform, *t.points, *t.polylineDash, kind.isPolygon);
    } else if (kind.isLine) {
        m_elements.Line(*t.transform, *t.x1, *t.y1, *t.x2, *t.y2);
    } else if (kind.isPathExact) {
        EmitPath(t);
    } else if (kind.isRect) {
        m_elements.Rect(*t.transform, *t.x, *t.y, *t.width, *t.height, t.rectFilled, *t.rx, *t.ry);
    } else if (kind.isCircle) {
        m_elements.Circle(m_state.m_bFill, *t.transform, *t.cx, *t.cy, *t.r, CElementTexts::kEmpty, m_state.m_bStroke);
        m_state.m_bFill = 0;
    } else if (kind.isEllipse) {
        m_elements.Ellipse(m_state.m_bFill, *t.transform, *t.cx, *t.cy, *t.rx, *t.ry, CElementTexts::kEmpty,
                       m_state.m_bStroke);
        m_state.m_bFill = 0;
    } else if (kind.isUse) {
        if (m_state.m_bFill && (m_fillOption || m_state.m_bGroupFill))
            m_elements.FillUse(*t.transform, *t.x, *t.y, *t.link);
        else
            m_elements.Use(*t.transform, *t.x, *t.y, *t.link);
    } else if (kind.isImage) {
        m_elements.Image(*t.x, *t.y, *t.width, *t.height, *t.link);
    }
}

// A path inside defs is a definition, not a drawing. A filled path is a hatch
// (with its outline when it is stroked), or, without hatch fills, an outline in
// the fill colour.
void CClassicWalker::EmitPath(const CElementTexts& t) {
    if (m_state.m_strDefsTag != "defs" && !m_state.m_bInDefs) {
        const std::string& none = CElementTexts::kEmpty;
        if (m_state.m_bFill && m_fillOption) {
            m_elements.FillPath(*t.transform, *t.d);
            if (m_state.m_bStroke) m_elements.Path(*t.transform, *t.d, none, t.markerStart, t.markerEnd);
        } else if (m_state.m_bFill) {
            const int strokeColor = m_state.m_nColor;
            m_state.m_nColor = vx::NearestDxfColor(m_state.m_crFill);
            m_elements.Path(*t.transform, *t.d, none, t.markerStart, t.markerEnd);
            m_state.m_nColor = strokeColor;
        } else {
            m_elements.Path(*t.transform, *t.d, t.pathDash, t.markerStart, t.markerEnd);
        }
    }
    m_state.m_bStroke = 0;
}
