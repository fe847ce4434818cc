#pragma once
// Our DL_WriterA: the same group output as dxflib's ASCII writer, buffered in
// large blocks and with fast number formatting, onto a CDxfSink.
#include <cstddef>
#include <string>

#include <dl_writer_ascii.h>

#include "dxf/dxf_sink.h"

class CDxfWriter : public DL_WriterA {
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

    // Writes what is buffered to the sink and commits it; false when any write failed.
    bool Finish();
    bool Failed() const { return m_bFailed; }

    // The value text of a real group: "%.16f", comma turned into a point,
    // trailing zeros cut back to one digit after the point. Appended to out.
    static void AppendReal(std::string& out, double value);
    // The value text of a string group: control characters become a space,
    // non-ASCII characters \U+XXXX (see the definition for the details).
    static void AppendDxfText(std::string& out, const char* value, size_t size);

    // Blocks of this size go to the sink in one write.
    static constexpr size_t kBlockSize = size_t(1) << 20;

private:
    void GroupCode(int gc) const;
    void EndGroup() const;
    void FlushBlock() const;

    CDxfSink& m_sink;
    mutable std::string m_buffer;
    mutable bool m_bFailed = false;
};
