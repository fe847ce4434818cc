#pragma once
// What the walker needs to know about an element's name, worked out once per
// element. Some rows match the name exactly, others in any letter case.
#include <string_view>

struct CElementKind {
    explicit CElementKind(std::string_view name);

    std::string_view name;
    bool isGroupExact;  // "g": pushes a transform, ends a group
    bool isGroup;       // "g" in any case: reads group attributes
    bool isDefs;        // "defs"
    bool isSvg;
    bool isText;        // "text" exactly
    bool isTspan;
    bool isPolyline;
    bool isPolylineExact;
    bool isPolygon;
    bool isLine;
    bool isRect;
    bool isCircle;
    bool isEllipse;
    bool isUse;
    bool isPath;
    bool isPathExact;
    bool isImageExact;
    bool isImage;
};
