#pragma once
// The shape writer: turns the drawables of either reading into DXF entities.
// The classic reading hands over resolved elements with the state carried to
// them; the browser reading hands over geometry in drawing coordinates with
// its paint. Path data is read through the document's path reader state,
// line types and text styles are looked up in the tables, and everything is
// written through the document's output.
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
#include "resolve/viewport.h"
#include "svg/classic_drawables.h"

class IMessageSink;

// What the shape writer reads of the conversion: the converter's own option
// and job fields, referred to rather than copied, so they are always current.
struct CShapeSettings {
    const int& fillOption;  // 0: fills are drawn as outlines
    const CImageFetchOptions& imageFetch;
    const std::string& imageCaFile;  // extra certificate authorities for https images (PEM)
    const std::string& imageFolder;  // where pictures are stored, ends with '/' unless empty
    const std::string& inputPath;    // the SVG: relative picture references start from its folder
    const std::string& outputPath;   // the DXF: embedded pictures are named after it
};

class CShapeWriter : public vx::IClassicDrawing, public vx::IResolvedDrawing {
public:
    CShapeWriter(const CShapeSettings& settings, vx::CPathReaderState& pathReader,
                 CDocumentTables& tables, CDxfOutput& output)
        : m_settings(settings), m_pathReader(pathReader), m_tables(tables), m_output(output) {}
    CShapeWriter(const CShapeWriter&) = delete;
    CShapeWriter& operator=(const CShapeWriter&) = delete;

    // Where warnings about left-out pictures go; none when null.
    void SetMessages(IMessageSink* messages) { m_messages = messages; }
    // Before each file: no entity left out yet, layer "0".
    void ResetForFile();
    // Entities left out because their numbers are not finite, since the last reset.
    long NonFiniteLeftOut() const { return m_nNonFiniteLeftOut; }
    void LeaveOutNonFinite() { ++m_nNonFiniteLeftOut; }

    // ---- The classic reading's drawables ------------------------------
    void DrawPath(const vx::CClassicPath& path) override;     // path_outline.cpp
    void FillPath(const vx::CClassicPath& path) override;     // fill_path.cpp
    void DrawPolyline(const vx::CClassicPolyline& polyline) override;  // polylines.cpp
    void DrawLine(const vx::CClassicLine& line) override;     // lines.cpp
    void DrawRect(const vx::CClassicRect& rect) override;     // rects.cpp, round_rects.cpp
    void DrawEllipse(const vx::CClassicEllipse& ellipse) override;  // circles.cpp, ellipses.cpp
    void DrawUse(const vx::CClassicUse& use) override;        // symbol_use.cpp
    void FillUse(const vx::CClassicUse& use) override;        // fill_use.cpp
    void DrawText(const vx::CClassicText& text) override;     // text.cpp
    void DrawImage(const vx::CClassicImage& image) override;  // images.cpp

    // ---- The browser reading's drawables (resolved_shapes.cpp, text.cpp, images.cpp)
    bool FillsAsHatches() const override { return m_settings.fillOption != 0; }
    void SetLayer(const std::string& name) override { m_layer = name; }
    vx::CPathReaderState& PathReaderState() override { return m_pathReader; }
    void DrawResolvedPath(std::vector<CPolylinedata>& subpaths,
                          const vx::CResolvedPaint& paint) override;
    void DrawResolvedEllipse(const vx::CEllipseImage& ellipse,
                             const vx::CResolvedPaint& paint) override;
    void DrawResolvedText(double x, double y, double fontSize, double angle, int alignment,
                          std::string_view content, std::string_view family,
                          int color) override;
    void PlaceImage(const vx::CPointMap& toDrawing, double left, double top, double w, double h,
                    const std::string& reference, const vx::CAspectRatio* aspect) override;

    // ---- What the shapes share (attributes.cpp, hatch.cpp) -------------
    // An attribute record on the given layer ("0" for none).
    static DL_Attributes EntityAttributes(std::string_view layer, int color, int width,
                                          const std::string& lineType);
    // The browser reading's: on the layer last set.
    DL_Attributes EntityAttributes(int color, int width, const std::string& lineType) const {
        return EntityAttributes(m_layer, color, width, lineType);
    }
    const CDocumentTables& Tables() const { return m_tables; }
    // Element matrix (when given), then the group matrices; no y flip.
    static void MapPoint(const vx::CClassicStyle& style, const vx::CElementTransform& transform,
                         double& x, double& y);
    void BeginHatch(const DL_HatchData& data, const DL_Attributes& attributes);
    void EndHatch(const DL_HatchData& data, const DL_Attributes& attributes);
    void WriteFillLoop(const std::vector<CPointData>& points);
    // A solid hatch of one loop whose edgeCount edges writeEdges writes.
    void WriteSingleLoopHatch(const DL_Attributes& attributes, double patternScale,
                              int edgeCount, const std::function<void()>& writeEdges);

private:
    class COutlineSink;  // path_outline.cpp
    class CFillSink;     // fill_path.cpp

    // Path outlines (path_outline.cpp, markers.cpp).
    void WritePathOutline(std::vector<CPointData>& points, const vx::CClassicPath& path);
    void CollectFillSubpath(std::vector<CPointData>& points, const vx::CClassicPath& path,
                            std::vector<CPolylinedata>& fills);
    void WriteMarker(const vx::CClassicMarker& marker, const vx::CClassicStyle& style,
                     const CPointData& first, const CPointData& second, bool start);
    // The whole polyline through points in DXF orientation (y already flipped);
    // false, with nothing written, when a coordinate or the width is not
    // finite. Either way the pending closepath is cleared.
    bool WriteDxfPolyline(const std::vector<CPointData>& points, bool closed, double width,
                          const DL_Attributes& attributes);
    // The stroke width of outline vertices: the element's, else the group's,
    // scaled by the matrix m and every group matrix, whether or not the stack
    // is active.
    static double ScaledStrokeWidth(const vx::CClassicStyle& style, const CMatrix& m);
    // In the stroke colour and the line type carried.
    static DL_Attributes StrokeAttributes(const vx::CClassicStyle& style);

    // Lines, polylines, ellipses and rounded rectangles (lines.cpp, polylines.cpp,
    // circles.cpp, ellipses.cpp, round_rects.cpp).
    void WriteLineEntity(const vx::CClassicStyle& style, double x1, double y1, double x2,
                         double y2);
    // One LWPOLYLINE through points given in SVG orientation (y is flipped here).
    void WritePolylineEntity(const vx::CClassicStyle& style, const CPointData* points,
                             size_t count, bool closed, const DL_Attributes& attributes);
    void DrawCircle(const vx::CClassicEllipse& circle);
    void WriteEllipseEntity(const vx::CClassicStyle& style, double cx, double cy, double ex,
                            double ey, double ratio, double startAngle, double endAngle);
    // The solid hatch of a filled circle or ellipse: one loop of one full-turn edge.
    void WriteCurveFill(const vx::CClassicStyle& style, const DL_HatchEdgeData& edge);
    void DrawRoundRect(const vx::CClassicRect& rect);

    // An IMAGE over the w x h area that toDrawing maps into the drawing, fitted
    // as aspect says once its pixel size is known; null stretches it (images.cpp).
    void PlacePicture(const DL_Attributes& attributes, const vx::CPointMap& toDrawing, double left,
                      double top, double w, double h, const std::string& reference,
                      const vx::CAspectRatio* aspect);

    // The STYLE entry of a font family; "Standard" for none (text.cpp).
    std::string TextStyleName(std::string_view family) const;

    const CShapeSettings m_settings;
    vx::CPathReaderState& m_pathReader;
    CDocumentTables& m_tables;
    CDxfOutput& m_output;
    IMessageSink* m_messages = nullptr;
    std::string m_layer = "0";  // of the browser reading's drawables
    long m_nNonFiniteLeftOut = 0;
    std::vector<CPointData> m_dxfPoints;       // a polyline's, with y flipped
    std::vector<CPointData> m_loopPoints;      // of the hatch loop being written
};
