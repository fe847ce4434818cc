#pragma once
// What the command line and the dialog choose for a conversion.
#include <string>

#include "convert/svg_rules.h"
#include "platform/image_fetch_options.h"

struct CConvertOptions {
    int fillOption = 1;  // 1: filled shapes get solid hatches
    SvgRules svgRules = SvgRules::Classic;
    std::string outputFolder;  // with its trailing '/'; empty: the working folder
    int outputFd = -1;         // when set, the DXF goes to this descriptor instead of a file
    // Threads for one file: 1 writes the DXF on the converting thread, 2 hands
    // it to a second one; 0 takes 2 from CSvgConverter::kTwoThreadInputBytes
    // of input on when the machine has two cores.
    int threads = 0;
    CImageFetchOptions imageFetch;
    std::string imageCaFile;  // extra certificate authorities for https images (PEM)
};
