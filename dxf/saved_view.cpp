// The document's extents ($EXTMIN, $EXTMAX) and the view it opens with (the
// *Active VPORT), known only once every entity is written: the frame keeps
// room for their values, which the sink rewrites before it commits. Until
// then (and for ever on a sink that cannot go back) they read as a reader
// expects of a drawing whose extents are unknown.
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "dxf/dxf_output.h"

namespace {

// Every value of a slot has this many characters.
constexpr int kSlotWidth = 24;
// Extents nobody has measured, as CAD programs write them for an empty drawing.
constexpr double kUnknownMin = 1e20, kUnknownMax = -1e20;
// dxflib's view: the middle of an A4 landscape sheet at its height.
constexpr double kDefaultCentreX = 286.3055555555554861, kDefaultCentreY = 148.5;
constexpr double kDefaultHeight = 297.0;
// The view's width over its height, as dxflib writes it.
constexpr double kViewAspect = 1.92798353909465;
// Room around the drawing in the saved view.
constexpr double kViewMargin = 1.1;

// value in exactly kSlotWidth characters: fixed point with as many decimals
// as fit, trailing zeros making up the rest; for a value too large for that,
// the exponent form, its exponent padded with leading zeros.
std::string SlotText(double value) {
    char text[64];
    const double magnitude = std::fabs(value);
    const int integerDigits = magnitude < 1 ? 1 : int(std::floor(std::log10(magnitude))) + 1;
    int decimals = kSlotWidth - integerDigits - (value < 0 ? 1 : 0) - 1;
    const bool fixed = decimals >= 1;
    if (!fixed) decimals = kSlotWidth - 7 - (value < 0 ? 1 : 0);  // d.<decimals>E+ddd
    std::string result;
    // Rounding may carry into one more digit: fewer decimals then.
    for (; decimals >= 1; --decimals) {
        const int length = std::snprintf(text, sizeof text, fixed ? "%.*f" : "%.*E", decimals, value);
        if (length <= kSlotWidth) {
            result.assign(text, size_t(length));
            break;
        }
    }
    const size_t missing = size_t(kSlotWidth) - result.size();
    if (fixed)
        result.append(missing, '0');
    else
        result.insert(result.find('E') + 2, missing, '0');
    return result;
}

}  // namespace

void CDxfOutput::WriteExtentSlots(CDxfWriter& writer) {
    const std::pair<const char*, double> corners[] = {{"$EXTMIN", kUnknownMin},
                                                      {"$EXTMAX", kUnknownMax}};
    for (const auto& [name, value] : corners) {
        writer.dxfString(9, name);
        m_viewSlots.push_back(writer.WriteSlot(10, SlotText(value)));
        m_viewSlots.push_back(writer.WriteSlot(20, SlotText(value)));
        writer.dxfReal(30, 0.0);
    }
}

// The one viewport, "*Active", as dxflib writes it but for where it looks.
void CDxfOutput::WriteViewportTable(CDxfWriter& writer) {
    writer.table("VPORT", 1, 0x8);
    writer.dxfString(0, "VPORT");
    writer.handle();
    writer.dxfString(100, "AcDbSymbolTableRecord");
    writer.dxfString(100, "AcDbViewportTableRecord");
    writer.dxfString(2, "*Active");
    writer.dxfInt(70, 0);
    for (const auto& [code, value] : {std::pair{10, 0.0}, {20, 0.0}, {11, 1.0}, {21, 1.0}})
        writer.dxfReal(code, value);
    m_viewSlots.push_back(writer.WriteSlot(12, SlotText(kDefaultCentreX)));
    m_viewSlots.push_back(writer.WriteSlot(22, SlotText(kDefaultCentreY)));
    for (const auto& [code, value] :
         {std::pair{13, 0.0}, {23, 0.0}, {14, 10.0}, {24, 10.0}, {15, 10.0}, {25, 10.0},
          {16, 0.0}, {26, 0.0}, {36, 1.0}, {17, 0.0}, {27, 0.0}, {37, 0.0}})
        writer.dxfReal(code, value);
    m_viewSlots.push_back(writer.WriteSlot(40, SlotText(kDefaultHeight)));
    for (const auto& [code, value] : {std::pair{41, kViewAspect}, {42, 50.0}, {43, 0.0},
                                      {44, 0.0}, {50, 0.0}, {51, 0.0}})
        writer.dxfReal(code, value);
    for (const auto& [code, value] : {std::pair{71, 0}, {72, 100}, {73, 1}, {74, 3}, {75, 1},
                                      {76, 1}, {77, 0}, {78, 0}, {281, 0}, {65, 1}})
        writer.dxfInt(code, value);
    for (const auto& [code, value] : {std::pair{110, 0.0}, {120, 0.0}, {130, 0.0}, {111, 1.0},
                                      {121, 0.0}, {131, 0.0}, {112, 0.0}, {122, 1.0}, {132, 0.0}})
        writer.dxfReal(code, value);
    writer.dxfInt(79, 0);
    writer.dxfReal(146, 0.0);
    writer.tableEnd();
}

void CDxfOutput::RewriteSavedView() {
    if (m_extents.Empty() || m_viewSlots.size() != 7) return;
    const CExtents& e = m_extents;
    // Halves first: the width of a drawing that spans the whole range of
    // doubles would overflow.
    const double halfWidth = e.MaxX() / 2 - e.MinX() / 2, halfHeight = e.MaxY() / 2 - e.MinY() / 2;
    double viewHeight = std::fmin(2 * std::fmax(halfHeight, halfWidth / kViewAspect) * kViewMargin,
                                  std::numeric_limits<double>::max());
    if (!(viewHeight > 0)) viewHeight = 1;  // a single point
    const double values[] = {e.MinX(), e.MinY(), e.MaxX(), e.MaxY(),
                             e.MinX() + halfWidth, e.MinY() + halfHeight, viewHeight};
    for (size_t i = 0; i < m_viewSlots.size(); ++i)
        m_pSink->RewriteAtCommit(m_viewSlots[i], SlotText(values[i]));
}
