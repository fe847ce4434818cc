#pragma once
// Our DL_WriterA: the same group output as dxflib's ASCII writer, formatted
// straight into large blocks that go to a CDxfSink in one write each. For a
// sink that formats on a thread of its own the blocks hold compact records of
// the groups instead (dxf/dxf_records.cpp), which that thread formats with a
// writer of its own through Replay.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include <dl_writer_ascii.h>

#include "platform/output_sink.h"

// Entity type name ("LINE", "HATCH", ...) to how many of it were written.
using CEntityCounts = std::map<std::string, long, std::less<>>;

class CDxfWriter final : public DL_WriterA {
public:
    explicit CDxfWriter(CDxfSink& sink);
    ~CDxfWriter() override;
    CDxfWriter(const CDxfWriter&) = delete;
    CDxfWriter& operator=(const CDxfWriter&) = delete;

    void dxfReal(int gc, double value) const override;
    void dxfInt(int gc, int value) const override;
    void dxfHex(int gc, int value) const override;
    void dxfString(int gc, const char* value) const override;
    void dxfString(int gc, const std::string& value) const override;
    // The groups of one polyline vertex: 10 x, 20 y, 30 z, 40 and 41 the
    // widths. The widths are the same for every vertex of a polyline, so their
    // text is formatted only when they change; a vertex that repeats the one
    // before it copies its text.
    void dxfVertex(double x, double y, double z, double startWidth, double endWidth) const {
        for (double value : {x, y, z, startWidth, endWidth}) CountNonFinite(value);
        if (m_bRecording) return RecordVertex(x, y, z, startWidth, endWidth);
        FormatVertex(x, y, z, startWidth, endWidth);
    }

    // From here on every handle group (5, or 105 of a dimension style) is
    // followed by the handle of its owner (330), as readers expect of table
    // entries, blocks and objects; kNoOwner ends that.
    static constexpr long kNoOwner = -1;
    void OwnBy(long owner) { m_nOwner = owner; }
    // The same inside the TABLES section, kept by the writer itself: each
    // TABLE is owned by the drawing (0), each entry by its TABLE.
    void OwnTableEntries(bool on) { m_bOwningTables = on; }
    // Text formatted elsewhere (groups of another writer), written as it is.
    void WriteText(std::string_view text) const;
    // Handles go on from where another writer's stopped.
    void ContinueHandles(const CDxfWriter& other) { m_handle = other.m_handle; }
    // The first of count handles that no one else will be given.
    unsigned long ReserveHandles(unsigned long count) {
        const unsigned long first = m_handle;
        m_handle += count;
        return first;
    }
    // A string group whose value may be replaced later by one of the same
    // length; returns the value's offset in the output. Only a writer that
    // formats text itself knows it.
    size_t WriteSlot(int gc, std::string_view value) const;

    // Writes what is buffered to the sink and commits it; false when any write failed.
    bool Finish();
    bool Failed() const { return m_bFailed; }
    // Every group 0 from now on starts an entity counted into counts (nullptr: none).
    void CountEntitiesInto(CEntityCounts* counts) { m_pEntityCounts = counts; }
    // How many NaN or infinite reals the writer was handed: each is written as
    // "0.0", a point at the origin, so every emitter must leave such an entity
    // out and tests require this count to stay zero.
    long long NonFiniteReals() const { return m_nNonFiniteReals; }

    // "%.16f" of the largest double has 309 digits before the point.
    static constexpr size_t kMaxRealText = 336;
    // Writes the value text of a real group at out, which has room for
    // kMaxRealText bytes, and returns its end: "%.16f", trailing zeros cut back
    // to one digit after the point; values that are not numbers give "0.0".
    static char* WriteReal(char* out, double value);
    // The value text of a string group: control characters become a space,
    // non-ASCII characters \U+XXXX (see the definition for the details).
    static void AppendDxfText(std::string& out, const char* value, size_t size);

    // Formats a block of records that a recording writer passed on.
    void Replay(const char* records, size_t size) const;
    // A text record (bytes written as they are) of `size` bytes: its header,
    // then the bytes.
    static constexpr size_t kTextRecordHeader = 1 + sizeof(uint64_t);
    static char* WriteTextRecordHeader(char* out, size_t size);

    // Blocks of this size go to the sink in one write.
    static constexpr size_t kBlockSize = size_t(1) << 20;
    // Blocks of records are smaller: the formatting thread starts sooner and
    // has less left to do once the walk ends, and they stay in the cache.
    static constexpr size_t kRecordBlockSize = size_t(1) << 17;

private:
    // Room beyond kBlockSize: the groups of a vertex, or any group of a code
    // and a number, fit into it.
    static constexpr size_t kMaxNumberGroup = 8 + kMaxRealText + 1;
    static constexpr size_t kCapacity = kBlockSize + 5 * kMaxNumberGroup;
    // A block is flushed once it holds m_nBlockSize bytes, so a new group always
    // starts with room for five number groups at Free().
    char* Free() const { return m_block.get() + m_nUsed; }
    char* GroupStart() const;
    void EndGroup(char* end) const;
    // Counted where the values are handed over, so that a recording writer
    // counts what its sink's thread formats.
    void CountNonFinite(double value) const { m_nNonFiniteReals += !std::isfinite(value); }
    void RecordReal(int gc, double value) const;
    void FormatVertex(double x, double y, double z, double startWidth, double endWidth) const;
    // Inline: recording a vertex is most of what the walk does with the writer.
    void RecordVertex(double x, double y, double z, double startWidth, double endWidth) const {
        char* out = Free();
        *out++ = kVertexRecord;
        for (double value : {x, y, z, startWidth, endWidth}) {
            std::memcpy(out, &value, sizeof value);
            out += sizeof value;
        }
        EndRecord(out);
    }
    void RecordText(const char* data, size_t size) const;
    void EndRecord(char* end) const {
        m_nUsed = size_t(end - m_block.get());
        if (m_nUsed >= m_nBlockSize) FlushBlock();
    }
    // The tag byte that starts each record.
    static constexpr char kRealRecord = 'R', kVertexRecord = 'V', kTextRecord = 'T';
    char* RepeatedReal(char* out, double value) const;
    char* RecentReal(char* out, double value) const;
    void Put(const char* data, size_t size) const;
    void StringGroup(int gc, const char* value, size_t size) const;
    void FlushBlock() const;
    void CountEntity(const char* name, size_t size) const;
    void FollowTables(std::string_view type) const;
    void WriteOwner(int gc, int handle) const;

    CDxfSink& m_sink;
    mutable std::unique_ptr<char[]> m_block;  // a threaded sink swaps it for an empty one
    mutable size_t m_nUsed = 0;
    const bool m_bRecording;  // blocks of records, not text
    const size_t m_nBlockSize;
    mutable std::string m_strText;  // the encoded value of a string group
    // The last few values of real groups and coordinates with their texts:
    // flattened curves repeat the point where one piece ends as the start of
    // the next, and a hatch edge starts where the one before it ended.
    static constexpr int kRecentReals = 4;
    static constexpr size_t kRecentTextSize = 32;  // longer texts are not kept
    struct CRecentReal {
        uint64_t bits = 0;
        unsigned char length = 0;  // 0: the slot holds nothing
        char text[kRecentTextSize];
    };
    mutable CRecentReal m_recent[kRecentReals];
    mutable int m_nNextRecent = 0;
    mutable uint64_t m_nRepeatedBits = 0;
    mutable std::string m_strRepeatedText;  // empty until the first repeated real
    mutable bool m_bFailed = false;
    mutable size_t m_nFlushedBytes = 0;  // passed to the sink before the block
    mutable long m_nOwner = kNoOwner;
    bool m_bOwningTables = false;
    mutable bool m_bTableHandleNext = false;  // a TABLE's own handle comes next
    CEntityCounts* m_pEntityCounts = nullptr;
    mutable long long m_nNonFiniteReals = 0;
};
