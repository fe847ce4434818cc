// Opening and closing a DXF document: the writer and its sink exist from
// BeginDocument to EndDocument; everything before the first entity and after
// the last one is written here.
#include <algorithm>
#include <cmath>
#include <system_error>
#include <thread>

#include "convert/svg_converter.h"
#include "dxf/threaded_sink.h"

void CSvgConverter::ResetDocumentState() {
    ResetTransforms();  // the group stack and the drawing size
    m_walker.ResetForDocument();
    m_definitions.Reset();
    m_output.Reset();
    m_pathReader.StartDocument(kPathPointsPerDocument + kPathPointsPerInputByte * m_job.m_nInputBytes,
                               kPathTextPerDocument + kPathTextPerInputByte * m_job.m_nInputBytes);
}

int CSvgConverter::BeginDocument(const std::string& outputPath) {
    auto file = std::make_unique<CFileSink>();
    if (!file->Open(outputPath)) {
        m_job.m_nOutputError = file->Error();
        return BeginDocumentOn(nullptr);
    }
    return BeginDocumentOn(OnWritingThread(std::move(file)));
}

std::unique_ptr<CDxfSink> CSvgConverter::OnWritingThread(std::unique_ptr<CDxfSink> sink) const {
    if (!WritesOnSecondThread()) return sink;
    try {
        return std::make_unique<CThreadedSink>(sink);
    } catch (const std::system_error&) {
        return sink;  // no thread to be had: this one writes
    }
}

bool CSvgConverter::WritesOnSecondThread() const {
    if (m_options.threads != 0) return m_options.threads >= 2;
    return m_job.m_nInputBytes >= kTwoThreadInputBytes && std::thread::hardware_concurrency() >= 2;
}

int CSvgConverter::BeginDocumentOn(std::unique_ptr<CDxfSink> sink) {
    ResetDocumentState();
    if (!sink) return -1;
    // dxflib takes its version only through out(); an empty name opens no file.
    std::unique_ptr<DL_WriterA> unused(m_output.m_dxf.out("", DL_VERSION_2000));
    m_output.m_pSink = std::move(sink);
    m_output.m_pWriter = std::make_unique<CDxfWriter>(*m_output.m_pSink);

    WriteHeaderSection();
    m_output.m_pWriter->sectionTables();
    m_output.m_dxf.writeVPort(*m_output.m_pWriter);
    WriteLinetypeTable();
    WriteLayerTable();
    WriteStyleTable();
    m_output.m_dxf.writeView(*m_output.m_pWriter);
    m_output.m_dxf.writeUcs(*m_output.m_pWriter);
    m_output.m_pWriter->tableAppid(1);
    m_output.m_dxf.writeAppid(*m_output.m_pWriter, "ACAD");
    m_output.m_pWriter->tableEnd();
    m_output.m_dxf.writeDimStyle(*m_output.m_pWriter, 2.5, 0.625, 0.625, 0.625, 2.5);
    // dxflib's block record writer leaves its table open.
    m_output.m_dxf.writeBlockRecord(*m_output.m_pWriter);
    m_output.m_pWriter->tableEnd();
    m_output.m_pWriter->sectionEnd();
    WriteBlocksSection();
    m_output.m_pWriter->sectionEntities();
    m_job.m_entityCounts.clear();
    m_output.m_pWriter->CountEntitiesInto(&m_job.m_entityCounts);
    return 0;
}

bool CSvgConverter::EndDocument() {
    if (!m_output.m_pWriter) return false;
    CDxfWriter& writer = *m_output.m_pWriter;
    writer.CountEntitiesInto(nullptr);
    writer.sectionEnd();
    m_output.m_dxf.writeObjects(writer, "MY_OBJECTS");
    for (const CImageDefData& image : m_tables.m_imageDefs) {
        m_output.m_dxf.writeImageDef(writer, image.handle,
                            DL_ImageData(image.file, image.ipx, image.ipy, image.ipz, image.ux,
                                         image.uy, image.uz, image.vx, image.vy, image.vz,
                                         image.width, image.height, image.brightness,
                                         image.contrast, image.fade));
    }
    writer.sectionEnd();
    writer.dxfEOF();
    const bool complete = writer.Finish();
    m_output.m_nNonFiniteReals = writer.NonFiniteReals();
    m_output.m_pWriter.reset();
    if (!complete) m_job.m_nOutputError = m_output.m_pSink->Error();
    // A failed output goes at once (a file sink removes its temporary file).
    if (complete) m_output.m_pEndedSink = std::move(m_output.m_pSink);
    m_output.m_pSink.reset();
    return complete;
}

int CSvgConverter::CountLayerEntries() const {
    const bool hasZero =
        std::find(m_tables.m_arrLayerNames.begin(), m_tables.m_arrLayerNames.end(), "0") != m_tables.m_arrLayerNames.end();
    return int(m_tables.m_arrLayerNames.size()) + (hasZero ? 0 : 1);
}

void CSvgConverter::WriteVertex(double x, double y, double z, double bulge, double startWidth,
                                double endWidth) {
    if (!m_output.m_pWriter) return;
    // dxflib's vertex record has no widths, so the groups are written here.
    m_output.m_pWriter->dxfVertex(x, y, z, startWidth, endWidth);
    if (std::fabs(bulge) > 1e-10) m_output.m_pWriter->dxfReal(42, bulge);
}
