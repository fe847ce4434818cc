// The walker's attribute pass: for each attribute in name order, the row of the
// element's kind that matches it. Because the list is sorted, a later row can
// undo an earlier one (style is seen after fill and stroke, viewBox after height).
#include "base/text.h"
#include "svg/classic_walker.h"
#include "svg/colors.h"
#include "svg/element_kind.h"
#include "svg/element_texts.h"
#include "svg/layer_names.h"

using vx::EqualsNoCase;
using vx::LeadingNumber;

namespace {

void ApplySvgAttribute(CWalkerState& state, const std::string& n, const std::string& v) {
    if (EqualsNoCase(n, "viewBox")) state.ParseViewBox(v);
    else if (EqualsNoCase(n, "height")) state.m_dHeight = vx::Bounded(LeadingNumber(v));
    else if (EqualsNoCase(n, "width")) state.m_dWidth = vx::Bounded(LeadingNumber(v));
}

// A group's fill is a fill update that also marks the group as filled.
void ApplyGroupFill(CWalkerState& state, std::string_view v) {
    if (v == "none") return;
    state.FillUpdate(v);
    state.m_bGroupFill = 1;
}

// A style text cut at every ';' into declarations split at their first ':'.
// White space around a name or value is no part of it: "fill: lime" is lime.
void ApplyStyleDeclarations(CWalkerState& state, std::string_view style, const CElementKind& kind,
                            CElementTexts& texts) {
    size_t start = 0;
    while (start <= style.size()) {
        size_t end = style.find(';', start);
        if (end == std::string_view::npos) end = style.size();
        const std::string_view piece = style.substr(start, end - start);
        start = end + 1;
        const size_t colon = piece.find(':');
        if (colon == std::string_view::npos) continue;
        const std::string_view name = vx::TrimView(piece.substr(0, colon));
        const std::string_view value = vx::TrimView(piece.substr(colon + 1));
        if (name == "fill") {
            if (kind.isGroup) ApplyGroupFill(state, value);
            else state.FillUpdate(value);
        } else if (name == "stroke") {
            state.StrokeUpdate(value);
        } else if (name == "stroke-width") {
            state.m_dStrokeWidth = LeadingNumber(value);
        } else if (kind.isPath) {
            if (name == "stroke-dasharray") texts.pathDash = value;
            else if (name == "marker-start") texts.markerStart = value;
            else if (name == "marker-end") texts.markerEnd = value;
        }
    }
}

void ApplyGroupAttribute(CWalkerState& state, CGroupTransforms& groups, const CElementKind& kind,
                         const std::string& n, const std::string& v, CElementTexts& texts) {
    if (EqualsNoCase(n, "stroke-width")) {
        state.m_dGroupStrokeWidth = LeadingNumber(v);
    } else if (EqualsNoCase(n, "fill")) {
        ApplyGroupFill(state, v);
    } else if (EqualsNoCase(n, "stroke")) {
        state.StrokeUpdate(v);
    } else if (EqualsNoCase(n, "transform")) {
        // Only a group that pushed a stack entry takes a transform.
        if (kind.isGroupExact) groups.ReadOwnTransform(v);
    } else if (EqualsNoCase(n, "style")) {
        state.m_bFill = 0;
        if (vx::DeclarationStart(v, "font-size") != std::string_view::npos)
            state.m_strGroupStyle = v;
        ApplyStyleDeclarations(state, v, kind, texts);
    } else if (EqualsNoCase(n, "font-size")) {
        state.m_strFontSize = v;
    } else if (EqualsNoCase(n, "font-family")) {
        state.m_strFontFamily = v;
    } else if (EqualsNoCase(n, "id")) {
        const std::string layer = vx::LayerNameFromId(v);
        if (!layer.empty()) state.m_strLayerName = layer;
    }
}

// text and tspan differ in two rows: only text reads a transform, and tspan
// takes only an exactly named style.
void ApplyTextAttribute(CWalkerState& state, bool isTspan, const std::string& n,
                        const std::string& v, CElementTexts& texts) {
    if (!isTspan && EqualsNoCase(n, "transform")) texts.transform = &v;
    else if (n == "x") texts.x = &v;
    else if (n == "y") texts.y = &v;
    else if (EqualsNoCase(n, "font-size")) texts.fontSize = v;
    else if (EqualsNoCase(n, "font-family")) texts.fontFamily = v;
    else if (isTspan ? n == "style" : EqualsNoCase(n, "style"))
        state.ParseTextStyle(v, texts.fontSize, texts.fontFamily);
}

void ApplyShapeAttribute(CWalkerState& state, const CElementKind& kind, const std::string& n,
                         const std::string& v, CElementTexts& t) {
    const bool isTransform = EqualsNoCase(n, "transform");
    if (kind.isPolyline) {
        if (EqualsNoCase(n, "points")) t.points = &v;
        else if (EqualsNoCase(n, "stroke-dasharray")) t.polylineDash = &v;
        else if (isTransform) t.transform = &v;
    } else if (kind.isPolygon) {
        if (n == "points") t.points = &v;
        else if (isTransform) t.transform = &v;
    } else if (kind.isLine) {
        if (n == "stroke") state.StrokeUpdate(v);
        else if (isTransform) t.transform = &v;
        else if (n == "x1") t.x1 = &v;
        else if (n == "y1") t.y1 = &v;
        else if (n == "x2") t.x2 = &v;
        else if (n == "y2") t.y2 = &v;
    } else if (kind.isCircle || kind.isEllipse) {
        if (n == "transform") t.transform = &v;
        else if (n == "cx") t.cx = &v;
        else if (n == "cy") t.cy = &v;
        else if (n == "r" && kind.isCircle) t.r = &v;
        else if (n == "rx" && kind.isEllipse) t.rx = &v;
        else if (n == "ry" && kind.isEllipse) t.ry = &v;
        else if (n == "fill") state.FillUpdate(v);
        else if (n == "stroke") state.StrokeUpdate(v);
    } else if (kind.isUse) {
        if (n == "x") t.x = &v;
        else if (n == "y") t.y = &v;
        else if (n == "xlink:href") t.link = &v;
        else if (isTransform) t.transform = &v;
    } else if (kind.isImageExact) {
        if (n == "x") t.x = &v;
        else if (n == "y") t.y = &v;
        else if (n == "width") t.width = &v;
        else if (n == "height") t.height = &v;
        else if (n == "xlink:href") t.link = &v;
    }
}

// A rect's fill: unless "none" or a paint-server reference, the fill colour,
// and the rect counts as filled.
void ApplyRectFill(CWalkerState& state, std::string_view v, CElementTexts& t) {
    if (v == "none" || vx::Contains(v, "url(#")) return;
    bool known = true;
    const uint32_t rgb = vx::ParseColor(v, &known);
    if (known) state.m_crFill = rgb;
    t.rectFilled = 1;
}

// A rect's style is searched for its fill and stroke declarations rather than split.
void ApplyRectStyle(CWalkerState& state, std::string_view style, CElementTexts& texts) {
    std::string_view value;
    if (vx::DeclarationValue(style, "fill", value)) ApplyRectFill(state, value, texts);
    if (vx::DeclarationValue(style, "stroke", value) && value != "none") state.ApplyStrokeColor(value);
}

void ApplyRectAttribute(CWalkerState& state, const std::string& n, const std::string& v,
                        CElementTexts& t) {
    if (n == "style") ApplyRectStyle(state, v, t);
    else if (n == "x") t.x = &v;
    else if (n == "y") t.y = &v;
    else if (n == "width") t.width = &v;
    else if (n == "height") t.height = &v;
    else if (n == "transform") t.transform = &v;
    else if (n == "rx") t.rx = &v;
    else if (n == "ry") t.ry = &v;
    else if (n == "fill") ApplyRectFill(state, v, t);
    else if (n == "stroke" && v != "none") state.ApplyStrokeColor(v);
}

void ApplyPathAttribute(CWalkerState& state, const CElementKind& kind, const std::string& n,
                        const std::string& v, CElementTexts& t) {
    if (n == "d") t.d = &v;
    else if (n == "transform") t.transform = &v;
    else if (n == "fill") state.FillUpdate(v);
    else if (n == "stroke") state.StrokeUpdate(v);
    else if (n == "style") {
        state.m_bFill = 0;
        ApplyStyleDeclarations(state, v, kind, t);
    }
}

}  // namespace

void vx::ApplyAttributes(CWalkerState& state, CGroupTransforms& groups, const CXML& element,
                         const CElementKind& kind, CElementTexts& texts) {
    if (kind.isPath) state.m_bFill = state.m_bStroke = 0;
    for (const CAttribute& attribute : element.Attributes()) {
        const std::string& n = attribute.m_strName;
        const std::string& v = attribute.m_strValue;
        if (kind.isSvg) ApplySvgAttribute(state, n, v);
        else if (kind.isGroup) ApplyGroupAttribute(state, groups, kind, n, v, texts);
        else if (kind.isText) ApplyTextAttribute(state, false, n, v, texts);
        else if (kind.isTspan) ApplyTextAttribute(state, true, n, v, texts);
        else if (kind.isRect) ApplyRectAttribute(state, n, v, texts);
        else if (kind.isPath) ApplyPathAttribute(state, kind, n, v, texts);
        else ApplyShapeAttribute(state, kind, n, v, texts);
    }
}

