#include "cli/terminal_sinks.h"

void CTerminalProgress::Show(const std::string& text) {
    m_strText = text;
    m_nPos = -1;
}

void CTerminalProgress::SetPos(int percent) {
    if (percent == m_nPos) return;
    m_nPos = percent;
    Draw();
}

void CTerminalProgress::Hide() {
    std::fprintf(stderr, "\r\033[K");
    std::fflush(stderr);
}

void CTerminalProgress::Draw() {
    std::fprintf(stderr, "\r\033[K[%3d%%] %s", m_nPos, m_strText.c_str());
    std::fflush(stderr);
}
