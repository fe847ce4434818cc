#pragma once
// The browser reading's walk: down the element tree with each element's
// computed style and its transform into drawing coordinates handed to its
// children, use references expanded, and every drawable handed to the DXF
// drawing with its paint resolved.
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/records.h"
#include "base/walk_control.h"
#include "geometry/clip_region.h"
#include "resolve/browser_markers.h"
#include "resolve/computed_style.h"
#include "resolve/paint.h"
#include "resolve/resolved_drawing.h"
#include "resolve/root_frame.h"
#include "resolve/style_sheet.h"

namespace vx {

// What an element hands down to its children.
struct CResolveFrame {
    CMatrix toDrawing;  // the element's user units into drawing coordinates
    CComputedStyle style = CComputedStyle::Initial();
    std::string layer = "0";
    std::shared_ptr<const CLoops> clip;  // the area clip paths leave, in drawing coordinates; null: all
};

// What the walk drew other than the drawing says, for the user to hear of.
struct CWalkNotes {
    int masksIgnored = 0;    // elements drawn without their mask
    int filtersIgnored = 0;  // elements drawn without their filter
    int clipsIgnored = 0;    // clip paths the walk cannot apply (shape functions, text, boxes of groups)
    bool clipsCutShort = false;  // clipping beyond the work limit: shapes drawn whole
    int textPathsLeftOut = 0;    // text along a path, not drawn
};

class CBrowserWalk {
public:
    CBrowserWalk(IResolvedDrawing& drawing, IWalkControl& control, const CXML& svg,
                 long long visitLimit);
    // Draws the root svg element and all it holds, starting from the root frame.
    void Run(const CRootFrame& root);
    // The walk stopped at its visit limit: the drawing is incomplete.
    bool Exhausted() const { return m_visitsLeft < 0; }
    // The style sheets stopped matching part way: later elements lack their rules.
    bool StylesCutShort() const { return m_sheet.Exhausted(); }
    CWalkNotes Notes() const;

private:
    void Walk(const CXML& element, const CResolveFrame& parent);
    void WalkChildren(const CXML& element, const CResolveFrame& frame);
    void WalkSwitch(const CXML& element, const CResolveFrame& frame);
    bool Enter(const CXML& element, const CResolveFrame& parent, CResolveFrame& frame);
    void ExpandUse(const CXML& use, const CResolveFrame& frame);
    void Draw(const CXML& element, std::string_view name, const CResolveFrame& frame);
    void DrawShape(const CXML& element, std::string_view name, const CResolveFrame& frame);
    void DrawEllipse(const CXML& element, std::string_view name, const CResolveFrame& frame);
    // resolve/browser_text.cpp: a text's runs, one after another from the pen
    // (the text's user units), each tspan placed where it says or after the run before it.
    struct CTextPen {
        double x = 0, y = 0;
        bool started = false;  // a run has been laid: white space at the start no longer counts
    };
    void DrawText(const CXML& element, const CResolveFrame& frame);
    void DrawTextRuns(const CXML& element, const CResolveFrame& frame, CTextPen& pen);
    void DrawTextRun(std::string_view run, const CResolveFrame& frame, const CResolvedPaint& paint,
                     int alignment, CTextPen& pen);
    void DrawImage(const CXML& element, const CResolveFrame& frame);
    // The shape's subpaths in drawing coordinates; false when it has none.
    bool ShapeSubpaths(const CXML& element, std::string_view name, const CMatrix& toDrawing,
                       std::vector<CPolylinedata>& subpaths);

    // Clip paths (resolve/browser_clip.cpp).
    void NoteEffects(const CComputedStyle& style);
    void ApplyClipPath(const CXML& element, CResolveFrame& frame);
    std::shared_ptr<const CLoops> MakeClipArea(const CXML& clipPath, const CXML& element,
                                               const CResolveFrame& frame);
    bool AddClipChild(const CXML& child, const CMatrix& space, const CComputedStyle& parentStyle,
                      CLoops& area);
    bool BoundingBox(const CXML& element, CMatrix& box);
    std::shared_ptr<const CLoops> WithinClip(std::shared_ptr<const CLoops> area,
                                             const std::shared_ptr<const CLoops>& parent);
    bool DrawClipped(const std::vector<CPolylinedata>& subpaths, const CResolvedPaint& paint,
                     const CLoops& clip);

    // resolve/browser_markers.cpp
    void DrawMarkers(const CXML& element, std::string_view name, const CResolveFrame& frame);
    CMarkerSource* MarkerNamed(const std::string& reference);
    void ReadMarker(const CXML& marker, CMarkerSource& source);
    // The style an element has where it stands in the tree (a marker's, a
    // clip path's, which do not inherit from what uses them), and its ancestors.
    CComputedStyle StyleInPlace(const CXML& element, std::vector<const CXML*>& ancestors);
    void PlaceMarker(CMarkerSource& marker, const CMatrix& at, const CResolveFrame& path);

    IResolvedDrawing& m_drawing;
    IWalkControl& m_control;
    const CXML& m_svg;
    CStyleSheet m_sheet;
    CElementIds m_ids;
    CDocumentColours m_colours;
    std::vector<const CXML*> m_ancestors;   // root first, for selectors
    std::vector<const CXML*> m_useTargets;  // being expanded, against cycles
    long long m_visitsLeft;
    std::unordered_map<const CXML*, CMarkerSource> m_markers;  // read when first drawn
    bool m_inMarker = false;  // markers in a marker's content are not drawn
    double m_flatness = 0;  // drawing units
    CClipBudget m_clipBudget;
    CWalkNotes m_notes;
    // The last clip area made, for the elements that follow with the same
    // clip path in the same place.
    struct CLastClip {
        const CXML* clipPath = nullptr;
        CMatrix toDrawing;
        std::shared_ptr<const CLoops> parent;
        std::shared_ptr<const CLoops> area;
    } m_lastClip;
};

// What names a group's layer: an Inkscape layer's label, which its user sees,
// else the group's id; nullptr for neither.
const std::string* LayerTitle(const CXML& group);

// The element's name without a namespace prefix ("svg:rect" is a rect).
std::string_view LocalName(const std::string& tag);

}  // namespace vx
