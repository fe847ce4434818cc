#include "dxf/shapes/shape_writer.h"
#include "dxf/shapes/solid_fill.h"
#include "geometry/path_parser.h"

namespace {

// Each subpath of a filled path becomes a loop of its hatch; one without area
// is drawn as an outline instead.
class CFillSink : public vx::ISubpathSink {
public:
    CFillSink(CShapeWriter& shapes, const std::string& transform,
              std::vector<CPolylinedata>& subpaths)
        : m_shapes(shapes), m_transform(transform), m_subpaths(subpaths) {}
    void SubpathEnded(std::vector<CPointData>& points) override {
        m_shapes.CollectFillSubpath(points, m_transform, m_subpaths);
    }

private:
    CShapeWriter& m_shapes;
    const std::string& m_transform;
    std::vector<CPolylinedata>& m_subpaths;
};

}  // namespace

void CShapeWriter::FillPath(const std::string& transform, const std::string& data) {
    std::vector<CPointData> points;
    std::vector<CPolylinedata> subpaths;
    int drawn = 0;
    vx::CPathReaderState& state = m_pathReader;
    CFillSink fill(*this, transform, subpaths);
    vx::ReadPathData(state, data, points, drawn, fill);
    CollectFillSubpath(points, transform, subpaths);  // the last subpath
    vx::WriteSolidFill(*this, subpaths);
}
