#pragma once
// Clip paths cut what is drawn to an area. Areas are clean loops, as Clipper
// gives them: no overlaps, each hole inside its outer loop, so that even-odd
// and nonzero fill them alike. Filled areas are cut to the part inside; lines
// to the pieces inside.
#include <vector>

#include "base/records.h"
#include "geometry/loops.h"

namespace vx {

// The clipping work one document may spend, shared by all its clip paths:
// edges times the most edges one scan line crosses, as for fill unions.
class CClipBudget {
public:
    explicit CClipBudget(double work) : m_left(work) {}
    // False, with nothing spent, when the work would pass what is left.
    bool Spend(double work);
    // Marks that some clipping was not done.
    void Refuse() { m_refused = true; }
    bool Refused() const { return m_refused; }

private:
    double m_left;
    bool m_refused = false;
};

enum class ClipOutcome {
    Inside,   // nothing lay outside: draw the input as it is
    Clipped,  // the output holds what lies inside (possibly nothing)
    Refused   // beyond the budget, or Clipper failed: the budget is marked
};

// The area the loops fill under their rule, as clean loops; false when refused.
bool FilledArea(const CLoops& loops, bool evenOdd, CClipBudget& budget, CLoops& area);

// The part of the subject's area (filled under its rule) that lies in clip.
ClipOutcome ClipArea(const CLoops& subject, bool evenOdd, const CLoops& clip,
                     CClipBudget& budget, CLoops& inside);

// The pieces of the lines that lie in clip, as open lines; a closed line is
// cut as the ring it is.
ClipOutcome ClipLines(const std::vector<CPolylinedata>& lines, const CLoops& clip,
                      CClipBudget& budget, std::vector<CPolylinedata>& pieces);

}  // namespace vx
