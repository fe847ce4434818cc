// The records a writer passes to a sink that formats on a thread of its own:
// a tag byte, then the values in the machine's byte order. Reals and vertices
// stay numbers, so that their formatting (most of a DXF's cost) moves to that
// thread; every other group is formatted here and goes as text.
#include <algorithm>
#include <cstring>

#include "dxf/dxf_writer.h"

namespace {

template <typename T>
char* Store(char* out, T value) {
    std::memcpy(out, &value, sizeof value);
    return out + sizeof value;
}

template <typename T>
const char* Load(const char* in, T& value) {
    std::memcpy(&value, in, sizeof value);
    return in + sizeof value;
}

}  // namespace

char* CDxfWriter::WriteTextRecordHeader(char* out, size_t size) {
    *out++ = kTextRecord;
    return Store(out, uint64_t(size));
}

void CDxfWriter::RecordReal(int gc, double value) const {
    char* out = Free();
    *out++ = kRealRecord;
    EndRecord(Store(Store(out, int32_t(gc)), value));
}

// Any amount of text: what does not fit behind the block goes on in the next.
void CDxfWriter::RecordText(const char* data, size_t size) const {
    while (size > 0) {
        if (kCapacity - m_nUsed <= kTextRecordHeader) FlushBlock();
        const size_t piece = std::min(size, kCapacity - m_nUsed - kTextRecordHeader);
        char* const out = WriteTextRecordHeader(Free(), piece);
        std::memcpy(out, data, piece);
        m_nUsed += kTextRecordHeader + piece;
        data += piece;
        size -= piece;
    }
    if (m_nUsed >= m_nBlockSize) FlushBlock();
}

void CDxfWriter::Replay(const char* records, size_t size) const {
    const char* const end = records + size;
    while (records < end) {
        const char tag = *records++;
        if (tag == kRealRecord) {
            int32_t gc = 0;
            double value = 0;
            records = Load(Load(records, gc), value);
            dxfReal(gc, value);
        } else if (tag == kVertexRecord) {
            double v[5];
            for (double& value : v) records = Load(records, value);
            dxfVertex(v[0], v[1], v[2], v[3], v[4]);
        } else {
            uint64_t length = 0;
            records = Load(records, length);
            Put(records, length);
            records += length;
            if (m_nUsed >= m_nBlockSize) FlushBlock();
        }
    }
}
