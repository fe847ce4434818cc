// The group transform stack as the walker drives it.
#include "convert/svg_converter.h"
#include "svg/transform_text.h"

void CSvgConverter::ResetTransforms() {
    m_groupTransforms.Reset();
    m_walker.m_dWidth = 0;
    m_walker.m_dHeight = 0;
}

void CSvgConverter::PushTransform() { m_groupTransforms.Push(); }

void CSvgConverter::PopTransform() { m_groupTransforms.Pop(); }

void CSvgConverter::ParseGroupTransform(std::string_view text) {
    // Only the innermost open group's own entry takes the text: a group beyond
    // the stack's depth, or a transform outside any group, has no entry.
    CMatrix* entry = m_groupTransforms.OwnEntry();
    if (!entry) return;
    vx::ReadTransformText(text, *entry);
    if (!text.empty()) m_groupTransforms.Activate();
}
