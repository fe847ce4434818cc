#pragma once
// Value records held in the converter's tables. Tables keep insertion order.
#include <string>
#include <vector>

// One vertex of parsed path data, in SVG user units.
class CPointData {
public:
    CPointData() = default;
    CPointData(double px, double py) : x(px), y(py) {}
    virtual ~CPointData() = default;
    CPointData(const CPointData&) = default;
    CPointData& operator=(const CPointData&) = default;

    double x = 0;
    double y = 0;
    int closed = 0;      // ends a subpath that a closepath closed
    int subpathEnd = 0;  // ends a subpath that a later moveto ended
};

// One subpath collected for a fill or an outline.
class CPolylinedata {
public:
    std::vector<CPointData> points;
    int closed = 0;
};

class CDashData {
public:
    CDashData() = default;
    CDashData(std::string n, std::string p) : name(std::move(n)), pattern(std::move(p)) {}
    virtual ~CDashData() = default;
    CDashData(const CDashData&) = default;
    CDashData& operator=(const CDashData&) = default;

    std::string name;     // "Dash1", "Dash2", ...
    std::string pattern;  // the dash array as collected, trimmed
};

class CFontData {
public:
    std::string family;
    std::string styleName;  // "Style-" + family
};

class CMarkdata {
public:
    std::string id;
    std::string refX;
    std::string refY;
    std::string path;       // d of the marker's path child
    std::string transform;  // transform of that child
};

class CSymble {
public:
    std::string id;
    std::string path;  // d of the symbol's path child
};

class CImageDefData {
public:
    CImageDefData() = default;
    virtual ~CImageDefData() = default;
    CImageDefData(const CImageDefData&) = default;
    CImageDefData& operator=(const CImageDefData&) = default;

    int handle = 0;
    std::string file;
    double ipx = 0, ipy = 0, ipz = 0;
    double ux = 0, uy = 0, uz = 0;
    double vx = 0, vy = 0, vz = 0;
    int width = 0, height = 0;
    int brightness = 0, contrast = 0, fade = 0;
};

// Affine matrix in SVG order: (x, y) -> (a x + c y + e, b x + d y + f).
struct CMatrix {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
};
