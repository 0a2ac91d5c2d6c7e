#include "ToolPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

const QColor kSteel(70, 90, 120);
const QColor kGusset(180, 190, 205);

} // namespace

QPixmap programIcon(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(width / 32.0, height / 31.0);
    // A triangular truss: chords, a post and two diagonals, with a red
    // compressed member.
    const QPointF a(2, 26), b(30, 26), top(16, 6), mid(16, 26), l(9, 26), r(23, 26);
    p.setPen(QPen(kSteel, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(QPolygonF({a, top, b}));
    p.setPen(QPen(kSteel, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(top, mid);
    p.drawLine(QPointF(9, 16), mid);
    p.drawLine(QPointF(23, 16), mid);
    p.setPen(QPen(QColor(200, 30, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, top);
    p.setBrush(Qt::white);
    p.setPen(QPen(kSteel, 1));
    for (const QPointF& node : {a, b, top, mid, l, r})
        p.drawEllipse(node, 1.3, 1.3);
    return pixmap;
}

QPixmap aboutPicture(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(QColor(250, 250, 245));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(width / 90.0, height / 139.0);

    // The lower chord (a tee) and a gusset plate welded to it.
    p.setPen(QPen(kSteel, 1));
    p.setBrush(kSteel);
    p.drawRect(QRectF(4, 118, 82, 5));
    p.drawRect(QRectF(42, 123, 6, 10));
    p.setBrush(kGusset);
    QPolygonF gusset({{18, 118}, {72, 118}, {64, 84}, {26, 84}});
    p.drawPolygon(gusset);

    // A web member of two angles back to back on the gusset, drawn in
    // elevation: two flanges and the gap of the gusset between them.
    p.setBrush(kSteel);
    p.drawRect(QRectF(36, 8, 7, 100));
    p.drawRect(QRectF(47, 8, 7, 100));
    p.setBrush(QColor(120, 140, 170));
    p.drawRect(QRectF(43, 8, 4, 100));
    // Spacer plates between the angles.
    p.setBrush(kGusset);
    for (double y : {30.0, 58.0})
        p.drawRect(QRectF(33, y, 24, 4));

    // Welds along the gusset.
    p.setPen(QPen(QColor(200, 30, 30), 1.6, Qt::DotLine));
    p.drawLine(QPointF(35, 86), QPointF(35, 108));
    p.drawLine(QPointF(55, 86), QPointF(55, 108));

    // The axial force.
    p.setPen(QPen(QColor(200, 30, 30), 2));
    p.drawLine(QPointF(45, 1), QPointF(45, 7));
    p.setBrush(QColor(200, 30, 30));
    p.drawPolygon(QPolygonF({{41, 4}, {49, 4}, {45, 9}}));
    p.setPen(QColor(200, 30, 30));
    QFont font = p.font();
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(52, 0, 30, 14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("N"));
    return pixmap;
}
