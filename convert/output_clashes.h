#pragma once
// Inputs of one batch that would write the same DXF name into the output
// folder (a/x.svg and b/x.svg, or x.svg and x.svgz). The pictures stored beside
// a DXF are named after it, so a clash of DXF names covers them too.
#include <string>
#include <vector>

// For each input, the earlier input whose DXF name it shares, or "" when it is
// the first to claim its name (or the same path listed again). Decided in input order, before any conversion,
// so the result does not depend on which worker finishes first.
std::vector<std::string> FindOutputClashes(const std::vector<std::string>& inputs);

// The failure reason of an input that lost its name to an earlier one.
std::string ClashReason(const std::string& outName, const std::string& earlierInput);
