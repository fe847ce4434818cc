// Creation and destruction of the converter: the fill option and the SVG
// rules come from the profile and go back to it; the document state starts
// reset, and every part's state again before each file.
#include "convert/svg_converter.h"
#include "platform/profile.h"

static const char kProfileSection[] = "Vextora";
static const char kFillOptionEntry[] = "FillOption";
static const char kBrowserRulesEntry[] = "BrowserRules";  // 1: read as browsers draw

CSvgConverter::CSvgConverter(IProfile* profile) : m_pProfile(profile) {
    if (m_pProfile) {
        const int fill = m_pProfile->GetProfileInt(kProfileSection, kFillOptionEntry, kFillHatch);
        m_options.fillOption = fill >= kFillOutline && fill <= kFillBoth ? fill : kFillHatch;
        if (m_pProfile->GetProfileInt(kProfileSection, kBrowserRulesEntry, 0) == 1)
            m_options.svgRules = SvgRules::Browser;
    }
    ResetDocumentState();
}

CSvgConverter::~CSvgConverter() {
    if (!m_pProfile) return;
    m_pProfile->WriteProfileInt(kProfileSection, kFillOptionEntry, m_options.fillOption);
    m_pProfile->WriteProfileInt(kProfileSection, kBrowserRulesEntry,
                                m_options.svgRules == SvgRules::Browser ? 1 : 0);
}

void CSvgConverter::ResetForFile() {
    m_job.Reset();
    m_xmlRoot.Clear();
    m_walker.ResetForFile();
    m_tables.Reset();
    m_shapes.ResetForFile();
    ResetDocumentState();
}

void CSvgConverter::SetOptions(CConvertOptions options) {
    m_options = std::move(options);
}
