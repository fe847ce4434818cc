#pragma once
// Where the picture of an image element comes from (a web address, embedded
// data, a local file) and its copy in the image folder that the DXF refers to.
#include <string>
#include <string_view>

#include "convert/svg_converter.h"

struct CImageStore {
    std::string_view folder;       // the image folder, ends with '/'
    std::string_view inputPath;    // the SVG file: relative references start from its folder
    std::string_view drawingName;  // embedded pictures become "<drawingName>-image<N>.png"
    int imageNumber = 1;           // that N
    const CImageFetchOptions* fetch = nullptr;
    std::string_view caFile;
};

// Puts the picture that href names into the image folder and returns the path
// of the stored file; empty when there is none: an unsupported or unsafe
// reference, a failed download, bad embedded data, a missing or non-image file.
std::string StoreImageFile(std::string_view href, const CImageStore& store);
