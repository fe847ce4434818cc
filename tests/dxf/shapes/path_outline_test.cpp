#include <gtest/gtest.h>

#include "tests/support/shape_document.h"

namespace {

using vxtest::Entity;
using vxtest::PointList;
using vxtest::Points;
using vxtest::ShapeDocument;

TEST(PathOutline, OnePolylinePerSubpathWithClosedFlag) {
    ShapeDocument doc;
    doc.classic.Path("", "M0 0 L10 0 L10 10 z m5 5 L20 20 M7 7", "", "", "");
    const std::vector<Entity> lines = doc.Entities("LWPOLYLINE");
    ASSERT_EQ(lines.size(), 2u);  // the lone last moveto draws nothing
    EXPECT_EQ(lines[0].Int(70), 1);
    EXPECT_EQ(Points(lines[0]), (PointList{{0, 100}, {10, 100}, {10, 90}}));
    EXPECT_EQ(lines[1].Int(70), 0);
    EXPECT_EQ(Points(lines[1]), (PointList{{5, 95}, {20, 80}}));
    EXPECT_EQ(doc.conv.PathReaderState().closePending, 0);
}

TEST(PathOutline, StrokeWidthsScaledByElementAndGroupMatrices) {
    ShapeDocument doc;
    doc.conv.GroupTransforms().Push();
    doc.conv.GroupTransforms().ReadOwnTransform("scale(3)");
    doc.conv.Walker().m_dStrokeWidth = 2;
    doc.conv.Walker().m_dGroupStrokeWidth = 1.5;
    doc.classic.Path("", "M1 1 L2 2", "", "", "");
    doc.conv.Walker().m_dStrokeWidth = 0;  // falls back on the group's width
    doc.classic.Path("scale(2,2)", "M1 1 L2 2", "", "", "");
    const std::vector<Entity> lines = doc.Entities("LWPOLYLINE");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Reals(40), (std::vector<double>{6, 6}));
    EXPECT_EQ(lines[0].Reals(41), (std::vector<double>{6, 6}));
    EXPECT_EQ(Points(lines[0]), (PointList{{3, 97}, {6, 94}}));
    EXPECT_EQ(lines[1].Reals(40), (std::vector<double>{9, 9}));
    EXPECT_EQ(Points(lines[1]), (PointList{{6, 94}, {12, 88}}));
}

TEST(PathMarkers, TurnedShiftedAndDrawnAtBothEndsOfEverySubpath) {
    ShapeDocument doc;
    doc.conv.Definitions().AddMarker({"arrow", "2", "3", "M0 0 L1 0 z", ""});
    doc.classic.Path("", "M0 0 L10 0 M0 0 L0 10", "", "url(#arrow)", " url(#arrow) ");
    doc.classic.Path("", "M0 0 L1 0", "", "", "");  // markers are a path's own: none here
    const std::vector<Entity> lines = doc.Entities("LWPOLYLINE");
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(Points(lines[1]), (PointList{{2, 97}, {3, 97}}));    // start, along +x
    EXPECT_EQ(Points(lines[2]), (PointList{{12, 97}, {13, 97}}));  // end, anchored at (10, 0)
    EXPECT_EQ(Points(lines[4]), (PointList{{2, 97}, {2, 96}}));    // start, turned to +y
    EXPECT_EQ(lines[1].Int(70), 0);  // a marker polyline is always open
}

TEST(PathMarkers, CoincidentAndZeroDirectionsAndLookups) {
    ShapeDocument doc;
    doc.classic.Path("", "M0 0 L5 0", "", "url(#later)", "");  // defined afterwards
    doc.conv.Definitions().AddMarker({"later", "0", "0", "M0 0 L1 0", ""});
    // Coincident first points: the third gives the direction.
    doc.classic.Path("", "M0 0 L0 0 L0 10", "", "url(#later)", "none");
    // No direction at all: the marker is not turned; the path itself has no
    // length and writes nothing.
    doc.classic.Path("", "M5 5 L5 5", "", "", "later");
    // A marker of two subpaths draws two open polylines; a lone point draws none.
    doc.conv.Definitions().AddMarker({"two", "0", "0", "M0 0 L1 0 M3 3 M0 1 L1 1", ""});
    doc.classic.Path("", "M0 0 L5 0", "", "", "url(#two)");
    const std::vector<Entity> lines = doc.Entities("LWPOLYLINE");
    ASSERT_EQ(lines.size(), 1u + 2u + 1u + 3u);
    EXPECT_EQ(Points(lines[1]), (PointList{{0, 100}, {0, 90}}));  // the repeated point once
    EXPECT_EQ(Points(lines[2]), (PointList{{0, 100}, {0, 99}}));
    EXPECT_EQ(Points(lines[3]), (PointList{{5, 95}, {6, 95}}));
    EXPECT_EQ(Points(lines[5]), (PointList{{5, 100}, {6, 100}}));
    EXPECT_EQ(Points(lines[6]), (PointList{{5, 99}, {6, 99}}));
}

}  // namespace
