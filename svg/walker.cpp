// The element walker: visits the tree depth first in document order, updates
// the drawing state from each element's attributes, calls the element's
// emitter and walks its children. State is carried from element to element in
// document order, not inherited along the tree.
#include "convert/svg_converter.h"
#include "svg/element_kind.h"
#include "svg/element_texts.h"

const std::string CElementTexts::kEmpty;

void CSvgConverter::WalkElement(CXML* element, std::string parentName, int topCount) {
    const CElementKind kind(element->m_strTag);

    if (kind.isGroupExact) {
        PushTransform();
        m_walker.m_bGroupFill = 0;
    }
    if (kind.isDefs || kind.isGroupExact) {
        m_walker.m_strDefsTag = element->m_strTag;
        if (kind.isDefs) m_walker.m_bInDefs = 1;
    } else if (kind.isPathExact) {
        m_walker.m_dStrokeWidth = 0;
    }
    if (kind.name == "marker" || (kind.name == "symbol" && m_walker.m_bInDefs)) m_definitions.Collect(*element);
    parentName = element->m_strTag;

    CElementTexts texts;
    ApplyAttributes(element, kind, texts);
    EmitElement(element, kind, texts);
    WalkChildren(element, kind, texts, topCount);

    if (kind.isText) {
        m_walker.m_strTextTransform.clear();
        m_walker.m_strTextFontFamily.clear();
        m_walker.m_strTextFontSize.clear();
    } else if (kind.isGroupExact) {
        PopTransform();
        m_walker.m_bGroupFill = 0;
    } else if (kind.isDefs) {
        // A defs nested in another defs ends the outer one too.
        m_walker.m_strDefsTag.clear();
        m_walker.m_bInDefs = 0;
    }
}

void CSvgConverter::WalkChildren(CXML* element, const CElementKind& kind,
                                 const CElementTexts& texts, int topCount) {
    const double step = topCount > 0 ? 80.0 / topCount : 0.0;
    if (kind.isText) {
        // tspan children take the text's transform and font settings when they have none.
        m_walker.m_strTextTransform = *texts.transform;
        m_walker.m_strTextFontFamily = texts.fontFamily;
        m_walker.m_strTextFontSize = texts.fontSize;
    }
    int done = 0;
    for (CXML* child : element->Children()) {
        ThrowIfCancelled();
        WalkElement(child, element->m_strTag, 0);
        ++done;
        if (topCount > 0) ReportProgress(int(15 + done * step));
    }
}
