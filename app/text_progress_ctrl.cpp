#include "app/text_progress_ctrl.h"

#include <QPainter>
#include <QPalette>
#include <QWindow>

CTextProgressCtrl::CTextProgressCtrl(QWidget* parent) : QWidget(parent) {
    const QPalette colours = palette();
    m_crBar = colours.color(QPalette::Highlight);
    m_crEmpty = colours.color(QPalette::Base);
    m_crTextOverBar = m_crEmpty;
    m_crTextOverEmpty = m_crBar;
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Showing and hiding the bar during a batch must not move the other controls.
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
    connect(this, &CTextProgressCtrl::SinkStateChanged, this, &CTextProgressCtrl::TakeSinkState,
            Qt::QueuedConnection);
}

bool CTextProgressCtrl::WindowExists() const { return window()->windowHandle() != nullptr; }

int CTextProgressCtrl::BarWidth(int clientWidth) const {
    if (m_nMax == m_nMin) return 0;
    return int(double(m_nPos - m_nMin) / double(m_nMax - m_nMin) * clientWidth);
}

int CTextProgressCtrl::SetPosition(int position) {
    if (!WindowExists()) return -1;
    const int previous = m_nPos;
    m_nPos = position;
    const int barWidth = BarWidth(width());
    if (barWidth != m_nBarWidth) {
        m_nBarWidth = barWidth;
        repaint();
    }
    return previous;
}

void CTextProgressCtrl::SetRange(int minimum, int maximum) {
    m_nMin = minimum;
    m_nMax = maximum;
}

void CTextProgressCtrl::SetTextMode(bool on) {
    if (m_bTextMode == on) return;
    m_bTextMode = on;
    repaint();
}

void CTextProgressCtrl::SetDisplayText(const QString& text) { m_strText = text; }

QString CTextProgressCtrl::DisplayedText() const {
    if (!m_bTextMode) return QString();
    if (!m_strText.isEmpty()) return m_strText;
    const int percent = m_nMax == m_nMin ? 0 : (m_nPos - m_nMin) * 100 / (m_nMax - m_nMin);
    return QString::asprintf("%d%%", percent);
}

void CTextProgressCtrl::Show(const std::string& text) {
    const QString shown = QString::fromLocal8Bit(text.data(), qsizetype(text.size()));
    const std::lock_guard<std::mutex> hold(m_sinkLock);
    m_sink.visible = true;
    m_sink.text = shown;
    m_sink.textChanged = true;
    m_sink.pos = -1;  // a new file: its first position counts
    PostSinkState();
}

void CTextProgressCtrl::SetPos(int percent) {
    const std::lock_guard<std::mutex> hold(m_sinkLock);
    if (m_sink.pos == percent) return;
    m_sink.pos = percent;
    m_sink.posChanged = true;
    PostSinkState();
}

void CTextProgressCtrl::Hide() {
    const std::lock_guard<std::mutex> hold(m_sinkLock);
    m_sink.visible = false;
    PostSinkState();
}

void CTextProgressCtrl::PostSinkState() {
    if (m_sink.posted) return;
    m_sink.posted = true;
    emit SinkStateChanged();
}

// Show's text first, then the position, as the conversion called them.
void CTextProgressCtrl::TakeSinkState() {
    CSinkState state;
    {
        const std::lock_guard<std::mutex> hold(m_sinkLock);
        state = m_sink;
        m_sink.textChanged = m_sink.posChanged = m_sink.posted = false;
    }
    if (state.textChanged) {
        setVisible(true);
        SetTextMode(true);
        SetDisplayText(state.text);
        repaint();
    }
    if (state.posChanged) SetPosition(state.pos);
    setVisible(state.visible);
}

QSize CTextProgressCtrl::sizeHint() const {
    return QSize(200, fontMetrics().height() + 6);
}

void CTextProgressCtrl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect client = rect();
    QRect bar = client;
    bar.setWidth(BarWidth(client.width()));
    const QRect empty(bar.right() + 1, client.top(), client.width() - bar.width(), client.height());
    painter.fillRect(bar, m_crBar);
    painter.fillRect(empty, m_crEmpty);

    const QString text = DisplayedText();
    if (text.isEmpty()) return;
    // A long path keeps its start and its file name.
    const QString shown = fontMetrics().elidedText(text, Qt::ElideMiddle, client.width() - 4);
    const auto drawClipped = [&](const QRect& part, const QColor& colour) {
        painter.setClipRect(part);
        painter.setPen(colour);
        painter.drawText(client, Qt::AlignCenter | Qt::TextSingleLine, shown);
    };
    drawClipped(bar, m_crTextOverBar);
    drawClipped(empty, m_crTextOverEmpty);
}
