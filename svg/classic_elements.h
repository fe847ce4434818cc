#pragma once
// The classic reading's elements: each element's attribute texts, with the
// state the walker carried to it, resolved into a drawable and handed to the
// drawing side. Numbers are read by their leading number, transforms as the
// classic reading reads them, dash arrays looked up in the line type table,
// markers and symbols in the definitions.
#include <string>
#include <string_view>
#include <vector>

#include "dxf/document_tables.h"
#include "svg/classic_drawables.h"
#include "svg/definitions.h"
#include "svg/group_transforms.h"
#include "svg/walker_state.h"

namespace vx {

class CClassicElements {
public:
    // fillOption 0: filled rectangles are drawn as outlines.
    CClassicElements(CWalkerState& state, const CDefinitions& definitions,
                     const CGroupTransforms& groups, const CDocumentTables& tables,
                     IClassicDrawing& drawing, int fillOption)
        : m_state(state), m_definitions(definitions), m_groups(groups), m_tables(tables),
          m_drawing(drawing), m_fillOption(fillOption) {}

    // A stroked path; its dash array becomes the line type carried on, and the
    // markers it names are placed at its ends.
    void Path(std::string_view transform, std::string_view data, std::string_view dashArray,
              std::string_view markerStart, std::string_view markerEnd);
    void FillPath(std::string_view transform, std::string_view data);
    void Polyline(std::string_view transform, std::string_view points,
                  std::string_view dashArray, bool closed);
    void Line(std::string_view transform, std::string_view x1, std::string_view y1,
              std::string_view x2, std::string_view y2);
    void Rect(std::string_view transform, std::string_view x, std::string_view y,
              std::string_view width, std::string_view height, bool filled, std::string_view rx,
              std::string_view ry);
    // Nothing without a centre and radius. One with neither fill nor stroke is
    // still drawn as an outline.
    void Circle(bool fill, std::string_view transform, std::string_view cx, std::string_view cy,
                std::string_view r, std::string_view dashArray, bool stroke);
    // As a circle; its dash array also becomes the line type carried on.
    void Ellipse(bool fill, std::string_view transform, std::string_view cx,
                 std::string_view cy, std::string_view rx, std::string_view ry,
                 std::string_view dashArray, bool stroke);
    // The symbol the link names, trimmed, one leading "#" dropped; none, nothing.
    void Use(std::string_view transform, std::string_view x, std::string_view y,
             std::string_view link);
    void FillUse(std::string_view transform, std::string_view x, std::string_view y,
                 std::string_view link);
    // Empty font texts take the group's. Text reads its own transform: one
    // matrix(...) or translate(...), nothing else.
    void Text(std::string_view transform, std::string_view fontFamily, std::string_view fontSize,
              std::string_view content, std::string_view x, std::string_view y);
    void Image(std::string_view x, std::string_view y, std::string_view width,
               std::string_view height, std::string_view link);

private:
    CClassicStyle Style() const;
    // The marker a reference names, or false for none.
    bool FindMarker(std::string_view reference, CClassicMarker& marker) const;
    const CSymble* FindLinkedSymbol(std::string_view link) const;
    bool ResolveUse(std::string_view transform, std::string_view x, std::string_view y,
                    std::string_view link, CClassicUse& use) const;

    CWalkerState& m_state;
    const CDefinitions& m_definitions;
    const CGroupTransforms& m_groups;
    const CDocumentTables& m_tables;
    IClassicDrawing& m_drawing;
    int m_fillOption;
    std::vector<CPointData> m_points;  // a polyline's, reused
};

// The transform of an element's text, as the classic reading reads it.
CElementTransform ElementTransform(std::string_view text);
// A text's transform: the first matrix(...), else the first translate(...).
CTextPlacement ReadTextTransform(std::string_view transform);

}  // namespace vx
