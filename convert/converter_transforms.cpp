// Before each document: no group transforms, no drawing size.
#include "convert/svg_converter.h"

void CSvgConverter::ResetTransforms() {
    m_groupTransforms.Reset();
    m_walker.m_dWidth = 0;
    m_walker.m_dHeight = 0;
}
