// Creation and destruction of the converter: the fill option comes from the
// profile and goes back to it; the document state starts reset.
#include "convert/svg_converter.h"
#include "platform/profile.h"

static const char kProfileSection[] = "Vextora";
static const char kFillOptionEntry[] = "FillOption";

CSvgConverter::CSvgConverter(IProfile* profile) : m_pProfile(profile) {
    if (m_pProfile) m_bFillOption = m_pProfile->GetProfileInt(kProfileSection, kFillOptionEntry, 1);
    ResetDocumentState();
}

CSvgConverter::~CSvgConverter() {
    if (m_pProfile) m_pProfile->WriteProfileInt(kProfileSection, kFillOptionEntry, m_bFillOption);
}
