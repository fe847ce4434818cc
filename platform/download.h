#pragma once
// The URL download service: fetches an http or https resource into a local
// file, which appears under its name only when the whole resource arrived.
#include <string>

struct CDownloadLimits {
    long timeoutSeconds = 30;
    long long maxBytes = 64LL * 1024 * 1024;
    long maxRedirects = 5;
    std::string caFile;  // extra certificate authorities (PEM); empty: the system's
};

// 0 when the resource has been stored in full at localPath, non-zero otherwise
// (bad address, network failure, HTTP error status, too large, too slow, too
// many redirects, unwritable folder). A failure leaves no partial file and
// keeps an earlier file of that name. Blocks until the transfer has ended.
int DownloadUrlToFile(const std::string& url, const std::string& localPath,
                      const CDownloadLimits& limits);
