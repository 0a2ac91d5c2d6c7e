#include "EffectiveLengthSketch.h"

#include <cmath>
#include <QPainter>
#include <QPainterPath>

namespace {

enum class End { Pinned, Fixed, Free };

struct Case {
    End top;
    End bottom;
    const char* mu;
};

// Euler's cases: both ends pinned, fixed–free, fixed–pinned, both ends fixed.
const Case cases[] = {{End::Pinned, End::Pinned, "μ = 1"},
                      {End::Free, End::Fixed, "μ = 2"},
                      {End::Pinned, End::Fixed, "μ = 0.7"},
                      {End::Fixed, End::Fixed, "μ = 0.5"}};

// Lateral deflection of the buckled shape at t ∈ [0, 1] (0 bottom, 1 top).
double shape(const Case& c, double t) {
    const double pi = 3.14159265358979;
    if (c.top == End::Free)
        return 1.0 - std::cos(pi * t / 2.0);
    if (c.top == End::Pinned && c.bottom == End::Pinned)
        return std::sin(pi * t);
    if (c.top == End::Fixed)
        return (1.0 - std::cos(2.0 * pi * t)) / 2.0;
    // Fixed at the bottom, pinned at the top: tan(kL) = kL, kL ≈ 4.4934.
    const double k = 4.4934;
    const double x = 1.0 - t; // from the pinned end
    const double v = std::sin(k * x) - x * std::sin(k);
    return v / 1.4; // scaled to about one at its largest
}

void drawSupport(QPainter& p, QPointF at, End end, bool top) {
    const double s = top ? -1.0 : 1.0;
    if (end == End::Pinned) {
        QPolygonF tri;
        tri << at << at + QPointF(-7, 10 * s) << at + QPointF(7, 10 * s);
        p.drawPolygon(tri);
        p.drawLine(at + QPointF(-10, 10 * s), at + QPointF(10, 10 * s));
    } else if (end == End::Fixed) {
        p.drawLine(at + QPointF(-12, 0), at + QPointF(12, 0));
        for (int i = -12; i < 12; i += 5)
            p.drawLine(at + QPointF(i, 0), at + QPointF(i + 4, 5 * s));
    }
}

} // namespace

EffectiveLengthSketch::EffectiveLengthSketch(QWidget* parent) : QWidget(parent) {
    setMinimumSize(sizeHint());
}

QSize EffectiveLengthSketch::sizeHint() const {
    return {360, 150};
}

void EffectiveLengthSketch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().base());
    const int n = int(std::size(cases));
    const double cell = width() / double(n);
    const double top = 22;
    const double bottom = height() - 34;
    for (int i = 0; i < n; ++i) {
        const Case& c = cases[i];
        const double x = cell * (i + 0.35);
        // The straight member (thin) and its buckled shape (thick).
        p.setPen(QPen(palette().mid().color(), 1, Qt::DashLine));
        p.drawLine(QPointF(x, top), QPointF(x, bottom));
        QPainterPath path;
        for (int k = 0; k <= 40; ++k) {
            const double t = k / 40.0;
            const QPointF pt(x + 14.0 * shape(c, t), bottom - t * (bottom - top));
            if (k == 0)
                path.moveTo(pt);
            else
                path.lineTo(pt);
        }
        p.setPen(QPen(palette().text().color(), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        // The axial force at the top.
        const QPointF head(x + 14.0 * shape(c, 1.0), top);
        p.setPen(QPen(Qt::darkRed, 1.5));
        p.drawLine(head - QPointF(0, 16), head);
        p.drawLine(head, head + QPointF(-3, -6));
        p.drawLine(head, head + QPointF(3, -6));
        p.setPen(QPen(palette().text().color(), 1));
        p.setBrush(palette().window());
        drawSupport(p, QPointF(x, bottom), c.bottom, false);
        drawSupport(p, head, c.top, true);
        p.drawText(QRectF(cell * i, height() - 22, cell, 20), Qt::AlignCenter,
                   QString::fromUtf8(c.mu));
    }
}
