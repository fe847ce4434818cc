#include "svg/walker_state.h"

void CWalkerState::ResetForFile() {
    m_bInDefs = 0;
    m_strDefsTag.clear();
    m_bFill = m_bStroke = m_bGroupFill = 0;
    m_strGroupStyle.clear();
    m_strTextTransform.clear();
    m_strTextFontFamily.clear();
    m_strTextFontSize.clear();
    m_strLineType.clear();
}

void CWalkerState::ResetForDocument() {
    m_dStrokeWidth = m_dGroupStrokeWidth = 0;
    m_nColor = 0;
    m_crStroke = m_crFill = 0;
    m_strFontSize.clear();
    m_strFontFamily.clear();
    m_strLayerName = "0";
}
