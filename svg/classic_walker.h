#pragma once
// The classic reading's element walker: visits the tree depth first in
// document order, updates the walker state from each element's attributes,
// hands the element's texts to the classic elements, which resolve and draw
// it, and walks its children. State is carried from element to element in
// document order, not inherited along the tree.
#include "base/walk_control.h"
#include "dxf/document_tables.h"
#include "svg/classic_elements.h"
#include "svg/definitions.h"
#include "svg/group_transforms.h"
#include "svg/walker_state.h"
#include "xml/xml_node.h"

struct CElementKind;   // svg/element_kind.h
struct CElementTexts;  // svg/element_texts.h

// What the walker reads and changes beside the tree, and where it hands what it finds.
struct CClassicWalkParts {
    CWalkerState& state;
    CDefinitions& definitions;
    CGroupTransforms& groups;
    const CDocumentTables& tables;
    vx::IClassicDrawing& drawing;
    vx::IWalkControl& control;
};

class CClassicWalker {
public:
    // fillOption 0: filled paths, uses and rectangles are drawn as outlines in the fill colour.
    CClassicWalker(const CClassicWalkParts& parts, int fillOption)
        : m_state(parts.state), m_definitions(parts.definitions), m_groups(parts.groups),
          m_control(parts.control),
          m_elements(parts.state, parts.definitions, parts.groups, parts.tables, parts.drawing,
                     fillOption),
          m_fillOption(fillOption) {}
    // The whole tree; progress climbs in equal shares per child of root.
    void Walk(CXML& root);

private:
    void WalkElement(CXML& element, int topCount);
    void WalkChildren(CXML& element, const CElementKind& kind, const CElementTexts& texts,
                      int topCount);
    void EmitElement(const CXML& element, const CElementKind& kind, CElementTexts& texts);
    void EmitPath(const CElementTexts& texts);

    CWalkerState& m_state;
    CDefinitions& m_definitions;
    CGroupTransforms& m_groups;
    vx::IWalkControl& m_control;
    vx::CClassicElements m_elements;
    int m_fillOption;
};

namespace vx {

// The attribute pass (svg/walker_attributes.cpp): for each attribute in name
// order, the row of the element's kind that matches it, updating state (a
// group's transform goes to its entry of the group transforms) and collecting
// the texts that the element's drawable is resolved from.
void ApplyAttributes(CWalkerState& state, CGroupTransforms& groups, const CXML& element,
                     const CElementKind& kind, CElementTexts& texts);

}  // namespace vx
