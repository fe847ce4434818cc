#pragma once
// The DXF output of one document: dxflib's writer object and, while the
// document is open, our sink and the writer on it.
#include <memory>

#include <dl_dxf.h>

#include "dxf/dxf_writer.h"
#include "platform/output_sink.h"

struct CDxfOutput {
    DL_Dxf m_dxf;
    std::unique_ptr<CDxfSink> m_pSink;
    std::unique_ptr<CDxfWriter> m_pWriter;
    // The sink of the last ended document, kept until the next one opens, so
    // that whoever handed in an in-memory sink can still read it.
    std::unique_ptr<CDxfSink> m_pEndedSink;
    long long m_nNonFiniteReals = 0;  // of the last document ended

    void Reset() {
        m_pWriter.reset();  // it refers to the sink, so it goes first
        m_pSink.reset();
        m_pEndedSink.reset();
        m_nNonFiniteReals = 0;
    }
};
