// The parts of the document frame that depend on the drawing: the header,
// and the line type, layer and text style tables, and the standard blocks.
#include "dxf/dxf_output.h"

namespace {

const char kDashDescription[] = "Dash - - - - - - - - - -";

DL_StyleData TextStyle(const std::string& name, const std::string& fontFile) {
    return DL_StyleData(name, 0, 0.0, 1.0, 0.0, 0, 2.5, fontFile, "");
}

}  // namespace

void CDxfOutput::WriteHeaderSection(int insUnits) {
    // Our own banner where dxflib's writeHeader puts its name, and no other
    // header variable than these, $INSUNITS only for a drawing of true size.
    m_pWriter->comment("Vextora");
    m_pWriter->sectionHeader();
    m_pWriter->dxfString(9, "$ACADVER");
    m_pWriter->dxfString(1, "AC1015");
    m_pWriter->dxfString(9, "$HANDSEED");
    m_pWriter->dxfHex(5, 0xFFFF);
    if (insUnits != 0) {
        m_pWriter->dxfString(9, "$INSUNITS");
        m_pWriter->dxfInt(70, insUnits);
    }
    m_pWriter->sectionEnd();
}

void CDxfOutput::WriteLinetypeTable(std::vector<CDashData>& dashes) {
    m_pWriter->tableLinetypes(int(dashes.size()) + 1);
    m_dxf.writeLinetype(*m_pWriter, DL_LinetypeData("CONTINUOUS", "Continuous", 0, 0, 0.0));
    // A pattern of fewer than two numbers is no dash pattern: it leaves the
    // table, so no emitter refers to a line type that was never written.
    std::vector<CDashData> usable;
    usable.reserve(dashes.size());
    for (CDashData& record : dashes) {
        double length = 0;
        std::vector<double> elements = CDocumentTables::ParseDashPattern(record, length);
        if (elements.size() < 2) continue;
        // Dashes are positive, the gaps between them negative.
        for (size_t i = 1; i < elements.size(); i += 2) elements[i] = -elements[i];
        m_dxf.writeLinetype(*m_pWriter,
                            DL_LinetypeData(record.name, kDashDescription, 0,
                                            int(elements.size()), length, elements.data()));
        usable.push_back(std::move(record));
    }
    dashes = std::move(usable);
    m_dxf.writeLinetype(*m_pWriter, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    m_dxf.writeLinetype(*m_pWriter, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    m_pWriter->tableEnd();
}

void CDxfOutput::WriteLayerTable(const CDocumentTables& tables) {
    m_pWriter->tableLayers(tables.CountLayerEntries());
    const DL_Attributes attributes("", 2, 0, 100, "CONTINUOUS");
    // The list holds unique, valid names already; "0" comes first unless the
    // drawing names it itself.
    if (tables.CountLayerEntries() > int(tables.m_arrLayerNames.size()))
        m_dxf.writeLayer(*m_pWriter, DL_LayerData("0", 0), attributes);
    for (const std::string& name : tables.m_arrLayerNames)
        m_dxf.writeLayer(*m_pWriter, DL_LayerData(name, 0), attributes);
    m_pWriter->tableEnd();
}

void CDxfOutput::WriteStyleTable(const std::vector<CFontData>& fonts) {
    m_pWriter->tableStyle(int(fonts.size()) + 1);
    m_dxf.writeStyle(*m_pWriter, TextStyle("Standard", "txt"));
    for (const CFontData& font : fonts)
        m_dxf.writeStyle(*m_pWriter, TextStyle(font.styleName, font.family));
    m_pWriter->tableEnd();
}

void CDxfOutput::WriteBlocksSection() {
    m_pWriter->sectionBlocks();
    for (const char* name : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        m_dxf.writeBlock(*m_pWriter, DL_BlockData(name, 0, 0.0, 0.0, 0.0));
        m_dxf.writeEndBlock(*m_pWriter, name);
    }
    m_pWriter->sectionEnd();
}
