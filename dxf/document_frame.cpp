// Opening and closing a DXF document: the writer and its sink exist from
// Begin to End; everything before the first entity and after the last one is
// written here.
#include "dxf/dxf_output.h"

void CDxfOutput::Reset() {
    Abandon();
    m_pEndedSink.reset();
    m_nNonFiniteReals = 0;
    m_extents = CExtents();
    m_boundary.Clear();
    m_viewSlots.clear();
}

void CDxfOutput::Abandon() {
    m_pWriter.reset();  // it refers to the sink, so it goes first
    m_pSink.reset();
}

void CDxfOutput::Begin(std::unique_ptr<CDxfSink> sink, CDocumentTables& tables,
                       const CDocumentSettings& settings, CEntityCounts* counts) {
    // dxflib takes its version only through out(); an empty name opens no file.
    std::unique_ptr<DL_WriterA> unused(m_dxf.out("", DL_VERSION_2000));
    m_pSink = std::move(sink);
    m_pWriter = std::make_unique<CDxfWriter>(*m_pSink);
    m_bHatchBoundaries = settings.hatchBoundaries;
    m_strRecordedOptions = settings.recordedOptions;
    m_extents = CExtents();
    m_pWriter->WriteText(FormatFrame(tables, settings));
    if (counts) counts->clear();
    m_pWriter->CountEntitiesInto(counts);
}

// The frame is formatted apart, as text, so that the offsets of the saved
// view's values are known whichever thread formats the rest.
std::string CDxfOutput::FormatFrame(CDocumentTables& tables, const CDocumentSettings& settings) {
    CStringSink text;
    CDxfWriter writer(text);
    WriteHeaderSection(writer, settings.insUnits);
    writer.sectionTables();
    writer.OwnTableEntries(true);
    WriteViewportTable(writer);
    // The table's entry count is the one before unusable patterns leave it.
    const int lineTypeEntries = int(tables.Dashes().size()) + 1;
    tables.DropUnusableDashes();
    WriteLinetypeTable(writer, lineTypeEntries, tables.Dashes());
    WriteLayerTable(writer, tables);
    WriteStyleTable(writer, tables.Fonts());
    m_dxf.writeView(writer);
    m_dxf.writeUcs(writer);
    writer.tableAppid(1);
    m_dxf.writeAppid(writer, "ACAD");
    writer.tableEnd();
    m_dxf.writeDimStyle(writer, 2.5, 0.625, 0.625, 0.625, 2.5);
    // dxflib's block record writer leaves its table open.
    m_dxf.writeBlockRecord(writer);
    writer.tableEnd();
    writer.OwnTableEntries(false);
    writer.sectionEnd();
    WriteBlocksSection(writer);
    writer.sectionEntities();
    writer.Finish();
    m_pWriter->ContinueHandles(writer);
    return text.Data();
}

bool CDxfOutput::End(const std::vector<CImageDefData>& pictures, int& outputError) {
    if (!m_pWriter) return false;
    CDxfWriter& writer = *m_pWriter;
    writer.CountEntitiesInto(nullptr);
    writer.sectionEnd();
    WriteObjectsSection(pictures);
    writer.dxfEOF();
    RewriteSavedView();
    const bool complete = writer.Finish();
    m_nNonFiniteReals = writer.NonFiniteReals();
    m_pWriter.reset();
    if (!complete) outputError = m_pSink->Error();
    if (complete) m_pEndedSink = std::move(m_pSink);
    m_pSink.reset();
    return complete;
}
