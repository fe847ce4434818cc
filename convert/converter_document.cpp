// The converter's document: the state reset when one opens, the sink it is
// written to (a file that appears only once complete, on a second thread for
// large drawings), and its end.
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
    CDocumentSettings settings;
    settings.insUnits = m_job.m_nInsUnits;
    settings.recordedOptions = RecordedOptionsText(m_options);
    settings.hatchBoundaries = m_options.fillOption == kFillBoth;
    m_output.Begin(std::move(sink), m_tables, settings, &m_job.m_entityCounts);
    return 0;
}

bool CSvgConverter::EndDocument() {
    return m_output.End(m_tables.Pictures(), m_job.m_nOutputError);
}
