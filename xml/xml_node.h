#pragma once
// The element tree of one SVG document: a CXML per element with its name,
// character data, attributes kept sorted by name, and owned children.
#include <string>
#include <string_view>
#include <vector>

class CAttribute {
public:
    CAttribute() = default;
    CAttribute(std::string name, std::string value)
        : m_strName(std::move(name)), m_strValue(std::move(value)) {}
    virtual ~CAttribute() = default;
    // The virtual destructor would otherwise turn every move of the sorted
    // list into a copy of both texts.
    CAttribute(const CAttribute&) = default;
    CAttribute(CAttribute&&) noexcept = default;
    CAttribute& operator=(const CAttribute&) = default;
    CAttribute& operator=(CAttribute&&) noexcept = default;

    const std::string& GetName() const { return m_strName; }
    const std::string& GetValue() const { return m_strValue; }

    std::string m_strName;
    std::string m_strValue;
};

class CXML {
public:
    CXML() = default;
    virtual ~CXML();
    CXML(const CXML&) = delete;
    CXML& operator=(const CXML&) = delete;

    // Deletes attributes and children, empties the text; name and end-of-file flag stay.
    void Clear();
    // Appends the child (taking ownership); an empty name becomes "Unknown";
    // a child that had another parent is removed from that parent first.
    void AddChild(CXML* child);
    // Removes the child from the list without deleting it.
    void RemoveChild(CXML* child);
    // Inserts in byte order of the names; a repeated name takes the new value.
    void AddAttribute(std::string name, std::string value);
    // Bulk filling for the parser: append in file order, then sort once. Sorting
    // keeps the last value of a repeated name, as AddAttribute one by one would.
    void AppendAttributeUnsorted(std::string_view name, std::string_view value) {
        m_attributes.emplace_back(std::string(name), std::string(value));
    }
    void SortAttributes();

    CAttribute* GetFirstAttribute();
    CAttribute* GetNextAttribute();
    CXML* GetFirstChild();
    CXML* GetNextChild();

    size_t GetChildCount() const { return m_children.size(); }
    size_t GetAttributeCount() const { return m_attributes.size(); }
    const std::vector<CXML*>& Children() const { return m_children; }
    const std::vector<CAttribute>& Attributes() const { return m_attributes; }
    // The value of the attribute with exactly this name, or nullptr.
    const std::string* FindAttribute(std::string_view name) const;

    std::vector<CXML*> m_children;
    std::string m_strTag;
    CXML* m_pParent = nullptr;
    std::string m_strText;
    // Where this element stands in its parent's text: the length the parent's
    // text had when it began, so that runs of text and child elements keep their order.
    size_t m_nTextOffset = 0;
    int m_bEndOfFile = 0;
    std::vector<CAttribute> m_attributes;
    size_t m_posAttribute = 0;  // cursor of the attribute iteration
    size_t m_posChild = 0;      // cursor of the child iteration
};
