#pragma once
// The DXF output of one document: dxflib's writer object and, while the
// document is open, our sink and the writer on it. Begin writes everything
// before the first entity, End everything after the last; entities go through
// the Write methods, which keep the document's extents for its saved view.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <dl_dxf.h>

#include "base/records.h"
#include "dxf/document_tables.h"
#include "dxf/dxf_writer.h"
#include "dxf/extents.h"
#include "dxf/hatch_boundary.h"
#include "platform/output_sink.h"

// What a document says of itself beside its drawing.
struct CDocumentSettings {
    int insUnits = 0;  // $INSUNITS; 0 leaves it out
    // How the document was made ("svg-rules=classic fill=hatch"), kept in an
    // XRECORD so that a later run can tell whether it is still up to date.
    std::string recordedOptions;
    bool hatchBoundaries = false;  // each HATCH is followed by its boundary, a path to cut
};

class CDxfOutput {
public:
    void Reset();
    // Opens the document on sink: header, the tables from tables (a dash
    // pattern of fewer than two numbers leaves its table), the blocks and the
    // start of the entities, whose types are counted into counts until End.
    void Begin(std::unique_ptr<CDxfSink> sink, CDocumentTables& tables,
               const CDocumentSettings& settings, CEntityCounts* counts);
    // The OBJECTS section with the pictures, and the end of the file; the
    // extents and the saved view go into the room kept for them. False when
    // any write failed; the sink's errno is then in outputError, and the sink
    // goes at once (a file sink removes its temporary file).
    bool End(const std::vector<CImageDefData>& pictures, int& outputError);
    // Drops the open document: its sink goes without committing (a file
    // sink removes its temporary file, an earlier DXF stays).
    void Abandon();
    bool IsOpen() const { return m_pWriter != nullptr; }
    // The sink of the last ended document, kept until the next one opens, so
    // that whoever handed in an in-memory sink can still read it; null before.
    const CDxfSink* EndedSink() const { return m_pEndedSink.get(); }
    // The reals that were not finite when handed to the writer, in the open
    // document or, between documents, the last one ended (see
    // CDxfWriter::NonFiniteReals).
    long long NonFiniteReals() const {
        return m_pWriter ? m_pWriter->NonFiniteReals() : m_nNonFiniteReals;
    }
    const CExtents& Extents() const { return m_extents; }

    // ---- Entities (dxf/entities.cpp); nothing happens without an open document
    void WriteLine(const DL_LineData& line, const DL_Attributes& attributes);
    void WriteCircle(const DL_CircleData& circle, const DL_Attributes& attributes);
    void WriteEllipse(const DL_EllipseData& ellipse, const DL_Attributes& attributes);
    void WriteText(const DL_TextData& text, const DL_Attributes& attributes);
    // The IMAGE's handle, which its IMAGEDEF refers to; 0 without a document.
    unsigned long WriteImage(const DL_ImageData& image, const DL_Attributes& attributes);
    // An LWPOLYLINE through points (drawing coordinates), every vertex with
    // the width given. A vertex on the one before it is left out, and so is
    // the last of a closed polyline when it returns to the first: CAM programs
    // stop at zero-length segments. Fewer than two vertices left: nothing.
    // bulges, when given, hold one bulge per point: the arc of the segment
    // that starts there (0 straight).
    void WritePolyline(const CPointData* points, size_t count, bool closed, double width,
                       const DL_Attributes& attributes, const double* bulges = nullptr);
    // Two vertices this close are one: a segment between them has no length a
    // CAD or CAM program could use.
    static bool SameVertex(const CPointData& a, const CPointData& b);

    // ---- Hatches (dxf/entities.cpp): BeginHatch, then per loop BeginHatchLoop,
    // its edges, EndHatchLoop, then EndHatch. A hatch without a loop is
    // rejected by DXF readers, so one that announces none writes nothing.
    void BeginHatch(const DL_HatchData& hatch, const DL_Attributes& attributes);
    void BeginHatchLoop(int edgeCount);
    void WriteHatchEdge(const DL_HatchEdgeData& edge);
    void EndHatchLoop(int edgeCount);
    void EndHatch(const DL_HatchData& hatch, const DL_Attributes& attributes);

private:
    // An LWPOLYLINE vertex with start and end widths (groups 10 20 30 40 41 [42]).
    void WriteVertex(double x, double y, double z, double bulge, double startWidth,
                     double endWidth);
    // The header, tables and blocks, formatted as text (dxf/document_frame.cpp).
    std::string FormatFrame(CDocumentTables& tables, const CDocumentSettings& settings);
    void WriteHeaderSection(CDxfWriter& writer, int insUnits);
    void WriteViewportTable(CDxfWriter& writer);
    void WriteLinetypeTable(CDxfWriter& writer, int entries, const std::vector<CDashData>& dashes);
    void WriteLayerTable(CDxfWriter& writer, const CDocumentTables& tables);
    void WriteStyleTable(CDxfWriter& writer, const std::vector<CFontData>& fonts);
    void WriteBlocksSection(CDxfWriter& writer);
    // The extents and the view that shows them (dxf/saved_view.cpp): room for
    // their values in the frame, filled in at the end.
    void WriteExtentSlots(CDxfWriter& writer);
    void RewriteSavedView();
    void AddBulgeExtents(const CPointData& from, const CPointData& to, double bulge);
    // dxf/objects_section.cpp
    void WriteObjectsSection(const std::vector<CImageDefData>& pictures);
    void WritePictureDefinitions(const std::vector<CImageDefData>& pictures, long dictionary,
                                 const std::vector<std::pair<std::string, long>>& entries);

    DL_Dxf m_dxf;
    // While a document is open: the sink, and the writer on it (which refers
    // to the sink, so it goes first).
    std::unique_ptr<CDxfSink> m_pSink;
    std::unique_ptr<CDxfWriter> m_pWriter;
    std::unique_ptr<CDxfSink> m_pEndedSink;
    long long m_nNonFiniteReals = 0;  // of the last document ended
    CExtents m_extents;
    std::vector<CPointData> m_vertices;  // of the polyline being written
    std::vector<double> m_bulges;        // and their bulges
    CHatchBoundary m_boundary;
    bool m_bHatchBoundaries = false;
    std::string m_strRecordedOptions;
    // Offsets of the values that the saved view rewrites: $EXTMIN x y,
    // $EXTMAX x y, then the VPORT's centre x y and height.
    std::vector<size_t> m_viewSlots;
};
