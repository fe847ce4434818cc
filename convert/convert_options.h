#pragma once
// What the command line and the dialog choose for a conversion.
#include <string>

#include "convert/svg_rules.h"
#include "platform/image_fetch_options.h"

// How filled shapes are written: as outlines in their fill colour, as solid
// hatches, or as hatches each followed by its boundary, a path to cut. The
// values are those the profile stores ("FillOption"); any value but 0 fills.
constexpr int kFillOutline = 0;
constexpr int kFillHatch = 1;
constexpr int kFillBoth = 2;

struct CConvertOptions {
    int fillOption = kFillHatch;
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

// How a document was made, as its DXF records it: "svg-rules=classic
// fill=hatch", in the words of the command line. --update reconverts a DXF
// whose record differs from what the options would write now.
std::string RecordedOptionsText(const CConvertOptions& options);
