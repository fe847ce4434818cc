#include <gtest/gtest.h>

#include <string>

#include "tests/support/path_reading.h"
#include "tests/support/shape_document.h"

namespace {

using vxtest::Entity;
using vxtest::Parse;
using vxtest::ShapeDocument;

// A cubic arch this tall is split to the depth limit: 131072 points.
const char kDeepCubic[] = "c0 1e11 1e11 1e11 1e11 0 ";

size_t VertexCount(const std::vector<Entity>& lines) {
    size_t count = 0;
    for (const Entity& line : lines) count += line.Reals(10).size();
    return count;
}

std::string Repeated(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

TEST(PathBudget, DeepCurvesStopWhenTheDocumentsPointsAreSpent) {
    ShapeDocument doc;
    doc.conv.PathReaderState().pointsLeft = 300000;
    // Unbounded, these would be 1.3 million vertices; the curve that spends the
    // budget is still finished, nothing after it is read.
    doc.classic.Path("", "M0 0 " + Repeated(kDeepCubic, 10), "", "", "");
    doc.classic.Path("", "M0 0 L5 5", "", "", "");
    const std::vector<Entity> lines = doc.Entities("LWPOLYLINE");
    ASSERT_EQ(lines.size(), 1u);
    // Three curves of 131072 points each, every inner vertex read twice (as
    // the end of one piece and the start of the next) and written once.
    EXPECT_EQ(VertexCount(lines), 3u * 65536u + 1u);
}

TEST(PathBudget, MarkersAndSymbolsPlacedAgainAndAgainShareThePoints) {
    ShapeDocument doc;
    doc.conv.PathReaderState().pointsLeft = 1000;
    doc.conv.Definitions().AddMarker({"m", "", "", "M0 0 " + Repeated("l1 1 ", 99), ""});
    doc.conv.Definitions().AddSymbol({"s", "M0 0 " + Repeated("l1 1 ", 99)});
    // Each path draws one point and its marker 99: ten placements fit.
    for (int i = 0; i < 20; ++i) doc.classic.Path("", "M0 0 L1 0", "", "", "url(#m)");
    for (int i = 0; i < 20; ++i) doc.classic.Use("", "", "", "#s");
    EXPECT_EQ(VertexCount(doc.Entities("LWPOLYLINE")), 10u * (2u + 100u));
}

TEST(PathBudget, LongMarkerTextsPlacedAgainAndAgainStopWhenTheTextIsSpent) {
    ShapeDocument doc;
    doc.conv.PathReaderState().textLeft = 12000;
    // Closepath letters without numbers draw nothing but are read at every placement.
    doc.conv.Definitions().AddMarker({"z", "", "", "M0 0 L1 1 " + std::string(5000, 'z'), ""});
    for (int i = 0; i < 5; ++i) doc.classic.Path("", "M0 0 L1 0", "", "", "url(#z)");
    // Three paths and their markers are read, the third crossing the bound.
    EXPECT_EQ(doc.Entities("LWPOLYLINE").size(), 6u);
}

TEST(PathBudget, EveryDocumentStartsWithTheFullBudget) {
    ShapeDocument doc;
    EXPECT_EQ(doc.conv.PathReaderState().pointsLeft, kPathPointsPerDocument);
    EXPECT_EQ(doc.conv.PathReaderState().textLeft, kPathTextPerDocument);
    doc.conv.PathReaderState().pointsLeft = 0;
    doc.conv.PathReaderState().textLeft = 0;
    doc.classic.Path("", "M0 0 L5 5", "", "", "");
    EXPECT_TRUE(doc.Entities("LWPOLYLINE").empty());
    auto sink = std::make_unique<CStringSink>();
    CStringSink* data = sink.get();
    ASSERT_EQ(doc.conv.BeginDocumentOn(std::move(sink)), 0);
    doc.classic.Path("", "M0 0 L5 5", "", "", "");
    doc.conv.EndDocument();
    EXPECT_EQ(vxtest::EntitiesOf(data->Data(), "LWPOLYLINE").size(), 1u);
}

TEST(PathParser, HostileDataEnds) {
    // A sign right after a failed command used to repeat that command for ever.
    EXPECT_EQ(Parse("M0 0 Q1 2 3 4 -1 2z -1 2z").xy.front(), (std::pair<double, double>(0, 0)));
    // Unknown commands repeated by separators and blanks stay cheap to read.
    std::string many = "M0 0";
    for (int i = 0; i < 200000; ++i) many += ",-1e300+1e300,,";
    many += " x" + std::string(100000, 'y');
    for (int i = 0; i < 100000; ++i) many += " 1";
    EXPECT_GT(Parse(many).points.size(), 1u);
    EXPECT_EQ(Parse("M0 0 C0 1e300 1e300 1e300 1e300 0").points.size(), 2u);
}

}  // namespace
