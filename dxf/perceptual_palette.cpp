#include "dxf/perceptual_palette.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "dxf/dxf_palette.h"
#include "dxf/lab_colour.h"

namespace vx {

namespace {

constexpr int kForeground = 7;
constexpr int kWhite = 255;
// Lightness counts half (CIEDE2000's kL = 2): a dark red is nearer the palette's
// darker red than its brown of the same lightness.
constexpr double kLightnessWeight = 0.5;

double Difference(const CLab& x, const CLab& y) { return DeltaE2000(x, y, kLightnessWeight); }

struct CCandidate {
    CLab lab;
    int index;
};

CLab PackedLab(uint32_t rrggbb) {
    return SrgbToLab(int(rrggbb >> 16), int((rrggbb >> 8) & 0xFF), int(rrggbb & 0xFF));
}

double Chroma(const CLab& lab) { return std::hypot(lab.a, lab.b); }

// A grey is matched among the greys only: next to a dark grey the nearest
// colour may be a dark navy, which a CAD user would never take for grey.
constexpr double kNeutralChroma = 3;

// Colour numbers 1 to 255 (0 is "by block", no colour): 7 stands for black,
// and the palette's white (7 on paper) is 255. Sorted by lightness for the search.
std::vector<CCandidate> Candidates(bool neutralOnly) {
    std::vector<CCandidate> candidates{{PackedLab(0x000000), kForeground}};
    for (int i = 1; i < kDxfPaletteSize; ++i) {
        const CLab lab = PackedLab(DxfPaletteRgb(i));
        if (!neutralOnly || Chroma(lab) < kNeutralChroma)
            candidates.push_back({lab, i == kForeground ? kWhite : i});
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const CCandidate& x, const CCandidate& y) { return x.lab.L < y.lab.L; });
    return candidates;
}

// CIEDE2000 divides the lightness difference by at most 1.75 (its S_L at L 0
// or 100) and then weighs it, and its other terms add at least 0: no candidate
// further away in lightness than this times the best difference found can be nearer.
constexpr double kLightnessBound = 1.75 / kLightnessWeight;

class CSearch {
public:
    explicit CSearch(const CLab& lab) : m_lab(lab) {}

    // Walks from start one way (step +1 or -1) until lightness alone rules the rest out.
    void Walk(const std::vector<CCandidate>& candidates, std::ptrdiff_t start, std::ptrdiff_t step) {
        for (std::ptrdiff_t i = start; i >= 0 && i < std::ptrdiff_t(candidates.size()); i += step) {
            const CCandidate& candidate = candidates[size_t(i)];
            if (std::abs(candidate.lab.L - m_lab.L) > kLightnessBound * m_bestDifference) return;
            Consider(candidate);
        }
    }
    int Best() const { return m_best; }

private:
    // Ties go to the lower colour number, as in the palette's own search.
    void Consider(const CCandidate& candidate) {
        const double difference = Difference(m_lab, candidate.lab);
        if (difference < m_bestDifference || (difference == m_bestDifference && candidate.index < m_best)) {
            m_best = candidate.index;
            m_bestDifference = difference;
        }
    }

    CLab m_lab;
    int m_best = kForeground;
    double m_bestDifference = HUGE_VAL;
};

const std::vector<CCandidate>& CandidatesFor(const CLab& lab) {
    static const std::vector<CCandidate> all = Candidates(false), neutral = Candidates(true);
    return Chroma(lab) < kNeutralChroma ? neutral : all;
}

int SearchCandidates(const CLab& lab) {
    const std::vector<CCandidate>& candidates = CandidatesFor(lab);
    const auto middle = std::lower_bound(candidates.begin(), candidates.end(), lab.L,
                                         [](const CCandidate& c, double L) { return c.lab.L < L; });
    CSearch search(lab);
    search.Walk(candidates, middle - candidates.begin(), 1);
    search.Walk(candidates, middle - candidates.begin() - 1, -1);
    return search.Best();
}

// Drawings reuse few colours: recent answers per thread, keyed by rgb + 1 (0 is empty).
struct CRecentAnswers {
    static constexpr int kSlotBits = 10;
    static constexpr uint32_t kSlots = 1u << kSlotBits;
    uint32_t keys[kSlots] = {};
    int values[kSlots] = {};
};

CLab EngineLab(uint32_t rgb) { return SrgbToLab(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF)); }

}  // namespace

int NearestDxfColorPerceptual(uint32_t rgb) {
    rgb &= 0xFFFFFF;
    thread_local CRecentAnswers recent;
    const uint32_t slot = (rgb * 2654435761u) >> (32 - CRecentAnswers::kSlotBits);  // Fibonacci hashing
    if (recent.keys[slot] == rgb + 1) return recent.values[slot];
    const int index = SearchCandidates(EngineLab(rgb));
    recent.keys[slot] = rgb + 1;
    recent.values[slot] = index;
    return index;
}

int CDocumentColours::Nearest(uint32_t rgb) {
    rgb &= 0xFFFFFF;
    const auto known = m_chosen.find(rgb);
    if (known != m_chosen.end()) return known->second;
    const CLab lab = EngineLab(rgb);
    // A number is free for this colour when nobody holds it or its holder looks the same.
    const auto freeFor = [&](int number) {
        const auto holder = m_holder.find(number);
        return holder == m_holder.end() || Difference(EngineLab(holder->second), lab) <= kSameByEye;
    };
    int number = NearestDxfColorPerceptual(rgb);
    if (!freeFor(number)) {
        double spareDifference = kSpareDifference;
        for (const CCandidate& candidate : CandidatesFor(lab)) {
            const double difference = Difference(lab, candidate.lab);
            if (difference <= spareDifference && freeFor(candidate.index)) {
                number = candidate.index;
                spareDifference = difference;
            }
        }
    }
    m_chosen.emplace(rgb, number);
    m_holder.emplace(number, rgb);
    return number;
}

}  // namespace vx
