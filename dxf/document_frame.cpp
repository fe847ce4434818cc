// Opening and closing a DXF document: the writer and its sink exist from
// Begin to End; everything before the first entity and after the last one is
// written here.
#include <cmath>

#include "dxf/dxf_output.h"

void CDxfOutput::Reset() {
    m_pWriter.reset();  // it refers to the sink, so it goes first
    m_pSink.reset();
    m_pEndedSink.reset();
    m_nNonFiniteReals = 0;
}

void CDxfOutput::Begin(std::unique_ptr<CDxfSink> sink, CDocumentTables& tables, int insUnits,
                       CEntityCounts* counts) {
    // dxflib takes its version only through out(); an empty name opens no file.
    std::unique_ptr<DL_WriterA> unused(m_dxf.out("", DL_VERSION_2000));
    m_pSink = std::move(sink);
    m_pWriter = std::make_unique<CDxfWriter>(*m_pSink);

    WriteHeaderSection(insUnits);
    m_pWriter->sectionTables();
    m_dxf.writeVPort(*m_pWriter);
    WriteLinetypeTable(tables.m_dashes);
    WriteLayerTable(tables);
    WriteStyleTable(tables.m_fonts);
    m_dxf.writeView(*m_pWriter);
    m_dxf.writeUcs(*m_pWriter);
    m_pWriter->tableAppid(1);
    m_dxf.writeAppid(*m_pWriter, "ACAD");
    m_pWriter->tableEnd();
    m_dxf.writeDimStyle(*m_pWriter, 2.5, 0.625, 0.625, 0.625, 2.5);
    // dxflib's block record writer leaves its table open.
    m_dxf.writeBlockRecord(*m_pWriter);
    m_pWriter->tableEnd();
    m_pWriter->sectionEnd();
    WriteBlocksSection();
    m_pWriter->sectionEntities();
    if (counts) counts->clear();
    m_pWriter->CountEntitiesInto(counts);
}

bool CDxfOutput::End(const std::vector<CImageDefData>& pictures, int& outputError) {
    if (!m_pWriter) return false;
    CDxfWriter& writer = *m_pWriter;
    writer.CountEntitiesInto(nullptr);
    writer.sectionEnd();
    m_dxf.writeObjects(writer, "MY_OBJECTS");
    for (const CImageDefData& image : pictures) {
        m_dxf.writeImageDef(writer, image.handle,
                            DL_ImageData(image.file, image.ipx, image.ipy, image.ipz, image.ux,
                                         image.uy, image.uz, image.vx, image.vy, image.vz,
                                         image.width, image.height, image.brightness,
                                         image.contrast, image.fade));
    }
    writer.sectionEnd();
    writer.dxfEOF();
    const bool complete = writer.Finish();
    m_nNonFiniteReals = writer.NonFiniteReals();
    m_pWriter.reset();
    if (!complete) outputError = m_pSink->Error();
    if (complete) m_pEndedSink = std::move(m_pSink);
    m_pSink.reset();
    return complete;
}

void CDxfOutput::WriteVertex(double x, double y, double z, double bulge, double startWidth,
                             double endWidth) {
    if (!m_pWriter) return;
    // dxflib's vertex record has no widths, so the groups are written here.
    m_pWriter->dxfVertex(x, y, z, startWidth, endWidth);
    if (std::fabs(bulge) > 1e-10) m_pWriter->dxfReal(42, bulge);
}
