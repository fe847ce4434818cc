// Group output of CDxfWriter: the code line, the value line, and the buffer
// that collects them into large blocks for the sink.
#include "dxf/dxf_writer.h"

#include <charconv>
#include <cstring>

namespace {

// Enough for any int in decimal or hexadecimal.
constexpr size_t kIntText = 16;

}  // namespace

// The base opens no file for an empty name; every byte goes to the sink instead.
CDxfWriter::CDxfWriter(CDxfSink& sink) : DL_WriterA(""), m_sink(sink) {
    m_buffer.reserve(kBlockSize + kBlockSize / 4);
}

CDxfWriter::~CDxfWriter() = default;

void CDxfWriter::GroupCode(int gc) const {
    // Codes are padded on the left to three characters, as dxflib does.
    if (gc < 10) {
        m_buffer.append("  ", 2);
    } else if (gc < 100) {
        m_buffer.push_back(' ');
    }
    char text[kIntText];
    const auto result = std::to_chars(text, text + kIntText, gc);
    m_buffer.append(text, size_t(result.ptr - text));
    m_buffer.push_back('\n');
}

void CDxfWriter::EndGroup() const {
    m_buffer.push_back('\n');
    if (m_buffer.size() >= kBlockSize) FlushBlock();
}

void CDxfWriter::FlushBlock() const {
    if (!m_bFailed && !m_buffer.empty() && !m_sink.Write(m_buffer.data(), m_buffer.size()))
        m_bFailed = true;
    m_buffer.clear();
}

void CDxfWriter::dxfReal(int gc, double value) const {
    GroupCode(gc);
    AppendReal(m_buffer, value);
    EndGroup();
}

void CDxfWriter::dxfInt(int gc, int value) const {
    GroupCode(gc);
    char text[kIntText];
    const auto result = std::to_chars(text, text + kIntText, value);
    m_buffer.append(text, size_t(result.ptr - text));
    EndGroup();
}

void CDxfWriter::dxfHex(int gc, int value) const {
    // "%0X" of the int: its bits as unsigned, upper-case digits, no padding.
    GroupCode(gc);
    char text[kIntText];
    auto result = std::to_chars(text, text + kIntText, static_cast<unsigned>(value), 16);
    for (char* c = text; c != result.ptr; ++c)
        if (*c >= 'a') *c = static_cast<char>(*c - 'a' + 'A');
    m_buffer.append(text, size_t(result.ptr - text));
    EndGroup();
}

void CDxfWriter::dxfString(int gc, const char* value) const {
    GroupCode(gc);
    if (value) AppendDxfText(m_buffer, value, std::strlen(value));
    EndGroup();
}

void CDxfWriter::dxfString(int gc, const std::string& value) const {
    GroupCode(gc);
    AppendDxfText(m_buffer, value.data(), value.size());
    EndGroup();
}

bool CDxfWriter::Finish() {
    FlushBlock();
    const bool committed = !m_bFailed && m_sink.Commit();
    if (!committed) m_bFailed = true;
    return committed;
}
