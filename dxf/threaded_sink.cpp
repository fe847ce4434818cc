// The formatting thread and its handover: a queue of full blocks one way, the
// formatted ones back for reuse, both under one mutex.
#include "dxf/threaded_sink.h"

#include <cerrno>
#include <cstring>
#include <new>

// The thread touches the target only for a queued block or at its end, both
// of which come after this.
CThreadedSink::CThreadedSink(std::unique_ptr<CDxfSink>& target)
    : m_pFormatter(std::make_unique<CDxfWriter>(*target)), m_thread([this] { Run(); }) {
    m_pTarget = std::move(target);
}

CThreadedSink::~CThreadedSink() { Stop(true); }

void CThreadedSink::Stop(bool dropQueued) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bEnding = true;
        m_bDropping = m_bDropping || dropQueued;
    }
    m_changed.notify_all();
    if (m_thread.joinable()) m_thread.join();
}

void CThreadedSink::Run() {
    std::unique_lock<std::mutex> lock(m_mutex);
    while (FormatNext(lock)) {
    }
    if (!m_bDropping && !m_bFailed) Finish(lock);
}

// Formats the oldest queued block with the lock released; false once nothing
// more is to be formatted. After a failure the rest is only recycled.
bool CThreadedSink::FormatNext(std::unique_lock<std::mutex>& lock) {
    m_changed.wait(lock, [this] { return !m_queued.empty() || m_bEnding; });
    if (m_queued.empty() || m_bDropping) return false;
    CBlock block = std::move(m_queued.front());
    m_queued.pop_front();
    const bool skip = m_bFailed;
    lock.unlock();
    const int error = skip ? 0 : Format(block);
    lock.lock();
    if (error != 0) {
        m_bFailed = true;
        m_nError = error;
    }
    m_free.push_back(std::move(block));
    m_changed.notify_all();
    return true;
}

// 0, or the errno of the failure (EIO when the target knows none).
int CThreadedSink::Format(const CBlock& block) {
    try {
        m_pFormatter->Replay(block.data.get(), block.size);
    } catch (const std::bad_alloc&) {  // an in-memory target out of memory
        return ENOMEM;
    }
    return m_pFormatter->Failed() ? TargetError() : 0;
}

int CThreadedSink::TargetError() const {
    const int error = m_pTarget->Error();
    return error != 0 ? error : EIO;
}

void CThreadedSink::Finish(std::unique_lock<std::mutex>& lock) {
    std::vector<CRewrite> rewrites = std::move(m_rewrites);
    lock.unlock();
    int error = ENOMEM;
    try {
        for (CRewrite& rewrite : rewrites)
            m_pTarget->RewriteAtCommit(rewrite.offset, std::move(rewrite.bytes));
        error = m_pFormatter->Finish() ? 0 : TargetError();
    } catch (const std::bad_alloc&) {
    }
    lock.lock();
    m_bCommitted = error == 0;
    m_nError = error;
}

CThreadedSink::CBlock CThreadedSink::TakeFreeBlock(size_t capacity) {
    for (CBlock& block : m_free) {
        if (block.capacity < capacity) continue;
        CBlock taken = std::move(block);
        block = std::move(m_free.back());
        m_free.pop_back();
        return taken;
    }
    return CBlock{std::unique_ptr<char[]>(new char[capacity]), 0, capacity};
}

bool CThreadedSink::WaitForRoom(std::unique_lock<std::mutex>& lock) {
    m_changed.wait(lock, [this] { return m_queued.size() < kQueuedBlocks || m_bFailed; });
    return !m_bFailed;
}

void CThreadedSink::Queue(CBlock block, std::unique_lock<std::mutex>& lock) {
    m_queued.push_back(std::move(block));
    lock.unlock();
    m_changed.notify_all();
}

bool CThreadedSink::PassBlock(std::unique_ptr<char[]>& block, size_t size, size_t capacity) {
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!WaitForRoom(lock)) return false;
    CBlock empty = TakeFreeBlock(capacity);
    Queue(CBlock{std::move(block), size, capacity}, lock);
    block = std::move(empty.data);
    return true;
}

bool CThreadedSink::Write(const char* data, size_t size) {
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!WaitForRoom(lock)) return false;
    CBlock record = TakeFreeBlock(CDxfWriter::kTextRecordHeader + size);
    char* const text = CDxfWriter::WriteTextRecordHeader(record.data.get(), size);
    if (size > 0) std::memcpy(text, data, size);
    record.size = CDxfWriter::kTextRecordHeader + size;
    Queue(std::move(record), lock);
    return true;
}

void CThreadedSink::RewriteAtCommit(size_t offset, std::string bytes) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_rewrites.push_back({offset, std::move(bytes)});
}

bool CThreadedSink::Commit() {
    Stop(false);
    return m_bCommitted;
}

int CThreadedSink::Error() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_nError;
}
