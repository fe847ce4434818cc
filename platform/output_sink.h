#pragma once
// Where output bytes go (the DXF text, a picture taken out of a drawing or
// downloaded): a file that only appears under its name once it is complete,
// standard output, or a string (tests capture documents in memory this way).
#include <cstdio>
#include <memory>
#include <string>

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
    // Called once after the last write; false when the output is not complete.
    virtual bool Commit() = 0;
    // The errno of the first failure (0 when none, or when it has none).
    virtual int Error() const { return 0; }
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

// Writes straight to an open descriptor (standard output). What is written
// cannot be taken back: after a failure the reader has part of a document.
class CDescriptorSink : public CDxfSink {
public:
    explicit CDescriptorSink(int fd) : m_nFd(fd) {}
    bool Write(const char* data, size_t size) override;
    bool Commit() override { return m_nError == 0; }
    int Error() const override { return m_nError; }

private:
    int m_nFd;
    int m_nError = 0;
};

class CStringSink : public CDxfSink {
public:
    bool Write(const char* data, size_t size) override {
        m_strData.append(data, size);
        return true;
    }
    bool Commit() override { return true; }
    const std::string& Data() const { return m_strData; }

private:
    std::string m_strData;
};
