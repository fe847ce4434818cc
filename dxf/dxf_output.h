#pragma once
// The DXF output of one document: dxflib's writer object and, while the
// document is open, our sink and the writer on it. Begin writes everything
// before the first entity, End everything after the last.
#include <memory>
#include <vector>

#include <dl_dxf.h>

#include "dxf/document_tables.h"
#include "dxf/dxf_writer.h"
#include "platform/output_sink.h"

class CDxfOutput {
public:
    DL_Dxf m_dxf;
    std::unique_ptr<CDxfSink> m_pSink;
    std::unique_ptr<CDxfWriter> m_pWriter;
    // The sink of the last ended document, kept until the next one opens, so
    // that whoever handed in an in-memory sink can still read it.
    std::unique_ptr<CDxfSink> m_pEndedSink;
    long long m_nNonFiniteReals = 0;  // of the last document ended

    void Reset();
    // Opens the document on sink: header ($INSUNITS when insUnits is not 0),
    // the tables from tables (a dash pattern of fewer than two numbers leaves
    // its table), the blocks and the start of the entities, whose types are
    // counted into counts until End.
    void Begin(std::unique_ptr<CDxfSink> sink, CDocumentTables& tables, int insUnits,
               CEntityCounts* counts);
    // The OBJECTS section with the pictures, and the end of the file. False
    // when any write failed; the sink's errno is then in outputError, and the
    // sink goes at once (a file sink removes its temporary file).
    bool End(const std::vector<CImageDefData>& pictures, int& outputError);
    // The reals that were not finite when handed to the writer, in the open
    // document or, between documents, the last one ended (see
    // CDxfWriter::NonFiniteReals).
    long long NonFiniteReals() const {
        return m_pWriter ? m_pWriter->NonFiniteReals() : m_nNonFiniteReals;
    }
    // An LWPOLYLINE vertex with start and end widths (groups 10 20 30 40 41 [42]).
    void WriteVertex(double x, double y, double z, double bulge, double startWidth,
                     double endWidth);

private:
    void WriteHeaderSection(int insUnits);
    void WriteLinetypeTable(std::vector<CDashData>& dashes);
    void WriteLayerTable(const CDocumentTables& tables);
    void WriteStyleTable(const std::vector<CFontData>& fonts);
    void WriteBlocksSection();
};
