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

// How a download ended, so that a caller can say why a resource is missing.
struct CDownloadResult {
    enum Outcome { kStored, kHttpError, kTimedOut, kTooLarge, kFailed };
    Outcome outcome = kStored;
    long httpStatus = 0;  // kHttpError: the status the server answered
    std::string error;    // kFailed: libcurl's text, or the system's for an unwritable file
    bool Stored() const { return outcome == kStored; }
};

// Stores the resource in full at localPath, or fails (bad address, network
// failure, HTTP error status, too large, too slow, too many redirects,
// unwritable folder). A failure leaves no partial file and keeps an earlier
// file of that name. Blocks until the transfer has ended.
CDownloadResult DownloadUrlToFile(const std::string& url, const std::string& localPath,
                                  const CDownloadLimits& limits);
