// The viewBox sets the drawing size; its height is what flips y.
#include "base/text.h"
#include "svg/walker_state.h"
#include "svg/number_list.h"

void CWalkerState::ParseViewBox(std::string_view text) {
    // Numbers missing from a short viewBox read as 0.
    double box[4] = {0, 0, 0, 0};
    vx::ReadNumberList(text, box, 4);
    // The third and fourth numbers are taken as the right and bottom edges.
    m_dWidth = vx::Bounded(box[2] - box[0]);
    m_dHeight = vx::Bounded(box[3] - box[1]);
}
