#include "svg/group_transforms.h"

#include <algorithm>

#include "base/matrix.h"
#include "svg/transform_text.h"

void CGroupTransforms::Reset() {
    std::fill(std::begin(m_entries), std::end(m_entries), CMatrix());
    m_depth = 0;
    m_groupDepth = 0;
    m_active = false;
}

void CGroupTransforms::Push() {
    ++m_groupDepth;
    if (m_groupDepth > kTransformStackSize) return;
    m_entries[m_groupDepth - 1] = CMatrix();
    m_depth = m_groupDepth;
}

void CGroupTransforms::Pop() {
    if (m_groupDepth == 0) return;
    if (m_groupDepth <= kTransformStackSize) {
        m_entries[m_groupDepth - 1] = CMatrix();
        m_depth = m_groupDepth - 1;
    }
    --m_groupDepth;
}

CMatrix* CGroupTransforms::OwnEntry() {
    const bool ownsTopEntry = m_depth > 0 && m_groupDepth == m_depth;
    return ownsTopEntry ? &m_entries[m_depth - 1] : nullptr;
}

void CGroupTransforms::Apply(double& x, double& y) const {
    if (!m_active) return;
    // The innermost group first: its matrix is nearest to the element.
    for (int i = m_depth - 1; i >= 0; --i) vx::ApplyMatrix(m_entries[i], x, y);
}

void CGroupTransforms::ReadOwnTransform(std::string_view text) {
    // Only the innermost open group's own entry takes the text: a group beyond
    // the stack's depth, or a transform outside any group, has no entry.
    CMatrix* entry = OwnEntry();
    if (!entry) return;
    vx::ReadTransformText(text, *entry);
    if (!text.empty()) Activate();
}
