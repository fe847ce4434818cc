#pragma once
// Where the picture of an image element comes from (a web address, embedded
// data, a local file) and its copy in the image folder that the DXF refers to.
#include <string>
#include <string_view>

#include "platform/image_fetch_options.h"

struct CImageStore {
    std::string_view folder;       // the image folder, ends with '/'
    std::string_view inputPath;    // the SVG file: relative references start from its folder
    std::string_view drawingName;  // embedded pictures become "<drawingName>-image<N>.png"
    int imageNumber = 1;           // that N
    CImageFetchOptions fetch;
    std::string_view caFile;
};

// A picture file, or why there is none.
struct CImageFile {
    std::string path;     // empty when the picture is left out
    std::string failure;  // then the reason, short and plain: "not found", "HTTP 404", ...
};

// Puts the picture that href names into the image folder and returns the path
// of the stored file. The failure says why there is none: a missing or unsafe
// reference, downloads off, a failed download, bad embedded data, a missing,
// unreadable or too large file, or one that is no picture.
CImageFile StoreImageFile(std::string_view href, const CImageStore& store);
