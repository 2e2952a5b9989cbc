#include "ui/LogoPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tunbox {

QPixmap DrawLogoPicture(const QSize& size, qreal devicePixelRatio) {
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);

    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(1.0, 1.0, size.width() - 2.0, size.height() - 2.0);

    QLinearGradient fill(tile.topLeft(), tile.bottomRight());
    fill.setColorAt(0.0, QColor(0x4c, 0xaf, 0x50));
    fill.setColorAt(1.0, QColor(0x1b, 0x5e, 0x20));
    painter.setPen(QPen(QColor(0x1b, 0x5e, 0x20), 1.0));
    painter.setBrush(fill);
    const qreal corner = tile.height() * 0.18;
    painter.drawRoundedRect(tile, corner, corner);

    // The mast: a slim triangle standing on the tile's lower edge.
    const QPointF top(tile.center().x(), tile.top() + tile.height() * 0.38);
    const qreal base = tile.bottom() - tile.height() * 0.1;
    const qreal halfFoot = tile.width() * 0.09;
    QPainterPath mast;
    mast.moveTo(top);
    mast.lineTo(top.x() + halfFoot, base);
    mast.lineTo(top.x() - halfFoot, base);
    mast.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(mast);
    const qreal dot = tile.height() * 0.07;
    painter.drawEllipse(top, dot, dot);

    // Three waves to each side of the mast head.
    QPen wave(Qt::white, tile.height() * 0.045, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(wave);
    painter.setBrush(Qt::NoBrush);
    for (int ring = 1; ring <= 3; ++ring) {
        const qreal radius = tile.height() * 0.13 * ring;
        const QRectF arc(top.x() - radius, top.y() - radius, 2 * radius, 2 * radius);
        painter.drawArc(arc, -40 * 16, 80 * 16);
        painter.drawArc(arc, 140 * 16, 80 * 16);
    }
    return pixmap;
}

} // namespace tunbox
