// Marker and symbol definitions: what is recorded and how references find it.
#include <gtest/gtest.h>

#include "svg/definitions.h"

namespace {

CXML* Element(CXML& parent, const char* tag,
              std::initializer_list<std::pair<const char*, const char*>> attributes = {}) {
    auto* element = new CXML;
    element->m_strTag = tag;
    for (const auto& [name, value] : attributes) element->AddAttribute(name, value);
    parent.AddChild(element);
    return element;
}

}  // namespace

TEST(Definitions, MarkerRecordTextsAndLastPathChild) {
    CDefinitions definitions;
    CXML root;
    CXML* marker = Element(root, "marker", {{"id", "arrow"}, {"refX", "5"}, {"refY", "3"}, {"orient", "auto"}});
    Element(*marker, "path", {{"d", "M0 0 L5 3"}, {"transform", "scale(2)"}});
    Element(*marker, "path", {{"d", "M1 1 L2 2"}});  // keeps the first one's transform
    Element(*marker, "path");                          // a path without d changes nothing
    definitions.Collect(*marker);
    ASSERT_EQ(definitions.Markers().size(), 1u);
    const CMarkdata& m = definitions.Markers()[0];
    EXPECT_EQ(m.id, "arrow");
    EXPECT_EQ(m.refX, "5");
    EXPECT_EQ(m.refY, "3");
    EXPECT_EQ(m.path, "M1 1 L2 2");
    EXPECT_EQ(m.transform, "scale(2)");
    EXPECT_TRUE(definitions.Symbols().empty());
}

TEST(Definitions, DefinitionsWithoutDirectPathOrIdLeaveNoRecord) {
    CDefinitions definitions;
    CXML root;
    Element(*Element(root, "marker", {{"id", "poly"}}), "polygon", {{"points", "0,0 1,1 0,1"}});
    Element(*Element(*Element(root, "marker", {{"id", "deep"}}), "g"), "path", {{"d", "M0 0"}});
    Element(*Element(root, "marker"), "path", {{"d", "M0 0"}});
    Element(*Element(root, "marker", {{"id", "blank"}}), "path", {{"d", ""}});
    Element(*Element(root, "Marker", {{"id", "case"}}), "path", {{"d", "M0 0"}});
    Element(*Element(root, "symbol"), "path", {{"d", "M0 0"}});
    for (CXML* definition : root.Children()) definitions.Collect(*definition);
    EXPECT_TRUE(definitions.Markers().empty());
    EXPECT_TRUE(definitions.Symbols().empty());
}

TEST(Definitions, SymbolKeepsIdAndPathData) {
    CDefinitions definitions;
    CXML root;
    CXML* symbol = Element(root, "symbol", {{"id", "sym"}, {"refX", "9"}});
    Element(*symbol, "path", {{"d", "M0 0 L1 0"}, {"transform", "scale(2)"}});
    definitions.Collect(*symbol);
    ASSERT_EQ(definitions.Symbols().size(), 1u);
    EXPECT_EQ(definitions.Symbols()[0].id, "sym");
    EXPECT_EQ(definitions.Symbols()[0].path, "M0 0 L1 0");
    EXPECT_TRUE(definitions.Markers().empty());
}

TEST(FindDefinitions, MarkerByContainedIdSymbolByExactName) {
    CDefinitions definitions;
    EXPECT_EQ(definitions.FindMarker("url(#arrow)"), nullptr);
    EXPECT_EQ(definitions.FindSymbol("sym"), nullptr);
    definitions.AddMarker(CMarkdata{"a", "", "", "M0 0", ""});
    definitions.AddMarker(CMarkdata{"arrow", "", "", "M1 1", ""});
    definitions.AddMarker(CMarkdata{"tip", "", "", "M2 2", ""});
    // An earlier id that is part of the reference wins.
    EXPECT_EQ(definitions.FindMarker("url(#arrow)"), &definitions.Markers()[0]);
    EXPECT_EQ(definitions.FindMarker("url(#tip)"), &definitions.Markers()[2]);
    EXPECT_EQ(definitions.FindMarker("url(#TIP)"), nullptr);
    EXPECT_EQ(definitions.FindMarker(""), nullptr);

    definitions.AddSymbol(CSymble{"sym", "M0 0"});
    definitions.AddSymbol(CSymble{"sym", "M9 9"});
    EXPECT_EQ(definitions.FindSymbol("sym"), &definitions.Symbols()[0]);
    for (std::string_view miss : {"#sym", "Sym", "sy", "sym "}) EXPECT_EQ(definitions.FindSymbol(miss), nullptr) << miss;
}
