#pragma once
// Where output bytes go (the DXF text, a picture taken out of a drawing or
// downloaded): a file that only appears under its name once it is complete,
// standard output, or a string (tests capture documents in memory this way).
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

class CDxfSink {
public:
    virtual ~CDxfSink() = default;
    // False when the bytes could not all be written.
    virtual bool Write(const char* data, size_t size) = 0;
    // A whole block of a writer, `size` bytes used of `capacity`: a sink may
    // keep it and leave an empty block of the same capacity in its place, so
    // that handing it to another thread costs no copy.
    virtual bool PassBlock(std::unique_ptr<char[]>& block, size_t size, size_t /*capacity*/) {
        return Write(block.get(), size);
    }
    // True for a sink that formats on a thread of its own: its writer passes
    // blocks of records, not text.
    virtual bool TakesRecords() const { return false; }
    // Bytes to put at offset (from the start of the output) in place of the
    // same number of bytes written there, once everything is written, just
    // before Commit: values known only at the end (a document's extents) in
    // room kept for them at the start. A sink that cannot go back keeps what
    // it wrote, so what is written there first must already be valid.
    virtual void RewriteAtCommit(size_t offset, std::string bytes) {
        m_rewrites.push_back({offset, std::move(bytes)});
    }
    // Called once after the last write; false when the output is not complete.
    virtual bool Commit() = 0;
    // The errno of the first failure (0 when none, or when it has none).
    virtual int Error() const { return 0; }

protected:
    struct CRewrite {
        size_t offset;
        std::string bytes;
    };
    std::vector<CRewrite> m_rewrites;
};

// Writes to a temporary file in the target's folder and renames it onto the
// target only on Commit; a sink destroyed without a successful Commit removes
// its temporary file and leaves an earlier file of the target name untouched.
class CFileSink : public CDxfSink {
public:
    ~CFileSink() override;
    // Creates the temporary file; false when the folder cannot take it.
    bool Open(const std::string& targetPath);
    bool Write(const char* data, size_t size) override;
    bool Commit() override;
    int Error() const override { return m_nError; }

private:
    bool Fail();  // records errno once; always false
    std::FILE* m_file = nullptr;
    int m_nError = 0;
    bool m_bFailed = false;
    std::string m_strTarget;
    std::string m_strTemp;
};

// Writes to an open descriptor (standard output). A file is written as the
// bytes come and rewritten in place at the end; a pipe gets nothing until the
// end, up to kHeldBytes, so that the rewrites still reach it (a longer output
// goes on as it comes and keeps the bytes first written). What is written
// cannot be taken back: after a failure the reader may have part of a document.
class CDescriptorSink : public CDxfSink {
public:
    explicit CDescriptorSink(int fd);
    bool Write(const char* data, size_t size) override;
    bool Commit() override;
    int Error() const override { return m_nError; }

    static constexpr size_t kHeldBytes = size_t(64) << 20;

private:
    bool WriteOut(const char* data, size_t size);
    bool ReleaseHeld();
    int m_nFd;
    int m_nError = 0;
    long long m_nStart = -1;  // where the output starts in a file we may seek in
    bool m_bHolding = false;  // a pipe (or a file opened for appending)
    std::string m_strHeld;
};

class CStringSink : public CDxfSink {
public:
    bool Write(const char* data, size_t size) override {
        m_strData.append(data, size);
        return true;
    }
    bool Commit() override;
    const std::string& Data() const { return m_strData; }

private:
    std::string m_strData;
};
