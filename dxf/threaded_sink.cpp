// The writing thread and its handover: a queue of full blocks one way, the
// written ones back for reuse, both under one mutex.
#include "dxf/threaded_sink.h"

#include <cstring>

// The thread touches the target only for a queued block, which comes after this.
CThreadedSink::CThreadedSink(std::unique_ptr<CDxfSink>& target)
    : m_thread([this] { Run(); }) {
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
    while (WriteNext(lock)) {
    }
}

// Writes the oldest queued block with the lock released; false once nothing
// more is to be written. After a failure the rest is only recycled.
bool CThreadedSink::WriteNext(std::unique_lock<std::mutex>& lock) {
    m_changed.wait(lock, [this] { return !m_queued.empty() || m_bEnding; });
    if (m_queued.empty() || m_bDropping) return false;
    CBlock block = std::move(m_queued.front());
    m_queued.pop_front();
    const bool skip = m_bFailed;
    lock.unlock();
    bool written = skip;
    int error = 0;
    if (!skip) {
        try {
            written = m_pTarget->Write(block.data.get(), block.size);
        } catch (...) {  // an in-memory target out of memory: the document fails
        }
        if (!written) error = m_pTarget->Error();
    }
    lock.lock();
    if (!written) {
        m_bFailed = true;
        m_nError = error;
    }
    m_free.push_back(std::move(block));
    m_changed.notify_all();
    return true;
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

bool CThreadedSink::PassBlock(std::unique_ptr<char[]>& block, size_t size, size_t capacity) {
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!WaitForRoom(lock)) return false;
    CBlock empty = TakeFreeBlock(capacity);
    m_queued.push_back(CBlock{std::move(block), size, capacity});
    block = std::move(empty.data);
    lock.unlock();
    m_changed.notify_all();
    return true;
}

// Writers that pass no blocks of their own: a copy is queued.
bool CThreadedSink::Write(const char* data, size_t size) {
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!WaitForRoom(lock)) return false;
    CBlock copy = TakeFreeBlock(size);
    if (size > 0) std::memcpy(copy.data.get(), data, size);
    copy.size = size;
    m_queued.push_back(std::move(copy));
    lock.unlock();
    m_changed.notify_all();
    return true;
}

bool CThreadedSink::Commit() {
    Stop(false);
    if (m_bFailed) return false;
    if (m_pTarget->Commit()) return true;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_nError = m_pTarget->Error();
    return false;
}

int CThreadedSink::Error() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_nError;
}
