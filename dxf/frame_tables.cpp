// The parts of the document frame that depend on the drawing: the header,
// and the line type, layer and text style tables, and the standard blocks.
#include <utility>

#include "dxf/dxf_output.h"

namespace {

const char kDashDescription[] = "Dash - - - - - - - - - -";

DL_StyleData TextStyle(const std::string& name, const std::string& fontFile) {
    return DL_StyleData(name, 0, 0.0, 1.0, 0.0, 0, 2.5, fontFile, "");
}

}  // namespace

void CDxfOutput::WriteHeaderSection(CDxfWriter& writer, int insUnits) {
    // Our own banner where dxflib's writeHeader puts its name; $INSUNITS only
    // for a drawing of true size, the extents once the drawing is known.
    writer.comment("Vextora");
    writer.sectionHeader();
    writer.dxfString(9, "$ACADVER");
    writer.dxfString(1, "AC1015");
    writer.dxfString(9, "$HANDSEED");
    writer.dxfHex(5, 0xFFFF);
    if (insUnits != 0) {
        writer.dxfString(9, "$INSUNITS");
        writer.dxfInt(70, insUnits);
    }
    WriteExtentSlots(writer);
    writer.sectionEnd();
}

void CDxfOutput::WriteLinetypeTable(CDxfWriter& writer, int entries,
                                    const std::vector<CDashData>& dashes) {
    writer.tableLinetypes(entries);
    m_dxf.writeLinetype(writer, DL_LinetypeData("CONTINUOUS", "Continuous", 0, 0, 0.0));
    for (const CDashData& record : dashes) {
        double length = 0;
        std::vector<double> elements = CDocumentTables::ParseDashPattern(record, length);
        // Dashes are positive, the gaps between them negative.
        for (size_t i = 1; i < elements.size(); i += 2) elements[i] = -elements[i];
        m_dxf.writeLinetype(writer,
                            DL_LinetypeData(record.name, kDashDescription, 0,
                                            int(elements.size()), length, elements.data()));
    }
    m_dxf.writeLinetype(writer, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    m_dxf.writeLinetype(writer, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    writer.tableEnd();
}

void CDxfOutput::WriteLayerTable(CDxfWriter& writer, const CDocumentTables& tables) {
    writer.tableLayers(tables.CountLayerEntries());
    const DL_Attributes attributes("", 2, 0, 100, "CONTINUOUS");
    // The list holds unique, valid names already; "0" comes first unless the
    // drawing names it itself.
    if (tables.CountLayerEntries() > int(tables.LayerNames().size()))
        m_dxf.writeLayer(writer, DL_LayerData("0", 0), attributes);
    for (const std::string& name : tables.LayerNames())
        m_dxf.writeLayer(writer, DL_LayerData(name, 0), attributes);
    writer.tableEnd();
}

void CDxfOutput::WriteStyleTable(CDxfWriter& writer, const std::vector<CFontData>& fonts) {
    writer.tableStyle(int(fonts.size()) + 1);
    m_dxf.writeStyle(writer, TextStyle("Standard", "txt"));
    for (const CFontData& font : fonts)
        m_dxf.writeStyle(writer, TextStyle(font.styleName, font.family));
    writer.tableEnd();
}

void CDxfOutput::WriteBlocksSection(CDxfWriter& writer) {
    writer.sectionBlocks();
    // Each block belongs to its record of the BLOCK_RECORD table, whose
    // handles dxflib fixes.
    const std::pair<const char*, long> blocks[] = {
        {"*Model_Space", 0x1F}, {"*Paper_Space", 0x1B}, {"*Paper_Space0", 0x23}};
    for (const auto& [name, record] : blocks) {
        writer.OwnBy(record);
        m_dxf.writeBlock(writer, DL_BlockData(name, 0, 0.0, 0.0, 0.0));
        m_dxf.writeEndBlock(writer, name);
    }
    writer.OwnBy(CDxfWriter::kNoOwner);
    writer.sectionEnd();
}
