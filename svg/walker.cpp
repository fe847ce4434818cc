// The element walker: visits the tree depth first in document order, updates
// the drawing state from each element's attributes, calls the element's
// drawable and walks its children. State is carried from element to element in
// document order, not inherited along the tree.
#include "svg/classic_walker.h"
#include "svg/element_kind.h"
#include "svg/element_texts.h"

const std::string CElementTexts::kEmpty;

void CClassicWalker::Walk(CXML& root) { WalkElement(root, int(root.GetChildCount())); }

void CClassicWalker::WalkElement(CXML& element, int topCount) {
    const CElementKind kind(element.m_strTag);

    if (kind.isGroupExact) {
        m_groups.Push();
        m_state.m_bGroupFill = 0;
    }
    if (kind.isDefs || kind.isGroupExact) {
        m_state.m_strDefsTag = element.m_strTag;
        if (kind.isDefs) m_state.m_bInDefs = 1;
    } else if (kind.isPathExact) {
        m_state.m_dStrokeWidth = 0;
    }
    if (kind.name == "marker" || (kind.name == "symbol" && m_state.m_bInDefs))
        m_definitions.Collect(element);

    CElementTexts texts;
    vx::ApplyAttributes(m_state, m_groups, element, kind, texts);
    EmitElement(element, kind, texts);
    WalkChildren(element, kind, texts, topCount);

    if (kind.isText) {
        m_state.m_strTextTransform.clear();
        m_state.m_strTextFontFamily.clear();
        m_state.m_strTextFontSize.clear();
    } else if (kind.isGroupExact) {
        m_groups.Pop();
        m_state.m_bGroupFill = 0;
    } else if (kind.isDefs) {
        // A defs nested in another defs ends the outer one too.
        m_state.m_strDefsTag.clear();
        m_state.m_bInDefs = 0;
    }
}

void CClassicWalker::WalkChildren(CXML& element, const CElementKind& kind,
                                  const CElementTexts& texts, int topCount) {
    const double step = topCount > 0 ? 80.0 / topCount : 0.0;
    if (kind.isText) {
        // tspan children take the text's transform and font settings when they have none.
        m_state.m_strTextTransform = *texts.transform;
        m_state.m_strTextFontFamily = texts.fontFamily;
        m_state.m_strTextFontSize = texts.fontSize;
    }
    int done = 0;
    for (CXML* child : element.Children()) {
        m_control.ThrowIfCancelled();
        WalkElement(*child, 0);
        ++done;
        if (topCount > 0) m_control.ReportProgress(int(15 + done * step));
    }
}
