// The conversion job: one SVG file into one DXF file, in fixed phases with
// fixed progress steps.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <new>
#include <sys/stat.h>

#include "convert/classic_differences.h"
#include "convert/input_text.h"
#include "convert/svg_converter.h"
#include "convert/svg_element.h"
#include "platform/message_sink.h"
#include "platform/progress_sink.h"
#include "svg/classic_walker.h"
#include "svg/layer_names.h"
#include "svg/raw_scan.h"
#include "xml/xml_parser.h"

namespace {

// The whole file in memory; 0, or the errno of the failure to open or read it.
int ReadWholeFile(const std::string& path, std::string& content) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return errno;
    // Read straight into a string sized from the file's length (one byte more
    // to see the end): growing it by appending copied a large drawing several times.
    struct stat info {};
    const bool sized = fstat(fileno(file), &info) == 0 && info.st_size > 0;
    content.assign(sized ? size_t(info.st_size) + 1 : size_t(1) << 16, '\0');
    size_t used = 0, got = 0;
    while ((got = std::fread(&content[used], 1, content.size() - used, file)) > 0) {
        used += got;
        if (used == content.size()) content.resize(2 * used);
    }
    content.resize(used);
    const int error = std::ferror(file) ? (errno ? errno : EIO) : 0;
    std::fclose(file);
    return error;
}

std::string ErrnoText(int error) { return std::strerror(error ? error : EIO); }

// Thrown through the walk when the cancel flag is set; the job turns it into a failure.
struct CCancelled : std::exception {
    const char* what() const noexcept override { return "interrupted"; }
};

}  // namespace

// Drops an open document: its temporary file goes, an earlier DXF stays.
void CSvgConverter::AbandonDocument() {
    m_output.Abandon();
}

void CSvgConverter::ReportProgress(int percent) {
    if (m_pProgress) m_pProgress->SetPos(percent);
}

void CSvgConverter::ThrowIfCancelled() const {
    if (Cancelled()) throw CCancelled();
}

bool CSvgConverter::Fail(std::string reason) {
    m_job.m_strFailureReason = std::move(reason);
    return false;
}

bool CSvgConverter::FailToWrite() {
    return Fail("cannot write " + m_job.m_strOutputPath + ": " + ErrnoText(m_job.m_nOutputError));
}

bool CSvgConverter::ConvertFile(std::string inputPath, std::string& outName) {
    return ConvertInput(std::move(inputPath), nullptr, outName);
}

bool CSvgConverter::ConvertContent(std::string name, std::string content, std::string& outName) {
    return ConvertInput(std::move(name), &content, outName);
}

void CSvgConverter::StartFile(const std::string& inputPath, std::string& outName) {
    // Every part starts afresh, so a file converts the same alone or in a batch.
    ResetForFile();
    outName = DeriveOutputName(inputPath);
    m_job.m_strInputPath = inputPath;
    m_job.m_strOutputPath = m_options.outputFolder + outName;
}

void CSvgConverter::WarnAboutLeftOutEntities() {
    const long leftOut = m_shapes.NonFiniteLeftOut();
    if (leftOut == 0 || !m_pMessages) return;
    m_pMessages->Warn(std::to_string(leftOut) + (leftOut == 1 ? " entity" : " entities") +
                      " left out: coordinates not finite");
}

void CSvgConverter::PrepareClassicReading() {
    std::vector<std::string> layers;
    vx::CollectLayerNames(m_xmlRoot, layers);
    m_tables.SetLayerNames(std::move(layers));
    m_job.m_nClassicDifferences = CountClassicDifferences(m_xmlRoot);
}

// The parser's "Warning Tag Block is Incomplete" does not say what it means for the DXF.
void CSvgConverter::WarnIfCutOff() {
    if (!m_xmlRoot.m_bEndOfFile || !m_pMessages) return;
    m_pMessages->Warn("the drawing ends before its closing tag: the DXF holds only what was read");
}

// given is null when the input is read from inputPath here.
bool CSvgConverter::ConvertInput(std::string inputPath, std::string* given, std::string& outName) {
    StartFile(inputPath, outName);
    try {
        std::string content;
        ThrowIfCancelled();
        if (given)
            content = std::move(*given);
        else if (const int error = ReadWholeFile(inputPath, content))
            return Fail(std::string("cannot read: ") + ErrnoText(error));
        if (std::string failure; !vx::DecodeInputText(content, failure)) return Fail(failure);
        if (m_pProgress) m_pProgress->Show(inputPath);
        ReportProgress(0);

        vx::ScanRawText(m_tables, content);
        ReportProgress(5);

        // A document that stops parsing part way is converted as far as it was built.
        // Any root element: a drawing's svg may sit inside other markup.
        LoadXml(m_xmlRoot, content, std::string(), m_pMessages);
        // Empty files, pictures and other texts are no drawing: they write nothing.
        if (!vx::HoldsSvgElement(m_xmlRoot)) {
            m_xmlRoot.Clear();
            return Fail("not an SVG drawing");
        }
        WarnIfCutOff();
        const size_t inputBytes = content.size();
        content = std::string();
        ReportProgress(12);

        if (m_options.svgRules == SvgRules::Browser)
            PrepareBrowserReading();
        else
            PrepareClassicReading();
        ReportProgress(15);

        m_job.m_nInputBytes = static_cast<long long>(inputBytes);
        const int opened = m_options.outputFd >= 0
                               ? BeginDocumentOn(OnWritingThread(
                                     std::make_unique<CDescriptorSink>(m_options.outputFd)))
                               : BeginDocument(m_job.m_strOutputPath);
        if (opened == -1) return FailToWrite();
        if (m_options.svgRules == SvgRules::Browser) {
            if (!ReadAsBrowser()) {
                AbandonDocument();
                m_xmlRoot.Clear();
                return false;
            }
        } else {
            const CClassicWalkParts parts{m_walker, m_definitions, m_groupTransforms, m_tables,
                                          m_shapes, *this};
            CClassicWalker(parts, m_options.fillOption).Walk(m_xmlRoot);
        }
        m_xmlRoot.Clear();
        if (PathBudgetSpent()) {
            // Path data beyond any real drawing's: an incomplete DXF is not a success.
            AbandonDocument();
            return Fail("path data beyond the work limit (more points than any real drawing "
                        "of this size)");
        }
        ThrowIfCancelled();
        if (!EndDocument()) return FailToWrite();
    } catch (const std::bad_alloc&) {
        // Out of memory: this file fails, the batch goes on.
        AbandonDocument();
        m_xmlRoot.Clear();
        return Fail("out of memory");
    } catch (const std::exception& error) {
        AbandonDocument();
        m_xmlRoot.Clear();
        return Fail(error.what());
    }

    WarnAboutLeftOutEntities();
    const std::string hint = ClassicDifferencesWarning(m_job.m_nClassicDifferences);
    if (!hint.empty() && m_pMessages) m_pMessages->Warn(hint);
    ReportProgress(100);
    if (m_pProgress) m_pProgress->Hide();
    return true;
}
