#pragma once
// How image references that name network addresses are fetched.
struct CImageFetchOptions {
    bool allowNetwork = true;   // false: http and https images are dropped
    bool storePictures = true;  // false: no picture is fetched, copied or stored
    long timeoutSeconds = 30;
    long long maxBytes = 64LL * 1024 * 1024;
    long maxRedirects = 5;
};
