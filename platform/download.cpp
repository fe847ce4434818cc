// Downloads through libcurl into a CFileSink, so that only a complete
// resource ever takes the target's name.
#include "platform/download.h"

#include <curl/curl.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <mutex>

#include "platform/output_sink.h"

namespace {

struct CTransfer {
    CFileSink sink;
    long long received = 0;
    long long maxBytes = 0;
    bool tooLarge = false;  // the body outgrew maxBytes (no Content-Length told it in advance)
};

// Returning less than the size offered makes libcurl abort the transfer.
size_t WriteReceived(char* data, size_t size, size_t count, void* context) {
    auto* transfer = static_cast<CTransfer*>(context);
    const size_t bytes = size * count;
    transfer->received += static_cast<long long>(bytes);
    if (transfer->received > transfer->maxBytes) {
        transfer->tooLarge = true;
        return 0;
    }
    return transfer->sink.Write(data, bytes) ? bytes : 0;
}

void InitCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct CCurlDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};

void SetTransferOptions(CURL* curl, const std::string& url, const CDownloadLimits& limits,
                        CTransfer& transfer) {
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    // Only web addresses, also after a redirect: a server must not point us at file://.
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, limits.maxRedirects);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, limits.timeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBytes));
    curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
    // Time-outs without signals: conversions may run on several threads.
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Vextora");
    if (!limits.caFile.empty()) curl_easy_setopt(curl, CURLOPT_CAINFO, limits.caFile.c_str());
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, WriteReceived);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
}

CDownloadResult Failure(CDownloadResult::Outcome outcome, std::string error = {}) {
    CDownloadResult result;
    result.outcome = outcome;
    result.error = std::move(error);
    return result;
}

CDownloadResult WriteFailure(const std::string& localPath, int error) {
    return Failure(CDownloadResult::kFailed,
                   "cannot write " + localPath + ": " + std::strerror(error ? error : EIO));
}

CDownloadResult FailedTransfer(CURL* curl, CURLcode code, const CTransfer& transfer,
                               const std::string& localPath) {
    if (transfer.tooLarge || code == CURLE_FILESIZE_EXCEEDED)
        return Failure(CDownloadResult::kTooLarge);
    if (code == CURLE_OPERATION_TIMEDOUT) return Failure(CDownloadResult::kTimedOut);
    if (code == CURLE_WRITE_ERROR && transfer.sink.Error())
        return WriteFailure(localPath, transfer.sink.Error());
    if (code != CURLE_HTTP_RETURNED_ERROR)
        return Failure(CDownloadResult::kFailed, curl_easy_strerror(code));
    CDownloadResult result = Failure(CDownloadResult::kHttpError);
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &result.httpStatus);
    return result;
}

}  // namespace

CDownloadResult DownloadUrlToFile(const std::string& url, const std::string& localPath,
                                  const CDownloadLimits& limits) {
    InitCurlOnce();
    CTransfer transfer;
    transfer.maxBytes = limits.maxBytes;
    if (!transfer.sink.Open(localPath)) return WriteFailure(localPath, transfer.sink.Error());
    std::unique_ptr<CURL, CCurlDeleter> curl(curl_easy_init());
    if (!curl) return Failure(CDownloadResult::kFailed, curl_easy_strerror(CURLE_FAILED_INIT));
    SetTransferOptions(curl.get(), url, limits, transfer);
    const CURLcode code = curl_easy_perform(curl.get());
    if (code != CURLE_OK) return FailedTransfer(curl.get(), code, transfer, localPath);
    if (!transfer.sink.Commit()) return WriteFailure(localPath, transfer.sink.Error());
    return {};
}
