// PLACEHOLDER: replaced by the real implementation.
#include "dxf/dxf_writer.h"
CDxfWriter::CDxfWriter(CDxfSink& sink) : DL_WriterA(""), m_sink(sink) {}
CDxfWriter::~CDxfWriter() {}
void CDxfWriter::dxfReal(int, double) const {}
void CDxfWriter::dxfInt(int, int) const {}
void CDxfWriter::dxfHex(int, int) const {}
void CDxfWriter::dxfString(int, const char*) const {}
void CDxfWriter::dxfString(int, const std::string&) const {}
bool CDxfWriter::Finish() { return false; }
void CDxfWriter::AppendReal(std::string&, double) {}
void CDxfWriter::AppendDxfText(std::string&, const char*, size_t) {}
