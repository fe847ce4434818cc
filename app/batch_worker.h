#pragma once
// The Convert batch on a thread of its own, so that the window keeps
// repainting, moving and scrolling while files convert. The dialog hands its
// converter over for the batch and leaves it alone until Finished; the worker
// reaches the window only through its signals, which arrive queued.
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include <QObject>
#include <QString>
#include <QStringList>

#include "platform/message_sink.h"

class CSvgConverter;

// How one row ended: the DXF name, else the failure line "<input>: <reason>"
// (the command line prints the same after its program name); either way the
// warnings about parts of the drawing left out.
struct CRowResult {
    bool converted = false;
    QString outName;
    QString failure;
    QStringList warnings;
};

class CBatchWorker : public QObject, private IMessageSink {
    Q_OBJECT
public:
    // inputs in list order, as local file names.
    CBatchWorker(CSvgConverter& converter, std::vector<std::string> inputs, QObject* parent);
    ~CBatchWorker() override;  // stops the batch and waits for its thread

    void Start();
    // Until the thread has ended; after Finished that is at once, and from
    // then on the converter is the caller's again.
    void Wait();
    // Abandons the file in progress (its temporary file removed, an earlier
    // DXF of its name kept) and the rows after it. Any thread.
    void Stop() { m_bStop = true; }

signals:
    void RowDone(int row, const CRowResult& result);
    // The parser's message about a cut-off document. The worker goes on
    // without waiting for the message to be read: a modal box on the
    // window's thread cannot hold up, let alone deadlock, the batch.
    void MessageRaised(const QString& text);
    void Finished();

private:
    void Run();
    CRowResult ConvertRow(const std::string& input, const std::string& earlierClaim);
    void ShowMessage(const std::string& text) override;
    void Warn(const std::string& text) override;

    CSvgConverter& m_converter;
    const std::vector<std::string> m_inputs;
    std::atomic<bool> m_bStop{false};
    QStringList m_warnings;  // of the file in progress; the worker thread's alone
    std::thread m_thread;
};
