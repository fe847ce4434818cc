#pragma once
// The shape writer: the emitters that turn each element, or each drawable the
// browser reading resolved, into DXF entities. They draw with the walker
// state (colours, widths, layer, line type) and the group transforms, read
// path data through the document's path reader state, look up the tables and
// definitions, and write through the document's output.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <dl_attributes.h>
#include <dl_dxf.h>

#include "base/records.h"
#include "dxf/document_tables.h"
#include "dxf/dxf_output.h"
#include "geometry/path_parser.h"
#include "platform/image_fetch_options.h"
#include "resolve/resolved_drawing.h"
#include "svg/definitions.h"
#include "svg/group_transforms.h"
#include "svg/walker_state.h"

class IMessageSink;

// What the emitters take from the conversion beyond the document: the fill
// option, how pictures are fetched and where they go, and where warnings go.
struct CShapeSettings {
    int fillOption = 1;  // 0: filled rectangles are drawn as outlines
    CImageFetchOptions imageFetch;
    std::string imageCaFile;  // extra certificate authorities for https images (PEM)
    std::string imageFolder;  // where pictures are stored, ends with '/' unless empty
    std::string inputPath;    // the SVG: relative picture references start from its folder
    std::string outputPath;   // the DXF: embedded pictures are named after it
    IMessageSink* messages = nullptr;
};

class CShapeWriter {
public:
    CShapeWriter(CWalkerState& walker, const CGroupTransforms& groupTransforms,
                 vx::CPathReaderState& pathReader, CDocumentTables& tables,
                 const CDefinitions& definitions, CDxfOutput& output)
        : m_walker(walker), m_groupTransforms(groupTransforms), m_pathReader(pathReader),
          m_tables(tables), m_definitions(definitions), m_output(output) {}
    CShapeWriter(const CShapeWriter&) = delete;
    CShapeWriter& operator=(const CShapeWriter&) = delete;

    CShapeSettings& Settings() { return m_settings; }
    CWalkerState& Walker() { return m_walker; }
    const CWalkerState& Walker() const { return m_walker; }
    const CGroupTransforms& GroupTransforms() const { return m_groupTransforms; }
    const CDefinitions& Definitions() const { return m_definitions; }
    // Entities left out because their numbers are not finite, since the last reset.
    long NonFiniteLeftOut() const { return m_nNonFiniteLeftOut; }
    void ResetNonFiniteLeftOut() { m_nNonFiniteLeftOut = 0; }
    void LeaveOutNonFinite() { ++m_nNonFiniteLeftOut; }
    // Element matrix (when hasTransform), then the group matrices; no y flip.
    void MapPoint(bool hasTransform, const CMatrix& m, double& x, double& y) const;

    // ---- Resolved drawables (dxf/shapes/resolved_shapes.cpp) -----------
    // Geometry in drawing coordinates (y up, output units), paint resolved.
    void DrawResolvedPath(std::vector<CPolylinedata>& subpaths,
                          const vx::CResolvedPaint& paint);
    void DrawResolvedEllipse(const vx::CEllipseImage& ellipse,
                             const vx::CResolvedPaint& paint);
    // A TEXT at its insertion point, fontSize and angle (radians) in drawing
    // terms; alignment 0 left, 1 centre, 2 right.
    void DrawResolvedText(double x, double y, double fontSize, double angle, int alignment,
                          std::string_view content, std::string_view family,
                          int color);
    // ---- Path outline emission (dxf/shapes/path_outline.cpp, dxf/shapes/markers.cpp)
    int ConvertPath(const std::string& transform, const std::string& data,
                    const std::string& dashArray, const std::string& markerStart,
                    const std::string& markerEnd);
    void WritePathOutline(std::vector<CPointData>& points, const std::string& transform);
    void CollectFillSubpath(std::vector<CPointData>& points, const std::string& transform,
                            std::vector<CPolylinedata>& fills);
    void DrawPathMarker(const std::string& reference, bool start, const CPointData& first,
                        const CPointData& second);
    void WriteMarkerOutline(const CMarkdata& marker, const CPointData& first,
                            const CPointData& second, bool start);
    double ScaledStrokeWidth(const CMatrix& m, double width) const;
    // The stroke width of outline vertices: the element's, else the group's.
    double OutlineStrokeWidth() const;
    // The whole polyline through points in DXF orientation (y already flipped),
    // in the current colour, line type and layer unless attributes are given;
    // false, with nothing written, when a coordinate or the width is not finite.
    // Either way the pending closepath is cleared.
    bool WriteDxfPolyline(const std::vector<CPointData>& points, bool closed, double width);
    bool WriteDxfPolyline(const std::vector<CPointData>& points, bool closed, double width,
                          const DL_Attributes& attributes);

    // ---- Symbol instances (dxf/shapes/symbol_use.cpp) --------------------
    void ConvertUse(const std::string& transform, const std::string& x, const std::string& y,
                    const std::string& reference);

    // ---- Entity attributes (dxf/shapes/attributes.cpp) ------------------
    void SetEntityLayer(DL_Attributes& attributes) const;
    // An attribute record of the shared shape: layer set by SetEntityLayer.
    DL_Attributes EntityAttributes(int color, int width, const std::string& lineType) const;
    // Line type of an element with its own dash array: lookup, else "BYLAYER".
    std::string DashLineType(std::string_view dashArray) const;

    // ---- Lines, polylines, polygons (dxf/shapes/lines.cpp, dxf/shapes/polylines.cpp)
    void ConvertPolyline(const std::string& transform, const std::string& points,
                         const std::string& dashArray, bool closed = false);
    void ConvertLine(const std::string& transform, const std::string& x1,
                     const std::string& y1, const std::string& x2, const std::string& y2);
    void WriteLineEntity(double x1, double y1, double x2, double y2);
    // One LWPOLYLINE through points given in SVG orientation (y is flipped here).
    void WritePolylineEntity(const CPointData* points, size_t count, bool closed,
                             const DL_Attributes& attributes);

    // ---- Circles and ellipses (dxf/shapes/circles.cpp, dxf/shapes/ellipses.cpp)
    void ConvertCircle(int fill, const std::string& transform, const std::string& cx,
                       const std::string& cy, const std::string& r,
                       const std::string& dashArray, int stroke);
    void ConvertEllipse(int fill, const std::string& transform, const std::string& cx,
                        const std::string& cy, const std::string& rx, const std::string& ry,
                        const std::string& dashArray, int stroke);
    void WriteEllipseEntity(double cx, double cy, double ex, double ey, double ratio,
                            double startAngle, double endAngle);
    // The solid hatch of a filled circle or ellipse: one loop of one full-turn edge.
    void WriteCurveFill(const DL_HatchEdgeData& edge);

    // ---- Rectangles (dxf/shapes/rects.cpp, dxf/shapes/round_rects.cpp) --
    void ConvertRect(const std::string& transform, const std::string& x, const std::string& y,
                     const std::string& width, const std::string& height, int filled,
                     const std::string& rx, const std::string& ry);
    void ConvertRoundRect(const std::string& transform, const std::string& x,
                          const std::string& y, const std::string& width,
                          const std::string& height, int filled, double rx, double ry);
    // One side and the corner arc after it; points in SVG coordinates, mapped here.
    void WriteRoundCornerOutline(bool hasTransform, const CMatrix& m, CPointData sideStart,
                                 CPointData sideEnd, CPointData centre, CPointData axisEnd,
                                 double ratio, double startAngle, double endAngle);
    void WriteRoundCornerEdges(bool hasTransform, const CMatrix& m, CPointData sideStart,
                               CPointData sideEnd, CPointData centre, CPointData axisEnd,
                               double ratio, double startAngle, double endAngle);

    // ---- Hatch fills (dxf/shapes/hatch.cpp, dxf/shapes/fill_path.cpp, dxf/shapes/fill_use.cpp)
    void BeginHatch(const DL_HatchData& data, const DL_Attributes& attributes);
    void EndHatch(const DL_HatchData& data, const DL_Attributes& attributes);
    void WriteFillLoop(const std::vector<CPointData>& points);
    // A solid hatch of one loop whose edgeCount edges writeEdges writes.
    void WriteSingleLoopHatch(const DL_Attributes& attributes, double patternScale,
                              int edgeCount, const std::function<void()>& writeEdges);
    void FillPath(const std::string& transform, const std::string& data);
    void FillUse(const std::string& transform, const std::string& x, const std::string& y,
                 const std::string& href);

    // ---- Text (dxf/shapes/text.cpp) -------------------------------------
    void ConvertText(const std::string& transform, const std::string& fontFamily,
                     const std::string& fontSize, const std::string& content,
                     const std::string& x, const std::string& y);
    // The STYLE entry of a font family; "Standard" for none.
    std::string TextStyleName(std::string_view family) const;

    // ---- Images (dxf/shapes/images.cpp) ---------------------------------
    void ConvertImage(const std::string& x, const std::string& y, const std::string& width,
                      const std::string& height, const std::string& href);
    // An IMAGE over the w x h area that toDrawing maps into the drawing, fitted
    // as preserveAspectRatio says once its pixel size is known; null stretches it.
    void PlaceImage(const vx::CPointMap& toDrawing, double left, double top, double w, double h,
                    const std::string& href, const std::string* preserveAspectRatio = nullptr);

private:
    CWalkerState& m_walker;
    const CGroupTransforms& m_groupTransforms;
    vx::CPathReaderState& m_pathReader;
    CDocumentTables& m_tables;
    const CDefinitions& m_definitions;
    CDxfOutput& m_output;
    CShapeSettings m_settings;
    long m_nNonFiniteLeftOut = 0;
    std::vector<CPointData> m_polylinePoints;  // reused between polylines
    std::vector<CPointData> m_dxfPoints;       // a polyline's, with y flipped
    std::vector<CPointData> m_loopPoints;      // of the hatch loop being written
};
