// Downloads through libcurl into a CFileSink, so that only a complete
// resource ever takes the target's name.
#include "platform/download.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

#include "dxf/dxf_sink.h"

namespace {

struct CTransfer {
    CFileSink sink;
    long long received = 0;
    long long maxBytes = 0;
};

// Returning less than the size offered makes libcurl abort the transfer.
size_t WriteReceived(char* data, size_t size, size_t count, void* context) {
    auto* transfer = static_cast<CTransfer*>(context);
    const size_t bytes = size * count;
    transfer->received += static_cast<long long>(bytes);
    if (transfer->received > transfer->maxBytes) return 0;
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

}  // namespace

int DownloadUrlToFile(const std::string& url, const std::string& localPath,
                      const CDownloadLimits& limits) {
    InitCurlOnce();
    CTransfer transfer;
    transfer.maxBytes = limits.maxBytes;
    if (!transfer.sink.Open(localPath)) return CURLE_WRITE_ERROR;
    std::unique_ptr<CURL, CCurlDeleter> curl(curl_easy_init());
    if (!curl) return CURLE_FAILED_INIT;
    SetTransferOptions(curl.get(), url, limits, transfer);
    const CURLcode result = curl_easy_perform(curl.get());
    if (result != CURLE_OK) return result;
    return transfer.sink.Commit() ? 0 : CURLE_WRITE_ERROR;
}
