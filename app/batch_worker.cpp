#include "app/batch_worker.h"

#include <QFile>

#include "convert/output_clashes.h"
#include "convert/svg_converter.h"

namespace {

QString DisplayText(const std::string& text) {
    return QFile::decodeName(QByteArray::fromStdString(text));
}

}  // namespace

CBatchWorker::CBatchWorker(CSvgConverter& converter, std::vector<std::string> inputs,
                           QObject* parent)
    : QObject(parent), m_converter(converter), m_inputs(std::move(inputs)) {}

CBatchWorker::~CBatchWorker() {
    Stop();
    Wait();
}

void CBatchWorker::Wait() {
    if (m_thread.joinable()) m_thread.join();
}

void CBatchWorker::Start() { m_thread = std::thread([this] { Run(); }); }

void CBatchWorker::Run() {
    m_converter.SetCancelFlag(&m_bStop);
    m_converter.SetMessageSink(this);
    // Decided before any conversion, in list order, as the command line does.
    const std::vector<std::string> clashes = FindOutputClashes(m_inputs);
    for (size_t row = 0; row < m_inputs.size() && !m_bStop; ++row) {
        CBatchNews news{CBatchNews::RowDone, int(row), ConvertRow(m_inputs[row], clashes[row]), {}};
        Tell(std::move(news));
    }
    m_converter.SetMessageSink(nullptr);
    m_converter.SetCancelFlag(nullptr);
    Tell(CBatchNews{});
}

void CBatchWorker::Tell(CBatchNews news) {
    {
        const std::lock_guard<std::mutex> hold(m_newsLock);
        m_news.push_back(std::move(news));
    }
    emit NewsArrived();
}

bool CBatchWorker::TakeNews(CBatchNews& news) {
    const std::lock_guard<std::mutex> hold(m_newsLock);
    if (m_news.empty()) return false;
    news = std::move(m_news.front());
    m_news.pop_front();
    return true;
}

CRowResult CBatchWorker::ConvertRow(const std::string& input, const std::string& earlierClaim) {
    m_warnings.clear();
    CRowResult result;
    std::string outName;
    std::string reason;
    if (!earlierClaim.empty())
        reason = ClashReason(CSvgConverter::DeriveOutputName(input), earlierClaim);
    else if (m_converter.ConvertFile(input, outName))
        result.converted = true;
    else
        reason = m_converter.FailureReason();
    if (result.converted) {
        result.outName = DisplayText(outName);
    } else {
        result.reason = DisplayText(reason);
        result.failure = DisplayText(input) + QStringLiteral(": ") + result.reason;
    }
    result.warnings = std::move(m_warnings);
    m_warnings.clear();
    return result;
}

void CBatchWorker::ShowMessage(const std::string& text) {
    // The row keeps it too: the box alone does not say which file it was.
    Warn(text);
    CBatchNews news;
    news.kind = CBatchNews::Message;
    news.message = DisplayText(text);
    Tell(std::move(news));
}

void CBatchWorker::Warn(const std::string& text) { m_warnings << DisplayText(text); }
