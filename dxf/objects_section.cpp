// The OBJECTS section: the dictionaries and layouts a DXF 2000 reader looks
// for, the picture definitions, and the record of how the document was made.
// Every object names its owner, and every dictionary entry an object that
// exists, so readers take the file without repairing it. The fixed handles
// are the ones dxflib's tables and blocks refer to.
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "dxf/dxf_output.h"

namespace {

using CEntries = std::vector<std::pair<std::string, long>>;

constexpr long kRootDictionary = 0xC, kGroups = 0xD, kPlotStyleNames = 0xE,
               kPlaceholder = 0xF, kMlineStyles = 0x17, kMlineStyle = 0x18,
               kPlotSettings = 0x19, kLayouts = 0x1A;
// The layouts and the block records (written with the tables) they draw.
constexpr long kPaperLayout = 0x1E, kModelLayout = 0x22, kPaperLayout0 = 0x26;
constexpr long kModelSpaceRecord = 0x1F, kPaperSpaceRecord = 0x1B, kPaperSpace0Record = 0x23;

void StartObject(const CDxfWriter& writer, const char* type, long handle, long owner) {
    writer.dxfString(0, type);
    writer.dxfHex(5, int(handle));
    writer.dxfHex(330, int(owner));
}

void WriteDictionary(const CDxfWriter& writer, long handle, long owner, const CEntries& entries) {
    StartObject(writer, "DICTIONARY", handle, owner);
    writer.dxfString(100, "AcDbDictionary");
    writer.dxfInt(280, 0);
    writer.dxfInt(281, 1);
    for (const auto& [name, entry] : entries) {
        writer.dxfString(3, name);
        writer.dxfHex(350, int(entry));
    }
}

void WriteMlineStyle(const CDxfWriter& writer) {
    StartObject(writer, "MLINESTYLE", kMlineStyle, kMlineStyles);
    writer.dxfString(100, "AcDbMlineStyle");
    writer.dxfString(2, "STANDARD");
    writer.dxfInt(70, 0);
    writer.dxfString(3, "");
    writer.dxfInt(62, 256);
    writer.dxfReal(51, 90.0);
    writer.dxfReal(52, 90.0);
    writer.dxfInt(71, 2);
    for (double offset : {0.5, -0.5}) {
        writer.dxfReal(49, offset);
        writer.dxfInt(62, 256);
        writer.dxfString(6, "BYLAYER");
    }
}

struct CLayout {
    long handle;
    const char* name;
    int plotFlags, plotUnits, plotType, tab;
    double limitX, limitY;
    double extent;  // of its block: 1e20 unknown, 0 none
    long blockRecord;
};

void WriteLayout(const CDxfWriter& writer, const CLayout& layout) {
    StartObject(writer, "LAYOUT", layout.handle, kLayouts);
    writer.dxfString(100, "AcDbPlotSettings");
    for (int code : {1, 2, 4, 6}) writer.dxfString(code, code == 2 ? "none_device" : "");
    for (int code : {40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 140, 141}) writer.dxfReal(code, 0.0);
    writer.dxfReal(142, 1.0);
    writer.dxfReal(143, 1.0);
    writer.dxfInt(70, layout.plotFlags);
    writer.dxfInt(72, 0);
    writer.dxfInt(73, 0);
    writer.dxfInt(74, layout.plotUnits);
    writer.dxfString(7, "");
    writer.dxfInt(75, layout.plotType);
    writer.dxfReal(147, 1.0);
    writer.dxfReal(148, 0.0);
    writer.dxfReal(149, 0.0);
    writer.dxfString(100, "AcDbLayout");
    writer.dxfString(1, layout.name);
    writer.dxfInt(70, 1);
    writer.dxfInt(71, layout.tab);
    for (const auto& [code, value] :
         {std::pair{10, 0.0}, {20, 0.0}, {11, layout.limitX}, {21, layout.limitY}, {12, 0.0},
          {22, 0.0}, {32, 0.0}, {14, layout.extent}, {24, layout.extent}, {34, layout.extent},
          {15, -layout.extent}, {25, -layout.extent}, {35, -layout.extent}, {146, 0.0},
          {13, 0.0}, {23, 0.0}, {33, 0.0}, {16, 1.0}, {26, 0.0}, {36, 0.0}, {17, 0.0},
          {27, 1.0}, {37, 0.0}})
        writer.dxfReal(code, value);
    writer.dxfInt(76, 0);
    writer.dxfHex(330, int(layout.blockRecord));
}

void WriteVariable(const CDxfWriter& writer, long handle, long owner, const char* value) {
    StartObject(writer, "DICTIONARYVAR", handle, owner);
    writer.dxfString(100, "DictionaryVariables");
    writer.dxfInt(280, 0);
    writer.dxfString(1, value);
}

// A key per picture: its file name without folder and extension, made unique.
CEntries PictureEntries(const std::vector<CImageDefData>& pictures) {
    CEntries entries;
    std::set<std::string> taken;
    for (const CImageDefData& picture : pictures) {
        std::string name = picture.file.substr(picture.file.find_last_of("/\\") + 1);
        name = name.substr(0, name.rfind('.'));
        if (name.empty()) name = "picture";
        std::string key = name;
        for (int n = 2; !taken.insert(key).second; ++n) key = name + "-" + std::to_string(n);
        entries.emplace_back(key, picture.handle);
    }
    return entries;
}

}  // namespace

void CDxfOutput::WriteObjectsSection(const std::vector<CImageDefData>& pictures) {
    CDxfWriter& writer = *m_pWriter;
    const long variables = long(writer.ReserveHandles(6));
    const long dimAssoc = variables + 1, hideText = variables + 2, images = variables + 3;
    const long application = variables + 4, record = variables + 5;
    CEntries root = {{"ACAD_GROUP", kGroups},
                     {"ACAD_LAYOUT", kLayouts},
                     {"ACAD_MLINESTYLE", kMlineStyles},
                     {"ACAD_PLOTSETTINGS", kPlotSettings},
                     {"ACAD_PLOTSTYLENAME", kPlotStyleNames},
                     {"AcDbVariableDictionary", variables}};
    if (!pictures.empty()) root.emplace_back("ACAD_IMAGE_DICT", images);
    root.emplace_back("MY_OBJECTS", application);

    writer.sectionObjects();
    WriteDictionary(writer, kRootDictionary, 0, root);
    WriteDictionary(writer, kGroups, kRootDictionary, {});
    StartObject(writer, "ACDBDICTIONARYWDFLT", kPlotStyleNames, kRootDictionary);
    writer.dxfString(100, "AcDbDictionary");
    writer.dxfInt(281, 1);
    writer.dxfString(3, "Normal");
    writer.dxfHex(350, int(kPlaceholder));
    writer.dxfString(100, "AcDbDictionaryWithDefault");
    writer.dxfHex(340, int(kPlaceholder));
    StartObject(writer, "ACDBPLACEHOLDER", kPlaceholder, kPlotStyleNames);
    WriteDictionary(writer, kMlineStyles, kRootDictionary, {{"Standard", kMlineStyle}});
    WriteMlineStyle(writer);
    WriteDictionary(writer, kPlotSettings, kRootDictionary, {});
    WriteDictionary(writer, kLayouts, kRootDictionary,
                    {{"Layout1", kPaperLayout}, {"Layout2", kPaperLayout0}, {"Model", kModelLayout}});
    WriteLayout(writer, {kPaperLayout, "Layout1", 688, 5, 16, 1, 420, 297, 1e20, kPaperSpaceRecord});
    WriteLayout(writer, {kModelLayout, "Model", 1712, 0, 0, 0, 12, 9, 0, kModelSpaceRecord});
    WriteLayout(writer, {kPaperLayout0, "Layout2", 688, 5, 16, 2, 12, 9, 0, kPaperSpace0Record});
    WriteDictionary(writer, variables, kRootDictionary,
                    {{"DIMASSOC", dimAssoc}, {"HIDETEXT", hideText}});
    WriteVariable(writer, dimAssoc, variables, "1");
    WriteVariable(writer, hideText, variables, "2");
    if (!pictures.empty()) WritePictureDefinitions(pictures, images, PictureEntries(pictures));
    WriteDictionary(writer, application, kRootDictionary, {{"VEXTORA", record}});
    StartObject(writer, "XRECORD", record, application);
    writer.dxfString(100, "AcDbXrecord");
    writer.dxfString(1, m_strRecordedOptions);
    writer.sectionEnd();
}

void CDxfOutput::WritePictureDefinitions(const std::vector<CImageDefData>& pictures,
                                         long dictionary, const std::vector<std::pair<std::string, long>>& entries) {
    WriteDictionary(*m_pWriter, dictionary, kRootDictionary, entries);
    m_pWriter->OwnBy(dictionary);
    for (const CImageDefData& image : pictures) {
        m_dxf.writeImageDef(*m_pWriter, image.handle,
                            DL_ImageData(image.file, image.ipx, image.ipy, image.ipz, image.ux,
                                         image.uy, image.uz, image.vx, image.vy, image.vz,
                                         image.width, image.height, image.brightness,
                                         image.contrast, image.fade));
    }
    m_pWriter->OwnBy(CDxfWriter::kNoOwner);
}
