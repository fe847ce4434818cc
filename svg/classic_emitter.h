#pragma once
// What the classic walker hands each element to: the emitters, which take the
// element's attribute texts as they stand, the group transform stack, and the
// file's progress and cancellation. The converter implements it.
#include <string>
#include <string_view>

namespace vx {

class IClassicEmitter {
public:
    virtual ~IClassicEmitter() = default;
    virtual void ReportProgress(int percent) = 0;
    // Throws when the user has stopped the file in progress.
    virtual void ThrowIfCancelled() const = 0;

    virtual void PushTransform() = 0;
    virtual void PopTransform() = 0;
    // The transform of the innermost open group.
    virtual void ParseGroupTransform(std::string_view text) = 0;

    virtual void ConvertText(const std::string& transform, const std::string& fontFamily,
                             const std::string& fontSize, const std::string& content,
                             const std::string& x, const std::string& y) = 0;
    virtual void ConvertPolyline(const std::string& transform, const std::string& points,
                                 const std::string& dashArray, bool closed) = 0;
    virtual void ConvertLine(const std::string& transform, const std::string& x1,
                             const std::string& y1, const std::string& x2,
                             const std::string& y2) = 0;
    virtual int ConvertPath(const std::string& transform, const std::string& data,
                            const std::string& dashArray, const std::string& markerStart,
                            const std::string& markerEnd) = 0;
    virtual void FillPath(const std::string& transform, const std::string& data) = 0;
    virtual void ConvertRect(const std::string& transform, const std::string& x,
                             const std::string& y, const std::string& width,
                             const std::string& height, int filled, const std::string& rx,
                             const std::string& ry) = 0;
    virtual void ConvertCircle(int fill, const std::string& transform, const std::string& cx,
                               const std::string& cy, const std::string& r,
                               const std::string& dashArray, int stroke) = 0;
    virtual void ConvertEllipse(int fill, const std::string& transform, const std::string& cx,
                                const std::string& cy, const std::string& rx,
                                const std::string& ry, const std::string& dashArray,
                                int stroke) = 0;
    virtual void ConvertUse(const std::string& transform, const std::string& x,
                            const std::string& y, const std::string& reference) = 0;
    virtual void FillUse(const std::string& transform, const std::string& x,
                         const std::string& y, const std::string& href) = 0;
    virtual void ConvertImage(const std::string& x, const std::string& y,
                              const std::string& width, const std::string& height,
                              const std::string& href) = 0;
};

}  // namespace vx
