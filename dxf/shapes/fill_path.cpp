#include "dxf/shapes/shape_writer.h"
#include "dxf/shapes/solid_fill.h"
#include "geometry/path_parser.h"

// Each subpath of a filled path becomes a loop of its hatch; one without area
// is drawn as an outline instead.
class CShapeWriter::CFillSink : public vx::ISubpathSink {
public:
    CFillSink(CShapeWriter& shapes, const vx::CClassicPath& path,
              std::vector<CPolylinedata>& subpaths)
        : m_shapes(shapes), m_path(path), m_subpaths(subpaths) {}
    void SubpathEnded(std::vector<CPointData>& points) override {
        m_shapes.CollectFillSubpath(points, m_path, m_subpaths);
    }

private:
    CShapeWriter& m_shapes;
    const vx::CClassicPath& m_path;
    std::vector<CPolylinedata>& m_subpaths;
};

void CShapeWriter::FillPath(const vx::CClassicPath& path) {
    std::vector<CPointData> points;
    std::vector<CPolylinedata> subpaths;
    int drawn = 0;
    CFillSink fill(*this, path, subpaths);
    vx::ReadPathData(m_pathReader, path.data, points, drawn, fill);
    CollectFillSubpath(points, path, subpaths);  // the last subpath
    vx::WriteSolidFill(*this, path.style, subpaths);
}
