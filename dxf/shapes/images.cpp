// An image element becomes an IMAGE entity over the area the SVG shows, with
// its picture stored in the image folder and one image definition recorded
// for the objects section. A picture left out gets a warning with the reason.
#include <climits>
#include <cmath>
#include <filesystem>

#include "base/finite.h"
#include "base/text.h"
#include "dxf/shapes/image_names.h"
#include "dxf/shapes/image_source.h"
#include "dxf/shapes/picture_size.h"
#include "dxf/shapes/shape_writer.h"
#include "platform/message_sink.h"
#include "resolve/viewport.h"
#include "dxf/dxf_palette.h"

namespace {

// For a picture of unknown size one SVG unit is one pixel: the size cut
// toward zero, kept in the int range.
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

// Where the picture lies in drawing units: the lower-left corner that the
// IMAGE grows from, and the whole extent along its bottom (u) and left (v)
// sides, group transforms applied.
struct CImagePlace {
    CPointData corner, u, v;
};

CImagePlace PlaceOf(const vx::CPointMap& toDrawing, double left, double top, double w,
                    double h) {
    CImagePlace place;
    place.corner = toDrawing(left, top + h);
    const CPointData right = toDrawing(left + w, top + h);
    const CPointData upper = toDrawing(left, top);
    place.u = {right.x - place.corner.x, right.y - place.corner.y};
    place.v = {upper.x - place.corner.x, upper.y - place.corner.y};
    return place;
}

// The picture's pixels spread over its place, so that programs that draw the
// picture file show it at the size the SVG shows it. A picture of unknown
// size keeps one drawing unit per pixel and w x h pixels.
DL_ImageData ImageOver(const std::string& file, const CImagePlace& place, const CPictureSize& pixels,
                       double w, double h) {
    DL_ImageData image(file, place.corner.x, place.corner.y, 0, 1, 0, 0, 0, 1, 0, PixelCount(w),
                       PixelCount(h), 50, 50, 0);
    if (!pixels.Known()) return image;
    image.ux = place.u.x / pixels.width;
    image.uy = place.u.y / pixels.width;
    image.vx = place.v.x / pixels.height;
    image.vy = place.v.y / pixels.height;
    image.width = pixels.width;
    image.height = pixels.height;
    return image;
}

// The part of the area a picture fills when it keeps its aspect ratio, as
// browsers place it. slice would crop the picture, which an IMAGE entity here
// cannot: it keeps the whole area, as none does.
void FitPicture(const CPictureSize& pixels, const vx::CAspectRatio& aspect, double& left,
                double& top, double& w, double& h) {
    if (!pixels.Known() || aspect.slice) return;
    const CMatrix fit = vx::ViewportMatrix(0, 0, pixels.width, pixels.height, w, h, aspect);
    left += fit.e;
    top += fit.f;
    w = pixels.width * fit.a;
    h = pixels.height * fit.d;
}

void WarnLeftOut(IMessageSink* messages, std::string_view href, const std::string& reason) {
    if (!messages) return;
    const std::string shown = vx::ShortReference(vx::TrimView(href));
    messages->Warn("picture " + (shown.empty() ? "" : shown + " ") + "left out: " + reason);
}

}  // namespace

void CShapeWriter::DrawImage(const vx::CClassicImage& image) {
    const vx::CClassicStyle& style = image.style;
    const vx::CPointMap toDrawing = [&style](double px, double py) {
        style.groups->Apply(px, py);
        return CPointData(px, style.height - py);
    };
    const DL_Attributes attributes =
        EntityAttributes(style.layer, vx::NearestDxfColor(style.fillRgb), -1, "BYLAYER");
    PlacePicture(attributes, toDrawing, image.x, image.y, image.width, image.height,
                 image.reference, nullptr);
}

void CShapeWriter::PlaceImage(const vx::CPointMap& toDrawing, double left, double top, double w,
                              double h, const std::string& reference,
                              const vx::CAspectRatio* aspect) {
    // A picture's colour number does not change how it shows; this reading gives it black's.
    PlacePicture(EntityAttributes(vx::NearestDxfColor(0), -1, "BYLAYER"), toDrawing, left, top,
                 w, h, reference, aspect);
}

void CShapeWriter::PlacePicture(const DL_Attributes& attributes, const vx::CPointMap& toDrawing,
                                double left, double top, double w, double h,
                                const std::string& reference, const vx::CAspectRatio* aspect) {
    CImagePlace place = PlaceOf(toDrawing, left, top, w, h);
    // Checked before the picture is fetched or copied: nothing is stored for an
    // image that cannot be placed.
    if (!vx::AllFinite({place.corner.x, place.corner.y, place.u.x, place.u.y, place.v.x,
                        place.v.y, w, h}))
        return LeaveOutNonFinite();
    // A DXF written to a stream has no folder beside it to hold pictures.
    if (!m_settings.imageFetch.storePictures)
        return WarnLeftOut(m_messages, reference, "no pictures are stored with a DXF on standard output");

    const std::string drawingName = vx::DrawingName(m_settings.outputPath);
    CImageStore store;
    store.folder = m_settings.imageFolder;
    store.inputPath = m_settings.inputPath;
    store.drawingName = drawingName;
    store.imageNumber = static_cast<int>(m_tables.Pictures().size()) + 1;
    store.fetch = m_settings.imageFetch;
    store.caFile = m_settings.imageCaFile;
    const CImageFile stored = StoreImageFile(reference, store);
    if (stored.path.empty()) {
        WarnLeftOut(m_messages, reference, stored.failure);
        return;
    }

    const CPictureSize pixels = ReadPictureFileSize(stored.path);
    if (aspect) {
        FitPicture(pixels, *aspect, left, top, w, h);
        place = PlaceOf(toDrawing, left, top, w, h);
    }
    const DL_ImageData image = ImageOver(FileReference(stored.path), place, pixels, w, h);
    const unsigned long handle = m_output.WriteImage(image, attributes);

    CImageDefData definition;
    definition.handle = static_cast<int>(handle);
    definition.file = image.ref;
    definition.ipx = image.ipx;
    definition.ipy = image.ipy;
    // The extent the IMAGE covers; one unit per pixel when the size is unknown.
    const CPointData u = pixels.Known() ? place.u : CPointData(w, 0);
    const CPointData v = pixels.Known() ? place.v : CPointData(0, h);
    definition.ux = u.x;
    definition.uy = u.y;
    definition.vx = v.x;
    definition.vy = v.y;
    definition.width = image.width;
    definition.height = image.height;
    definition.brightness = 50;
    definition.contrast = 50;
    m_tables.AddPicture(definition);
}
