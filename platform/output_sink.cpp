// The file sink: a temporary file next to the target that takes the target's
// name only once every byte has reached it, so a failed conversion or download
// never leaves a truncated file behind or destroys an earlier complete one.
#include "platform/output_sink.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr size_t kMaxNameInTemp = 200;

// ".<name>.tmp<pid>-<n>" in the target's folder: same file system, so the
// final rename replaces the target in one step.
std::string TemporaryName(const std::string& target, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    const size_t slash = target.rfind('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::string temp = target.substr(0, nameStart);
    temp += '.';
    // A shortened name keeps the temporary one within the file system's limit.
    temp.append(target, nameStart, kMaxNameInTemp);
    temp += ".tmp";
    temp += std::to_string(static_cast<long>(getpid()));
    temp += '-';
    temp += std::to_string(counter.fetch_add(1) + attempt);
    return temp;
}

}  // namespace

CFileSink::~CFileSink() {
    if (m_file) std::fclose(m_file);
    if (!m_strTemp.empty()) std::remove(m_strTemp.c_str());
}

bool CFileSink::Fail() {
    if (m_nError == 0) m_nError = errno;
    return false;
}

bool CFileSink::Open(const std::string& targetPath) {
    if (m_file || targetPath.empty() || targetPath.back() == '/') {
        errno = EINVAL;
        return Fail();
    }
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        std::string temp = TemporaryName(targetPath, attempt);
        // O_EXCL: never write into a file that someone else created meanwhile.
        // The mode lets the umask decide, as for any file the user creates.
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return Fail();
        }
        m_file = ::fdopen(fd, "wb");
        if (!m_file) {
            Fail();
            ::close(fd);
            std::remove(temp.c_str());
            return false;
        }
        m_strTemp = std::move(temp);
        m_strTarget = targetPath;
        return true;
    }
    errno = EEXIST;
    return Fail();
}

bool CFileSink::Write(const char* data, size_t size) {
    if (!m_file || m_bFailed) return false;
    if (size > 0 && std::fwrite(data, 1, size, m_file) != size) {
        Fail();
        m_bFailed = true;
    }
    return !m_bFailed;
}

bool CFileSink::Commit() {
    if (!m_file) return false;
    for (const CRewrite& rewrite : m_rewrites) {
        if (m_bFailed) break;
        if (::fseeko(m_file, static_cast<off_t>(rewrite.offset), SEEK_SET) != 0) {
            Fail();
            m_bFailed = true;
        }
        Write(rewrite.bytes.data(), rewrite.bytes.size());
    }
    const bool flushed = !m_bFailed && (std::fflush(m_file) == 0 || Fail());
    // fclose reports errors of delayed writes too (a full disk on some file systems).
    const bool closed = std::fclose(m_file) == 0 || Fail();
    m_file = nullptr;
    const bool renamed = flushed && closed &&
                         (std::rename(m_strTemp.c_str(), m_strTarget.c_str()) == 0 || Fail());
    // Renamed or not, the temporary file is gone from here on.
    if (!renamed) std::remove(m_strTemp.c_str());
    m_strTemp.clear();
    return renamed;
}

CDescriptorSink::CDescriptorSink(int fd) : m_nFd(fd) {
    // pwrite on a descriptor opened for appending writes at the end instead.
    const int flags = ::fcntl(fd, F_GETFL);
    const off_t start = ::lseek(fd, 0, SEEK_CUR);
    if (flags != -1 && !(flags & O_APPEND) && start >= 0)
        m_nStart = start;
    else
        m_bHolding = true;
}

bool CDescriptorSink::Write(const char* data, size_t size) {
    if (!m_bHolding) return WriteOut(data, size);
    if (m_strHeld.size() + size <= kHeldBytes) {
        m_strHeld.append(data, size);
        return true;
    }
    return ReleaseHeld() && WriteOut(data, size);
}

// What was held goes out as it is, and nothing is held from here on.
bool CDescriptorSink::ReleaseHeld() {
    m_bHolding = false;
    const bool written = WriteOut(m_strHeld.data(), m_strHeld.size());
    std::string().swap(m_strHeld);
    return written;
}

bool CDescriptorSink::Commit() {
    for (const CRewrite& rewrite : m_rewrites) {
        if (m_bHolding && rewrite.offset + rewrite.bytes.size() <= m_strHeld.size())
            m_strHeld.replace(rewrite.offset, rewrite.bytes.size(), rewrite.bytes);
        else if (m_nStart >= 0 && m_nError == 0 &&
                 ::pwrite(m_nFd, rewrite.bytes.data(), rewrite.bytes.size(),
                          static_cast<off_t>(m_nStart + static_cast<long long>(rewrite.offset))) != ssize_t(rewrite.bytes.size()))
            m_nError = errno ? errno : EIO;
    }
    if (m_bHolding) ReleaseHeld();
    return m_nError == 0;
}

bool CStringSink::Commit() {
    for (const CRewrite& rewrite : m_rewrites)
        if (rewrite.offset + rewrite.bytes.size() <= m_strData.size())
            m_strData.replace(rewrite.offset, rewrite.bytes.size(), rewrite.bytes);
    return true;
}

bool CDescriptorSink::WriteOut(const char* data, size_t size) {
    while (size > 0 && m_nError == 0) {
        const ssize_t written = ::write(m_nFd, data, size);
        if (written < 0) {
            // A signal that stops the batch ends it through the cancel flag, not here.
            if (errno != EINTR) m_nError = errno;
            continue;
        }
        data += written;
        size -= size_t(written);
    }
    return m_nError == 0;
}
