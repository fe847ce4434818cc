#pragma once
// CSvgConverter: the conversion engine. One object converts every file of a
// batch; it owns the parts that the walker and the emitters share (the element
// tree, the walker state, the definitions, the DXF tables and output), each
// with its own state and reset. The classic walker's members are defined in
// svg/, the emitters' in dxf/shapes/, the job's and the document's in convert/.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <dl_attributes.h>
#include <dl_dxf.h>

#include "base/records.h"
#include "convert/convert_options.h"
#include "convert/job_state.h"
#include "dxf/document_tables.h"
#include "dxf/dxf_output.h"
#include "geometry/path_parser.h"
#include "svg/classic_emitter.h"
#include "svg/definitions.h"
#include "svg/group_transforms.h"
#include "svg/walker_state.h"
#include "platform/output_sink.h"
#include "resolve/resolved_drawing.h"
#include "xml/xml_node.h"

class IProgressSink;
class IMessageSink;
class IProfile;
struct CElementKind;   // svg/element_kind.h
struct CElementTexts;  // svg/element_texts.h
namespace vx {
struct CResolvedPaint;  // resolve/resolved_paint.h
struct CEllipseImage;   // geometry/ellipse_image.h
}


// What the path parser may do in one document: draw 4M points and read 256 MB
// of path data (a marker or symbol is read again at every placement), plus a
// share per byte of input, so that large drawings are never cut short. A few
// deeply split curves, or a long marker placed thousands of times, would
// otherwise write gigabytes or take hours; such a file fails instead.
constexpr long long kPathPointsPerDocument = 1LL << 22;
constexpr long long kPathPointsPerInputByte = 16;
constexpr long long kPathTextPerDocument = 1LL << 28;
constexpr long long kPathTextPerInputByte = 8;

class CSvgConverter : public vx::IResolvedDrawing, public vx::IClassicEmitter {
public:
    // Reads the fill option from the profile (section "Vextora", entry
    // "FillOption", default 1) when one is given; writes it back on destruction.
    explicit CSvgConverter(IProfile* profile = nullptr);
    ~CSvgConverter() override;
    CSvgConverter(const CSvgConverter&) = delete;
    CSvgConverter& operator=(const CSvgConverter&) = delete;

    // ---- Conversion job (convert/) -------------------------------------
    // Converts one SVG file into m_options.outputFolder + outName. outName is set
    // before the input is opened. False when the input cannot be read or the
    // DXF cannot be written completely.
    bool ConvertFile(std::string inputPath, std::string& outName);
    // The same for SVG text already read (standard input); name stands for the
    // file in the output name and in local image references.
    bool ConvertContent(std::string name, std::string content, std::string& outName);
    // "plan.dxf" for ".../plan.svg"; both '/' and '\' separate folders.
    static std::string DeriveOutputName(std::string_view inputPath);
    void SetProgressSink(IProgressSink* sink) { m_pProgress = sink; }
    void SetMessageSink(IMessageSink* sink) { m_pMessages = sink; }
    void ReportProgress(int percent) override;
    void AbandonDocument();
    // Why the last ConvertFile returned false, for a line after the file's
    // name: "cannot read: No such file or directory", "not an SVG drawing",
    // "cannot write out/plan.dxf: No space left on device". Empty after a success.
    const std::string& FailureReason() const { return m_job.m_strFailureReason; }
    // A flag that another thread or a signal handler sets to stop the file in
    // progress: it then fails with "interrupted", its temporary output removed
    // and an earlier DXF of its name kept.
    void SetCancelFlag(const std::atomic<bool>* flag) { m_pCancel = flag; }
    bool Cancelled() const { return m_pCancel && m_pCancel->load(std::memory_order_relaxed); }
    void ThrowIfCancelled() const override;
    static constexpr long long kTwoThreadInputBytes = 256 * 1024;
    bool Fail(std::string reason);  // sets the reason; always false
    bool FailToWrite();              // "cannot write <path>: <errno text>"
    // Emitters call this when they leave out an entity whose numbers are not
    // finite; the file gets one warning with the count at its end.
    void LeaveOutNonFinite() { ++m_job.m_nNonFiniteLeftOut; }
    // What the last converted document holds: entity type name to count.
    const CEntityCounts& EntityCounts() const { return m_job.m_entityCounts; }

    bool ConvertInput(std::string inputPath, std::string* content, std::string& outName);
    void StartFile(const std::string& inputPath, std::string& outName);
    void WarnAboutLeftOutEntities();

    // ---- The browser reading (convert/converter_browser.cpp, resolve/) ---
    // Walks the tree as a browser does; false (with the failure reason set) when
    // use references expand beyond the work limit.
    bool ReadAsBrowser();
    // Before the document opens: the layer table (group ids, Inkscape layers by
    // their labels) and the units the header declares.
    void PrepareBrowserReading();

    // ---- Resolved drawables (dxf/shapes/resolved_shapes.cpp), vx::IResolvedDrawing
    // Geometry in drawing coordinates (y up, output units), paint resolved.
    void DrawResolvedPath(std::vector<CPolylinedata>& subpaths,
                          const vx::CResolvedPaint& paint) override;
    void DrawResolvedEllipse(const vx::CEllipseImage& ellipse,
                             const vx::CResolvedPaint& paint) override;
    // A TEXT at its insertion point, fontSize and angle (radians) in drawing
    // terms; alignment 0 left, 1 centre, 2 right.
    void DrawResolvedText(double x, double y, double fontSize, double angle, int alignment,
                          std::string_view content, std::string_view family,
                          int color) override;
    bool FillsAsHatches() const override { return m_options.fillOption != 0; }
    void SetLayer(const std::string& name) override { m_walker.m_strLayerName = name; }

    // ---- The group transforms (convert/converter_transforms.cpp) --------
    void ResetTransforms();
    void PushTransform() override;
    void PopTransform() override;
    void ParseGroupTransform(std::string_view text) override;
    void ApplyGroupTransforms(double& x, double& y) const;
    const CGroupTransforms& GroupTransforms() const { return m_groupTransforms; }
    // Element matrix (when hasTransform), then the group matrices; no y flip.
    void MapPoint(bool hasTransform, const CMatrix& m, double& x, double& y) const;

    // ---- Path data reading (geometry/path_parser.h) ----------------------
    // The document's reader state, for every path, marker and symbol it reads.
    vx::CPathReaderState& PathReaderState() override { return m_pathReader; }

    // ---- Path outline emission (dxf/shapes/path_outline.cpp, dxf/shapes/markers.cpp)
    int ConvertPath(const std::string& transform, const std::string& data,
                    const std::string& dashArray, const std::string& markerStart,
                    const std::string& markerEnd) override;
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
    // An LWPOLYLINE with these attributes; its vertices follow through
    // WriteVertex. The end clears the pending closepath.
    void BeginPathPolyline(int count, bool closed, const DL_Attributes& attributes);
    void EndPathPolyline();
    // The whole polyline through points in DXF orientation (y already flipped),
    // in the current colour, line type and layer unless attributes are given;
    // false, with nothing written, when a coordinate or the width is not finite.
    bool WriteDxfPolyline(const std::vector<CPointData>& points, bool closed, double width);
    bool WriteDxfPolyline(const std::vector<CPointData>& points, bool closed, double width,
                          const DL_Attributes& attributes);

    // ---- Symbol instances (dxf/shapes/symbol_use.cpp) --------------------
    void ConvertUse(const std::string& transform, const std::string& x, const std::string& y,
                    const std::string& reference) override;

    // ---- The DXF document (convert/converter_document.cpp, dxf/dxf_output.h)
    // 0 on success, -1 when the output cannot be created.
    int BeginDocument(const std::string& outputPath);
    bool WritesOnSecondThread() const;
    // The sink itself, or a threaded sink around it when the DXF is written on a second thread.
    std::unique_ptr<CDxfSink> OnWritingThread(std::unique_ptr<CDxfSink> sink) const;
    // Opens the document on a given sink (tests capture DXF in memory).
    int BeginDocumentOn(std::unique_ptr<CDxfSink> sink);
    // False when any write failed; the output then does not appear.
    bool EndDocument();
    void ResetDocumentState();
    // True when the path parser stopped early: the document is incomplete.
    bool PathBudgetSpent() const { return m_pathReader.BudgetSpent(); }
    // NaN or infinite reals handed to the writer in the open document, else in
    // the last one ended; tests require 0 (see CDxfWriter::NonFiniteReals).
    long long NonFiniteRealsWritten() const {
        return m_output.m_pWriter ? m_output.m_pWriter->NonFiniteReals() : m_output.m_nNonFiniteReals;
    }


    // ---- Entity attributes (dxf/shapes/attributes.cpp) ------------------
    void SetEntityLayer(DL_Attributes& attributes) const;
    // An attribute record of the shared shape: layer set by SetEntityLayer.
    DL_Attributes EntityAttributes(int color, int width, const std::string& lineType) const;
    // Line type of an element with its own dash array: lookup, else "BYLAYER".
    std::string DashLineType(std::string_view dashArray) const;

    // ---- Lines, polylines, polygons (dxf/shapes/lines.cpp, dxf/shapes/polylines.cpp)
    void ConvertPolyline(const std::string& transform, const std::string& points,
                         const std::string& dashArray, bool closed = false) override;
    void ConvertLine(const std::string& transform, const std::string& x1,
                     const std::string& y1, const std::string& x2, const std::string& y2) override;
    void WriteLineEntity(double x1, double y1, double x2, double y2);
    // One LWPOLYLINE through points given in SVG orientation (y is flipped here).
    void WritePolylineEntity(const CPointData* points, size_t count, bool closed,
                             const DL_Attributes& attributes);

    // ---- Circles and ellipses (dxf/shapes/circles.cpp, dxf/shapes/ellipses.cpp)
    void ConvertCircle(int fill, const std::string& transform, const std::string& cx,
                       const std::string& cy, const std::string& r,
                       const std::string& dashArray, int stroke) override;
    void ConvertEllipse(int fill, const std::string& transform, const std::string& cx,
                        const std::string& cy, const std::string& rx, const std::string& ry,
                        const std::string& dashArray, int stroke) override;
    void WriteEllipseEntity(double cx, double cy, double ex, double ey, double ratio,
                            double startAngle, double endAngle);
    // The solid hatch of a filled circle or ellipse: one loop of one full-turn edge.
    void WriteCurveFill(const DL_HatchEdgeData& edge);

    // ---- Rectangles (dxf/shapes/rects.cpp, dxf/shapes/round_rects.cpp) --
    void ConvertRect(const std::string& transform, const std::string& x, const std::string& y,
                     const std::string& width, const std::string& height, int filled,
                     const std::string& rx, const std::string& ry) override;
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
    void FillPath(const std::string& transform, const std::string& data) override;
    void FillUse(const std::string& transform, const std::string& x, const std::string& y,
                 const std::string& href) override;

    // ---- Text (dxf/shapes/text.cpp) -------------------------------------
    void ConvertText(const std::string& transform, const std::string& fontFamily,
                     const std::string& fontSize, const std::string& content,
                     const std::string& x, const std::string& y) override;
    // The STYLE entry of a font family; "Standard" for none.
    std::string TextStyleName(std::string_view family) const;

    // ---- Images (dxf/shapes/images.cpp) ---------------------------------
    void ConvertImage(const std::string& x, const std::string& y, const std::string& width,
                      const std::string& height, const std::string& href) override;
    // An IMAGE over the w x h area that toDrawing maps into the drawing.
    void PlaceImage(const vx::CPointMap& toDrawing, double left, double top, double w, double h,
                    const std::string& href) override;

    // ---- The parts' state, for the command line, the dialog and tests ---
    const CConvertOptions& Options() const { return m_options; }
    void SetOptions(CConvertOptions options) { m_options = std::move(options); }
    // Where the last file's DXF went; empty before the first.
    const std::string& OutputPath() const { return m_job.m_strOutputPath; }
    CJobState& Job() { return m_job; }
    CWalkerState& Walker() { return m_walker; }
    const CWalkerState& Walker() const { return m_walker; }
    CDocumentTables& Tables() { return m_tables; }
    const CDocumentTables& Tables() const { return m_tables; }
    CDefinitions& Definitions() { return m_definitions; }
    const CDefinitions& Definitions() const { return m_definitions; }
    CDxfOutput& Output() { return m_output; }

private:
    // Before each file: every part's state, and the document's.
    void ResetForFile();

    CConvertOptions m_options;
    CJobState m_job;
    CXML m_xmlRoot;
    CWalkerState m_walker;
    CGroupTransforms m_groupTransforms;
    vx::CPathReaderState m_pathReader{{}, 0, 0, 0, kPathPointsPerDocument, kPathTextPerDocument, 0};
    CDocumentTables m_tables;
    CDefinitions m_definitions;
    CDxfOutput m_output;
    std::vector<CPointData> m_polylinePoints;  // reused between polylines

    // Platform services.
    IProgressSink* m_pProgress = nullptr;
    IMessageSink* m_pMessages = nullptr;
    IProfile* m_pProfile = nullptr;
    const std::atomic<bool>* m_pCancel = nullptr;
};
