#pragma once
// What the classic walker carries from element to element and resolves each
// element's drawable with: its flags, the remembered group and text texts, the colours,
// stroke widths, line type and layer, and the drawing size.
#include <cstdint>
#include <string>
#include <string_view>

struct CWalkerState {
    // Where the walker is and what the enclosing group and text element gave.
    int m_bInDefs = 0;
    std::string m_strDefsTag;  // the container met last: "g" or "defs"
    int m_bFill = 0;
    int m_bStroke = 0;
    int m_bGroupFill = 0;
    std::string m_strGroupStyle;
    std::string m_strTextTransform;
    std::string m_strTextFontFamily;
    std::string m_strTextFontSize;
    std::string m_strLineType;

    // Drawing size (the transforms' reset clears it), colours, stroke widths,
    // the group's font texts and the current layer.
    double m_dWidth = 0;
    double m_dHeight = 0;
    int m_nColor = 0;
    uint32_t m_crStroke = 0;
    uint32_t m_crFill = 0;
    double m_dStrokeWidth = 0;
    double m_dGroupStrokeWidth = 0;
    std::string m_strFontSize;
    std::string m_strFontFamily;
    std::string m_strLayerName = "0";

    // Before each file: the flags, the remembered texts and the line type, so
    // that a file converts the same alone or in a batch.
    void ResetForFile();
    // When a document opens: colours, stroke widths, group fonts, layer "0".
    void ResetForDocument();

    // Colour updates that many attribute rows share (svg/colour_updates.cpp). A
    // colour text of no known form (currentColor, inherit, ...) leaves the
    // colour as it was; the fill and stroke flags are set all the same.
    void StrokeUpdate(std::string_view color);
    void FillUpdate(std::string_view color);
    // The stroke colour of a stroke update without setting the stroke flag.
    void ApplyStrokeColor(std::string_view color);
    // A text element's style (svg/text_style.cpp): its fill becomes the current
    // colour; its font family and size are returned, empty when not given.
    void ParseTextStyle(std::string_view style, std::string& fontSize, std::string& fontFamily);
    // The viewBox (svg/viewbox.cpp) sets the drawing size; its height is what flips y.
    void ParseViewBox(std::string_view text);
};
