// Group output of CDxfWriter: the code line, the value line, and the block
// that collects them for the sink.
#include "dxf/dxf_writer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <initializer_list>
#include <cstring>
#include <string_view>

namespace {

// Enough for any int in decimal or hexadecimal.
constexpr size_t kIntText = 16;

// The code line of a group, padded on the left to three characters as dxflib
// pads it; the eight bytes are copied whole, `length` of them count.
struct CCodeLine {
    char text[8] = {};
    unsigned char length = 0;
};

constexpr int kTabledCodes = 1100;  // DXF codes end at 1071

constexpr CCodeLine MakeCodeLine(int gc) {
    CCodeLine line;
    char digits[4] = {};
    int count = 0;
    for (int rest = gc; count == 0 || rest > 0; rest /= 10) digits[count++] = char('0' + rest % 10);
    int at = 0;
    for (int pad = count; pad < 3; ++pad) line.text[at++] = ' ';
    while (count > 0) line.text[at++] = digits[--count];
    line.text[at++] = '\n';
    line.length = static_cast<unsigned char>(at);
    return line;
}

constexpr std::array<CCodeLine, kTabledCodes> MakeCodeLines() {
    std::array<CCodeLine, kTabledCodes> lines{};
    for (int gc = 0; gc < kTabledCodes; ++gc) lines[size_t(gc)] = MakeCodeLine(gc);
    return lines;
}

constexpr std::array<CCodeLine, kTabledCodes> kCodeLines = MakeCodeLines();

char* WriteCodeLine(char* out, int gc) {
    if (gc >= 0 && gc < kTabledCodes) {
        const CCodeLine& line = kCodeLines[size_t(gc)];
        std::memcpy(out, line.text, sizeof line.text);
        return out + line.length;
    }
    // Codes outside the table (negative ones): the same padding, computed.
    if (gc < 10) *out++ = ' ';
    if (gc < 100) *out++ = ' ';
    out = std::to_chars(out, out + kIntText, gc).ptr;
    *out++ = '\n';
    return out;
}

}  // namespace

// The base opens no file for an empty name; every byte goes to the sink instead.
CDxfWriter::CDxfWriter(CDxfSink& sink)
    : DL_WriterA(""),
      m_sink(sink),
      m_block(new char[kCapacity]),
      m_bRecording(sink.TakesRecords()),
      m_nBlockSize(m_bRecording ? kRecordBlockSize : kBlockSize) {}

CDxfWriter::~CDxfWriter() = default;

// Short groups other than reals are formatted where they go: into the block,
// or when recording behind the header of the text record they become.
char* CDxfWriter::GroupStart() const {
    return m_bRecording ? Free() + kTextRecordHeader : Free();
}

void CDxfWriter::EndGroup(char* end) const {
    *end++ = '\n';
    if (m_bRecording) WriteTextRecordHeader(Free(), size_t(end - Free()) - kTextRecordHeader);
    m_nUsed = size_t(end - m_block.get());
    if (m_nUsed >= m_nBlockSize) FlushBlock();
}

void CDxfWriter::FlushBlock() const {
    if (!m_bFailed && m_nUsed > 0 && !m_sink.PassBlock(m_block, m_nUsed, kCapacity))
        m_bFailed = true;
    m_nFlushedBytes += m_nUsed;
    m_nUsed = 0;
}

void CDxfWriter::WriteText(std::string_view text) const {
    if (m_bRecording) return RecordText(text.data(), text.size());
    Put(text.data(), text.size());
    if (m_nUsed >= m_nBlockSize) FlushBlock();
}

size_t CDxfWriter::WriteSlot(int gc, std::string_view value) const {
    StringGroup(gc, value.data(), value.size());
    return m_nFlushedBytes + m_nUsed - value.size() - 1;
}

// Any amount of text: what does not fit behind the block goes in pieces.
void CDxfWriter::Put(const char* data, size_t size) const {
    while (size > 0) {
        if (m_nUsed == kCapacity) FlushBlock();
        const size_t piece = std::min(size, kCapacity - m_nUsed);
        std::memcpy(Free(), data, piece);
        m_nUsed += piece;
        data += piece;
        size -= piece;
    }
}

void CDxfWriter::dxfReal(int gc, double value) const {
    CountNonFinite(value);
    if (m_bRecording) return RecordReal(gc, value);
    EndGroup(RecentReal(WriteCodeLine(Free(), gc), value));
}

char* CDxfWriter::RecentReal(char* out, double value) const {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (const CRecentReal& recent : m_recent) {
        if (recent.bits == bits && recent.length > 0) {
            std::memcpy(out, recent.text, kRecentTextSize);  // the block has room for all
            return out + recent.length;
        }
    }
    char* const end = WriteReal(out, value);
    const size_t length = size_t(end - out);
    if (length <= kRecentTextSize) {
        CRecentReal& slot = m_recent[m_nNextRecent];
        m_nNextRecent = (m_nNextRecent + 1) % kRecentReals;
        slot.bits = bits;
        slot.length = static_cast<unsigned char>(length);
        std::memcpy(slot.text, out, length);
    }
    return end;
}

// The value text of a width, kept while the width stays the same.
char* CDxfWriter::RepeatedReal(char* out, double value) const {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    if (m_strRepeatedText.empty() || bits != m_nRepeatedBits) {
        char text[kMaxRealText];
        m_strRepeatedText.assign(text, WriteReal(text, value));
        m_nRepeatedBits = bits;
    }
    std::memcpy(out, m_strRepeatedText.data(), m_strRepeatedText.size());
    return out + m_strRepeatedText.size();
}

void CDxfWriter::FormatVertex(double x, double y, double z, double startWidth,
                              double endWidth) const {
    char* out = RecentReal(WriteCodeLine(Free(), 10), x);
    *out++ = '\n';
    out = RecentReal(WriteCodeLine(out, 20), y);
    *out++ = '\n';
    out = WriteReal(WriteCodeLine(out, 30), z);
    *out++ = '\n';
    out = RepeatedReal(WriteCodeLine(out, 40), startWidth);
    *out++ = '\n';
    EndGroup(RepeatedReal(WriteCodeLine(out, 41), endWidth));
}

void CDxfWriter::dxfInt(int gc, int value) const {
    char* out = WriteCodeLine(GroupStart(), gc);
    EndGroup(std::to_chars(out, out + kIntText, value).ptr);
}

void CDxfWriter::dxfHex(int gc, int value) const {
    // "%0X" of the int: its bits as unsigned, upper-case digits, no padding.
    char* const start = WriteCodeLine(GroupStart(), gc);
    char* const end = std::to_chars(start, start + kIntText, static_cast<unsigned>(value), 16).ptr;
    for (char* c = start; c != end; ++c)
        if (*c >= 'a') *c = static_cast<char>(*c - 'a' + 'A');
    EndGroup(end);
    if (gc == 5 || gc == 105) WriteOwner(gc, value);
}

void CDxfWriter::WriteOwner(int gc, int handle) const {
    if (m_bTableHandleNext && gc == 5) {
        m_bTableHandleNext = false;
        dxfHex(330, 0);
        m_nOwner = handle;
    } else if (m_nOwner != kNoOwner) {
        dxfHex(330, int(m_nOwner));
    }
}

void CDxfWriter::FollowTables(std::string_view type) const {
    if (type == "TABLE") m_bTableHandleNext = true;
    if (type == "ENDTAB") m_nOwner = kNoOwner;
}

void CDxfWriter::StringGroup(int gc, const char* value, size_t size) const {
    if (gc == 0 && m_pEntityCounts) CountEntity(value, size);
    if (gc == 0 && m_bOwningTables) FollowTables(std::string_view(value, size));
    if (m_bRecording) {
        char codeLine[2 * kIntText];
        m_strText.assign(codeLine, WriteCodeLine(codeLine, gc));
        AppendDxfText(m_strText, value, size);
        m_strText += '\n';
        return RecordText(m_strText.data(), m_strText.size());
    }
    m_nUsed = size_t(WriteCodeLine(Free(), gc) - m_block.get());
    m_strText.clear();
    AppendDxfText(m_strText, value, size);
    Put(m_strText.data(), m_strText.size());
    if (m_nUsed == kCapacity) FlushBlock();
    EndGroup(Free());
}

void CDxfWriter::CountEntity(const char* name, size_t size) const {
    const std::string_view type(name, size);
    const auto found = m_pEntityCounts->find(type);
    if (found != m_pEntityCounts->end())
        ++found->second;
    else
        m_pEntityCounts->emplace(std::string(type), 1);
}

void CDxfWriter::dxfString(int gc, const char* value) const {
    StringGroup(gc, value ? value : "", value ? std::strlen(value) : 0);
}

void CDxfWriter::dxfString(int gc, const std::string& value) const {
    StringGroup(gc, value.data(), value.size());
}

bool CDxfWriter::Finish() {
    FlushBlock();
    const bool committed = !m_bFailed && m_sink.Commit();
    if (!committed) m_bFailed = true;
    return committed;
}
