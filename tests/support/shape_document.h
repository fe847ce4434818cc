#pragma once
// A converter with a DXF document open in memory, for handing elements'
// texts to the classic reading's elements (which draw through the converter's
// shape writer) and reading back what they wrote.
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "convert/svg_converter.h"
#include "svg/classic_elements.h"
#include "tests/support/convert_fixture.h"
#include "tests/support/dxf_groups.h"

namespace vxtest {

class ShapeDocument {
public:
    explicit ShapeDocument(double height = 100) {
        auto sink = std::make_unique<CStringSink>();
        m_sink = sink.get();
        opened = conv.BeginDocumentOn(std::move(sink)) == 0;
        conv.Walker().m_dHeight = height;
    }

    // Closes the document and returns the entities it holds.
    std::vector<Entity> Entities() {
        Close();
        return EntitiesOf(m_dxf);
    }
    std::vector<Entity> Entities(std::string_view type) {
        Close();
        return EntitiesOf(m_dxf, type);
    }

    // A rectangle whose corner radii are taken as they stand, in the current style.
    vx::CClassicRect RoundRect(double x, double y, double w, double h, bool filled, double rx,
                               double ry) {
        vx::CClassicRect rect;
        rect.style.height = conv.Walker().m_dHeight;
        rect.style.groups = &conv.GroupTransforms();
        rect.x = x, rect.y = y, rect.width = w, rect.height = h;
        rect.rx = rx, rect.ry = ry;
        rect.filled = filled;
        return rect;
    }

    CSvgConverter conv;
    bool opened = false;
    // The classic elements with the given fill option; the walker state they
    // take is conv.Walker().
    vx::CClassicElements Classic(int fillOption) {
        return {conv.Walker(), conv.Definitions(), conv.GroupTransforms(),
                conv.Tables(), conv.Shapes(),      fillOption};
    }
    vx::CClassicElements classic = Classic(kFillHatch);

private:
    void Close() {
        if (m_closed) return;
        m_closed = true;
        if (opened) conv.EndDocument();
        ExpectOnlyFiniteReals(conv);
        m_dxf = m_sink->Data();
    }

    CStringSink* m_sink = nullptr;
    std::string m_dxf;
    bool m_closed = false;
};

// (x, y) pairs of the 10/20 groups of an entity, in order.
inline std::vector<std::pair<double, double>> Points(const Entity& e) {
    const std::vector<double> xs = e.Reals(10), ys = e.Reals(20);
    std::vector<std::pair<double, double>> out;
    for (size_t i = 0; i < xs.size() && i < ys.size(); ++i) out.emplace_back(xs[i], ys[i]);
    return out;
}

using PointList = std::vector<std::pair<double, double>>;
using Values = std::vector<double>;

// The first value of each group code, in the order asked (0 when absent).
inline Values ValuesOf(const Entity& e, std::initializer_list<int> codes) {
    Values out;
    for (int code : codes) out.push_back(e.Real(code));
    return out;
}

// The boundary edges of a hatch: the groups of each edge, from its 72 type group
// to the next edge or the end of its loop.
inline std::vector<Entity> HatchEdges(const Entity& hatch) {
    std::vector<Entity> edges;
    bool inEdge = false;
    for (const Group& g : hatch.groups) {
        if (g.code == 72) {
            edges.push_back({g.value, {}});
            inEdge = true;
        } else if (g.code == 92 || g.code == 97) {
            inEdge = false;
        } else if (inEdge) {
            edges.back().groups.push_back(g);
        }
    }
    return edges;
}

}  // namespace vxtest
