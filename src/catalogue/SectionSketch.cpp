#include "SectionSketch.h"

#include <QPainter>
#include <QPainterPath>

SketchKind sketchForSechType(int sechType) {
    switch (sechType) {
    case 1:
        return SketchKind::EqualAnglesT;
    case 2:
        return SketchKind::EqualAnglesCross;
    case 3:
        return SketchKind::UnequalShortLegsOn;
    case 4:
        return SketchKind::UnequalLongLegsOn;
    case 5:
        return SketchKind::Tee;
    case 6:
        return SketchKind::SquareHollow;
    case 7:
        return SketchKind::RectHollowUpright;
    case 8:
        return SketchKind::RectHollowFlat;
    default:
        return SketchKind::Pipe;
    }
}

namespace {

// Sketches are drawn on a 100 × 100 grid and scaled to the target.
constexpr double kGrid = 100;

const QColor kSteel(176, 190, 204);
const QColor kOutline(40, 52, 64);
const QColor kGusset(226, 214, 170);
const QColor kAxis(200, 40, 40);

// An angle with its corner at `corner`, legs of lengths legX (along +x or −x)
// and legY (along +y or −y, y pointing down on screen), thickness t.
QPainterPath anglePath(QPointF corner, double legX, double legY, double t) {
    const double sx = legX >= 0 ? 1 : -1;
    const double sy = legY >= 0 ? 1 : -1;
    QPainterPath p;
    p.moveTo(corner);
    p.lineTo(corner + QPointF(legX, 0));
    p.lineTo(corner + QPointF(legX, sy * t));
    p.lineTo(corner + QPointF(sx * t, sy * t));
    p.lineTo(corner + QPointF(sx * t, legY));
    p.lineTo(corner + QPointF(0, legY));
    p.closeSubpath();
    return p;
}

void fill(QPainter& p, const QPainterPath& path, const QColor& color = kSteel) {
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(color);
    p.drawPath(path);
}

void gusset(QPainter& p, const QRectF& r) {
    QPainterPath path;
    path.addRect(r);
    fill(p, path, kGusset);
}

// Axis lines through `centre`, labelled at their ends.
void axes(QPainter& p, QPointF centre, const QString& xName = QStringLiteral("x"),
          const QString& yName = QStringLiteral("y")) {
    QPen pen(kAxis, 0.9, Qt::DashDotLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(4, centre.y()), QPointF(kGrid - 10, centre.y()));
    p.drawLine(QPointF(centre.x(), 10), QPointF(centre.x(), kGrid - 4));
    QFont font = p.font();
    font.setPointSizeF(8);
    font.setItalic(true);
    p.setFont(font);
    p.setPen(kAxis);
    p.drawText(QRectF(kGrid - 10, centre.y() - 9, 10, 12), Qt::AlignCenter, xName);
    p.drawText(QRectF(centre.x() + 1, 0, 12, 11), Qt::AlignLeft | Qt::AlignVCenter, yName);
}

void drawKind(QPainter& p, SketchKind kind) {
    switch (kind) {
    case SketchKind::EqualAngle:
        fill(p, anglePath({30, 78}, 46, -46, 8));
        axes(p, {43, 65});
        break;
    case SketchKind::UnequalAngle:
        fill(p, anglePath({32, 80}, 34, -56, 7));
        axes(p, {42, 62});
        break;
    case SketchKind::EqualAnglesT: {
        // Vertical legs on both faces of the gusset, horizontal legs on top.
        gusset(p, QRectF(47, 20, 6, 70));
        fill(p, anglePath({47, 24}, -34, 34, 6));
        fill(p, anglePath({53, 24}, 34, 34, 6));
        axes(p, {50, 35});
        break;
    }
    case SketchKind::EqualAnglesCross: {
        // Two angles with their corners on opposite faces of the gusset.
        gusset(p, QRectF(47, 12, 6, 76));
        fill(p, anglePath({47, 50}, -32, -32, 6));
        fill(p, anglePath({53, 50}, 32, 32, 6));
        axes(p, {50, 50});
        break;
    }
    case SketchKind::UnequalShortLegsOn:
        gusset(p, QRectF(47, 22, 6, 64));
        fill(p, anglePath({47, 28}, -40, 24, 6));
        fill(p, anglePath({53, 28}, 40, 24, 6));
        axes(p, {50, 35});
        break;
    case SketchKind::UnequalLongLegsOn:
        gusset(p, QRectF(47, 12, 6, 78));
        fill(p, anglePath({47, 16}, -26, 42, 6));
        fill(p, anglePath({53, 16}, 26, 42, 6));
        axes(p, {50, 30});
        break;
    case SketchKind::Tee: {
        QPainterPath t;
        t.moveTo(18, 22);
        t.lineTo(82, 22);
        t.lineTo(82, 31);
        t.lineTo(53, 31);
        t.lineTo(53, 84);
        t.lineTo(47, 84);
        t.lineTo(47, 31);
        t.lineTo(18, 31);
        t.closeSubpath();
        fill(p, t);
        axes(p, {50, 38});
        break;
    }
    case SketchKind::SquareHollow: {
        QPainterPath s;
        s.addRoundedRect(QRectF(22, 22, 56, 56), 7, 7);
        s.addRoundedRect(QRectF(29, 29, 42, 42), 3, 3);
        fill(p, s);
        axes(p, {50, 50});
        break;
    }
    case SketchKind::RectHollowUpright: {
        QPainterPath s;
        s.addRoundedRect(QRectF(32, 14, 36, 72), 6, 6);
        s.addRoundedRect(QRectF(38, 20, 24, 60), 3, 3);
        fill(p, s);
        axes(p, {50, 50});
        break;
    }
    case SketchKind::RectHollowFlat: {
        QPainterPath s;
        s.addRoundedRect(QRectF(14, 32, 72, 36), 6, 6);
        s.addRoundedRect(QRectF(20, 38, 60, 24), 3, 3);
        fill(p, s);
        axes(p, {50, 50});
        break;
    }
    case SketchKind::Pipe: {
        QPainterPath s;
        s.addEllipse(QPointF(50, 50), 30, 30);
        s.addEllipse(QPointF(50, 50), 24, 24);
        fill(p, s);
        axes(p, {50, 50});
        break;
    }
    }
}

} // namespace

void drawSection(QPainter& painter, const QRectF& area, SketchKind kind) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(area.width(), area.height());
    painter.translate(area.center().x() - side / 2, area.center().y() - side / 2);
    painter.scale(side / kGrid, side / kGrid);
    drawKind(painter, kind);
    painter.restore();
}

QPixmap sectionPixmap(SketchKind kind, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    drawSection(painter, QRectF(QPointF(0, 0), size), kind);
    return pixmap;
}

SectionSketch::SectionSketch(SketchKind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    setMinimumSize(60, 60);
}

void SectionSketch::setKind(SketchKind kind) {
    kind_ = kind;
    update();
}

void SectionSketch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawSection(painter, rect(), kind_);
}
