// An image element becomes an IMAGE entity over the area the SVG shows, with
// its picture stored in the image folder and one image definition recorded
// for the objects section.
#include <climits>
#include <cmath>
#include <filesystem>

#include "convert/svg_converter.h"
#include "convert/text.h"
#include "geometry/finite.h"
#include "dxf/shapes/image_names.h"
#include "dxf/shapes/image_source.h"
#include "xml/xml_parser.h"

namespace {

// One SVG unit is one pixel: the size cut toward zero, kept in the int range.
int PixelCount(double size) {
    if (!(size > INT_MIN && size < INT_MAX)) return size > 0 ? INT_MAX : INT_MIN;
    return static_cast<int>(size);
}

// Absolute, so the reference stays valid whatever folder a reader starts in;
// readers that miss it look for the same name next to the drawing.
std::string FileReference(const std::string& storedPath) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(storedPath, error);
    return error ? storedPath : absolute.lexically_normal().string();
}

}  // namespace

void CSvgConverter::ConvertImage(const std::string& x, const std::string& y,
                                 const std::string& width, const std::string& height,
                                 const std::string& href) {
    if (!m_pWriter) return;
    const double left = vx::LeadingNumber(x), top = vx::LeadingNumber(y);
    const double w = vx::LeadingNumber(width), h = vx::LeadingNumber(height);

    // The IMAGE grows right and up from its insertion point: the lower-left corner.
    double cornerX = left, cornerY = top + h;
    ApplyGroupTransforms(cornerX, cornerY);
    cornerY = m_dHeight - cornerY;
    // Checked before the picture is fetched or copied: nothing is stored for an
    // image that cannot be placed.
    if (!vx::AllFinite({cornerX, cornerY, w, h})) return;

    const std::string drawingName = vx::DrawingName(m_strOutputPath);
    CImageStore store;
    store.folder = m_strImageFolder;
    store.inputPath = m_strInputPath;
    store.drawingName = drawingName;
    store.imageNumber = static_cast<int>(m_imageDefs.size()) + 1;
    store.fetch = &m_imageFetch;
    store.caFile = m_strImageCaFile;
    const std::string stored = StoreImageFile(DecodeEntities(href), store);
    if (stored.empty()) return;

    const std::string file = FileReference(stored);
    const int pixelsWide = PixelCount(w), pixelsHigh = PixelCount(h);
    const DL_ImageData image(file, cornerX, cornerY, 0, 1, 0, 0, 0, 1, 0, pixelsWide, pixelsHigh,
                             50, 50, 0);
    const unsigned long handle = m_dxf.writeImage(
        *m_pWriter, image, EntityAttributes(NearestDxfColor(m_crFill), -1, "BYLAYER"));

    CImageDefData definition;
    definition.handle = static_cast<int>(handle);
    definition.file = file;
    definition.ipx = cornerX;
    definition.ipy = cornerY;
    definition.ux = w;
    definition.vy = h;
    definition.width = pixelsWide;
    definition.height = pixelsHigh;
    definition.brightness = 50;
    definition.contrast = 50;
    m_imageDefs.push_back(definition);
}
