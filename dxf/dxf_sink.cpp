// PLACEHOLDER: replaced by the real implementation.
#include "dxf/dxf_sink.h"
CFileSink::~CFileSink() {}
bool CFileSink::Open(const std::string&) { return false; }
bool CFileSink::Write(const char*, size_t) { return false; }
bool CFileSink::Commit() { return false; }
