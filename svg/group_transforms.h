#pragma once
// The classic reading's group transform stack: one matrix per open group, up
// to a fixed depth. Each group starts with the identity; a transform read on
// the group fills its own entry and makes the stack apply from then on, for
// the rest of the document.
#include <string_view>

#include "base/records.h"

constexpr int kTransformStackSize = 50;

class CGroupTransforms {
public:
    void Reset();
    // Groups nested deeper than the stack still count, so every push meets its
    // pop, but they own no entry and contribute no transform.
    void Push();
    void Pop();
    // The innermost open group's own entry; nullptr beyond the stack's depth or
    // outside any group.
    CMatrix* OwnEntry();
    // A group's transform text fills its own entry, and activates the stack
    // unless the text is empty.
    void ReadOwnTransform(std::string_view text);
    void Activate() { m_active = true; }
    bool Active() const { return m_active; }
    // Through every entry, the innermost group first, once the stack is active.
    void Apply(double& x, double& y) const;
    // The entries in use, outermost first.
    const CMatrix* Entries() const { return m_entries; }
    int Depth() const { return m_depth; }
    int GroupDepth() const { return m_groupDepth; }

private:
    CMatrix m_entries[kTransformStackSize];
    int m_depth = 0;
    int m_groupDepth = 0;  // open elements named exactly "g", stored or not
    bool m_active = false;
};
