#pragma once
// A sink that formats and writes on a thread of its own: the converting
// thread passes blocks of records (see CDxfWriter), this thread turns them
// into text with a writer of its own and writes that to the real sink, so
// number formatting and the kernel's copy into the page cache leave the walk.
// Blocks stay in order; only a few are in flight, so memory does not grow
// with the drawing.
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "dxf/dxf_writer.h"
#include "platform/output_sink.h"

class CThreadedSink final : public CDxfSink {
public:
    // Starts the thread, then takes the target over; when no thread can be
    // started, throws std::system_error and leaves the target to the caller.
    explicit CThreadedSink(std::unique_ptr<CDxfSink>& target);
    // Without a Commit, blocks not yet written are dropped and the target is
    // destroyed unfinished (a file sink removes its temporary file).
    ~CThreadedSink() override;
    CThreadedSink(const CThreadedSink&) = delete;
    CThreadedSink& operator=(const CThreadedSink&) = delete;

    bool TakesRecords() const override { return true; }
    bool PassBlock(std::unique_ptr<char[]>& block, size_t size, size_t capacity) override;
    // Text from anyone but a recording writer: it goes out as it is.
    bool Write(const char* data, size_t size) override;
    // Handed to the target on the thread, after the last block.
    void RewriteAtCommit(size_t offset, std::string bytes) override;
    // Waits until every block is written, then commits the target.
    bool Commit() override;
    // The errno of the first failed write, or of a failed Commit.
    int Error() const override;

    // Queued blocks beyond the one being formatted; the caller waits for room.
    static constexpr size_t kQueuedBlocks = 4;

private:
    struct CBlock {
        std::unique_ptr<char[]> data;
        size_t size = 0;
        size_t capacity = 0;
    };
    void Run();
    bool FormatNext(std::unique_lock<std::mutex>& lock);
    int Format(const CBlock& block);
    int TargetError() const;
    void Finish(std::unique_lock<std::mutex>& lock);
    CBlock TakeFreeBlock(size_t capacity);
    bool WaitForRoom(std::unique_lock<std::mutex>& lock);  // false after a failure
    void Queue(CBlock block, std::unique_lock<std::mutex>& lock);
    void Stop(bool dropQueued);

    std::unique_ptr<CDxfSink> m_pTarget;
    std::unique_ptr<CDxfWriter> m_pFormatter;  // used by the thread only
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<CBlock> m_queued;
    std::vector<CBlock> m_free;  // formatted blocks, reused for the next ones
    bool m_bEnding = false;      // no more blocks come
    bool m_bDropping = false;    // and the queued ones are not wanted
    bool m_bFailed = false;      // a write to the target failed
    bool m_bCommitted = false;
    int m_nError = 0;
    std::thread m_thread;
};
