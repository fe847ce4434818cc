#pragma once
// Where the browser walk hands what it has resolved: geometry in drawing
// coordinates (y up, output units) with its paint. The converter draws it
// into the DXF; the walk itself knows nothing of DXF.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/records.h"
#include "geometry/path_parser.h"

namespace vx {

struct CResolvedPaint;  // resolve/paint.h
struct CEllipseImage;   // geometry/ellipse_image.h
struct CAspectRatio;    // resolve/viewport.h

// Drawing coordinates of a point given in an image's own units.
using CPointMap = std::function<CPointData(double x, double y)>;

class IResolvedDrawing {
public:
    virtual ~IResolvedDrawing() = default;
    // False when fills are not wanted: a filled shape then draws its outline.
    virtual bool FillsAsHatches() const = 0;
    // The layer of the drawables that follow.
    virtual void SetLayer(const std::string& name) = 0;
    // The document's path reader state, for every path data the walk reads.
    virtual CPathReaderState& PathReaderState() = 0;

    virtual void DrawResolvedPath(std::vector<CPolylinedata>& subpaths,
                                  const CResolvedPaint& paint) = 0;
    virtual void DrawResolvedEllipse(const CEllipseImage& ellipse, const CResolvedPaint& paint) = 0;
    // A text as shown (character references decoded) at its insertion point,
    // fontSize and angle (radians) in drawing terms; alignment 0 left, 1
    // centre, 2 right.
    virtual void DrawResolvedText(double x, double y, double fontSize, double angle,
                                  int alignment, std::string_view content,
                                  std::string_view family, int color) = 0;
    // A picture (its address, character references decoded) over the w x h
    // area at left, top that toDrawing maps into the drawing, fitted into it
    // as aspect says; null stretches it over the whole area.
    virtual void PlaceImage(const CPointMap& toDrawing, double left, double top, double w,
                            double h, const std::string& reference,
                            const CAspectRatio* aspect) = 0;
};

}  // namespace vx
