#include <gtest/gtest.h>

#include <algorithm>

#include "convert/svg_converter.h"
#include "tests/support/convert_fixture.h"
#include "tests/support/dxf_groups.h"

using vxtest::Entity;
using vxtest::Group;

namespace {

const DL_Attributes kAttributes("0", 7, -1, 0, "");

// The text of a whole document opened in memory, with `body` writing its entities.
template <class Body>
std::string Document(CSvgConverter& conv, Body body) {
    auto sink = std::make_unique<CStringSink>();
    const CStringSink* data = sink.get();
    if (conv.BeginDocumentOn(std::move(sink)) != 0) return "";
    body();
    const bool ended = conv.EndDocument();
    vxtest::ExpectOnlyFiniteReals(conv);
    if (!ended) return "";
    return data->Data();
}

std::string Document(CSvgConverter& conv) {
    return Document(conv, [] {});
}

std::vector<std::string> Names(const std::vector<Entity>& entries) {
    std::vector<std::string> names;
    for (const Entity& e : entries) names.push_back(e.Str(2));
    return names;
}

using Names_t = std::vector<std::string>;

}  // namespace

TEST(DocumentFrame, EmptyDrawingHasTheStandardTablesAndExactHeader) {
    CSvgConverter conv;
    const std::string dxf = Document(conv);
    const std::vector<Group> groups = vxtest::ParseGroups(dxf);
    ASSERT_GT(groups.size(), 20u);
    const std::vector<std::pair<int, std::string>> header = {
        {999, "Vextora"}, {0, "SECTION"},  {2, "HEADER"}, {9, "$ACADVER"}, {1, "AC1015"},
        {9, "$HANDSEED"}, {5, "FFFF"},      {9, "$EXTMIN"}, {10, "100000000000000000000.00"},
        {20, "100000000000000000000.00"}, {30, "0.0"}, {9, "$EXTMAX"},
        {10, "-100000000000000000000.0"}, {20, "-100000000000000000000.0"}, {30, "0.0"},
        {0, "ENDSEC"}, {0, "SECTION"},  {2, "TABLES"}};
    for (size_t i = 0; i < header.size(); ++i) {
        EXPECT_EQ(groups[i].code, header[i].first) << i;
        EXPECT_EQ(groups[i].value, header[i].second) << i;
    }
    EXPECT_EQ(groups.back().code, 0);
    EXPECT_EQ(groups.back().value, "EOF");
    EXPECT_EQ(dxf.substr(0, 12), "999\nVextora\n");

    EXPECT_EQ(vxtest::TableCount(dxf, "LTYPE"), 1);
    EXPECT_EQ(Names(vxtest::TableEntries(dxf, "LTYPE")),
              (Names_t{"CONTINUOUS", "BYLAYER", "BYBLOCK"}));
    EXPECT_EQ(vxtest::TableCount(dxf, "LAYER"), 1);
    const auto layers = vxtest::TableEntries(dxf, "LAYER");
    ASSERT_EQ(Names(layers), Names_t{"0"});
    EXPECT_EQ(layers[0].Int(62), 2);
    EXPECT_EQ(layers[0].Str(420), "0");
    EXPECT_EQ(layers[0].Int(370), 100);
    EXPECT_EQ(layers[0].Str(6), "CONTINUOUS");
    EXPECT_EQ(vxtest::TableCount(dxf, "STYLE"), 1);
    const auto styles = vxtest::TableEntries(dxf, "STYLE");
    ASSERT_EQ(Names(styles), Names_t{"Standard"});
    EXPECT_EQ(styles[0].Real(42), 2.5);
    EXPECT_EQ(styles[0].Str(1000), "txt");
    EXPECT_EQ(vxtest::TableCount(dxf, "APPID"), 1);
    EXPECT_EQ(Names(vxtest::TableEntries(dxf, "APPID")), Names_t{"ACAD"});
    EXPECT_EQ(vxtest::TableCount(dxf, "VPORT"), 1);
    EXPECT_EQ(Names(vxtest::TableEntries(dxf, "BLOCK_RECORD")),
              (Names_t{"*Model_Space", "*Paper_Space", "*Paper_Space0"}));
    EXPECT_TRUE(vxtest::EntitiesOf(dxf).empty());
    EXPECT_NE(dxf.find("  0\nSECTION\n  2\nENTITIES\n  0\nENDSEC\n  0\nSECTION\n  2\nOBJECTS\n"),
              std::string::npos);
    EXPECT_NE(dxf.find("  3\nMY_OBJECTS\n"), std::string::npos);
}

TEST(DocumentFrame, LayerZeroComesFirstUnlessTheDrawingNamesIt) {
    CSvgConverter conv;
    EXPECT_EQ(conv.Tables().CountLayerEntries(), 1);
    conv.Tables().SetLayerNames({"walls", "0"});
    std::string dxf = Document(conv);
    EXPECT_EQ(vxtest::TableCount(dxf, "LAYER"), 2);
    EXPECT_EQ(Names(vxtest::TableEntries(dxf, "LAYER")), (Names_t{"walls", "0"}));

    conv.Tables().SetLayerNames({"walls", "doors"});
    dxf = Document(conv);
    EXPECT_EQ(vxtest::TableCount(dxf, "LAYER"), 3);
    EXPECT_EQ(Names(vxtest::TableEntries(dxf, "LAYER")), (Names_t{"0", "walls", "doors"}));
    EXPECT_EQ(conv.Tables().LayerNames().size(), 2u);  // the list is read, never changed
}

TEST(DocumentFrame, DashPatternsBecomeLineTypesAndUnusableOnesLeaveTheTable) {
    CSvgConverter conv;
    conv.Tables().AddDashPattern("5 3");
    conv.Tables().AddDashPattern("4");
    conv.Tables().AddDashPattern("10 5 2 5");
    const std::string dxf = Document(conv);
    EXPECT_EQ(vxtest::TableCount(dxf, "LTYPE"), 4);  // the records before the frame, plus 1
    const auto entries = vxtest::TableEntries(dxf, "LTYPE");
    ASSERT_EQ(Names(entries), (Names_t{"CONTINUOUS", "Dash1", "Dash3", "BYLAYER", "BYBLOCK"}));
    EXPECT_EQ(entries[1].Str(3), "Dash - - - - - - - - - -");
    EXPECT_EQ(entries[1].Int(73), 2);
    EXPECT_EQ(entries[1].Real(40), 8.0);
    EXPECT_EQ(entries[1].Reals(49), (std::vector<double>{5, -3}));
    EXPECT_EQ(entries[2].Real(40), 22.0);
    EXPECT_EQ(entries[2].Reals(49), (std::vector<double>{10, -5, 2, -5}));
    ASSERT_EQ(conv.Tables().Dashes().size(), 2u);
    EXPECT_EQ(conv.Tables().LookupDashName("4"), "");
    EXPECT_EQ(conv.Tables().LookupDashName("10 5 2 5"), "Dash3");
}

TEST(DocumentFrame, FontsBecomeTextStylesOnOneLineEach) {
    CSvgConverter conv;
    conv.Tables().AddFontFamily("Arial");
    conv.Tables().AddFontFamily("Arial\n}\n.b{fill:red");
    const std::string dxf = Document(conv);
    EXPECT_EQ(vxtest::TableCount(dxf, "STYLE"), 3);
    const auto styles = vxtest::TableEntries(dxf, "STYLE");
    ASSERT_EQ(Names(styles), (Names_t{"Standard", "Style-Arial", "Style-Arial } .b{fill:red"}));
    EXPECT_EQ(styles[1].Str(1000), "Arial");
    EXPECT_EQ(styles[1].Real(41), 1.0);
}

TEST(DocumentFrame, ImageDefinitionsFollowTheDictionariesInOrder) {
    CSvgConverter conv;
    for (const char* file : {"first.png", "second.jpg"}) {
        CImageDefData image;
        image.handle = int(0x100 + conv.Tables().Pictures().size());
        image.file = file;
        image.width = 640;
        image.height = 480;
        conv.Tables().AddPicture(image);
    }
    const std::string dxf = Document(conv);
    const auto images = vxtest::ObjectsOf(dxf, "IMAGEDEF");
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].Str(1), "first.png");
    EXPECT_EQ(images[0].Str(5), "100");
    EXPECT_EQ(images[1].Str(1), "second.jpg");
    // Each picture is owned by the image dictionary, which lists it.
    for (const Entity& image : images) {
        bool listed = false;
        for (const Entity& dictionary : vxtest::ObjectsOf(dxf, "DICTIONARY"))
            if (dictionary.Str(5) == image.Str(330)) listed = dictionary.Strs(350) ==
                std::vector<std::string>{"100", "101"};
        EXPECT_TRUE(listed) << image.Str(1);
    }
    EXPECT_LT(dxf.rfind("DICTIONARY"), dxf.rfind("XRECORD"));
    // The record of how the drawing was made comes last.
    const std::string end = "AcDbXrecord\n  1\nsvg-rules=classic fill=hatch\n  0\nENDSEC\n  0\nEOF\n";
    EXPECT_EQ(dxf.substr(dxf.size() - end.size()), end);
}

TEST(DocumentFrame, VertexWidthsAndBulgeOnlyWhenItCounts) {
    CSvgConverter conv;
    const std::string dxf = Document(conv, [&] {
        const CPointData points[] = {{1, 2}, {3, 4}, {5, 6}};
        const double bulges[] = {0, 1e-11, -0.5};
        conv.Output().WritePolyline(points, 3, false, 0.5, kAttributes, bulges);
    });
    const auto polylines = vxtest::EntitiesOf(dxf, "LWPOLYLINE");
    ASSERT_EQ(polylines.size(), 1u);
    std::vector<int> vertexCodes;
    for (const Group& g : polylines[0].groups)
        if (g.code >= 10 && g.code <= 42 && g.code != 38 && g.code != 39) vertexCodes.push_back(g.code);
    EXPECT_EQ(vertexCodes, (std::vector<int>{10, 20, 30, 40, 41, 10, 20, 30, 40, 41, 10, 20, 30,
                                             40, 41, 42}));
    EXPECT_EQ(polylines[0].Reals(40), (std::vector<double>{0.5, 0.5, 0.5}));
    EXPECT_EQ(polylines[0].Real(42), -0.5);
    const CPointData more[] = {{1, 1}, {2, 2}};
    conv.Output().WritePolyline(more, 2, false, 0, kAttributes);  // no document open: nothing happens
}

TEST(DocumentFrame, OpeningResetsTheDocumentStateButNotTheTables) {
    CSvgConverter conv;
    conv.Walker().m_dHeight = conv.Walker().m_dWidth = 50;
    conv.Walker().m_nColor = 3;
    conv.Walker().m_crFill = conv.Walker().m_crStroke = 0xFF;
    conv.Walker().m_dStrokeWidth = conv.Walker().m_dGroupStrokeWidth = 2;
    conv.PathReaderState().closePending = 1;
    conv.PathReaderState().previousCommand = "L";
    conv.Walker().m_strFontSize = "12";
    conv.Walker().m_strFontFamily = "Arial";
    conv.Walker().m_strLayerName = "walls";
    conv.Walker().m_strLineType = "Dash1";
    conv.Definitions().AddMarker(CMarkdata{"m", "0", "0", "M0 0", ""});
    conv.Definitions().AddSymbol(CSymble{"s", "M0 0"});
    conv.GroupTransforms().Push();
    conv.GroupTransforms().Push();
    conv.Tables().SetLayerNames({"walls"});
    conv.Tables().AddDashPattern("5 3");
    conv.Tables().AddFontFamily("Arial");
    ASSERT_EQ(conv.BeginDocumentOn(std::make_unique<CStringSink>()), 0);
    EXPECT_EQ(conv.Walker().m_dHeight, 0);
    EXPECT_EQ(conv.Walker().m_dWidth, 0);
    EXPECT_EQ(conv.Walker().m_nColor, 0);
    EXPECT_EQ(conv.Walker().m_crFill, 0u);
    EXPECT_EQ(conv.Walker().m_crStroke, 0u);
    EXPECT_EQ(conv.Walker().m_dStrokeWidth + conv.Walker().m_dGroupStrokeWidth, 0);
    EXPECT_EQ(conv.PathReaderState().closePending, 0);
    EXPECT_TRUE(conv.PathReaderState().previousCommand.empty());
    EXPECT_TRUE(conv.Walker().m_strFontSize.empty() && conv.Walker().m_strFontFamily.empty());
    EXPECT_EQ(conv.Walker().m_strLayerName, "0");
    EXPECT_TRUE(conv.Definitions().Markers().empty() && conv.Definitions().Symbols().empty());
    EXPECT_EQ(conv.GroupTransforms().GroupDepth(), 0);
    EXPECT_EQ(conv.Walker().m_strLineType, "Dash1");
    EXPECT_EQ(conv.Tables().LayerNames().size(), 1u);
    EXPECT_EQ(conv.Tables().Dashes().size(), 1u);
    EXPECT_EQ(conv.Tables().Fonts().size(), 1u);
    EXPECT_TRUE(conv.Output().IsOpen());
    EXPECT_TRUE(conv.EndDocument());
    EXPECT_FALSE(conv.Output().IsOpen());
    EXPECT_FALSE(conv.EndDocument());  // nothing open any more
}

TEST(DocumentFrame, FrameWithEveryTableIsReadByARealReader) {
    // Written below the output folder, where the audit of all test output reads it.
    CSvgConverter conv;
    conv.Tables().SetLayerNames({"walls", "doors"});
    conv.Tables().AddDashPattern("5 3");
    conv.Tables().AddFontFamily("Arial");
    conv.Tables().AddFontFamily("'Times New Roman'");
    ASSERT_EQ(conv.BeginDocument(vxtest::TestOutputFolder() + "frame.dxf"), 0);
    EXPECT_TRUE(conv.EndDocument());
    ASSERT_EQ(conv.BeginDocument(vxtest::TestOutputFolder() + "empty.dxf"), 0);
    EXPECT_TRUE(conv.EndDocument());
}

// A header variable's point: the 10 and 20 groups after its name.
std::pair<double, double> HeaderPoint(const std::string& dxf, const std::string& name) {
    const std::vector<Group> groups = vxtest::ParseGroups(dxf);
    for (size_t i = 0; i + 2 < groups.size(); ++i)
        if (groups[i].code == 9 && groups[i].value == name)
            return {std::stod(groups[i + 1].value), std::stod(groups[i + 2].value)};
    ADD_FAILURE() << name << " missing";
    return {0, 0};
}

// The header holds the drawing's extents and the saved view frames them
// whole, centred, with a margin, whatever the drawing's size and place.
TEST(DocumentFrame, ExtentsAndSavedViewFrameTheDrawing) {
    struct Case {
        const char* svg;
        double minX, minY, maxX, maxY;
    } cases[] = {
        {"<svg width='24' height='24'><circle cx='12' cy='12' r='10' fill='none' stroke='red'/></svg>",
         2, 2, 22, 22},
        {"<svg width='640' height='480'><rect width='640' height='480' fill='blue'/></svg>",
         0, 0, 640, 480},
        {"<svg width='100' height='100'><line x1='5000' y1='10' x2='9000' y2='10' stroke='red'/></svg>",
         5000, 90, 9000, 90},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.svg);
        const std::string dxf = vxtest::ConvertSvg(c.svg);
        const auto [minX, minY] = HeaderPoint(dxf, "$EXTMIN");
        const auto [maxX, maxY] = HeaderPoint(dxf, "$EXTMAX");
        EXPECT_NEAR(minX, c.minX, 1e-9);
        EXPECT_NEAR(minY, c.minY, 1e-9);
        EXPECT_NEAR(maxX, c.maxX, 1e-9);
        EXPECT_NEAR(maxY, c.maxY, 1e-9);
        const std::vector<Entity> views = vxtest::TableEntries(dxf, "VPORT");
        ASSERT_EQ(views.size(), 1u);
        const Entity& view = views[0];
        EXPECT_EQ(view.Str(2), "*Active");
        EXPECT_NEAR(view.Real(12), (c.minX + c.maxX) / 2, 1e-9);
        EXPECT_NEAR(view.Real(22), (c.minY + c.maxY) / 2, 1e-9);
        const double height = view.Real(40), width = height * view.Real(41);
        const double spanX = c.maxX - c.minX, spanY = c.maxY - c.minY;
        EXPECT_GE(height, spanY);
        EXPECT_GE(width, spanX);
        EXPECT_TRUE(height < 1.2 * spanY || width < 1.2 * spanX) << "not framed tightly";
    }
}
