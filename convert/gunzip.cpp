#include "convert/gunzip.h"

#include <zlib.h>

#include <algorithm>
#include <new>

namespace vx {

namespace {

// zlib counts input in 32-bit units: a larger file is fed in slices.
constexpr size_t kMaxSlice = size_t(1) << 30;

class CInflater {
public:
    explicit CInflater(std::string_view compressed) : m_input(compressed) {
        // 16 + window bits: a gzip header and trailer around the deflate data.
        if (inflateInit2(&m_stream, 16 + MAX_WBITS) != Z_OK) throw std::bad_alloc();
    }
    ~CInflater() { inflateEnd(&m_stream); }
    CInflater(const CInflater&) = delete;
    CInflater& operator=(const CInflater&) = delete;

    bool Run(std::string& out, std::string& failure);

private:
    void Refill();
    size_t Consumed() const { return m_fed - m_stream.avail_in; }
    bool InputLeft() const { return m_stream.avail_in > 0 || m_fed < m_input.size(); }
    // After a member's end: true when another member follows and was started.
    bool StartNextMember();

    std::string_view m_input;
    size_t m_fed = 0;  // bytes of m_input handed to zlib so far
    z_stream m_stream{};
};

void CInflater::Refill() {
    const size_t slice = std::min(kMaxSlice, m_input.size() - m_fed);
    m_stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(m_input.data() + m_fed));
    m_stream.avail_in = static_cast<uInt>(slice);
    m_fed += slice;
}

bool CInflater::StartNextMember() {
    if (!IsGzip(m_input.substr(Consumed()))) return false;
    inflateReset(&m_stream);
    return true;
}

bool CInflater::Run(std::string& out, std::string& failure) {
    const uint64_t byRatio = uint64_t(m_input.size()) * kMaxInflateRatio;
    const uint64_t limit = std::min(kMaxInflatedBytes, byRatio);
    out.clear();
    char block[1 << 16];
    for (;;) {
        if (m_stream.avail_in == 0) Refill();
        m_stream.next_out = reinterpret_cast<Bytef*>(block);
        m_stream.avail_out = sizeof block;
        const int result = inflate(&m_stream, Z_NO_FLUSH);
        const size_t produced = sizeof block - m_stream.avail_out;
        if (produced > limit - out.size()) {
            failure = limit == byRatio ? "compressed drawing inflates beyond 1000 times its size"
                                       : "compressed drawing inflates beyond 1 GiB";
            return false;
        }
        out.append(block, produced);
        if (result == Z_STREAM_END) {
            if (StartNextMember()) continue;
            return true;
        }
        if (result == Z_MEM_ERROR) throw std::bad_alloc();
        if (result != Z_OK && result != Z_BUF_ERROR) {
            failure = std::string("corrupt compressed drawing (") +
                      (m_stream.msg ? m_stream.msg : "bad data") + ")";
            return false;
        }
        // Room for output was left, so zlib stopped for want of input.
        if (m_stream.avail_out > 0 && !InputLeft()) {
            failure = "compressed drawing is cut off";
            return false;
        }
    }
}

}  // namespace

bool IsGzip(std::string_view bytes) {
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0x1f &&
           static_cast<unsigned char>(bytes[1]) == 0x8b;
}

bool Gunzip(std::string_view compressed, std::string& inflated, std::string& failure) {
    CInflater inflater(compressed);
    return inflater.Run(inflated, failure);
}

}  // namespace vx
