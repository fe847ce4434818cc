#include "app/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kInk(0x1d, 0x3b, 0x6e);
const QColor kAccent(0xe8, 0x7a, 0x1e);

// A curve becoming a polyline: the program's work in one picture.
void DrawMark(QPainter& painter, const QRectF& box) {
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath curve;
    curve.moveTo(box.left(), box.bottom());
    curve.cubicTo(box.left() + box.width() * 0.2, box.top(), box.left() + box.width() * 0.8,
                  box.top(), box.right(), box.bottom());
    painter.setPen(QPen(kAccent, box.height() * 0.08, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(curve);
    QPolygonF segments;
    for (int i = 0; i <= 6; ++i) segments << curve.pointAtPercent(i / 6.0);
    painter.setPen(QPen(Qt::white, box.height() * 0.05, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.translate(0, box.height() * 0.35);
    painter.drawPolyline(segments);
    painter.setBrush(Qt::white);
    const double dot = box.height() * 0.07;
    for (const QPointF& vertex : segments) painter.drawEllipse(vertex, dot, dot);
    painter.translate(0, -box.height() * 0.35);
}

}  // namespace

QIcon VextoraIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(kInk);
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(QRectF(0, 0, size, size), size * 0.18, size * 0.18);
        DrawMark(painter, QRectF(size * 0.15, size * 0.25, size * 0.7, size * 0.5));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPixmap VextoraBanner(int width, int height) {
    QPixmap pixmap(width, height);
    QPainter painter(&pixmap);
    QLinearGradient shade(0, 0, width, 0);
    shade.setColorAt(0, kInk);
    shade.setColorAt(1, kInk.lighter(160));
    painter.fillRect(pixmap.rect(), shade);
    DrawMark(painter, QRectF(height * 0.3, height * 0.3, height * 1.2, height * 0.4));

    QFont title = painter.font();
    title.setPixelSize(int(height * 0.38));
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    const int textLeft = int(height * 1.8);
    painter.drawText(QRect(textLeft, 0, width - textLeft, int(height * 0.62)),
                     Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Vextora"));
    QFont subtitle = title;
    subtitle.setPixelSize(int(height * 0.18));
    subtitle.setBold(false);
    painter.setFont(subtitle);
    painter.drawText(QRect(textLeft, int(height * 0.64), width - textLeft, height),
                     Qt::AlignLeft | Qt::AlignTop, QStringLiteral("SVG to DXF batch converter"));
    return pixmap;
}
