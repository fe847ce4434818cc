#pragma once
// CSvgConverter: the conversion engine. One object converts every file of a
// batch; it owns the parts that the walkers and the shape writer share (the
// element tree, the walker state, the definitions, the group transforms, the
// DXF tables and output), each with its own state and reset. Either walker
// hands its drawables straight to the shape writer; the converter runs the
// job around them (progress, cancellation, failures).
#include <atomic>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/records.h"
#include "convert/convert_options.h"
#include "convert/job_state.h"
#include "dxf/document_tables.h"
#include "dxf/dxf_output.h"
#include "dxf/shapes/shape_writer.h"
#include "geometry/path_parser.h"
#include "platform/output_sink.h"
#include "resolve/resolved_drawing.h"
#include "base/walk_control.h"
#include "svg/definitions.h"
#include "svg/group_transforms.h"
#include "svg/walker_state.h"
#include "xml/xml_node.h"

class IProgressSink;
class IMessageSink;
class IProfile;
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

class CSvgConverter : public vx::IWalkControl {
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
    void SetMessageSink(IMessageSink* sink) {
        m_pMessages = sink;
        m_shapes.SetMessages(sink);
    }
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
    // What the last converted document holds: entity type name to count.
    const CEntityCounts& EntityCounts() const { return m_job.m_entityCounts; }

    bool ConvertInput(std::string inputPath, std::string* content, std::string& outName);
    void StartFile(const std::string& inputPath, std::string& outName);
    void WarnAboutLeftOutEntities();
    void WarnIfCutOff();
    // Before the document opens: the layer table, and what a browser would draw differently.
    void PrepareClassicReading();

    // ---- The browser reading (convert/converter_browser.cpp, resolve/) ---
    // Walks the tree as a browser does; false (with the failure reason set) when
    // use references expand beyond the work limit.
    bool ReadAsBrowser();
    // Before the document opens: the layer table (group ids, Inkscape layers by
    // their labels) and the units the header declares.
    void PrepareBrowserReading();

    // ---- The group transforms (convert/converter_transforms.cpp) --------
    void ResetTransforms();
    CGroupTransforms& GroupTransforms() { return m_groupTransforms; }
    // The document's reader state, for every path, marker and symbol it reads.
    vx::CPathReaderState& PathReaderState() { return m_pathReader; }

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
    long long NonFiniteRealsWritten() const { return m_output.NonFiniteReals(); }


    // ---- The parts' state, for the command line, the dialog and tests ---
    const CConvertOptions& Options() const { return m_options; }
    void SetOptions(CConvertOptions options);
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
    CShapeWriter& Shapes() { return m_shapes; }

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
    CShapeWriter m_shapes{{m_options.fillOption, m_options.imageFetch, m_options.imageCaFile,
                           m_options.outputFolder, m_job.m_strInputPath, m_job.m_strOutputPath},
                          m_pathReader, m_tables, m_output};

    // Platform services.
    IProgressSink* m_pProgress = nullptr;
    IMessageSink* m_pMessages = nullptr;
    IProfile* m_pProfile = nullptr;
    const std::atomic<bool>* m_pCancel = nullptr;
};
