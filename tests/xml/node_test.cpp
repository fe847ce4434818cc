#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "xml/xml_node.h"

namespace {

std::vector<std::string> AttributeNames(CXML& element) {
    std::vector<std::string> names;
    for (CAttribute* a = element.GetFirstAttribute(); a; a = element.GetNextAttribute())
        names.push_back(a->GetName());
    return names;
}

TEST(XmlNode, AttributesSortedByteWiseWithLastValueWinning) {
    CXML element;
    element.AddAttribute("y", "1");
    element.AddAttribute("fill", "red");
    element.AddAttribute("x", "2");
    element.AddAttribute("Fill", "blue");
    element.AddAttribute("fill", "green");
    element.AddAttribute("fill-opacity", "1");
    EXPECT_EQ(AttributeNames(element),
              (std::vector<std::string>{"Fill", "fill", "fill-opacity", "x", "y"}));
    ASSERT_NE(element.FindAttribute("fill"), nullptr);
    EXPECT_EQ(*element.FindAttribute("fill"), "green");
    EXPECT_EQ(*element.FindAttribute("Fill"), "blue");
    EXPECT_EQ(element.FindAttribute("FILL"), nullptr);
    EXPECT_EQ(element.FindAttribute("fil"), nullptr);
}

TEST(XmlNode, BulkSortKeepsLastOfRepeatedNamesAndHandlesManyAttributes) {
    CXML element;
    for (int i = 99; i >= 0; --i) element.AppendAttributeUnsorted("a" + std::to_string(i), "v");
    element.AppendAttributeUnsorted("a5", "first");
    element.AppendAttributeUnsorted("a5", "last");
    element.SortAttributes();
    EXPECT_EQ(element.GetAttributeCount(), 100u);
    EXPECT_EQ(*element.FindAttribute("a5"), "last");
    EXPECT_EQ(element.Attributes().front().m_strName, "a0");

    CXML small;
    small.AppendAttributeUnsorted("y", "1");
    small.AppendAttributeUnsorted("x", "old");
    small.AppendAttributeUnsorted("x", "new");
    small.SortAttributes();
    EXPECT_EQ(AttributeNames(small), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(*small.FindAttribute("x"), "new");
}

TEST(XmlNode, ChildrenUnknownNameMoveBetweenParentsAndCursor) {
    CXML first, second;
    auto* child = new CXML;
    first.AddChild(child);
    EXPECT_EQ(child->m_strTag, "Unknown");
    EXPECT_EQ(child->m_pParent, &first);

    auto* other = new CXML;
    other->m_strTag = "rect";
    second.AddChild(other);
    second.AddChild(child);
    EXPECT_EQ(first.GetChildCount(), 0u);
    EXPECT_EQ(child->m_pParent, &second);
    EXPECT_EQ(second.GetFirstChild(), other);
    EXPECT_EQ(second.GetNextChild(), child);
    EXPECT_EQ(second.GetNextChild(), nullptr);

    first.RemoveChild(other);  // not its child: ignored
    EXPECT_EQ(other->m_pParent, &second);
    delete other;  // detaches itself
    EXPECT_EQ(second.GetChildCount(), 1u);
}

TEST(XmlNode, ClearDeletesSubtreeButKeepsNameAndFlag) {
    CXML root;
    root.m_strTag = "svg";
    root.m_strText = "text";
    root.m_bEndOfFile = 1;
    root.AddAttribute("width", "10");
    CXML* parent = &root;
    for (int i = 0; i < 1000; ++i) {  // many children and a deep chain
        auto* g = new CXML;
        g->m_strTag = "g";
        parent->AddChild(g);
        if (i % 2 == 0) parent = g;
    }
    root.Clear();
    EXPECT_EQ(root.m_strTag, "svg");
    EXPECT_EQ(root.m_bEndOfFile, 1);
    EXPECT_TRUE(root.m_strText.empty());
    EXPECT_EQ(root.GetChildCount(), 0u);
    EXPECT_EQ(root.GetFirstAttribute(), nullptr);
}

}  // namespace
