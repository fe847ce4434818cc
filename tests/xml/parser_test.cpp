#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "tests/support/recorders.h"
#include "xml/xml_node.h"
#include "xml/xml_parser.h"

namespace {

struct Loaded {
    CXML root;
    vxtest::RecordingMessages messages;
    bool ok = false;
};

void Load(Loaded& loaded, const std::string& document, const std::string& rootName = "") {
    loaded.ok = LoadXml(loaded.root, document, rootName, &loaded.messages);
}

const std::string& Attr(const CXML* element, const char* name) {
    static const std::string missing = "<missing>";
    const std::string* value = element->FindAttribute(name);
    return value ? *value : missing;
}

CXML* Child(CXML& element, size_t index) {
    return index < element.GetChildCount() ? element.Children()[index] : nullptr;
}

CXML* FirstNamed(CXML& element, const std::string& name) {
    for (CXML* child : element.Children())
        if (child->m_strTag == name) return child;
    return nullptr;
}

TEST(XmlParser, PrologIsSkippedAndTagsReadWithBothQuotes) {
    Loaded l;
    Load(l,
         "<?xml version=\"1.0\"?>\n<!-- drawn by hand -->\n"
         "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" \"svg11.dtd\">\n"
         "<svg width=\"10\">\n  <rect x=\"1\" y='2' title=\"a>b<c\"/>\n  <g/>\n"
         "  <path\n d=\"M0 0\"\r\n/>\n  <circle\n    r=\"3\" cy=\"2\" cx=\"1\"/>\n</svg>\n");
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.root.m_strTag, "svg");
    EXPECT_EQ(Attr(&l.root, "width"), "10");
    EXPECT_EQ(l.root.m_strText, "");  // line breaks and indentation are layout
    ASSERT_EQ(l.root.GetChildCount(), 4u);
    CXML* rect = Child(l.root, 0);
    EXPECT_EQ(rect->m_strTag, "rect");
    EXPECT_EQ(Attr(rect, "x"), "1");
    EXPECT_EQ(Attr(rect, "y"), "2");
    EXPECT_EQ(Attr(rect, "title"), "a>b<c");
    EXPECT_EQ(rect->GetChildCount(), 0u);
    EXPECT_EQ(Child(l.root, 1)->m_strTag, "g");
    EXPECT_EQ(Child(l.root, 2)->m_strTag, "path");
    EXPECT_EQ(Attr(Child(l.root, 2), "d"), "M0 0");
    CXML* circle = Child(l.root, 3);
    EXPECT_EQ(circle->m_strTag, "circle");
    ASSERT_EQ(circle->GetAttributeCount(), 3u);
    EXPECT_EQ(circle->Attributes()[0].m_strName, "cx");
    EXPECT_EQ(circle->Attributes()[2].m_strName, "r");
    EXPECT_TRUE(l.messages.messages.empty());
}

TEST(XmlParser, TextKeepsEscapesBelowRootNonAsciiAndQuotes) {
    Loaded l;
    Load(l, "<svg>R&amp;lt;D&#65;<text>Tom &amp; Jerry</text>"
            "<text>\xE4\xBD\xA0\xE5\xA5\xBD</text><text>a<tspan/>b</text><text>say \"hi\" <tspan>x</tspan></text></svg>");
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.root.m_strText, "R&lt;DA");  // only the root's text is decoded, in one pass
    ASSERT_EQ(l.root.GetChildCount(), 4u);
    EXPECT_EQ(Child(l.root, 0)->m_strText, "Tom &amp; Jerry");
    EXPECT_EQ(Child(l.root, 1)->m_strText, "\xE4\xBD\xA0\xE5\xA5\xBD");
    EXPECT_EQ(Child(l.root, 2)->m_strText, "ab");  // direct text on both sides of a child
    // A quotation mark in text opens nothing: the tspan is still an element.
    CXML* quoted = Child(l.root, 3);
    EXPECT_EQ(quoted->m_strText, "say \"hi\" ");
    ASSERT_EQ(quoted->GetChildCount(), 1u);
    EXPECT_EQ(Child(*quoted, 0)->m_strText, "x");
}

// The tree as one line: name[attributes](children), and '!' where an element
// met the end of the document instead of its end tag.
std::string Outline(const CXML& element) {
    std::string line = element.m_strTag + (element.m_bEndOfFile ? "!" : "") + "[";
    for (const CAttribute& a : element.Attributes()) line += a.m_strName + "=" + a.m_strValue + ";";
    line += "](";
    for (const CXML* child : element.Children()) line += Outline(*child);
    return line + ")";
}

// Each '%' stands for the blank run of the row: every kind of blank ends a
// name and separates attributes, in start, end and self-closing tags alike.
TEST(XmlParser, AnyBlankRunSeparatesNamesAndAttributes) {
    const std::string layout =
        "<svg%viewBox=\"0 0 10 10\"%width=\"10\"><g%id=\"a\"%><path%d=\"M0 0 L1 1\"%/>"
        "<rect%x%=%\"1\"%y=\"2\"/></g%><circle%r='3'></circle%></svg%>";
    for (const std::string blanks : {" ", "\t", "\n", "\r", "\r\n", " \n\t", "\t\r\n  "}) {
        std::string document;
        for (const char c : layout) c == '%' ? document += blanks : document += c;
        Loaded l;
        Load(l, document);
        EXPECT_EQ(Outline(l.root), "svg[viewBox=0 0 10 10;width=10;](g[id=a;](path[d=M0 0 L1 1;]()"
                                   "rect[x=1;y=2;]())circle[r=3;]())")
            << document;
    }
    // A root asked for by name is found whatever blank follows its name.
    Loaded named;
    Load(named, "<metadata/><svg\theight=\"5\"/>", "svg");
    EXPECT_EQ(Outline(named.root), "svg[height=5;]()");
}

TEST(XmlParser, CommentsSectionsAndSubsetsEndAtTheirOwnTerminators) {
    Loaded l;
    Load(l, "<!DOCTYPE svg [ <!ENTITY e \"x>y\"> ]>"
            "<svg><!-- don't > stop --><a/><![CDATA[ <b/> ' ]]><c/></svg>");
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.root.m_strTag, "svg");
    ASSERT_EQ(l.root.GetChildCount(), 2u);
    EXPECT_EQ(Child(l.root, 0)->m_strTag, "a");
    EXPECT_EQ(Child(l.root, 1)->m_strTag, "c");
    EXPECT_EQ(l.root.m_strText, "");  // the comment and the section content are dropped
}

TEST(XmlParser, UnquotedValuesAndNamelessTags) {
    Loaded l;
    // A quotation mark right after a closing one opens no value.
    Load(l, "<svg><rect x=10 y = 20 fill=\"red\"\"/><>< ><line x1=5></line></svg>");
    ASSERT_TRUE(l.ok);
    ASSERT_EQ(l.root.GetChildCount(), 2u);
    CXML* rect = Child(l.root, 0);
    EXPECT_EQ(Attr(rect, "x"), "10");
    EXPECT_EQ(Attr(rect, "y"), "20");
    EXPECT_EQ(Attr(rect, "fill"), "red");
    EXPECT_EQ(Child(l.root, 1)->m_strTag, "line");
    EXPECT_EQ(Attr(Child(l.root, 1), "x1"), "5");
}

TEST(XmlParser, MismatchedEndTagOpensAChild) {
    Loaded l;
    Load(l, "<svg><g></G><rect/></g></svg>");
    ASSERT_TRUE(l.ok);
    CXML* g = Child(l.root, 0);
    ASSERT_NE(g, nullptr);
    ASSERT_EQ(g->GetChildCount(), 1u);
    CXML* wrong = Child(*g, 0);
    EXPECT_EQ(wrong->m_strTag, "G");
    EXPECT_TRUE(wrong->m_bEndOfFile);  // it read on to the end looking for "</G>"
    EXPECT_EQ(Child(*wrong, 0)->m_strTag, "rect");
}

TEST(XmlParser, EndOfFileKeepsWhatWasParsedAndWarnsOfCutTag) {
    Loaded l;
    Load(l, "<svg><g id=\"a\"><rect x=\"1\"/><circle r=\"2");
    ASSERT_TRUE(l.ok);
    EXPECT_TRUE(l.root.m_bEndOfFile);
    CXML* g = Child(l.root, 0);
    ASSERT_EQ(g->GetChildCount(), 2u);
    EXPECT_TRUE(g->m_bEndOfFile);
    EXPECT_EQ(Child(*g, 0)->m_strTag, "rect");
    EXPECT_EQ(Child(*g, 1)->m_strTag, "circle");
    EXPECT_EQ(l.messages.messages, std::vector<std::string>{"Warning Tag Block is Incomplete"});

    // Nothing escapes the reader, not even a failing message sink.
    struct Throwing : IMessageSink {
        void ShowMessage(const std::string&) override { throw std::runtime_error("closed"); }
    } throwing;
    CXML root;
    EXPECT_FALSE(LoadXml(root, "<svg><g/><rect x=\"1", "", &throwing));
    EXPECT_EQ(root.GetChildCount(), 0u);

    // A cut-off end tag makes no element and no warning.
    Loaded cut;
    Load(cut, "<svg><rect/></sv");
    EXPECT_EQ(cut.root.GetChildCount(), 1u);
    EXPECT_TRUE(cut.messages.messages.empty());
}

TEST(XmlParser, NoDocumentElementAndReuseOfTheRoot) {
    Loaded l;
    Load(l, "<?xml version=\"1.0\"?><!-- only a comment -->text");
    EXPECT_FALSE(l.ok);
    EXPECT_EQ(l.root.m_strTag, "");
    EXPECT_EQ(l.root.GetChildCount(), 0u);
    Load(l, "");
    EXPECT_FALSE(l.ok);
    Load(l, "<!-- never closed <svg/>");
    EXPECT_FALSE(l.ok);

    // The flag of a cut-off file does not stop the next file loaded into the same root.
    Load(l, "<svg><g>");
    l.root.Clear();
    Load(l, "<svg><g/></svg>");
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.root.GetChildCount(), 1u);
    EXPECT_FALSE(l.root.m_bEndOfFile);
}

TEST(XmlParser, NamedRootSkipsEverythingBeforeIt) {
    Loaded l;
    Load(l, "<metadata><x/></metadata><svg a=\"1\"><g/></svg>", "svg");
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(Attr(&l.root, "a"), "1");
    EXPECT_EQ(l.root.GetChildCount(), 1u);
}

TEST(XmlParser, NestingBeyondTheLimitIsSkippedAndTheRestBuilt) {
    constexpr int kDepth = 600;
    std::string document = "<svg>";
    for (int i = 0; i < kDepth; ++i) document += "<g><rect/>";
    for (int i = 0; i < kDepth; ++i) document += "</g>";
    document += "<circle r=\"1\"/></svg>";
    Loaded l;
    Load(l, document);
    ASSERT_TRUE(l.ok);
    int depth = 1;
    CXML* deepest = &l.root;
    for (CXML* g; (g = FirstNamed(*deepest, "g")) != nullptr; deepest = g) ++depth;
    EXPECT_EQ(depth, kMaxXmlDepth);
    EXPECT_EQ(deepest->GetChildCount(), 0u);  // its rect and g would be one level too deep
    EXPECT_EQ(deepest->m_pParent->GetChildCount(), 2u);
    ASSERT_EQ(l.root.GetChildCount(), 2u);
    EXPECT_EQ(Child(l.root, 1)->m_strTag, "circle");
    EXPECT_FALSE(l.root.m_bEndOfFile);

    // Hostile: a million unclosed elements neither crash nor recurse.
    Loaded deep;
    std::string hostile = "<svg>";
    for (int i = 0; i < 1000000; ++i) hostile += "<g>";
    Load(deep, hostile);
    EXPECT_TRUE(deep.ok);
    EXPECT_TRUE(deep.root.m_bEndOfFile);
}

}  // namespace
