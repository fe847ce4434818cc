// The converter draws what either reading hands it through its shape writer.
#include "convert/svg_converter.h"

int CSvgConverter::ConvertPath(const std::string& transform, const std::string& data,
                               const std::string& dashArray, const std::string& markerStart,
                               const std::string& markerEnd) {
    return m_shapes.ConvertPath(transform, data, dashArray, markerStart, markerEnd);
}

void CSvgConverter::FillPath(const std::string& transform, const std::string& data) {
    m_shapes.FillPath(transform, data);
}

void CSvgConverter::ConvertPolyline(const std::string& transform, const std::string& points,
                                    const std::string& dashArray, bool closed) {
    m_shapes.ConvertPolyline(transform, points, dashArray, closed);
}

void CSvgConverter::ConvertLine(const std::string& transform, const std::string& x1,
                                const std::string& y1, const std::string& x2,
                                const std::string& y2) {
    m_shapes.ConvertLine(transform, x1, y1, x2, y2);
}

void CSvgConverter::ConvertRect(const std::string& transform, const std::string& x,
                                const std::string& y, const std::string& width,
                                const std::string& height, int filled, const std::string& rx,
                                const std::string& ry) {
    m_shapes.ConvertRect(transform, x, y, width, height, filled, rx, ry);
}

void CSvgConverter::ConvertCircle(int fill, const std::string& transform, const std::string& cx,
                                  const std::string& cy, const std::string& r,
                                  const std::string& dashArray, int stroke) {
    m_shapes.ConvertCircle(fill, transform, cx, cy, r, dashArray, stroke);
}

void CSvgConverter::ConvertEllipse(int fill, const std::string& transform, const std::string& cx,
                                   const std::string& cy, const std::string& rx,
                                   const std::string& ry, const std::string& dashArray,
                                   int stroke) {
    m_shapes.ConvertEllipse(fill, transform, cx, cy, rx, ry, dashArray, stroke);
}

void CSvgConverter::ConvertUse(const std::string& transform, const std::string& x,
                               const std::string& y, const std::string& reference) {
    m_shapes.ConvertUse(transform, x, y, reference);
}

void CSvgConverter::FillUse(const std::string& transform, const std::string& x,
                            const std::string& y, const std::string& href) {
    m_shapes.FillUse(transform, x, y, href);
}

void CSvgConverter::ConvertText(const std::string& transform, const std::string& fontFamily,
                                const std::string& fontSize, const std::string& content,
                                const std::string& x, const std::string& y) {
    m_shapes.ConvertText(transform, fontFamily, fontSize, content, x, y);
}

void CSvgConverter::ConvertImage(const std::string& x, const std::string& y,
                                 const std::string& width, const std::string& height,
                                 const std::string& href) {
    m_shapes.ConvertImage(x, y, width, height, href);
}

void CSvgConverter::PlaceImage(const vx::CPointMap& toDrawing, double left, double top, double w,
                               double h, const std::string& href,
                               const std::string* preserveAspectRatio) {
    m_shapes.PlaceImage(toDrawing, left, top, w, h, href, preserveAspectRatio);
}

void CSvgConverter::DrawResolvedPath(std::vector<CPolylinedata>& subpaths,
                                     const vx::CResolvedPaint& paint) {
    m_shapes.DrawResolvedPath(subpaths, paint);
}

void CSvgConverter::DrawResolvedEllipse(const vx::CEllipseImage& ellipse,
                                        const vx::CResolvedPaint& paint) {
    m_shapes.DrawResolvedEllipse(ellipse, paint);
}

void CSvgConverter::DrawResolvedText(double x, double y, double fontSize, double angle,
                                     int alignment, std::string_view content,
                                     std::string_view family, int color) {
    m_shapes.DrawResolvedText(x, y, fontSize, angle, alignment, content, family, color);
}
