#include "svg/element_kind.h"

#include "base/text.h"

using vx::EqualsNoCase;

CElementKind::CElementKind(std::string_view n)
    : name(n),
      isGroupExact(n == "g"),
      isGroup(EqualsNoCase(n, "g")),
      isDefs(n == "defs"),
      isSvg(EqualsNoCase(n, "svg")),
      isText(n == "text"),
      isTspan(EqualsNoCase(n, "tspan")),
      isPolyline(EqualsNoCase(n, "polyline")),
      isPolylineExact(n == "polyline"),
      isPolygon(EqualsNoCase(n, "polygon")),
      isLine(EqualsNoCase(n, "line")),
      isRect(EqualsNoCase(n, "rect")),
      isCircle(EqualsNoCase(n, "circle")),
      isEllipse(EqualsNoCase(n, "ellipse")),
      isUse(EqualsNoCase(n, "use")),
      isPath(EqualsNoCase(n, "path")),
      isPathExact(n == "path"),
      isImageExact(n == "image"),
      isImage(EqualsNoCase(n, "image")) {}
