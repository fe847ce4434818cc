#pragma once
// The classic reading's element walker: visits the tree depth first in
// document order, updates the walker state from each element's attributes,
// hands the element to its emitter and walks its children. State is carried
// from element to element in document order, not inherited along the tree.
#include "svg/classic_emitter.h"
#include "svg/definitions.h"
#include "svg/walker_state.h"
#include "xml/xml_node.h"

struct CElementKind;   // svg/element_kind.h
struct CElementTexts;  // svg/element_texts.h

class CClassicWalker {
public:
    // fillOption 0: filled paths and uses are drawn as outlines in the fill colour.
    CClassicWalker(CWalkerState& state, CDefinitions& definitions, vx::IClassicEmitter& emitter,
                   int fillOption)
        : m_state(state), m_definitions(definitions), m_emitter(emitter),
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
    vx::IClassicEmitter& m_emitter;
    int m_fillOption;
};

namespace vx {

// The attribute pass (svg/walker_attributes.cpp): for each attribute in name
// order, the row of the element's kind that matches it, updating state and
// collecting the texts that the element's emitter takes.
void ApplyAttributes(CWalkerState& state, IClassicEmitter& emitter, const CXML& element,
                     const CElementKind& kind, CElementTexts& texts);

}  // namespace vx
