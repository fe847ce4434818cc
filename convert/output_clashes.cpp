#include "convert/output_clashes.h"

#include <unordered_map>

#include "convert/svg_converter.h"

std::vector<std::string> FindOutputClashes(const std::vector<std::string>& inputs) {
    std::vector<std::string> clashes(inputs.size());
    std::unordered_map<std::string, size_t> firstClaim;
    for (size_t i = 0; i < inputs.size(); ++i) {
        const auto claim = firstClaim.emplace(CSvgConverter::DeriveOutputName(inputs[i]), i);
        // The same file listed twice writes the same DXF again: no loss.
        const std::string& earlier = inputs[claim.first->second];
        if (!claim.second && earlier != inputs[i]) clashes[i] = earlier;
    }
    return clashes;
}

std::string ClashReason(const std::string& outName, const std::string& earlierInput) {
    return "not converted: " + outName + " is already the output of " + earlierInput;
}
