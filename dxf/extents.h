#pragma once
// The box around everything a document draws, in drawing coordinates, grown
// entity by entity as they are written: the header's $EXTMIN and $EXTMAX and
// the saved view come from it.
#include <dl_entities.h>

class CExtents {
public:
    bool Empty() const { return m_minX > m_maxX; }
    double MinX() const { return m_minX; }
    double MinY() const { return m_minY; }
    double MaxX() const { return m_maxX; }
    double MaxY() const { return m_maxY; }

    void Add(double x, double y);
    // The part of an ellipse from start to end (radians, counter-clockwise)
    // around a centre, with the major axis's end relative to it.
    void AddEllipse(double cx, double cy, double majorX, double majorY, double ratio,
                    double start, double end);
    // A TEXT's box, its width estimated from the number of characters.
    void AddText(const DL_TextData& text);
    // The four corners of an IMAGE.
    void AddImage(const DL_ImageData& image);

private:
    double m_minX = 1, m_minY = 1, m_maxX = -1, m_maxY = -1;  // empty
};

// The counter-clockwise turn from angle start to angle end (radians), more
// than 0 and at most a full turn: equal angles are a whole circle.
double ArcSweep(double start, double end);
