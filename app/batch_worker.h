#pragma once
// The Convert batch on a thread of its own, so that the window keeps
// repainting, moving and scrolling while files convert. The dialog hands its
// converter over for the batch and leaves it alone until the batch's end.
// The worker tells the window only through its NewsArrived signal, which
// arrives queued; the news itself waits in a locked queue, a hand-over that
// ThreadSanitizer can follow (Qt's own queue locks inside QtCore, which a
// sanitized build does not instrument).
#include <atomic>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <QObject>
#include <QString>
#include <QStringList>

#include "platform/message_sink.h"

class CSvgConverter;

// How one row ended: the DXF name, else the reason and the failure line
// "<input>: <reason>" (the command line prints the same after its program
// name); either way the warnings about parts of the drawing left out.
struct CRowResult {
    bool converted = false;
    QString outName;
    QString reason;
    QString failure;
    QStringList warnings;
};

// One thing the worker has to tell, in the order it happened.
struct CBatchNews {
    enum Kind { RowDone, Message, Finished };
    Kind kind = Finished;
    int row = -1;       // RowDone
    CRowResult result;  // RowDone
    QString message;    // Message: the parser's text about a cut-off document
};

class CBatchWorker : public QObject, private IMessageSink {
    Q_OBJECT
public:
    // inputs in list order, as local file names.
    CBatchWorker(CSvgConverter& converter, std::vector<std::string> inputs, QObject* parent);
    ~CBatchWorker() override;  // stops the batch and waits for its thread

    void Start();
    // Until the thread has ended; after the Finished news that is at once,
    // and from then on the converter is the caller's again.
    void Wait();
    // Abandons the file in progress (its temporary file removed, an earlier
    // DXF of its name kept) and the rows after it. Any thread.
    void Stop() { m_bStop = true; }
    // The oldest news not taken yet; false when there is none.
    bool TakeNews(CBatchNews& news);

signals:
    // Something was added to the news. The worker never waits for it to be
    // taken: a modal box on the window's thread cannot hold up the batch.
    void NewsArrived();

private:
    void Run();
    CRowResult ConvertRow(const std::string& input, const std::string& earlierClaim);
    void Tell(CBatchNews news);
    void ShowMessage(const std::string& text) override;
    void Warn(const std::string& text) override;

    CSvgConverter& m_converter;
    const std::vector<std::string> m_inputs;
    std::atomic<bool> m_bStop{false};
    QStringList m_warnings;  // of the file in progress; the worker thread's alone
    std::mutex m_newsLock;
    std::deque<CBatchNews> m_news;
    std::thread m_thread;
};
