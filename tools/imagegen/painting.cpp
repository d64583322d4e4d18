#include "painting.h"

#include <QFont>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>

using namespace Palette;

namespace {

qreal minSide(const QRectF& r)
{
    return qMin(r.width(), r.height());
}

QPointF polar(const QPointF& c, qreal radius, qreal angleDegrees)
{
    const qreal a = qDegreesToRadians(angleDegrees);
    return c + QPointF(radius * qCos(a), -radius * qSin(a));
}

void outlined(QPainter& p, const QColor& fill, qreal width)
{
    p.setPen(roundPen(ink, width));
    p.setBrush(fill);
}

}  // namespace

QPen roundPen(const QColor& color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawLabel(QPainter& p, const QRectF& r, const QString& text, qreal pixelSize, const QColor& color, bool bold,
               Qt::Alignment align)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setBold(bold);
    p.save();
    p.setFont(font);
    p.setPen(color);
    p.drawText(r, int(align), text);
    p.restore();
}

void drawCard(QPainter& p, const QRectF& r)
{
    p.save();
    p.setPen(QPen(lineLight, 1));
    p.setBrush(card);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.restore();
}

void drawCamera(QPainter& p, const QRectF& r, const QColor& led)
{
    const qreal w = r.width();
    const qreal pen = qMax(1.5, w * 0.035);
    const QRectF body(r.x(), r.y(), w, r.height() * 0.74);
    const QRectF base(r.center().x() - w * 0.32, r.bottom() - r.height() * 0.1, w * 0.64, r.height() * 0.1);
    const QRectF neck(r.center().x() - w * 0.09, body.bottom() - pen, w * 0.18, base.top() - body.bottom() + 2 * pen);
    p.save();
    outlined(p, fillLight, pen);
    p.drawRect(neck);
    p.drawRoundedRect(base, base.height() * 0.4, base.height() * 0.4);
    outlined(p, Qt::white, pen);
    p.drawRoundedRect(body.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2), w * 0.16, w * 0.16);
    const QPointF lens(body.center().x(), body.center().y() + body.height() * 0.04);
    const qreal rl = minSide(body) * 0.3;
    p.setPen(roundPen(ink, pen));
    p.setBrush(fillLight);
    p.drawEllipse(lens, rl * 1.22, rl * 1.22);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(52, 62, 76));
    p.drawEllipse(lens, rl, rl);
    p.setBrush(accentDark);
    p.drawEllipse(lens, rl * 0.55, rl * 0.55);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(lens + QPointF(-rl * 0.32, -rl * 0.32), rl * 0.17, rl * 0.17);
    const QPointF ledPos(body.right() - w * 0.15, body.top() + body.height() * 0.17);
    drawLed(p, ledPos, qMax(1.5, w * 0.04), led, false);
    p.restore();
}

QRectF cameraBody(const QRectF& r)
{
    return QRectF(r.x(), r.y(), r.width(), r.height() * 0.74);
}

QRectF cameraPort(const QRectF& r)
{
    const QRectF body = cameraBody(r);
    return QRectF(body.left() + r.width() * 0.16, body.top() + body.height() * 0.62, r.width() * 0.22,
                  body.height() * 0.2);
}

void drawCameraBack(QPainter& p, const QRectF& r, bool vents)
{
    // Same outline as the front view; the body carries vents and the network port.
    const qreal w = r.width();
    const qreal pen = qMax(1.5, w * 0.035);
    const QRectF body = cameraBody(r);
    const QRectF base(r.center().x() - w * 0.32, r.bottom() - r.height() * 0.1, w * 0.64, r.height() * 0.1);
    const QRectF neck(r.center().x() - w * 0.09, body.bottom() - pen, w * 0.18, base.top() - body.bottom() + 2 * pen);
    p.save();
    outlined(p, fillLight, pen);
    p.drawRect(neck);
    p.drawRoundedRect(base, base.height() * 0.4, base.height() * 0.4);
    outlined(p, QColor(250, 251, 252), pen);
    p.drawRoundedRect(body.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2), w * 0.16, w * 0.16);
    p.setPen(roundPen(lineLight, pen * 1.2));
    for (int i = 0; vents && i < 3; ++i) {
        const qreal y = body.top() + body.height() * (0.2 + 0.12 * i);
        p.drawLine(QPointF(body.left() + w * 0.28, y), QPointF(body.right() - w * 0.28, y));
    }
    outlined(p, QColor(60, 70, 82), pen * 0.7);
    p.drawRect(cameraPort(r));
    p.restore();
}

void drawRouter(QPainter& p, const QRectF& r, bool wpsHighlight)
{
    const qreal w = r.width();
    const qreal pen = qMax(1.5, w * 0.03);
    const QRectF body(r.x(), r.y() + r.height() * 0.5, w, r.height() * 0.5);
    p.save();
    p.setPen(roundPen(ink, pen * 1.8));
    p.drawLine(QPointF(body.left() + w * 0.2, body.top()), QPointF(body.left() + w * 0.14, r.top() + pen));
    p.drawLine(QPointF(body.right() - w * 0.2, body.top()), QPointF(body.right() - w * 0.14, r.top() + pen));
    outlined(p, Qt::white, pen);
    p.drawRoundedRect(body.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2), w * 0.08, w * 0.08);
    p.setPen(roundPen(lineLight, pen));
    p.drawLine(QPointF(body.left() + w * 0.06, body.top() + body.height() * 0.7),
               QPointF(body.right() - w * 0.06, body.top() + body.height() * 0.7));
    const qreal ledY = body.top() + body.height() * 0.38;
    for (int i = 0; i < 4; ++i)
        drawLed(p, QPointF(body.left() + w * (0.14 + 0.1 * i), ledY), qMax(1.2, w * 0.028), green, false);
    const QPointF wps(body.right() - w * 0.16, ledY);
    const qreal rw = qMax(2.0, w * 0.05);
    if (wpsHighlight)
        drawHighlightRing(p, wps, rw * 2.2);
    outlined(p, wpsHighlight ? accent : fillLight, pen * 0.8);
    p.drawEllipse(wps, rw, rw);
    p.restore();
}

void drawLaptop(QPainter& p, const QRectF& r, bool networkList)
{
    const qreal w = r.width();
    const qreal pen = qMax(1.5, w * 0.022);
    const QRectF screen(r.x() + w * 0.1, r.y(), w * 0.8, r.height() * 0.8);
    const QRectF base(r.x(), screen.bottom() - pen / 2, w, r.height() * 0.2);
    p.save();
    outlined(p, Qt::white, pen);
    p.drawRoundedRect(screen.adjusted(pen / 2, pen / 2, -pen / 2, 0), w * 0.04, w * 0.04);
    const QRectF display = screen.adjusted(w * 0.04, w * 0.04, -w * 0.04, -w * 0.03);
    p.setPen(Qt::NoPen);
    p.setBrush(accentTint);
    p.drawRect(display);
    if (networkList) {
        const qreal rowH = display.height() / 4.6;
        for (int i = 0; i < 4; ++i) {
            const QRectF row(display.left() + rowH * 0.3, display.top() + rowH * (0.3 + i * 1.08),
                             display.width() - rowH * 0.6, rowH);
            p.setPen(Qt::NoPen);
            p.setBrush(i == 1 ? accent : QColor(255, 255, 255));
            p.drawRoundedRect(row, rowH * 0.2, rowH * 0.2);
            const QColor glyph = i == 1 ? QColor(Qt::white) : accentPale;
            drawWifiGlyph(p, QRectF(row.left() + rowH * 0.2, row.top() + rowH * 0.15, rowH * 0.9, rowH * 0.7), glyph);
            p.setPen(Qt::NoPen);
            p.setBrush(i == 1 ? QColor(255, 255, 255, 200) : lineLight);
            p.drawRoundedRect(QRectF(row.left() + rowH * 1.4, row.center().y() - rowH * 0.12,
                                     row.width() * (i == 1 ? 0.5 : 0.35 + 0.08 * i), rowH * 0.24),
                              rowH * 0.1, rowH * 0.1);
        }
    }
    outlined(p, fillLight, pen);
    QPainterPath deck;
    deck.moveTo(base.left() + w * 0.04, base.top());
    deck.lineTo(base.right() - w * 0.04, base.top());
    deck.lineTo(base.right(), base.top() + base.height() * 0.55);
    deck.quadTo(base.right(), base.bottom() - pen / 2, base.right() - w * 0.05, base.bottom() - pen / 2);
    deck.lineTo(base.left() + w * 0.05, base.bottom() - pen / 2);
    deck.quadTo(base.left(), base.bottom() - pen / 2, base.left(), base.top() + base.height() * 0.55);
    deck.closeSubpath();
    p.drawPath(deck);
    p.restore();
}

void drawPhone(QPainter& p, const QRectF& r)
{
    const qreal w = r.width();
    const qreal pen = qMax(1.5, w * 0.05);
    p.save();
    outlined(p, Qt::white, pen);
    p.drawRoundedRect(r.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2), w * 0.18, w * 0.18);
    p.setPen(Qt::NoPen);
    p.setBrush(accentTint);
    p.drawRect(r.adjusted(w * 0.12, r.height() * 0.12, -w * 0.12, -r.height() * 0.16));
    p.setBrush(ink);
    p.drawEllipse(QPointF(r.center().x(), r.bottom() - r.height() * 0.08), w * 0.06, w * 0.06);
    p.restore();
}

void drawCloud(QPainter& p, const QRectF& r, const QColor& fill, const QColor& outline)
{
    const auto unit = [&r](qreal x, qreal y, qreal w, qreal h) {
        return QRectF(r.x() + x * r.width(), r.y() + y * r.height(), w * r.width(), h * r.height());
    };
    QPainterPath shape;
    shape.addRoundedRect(unit(0.04, 0.48, 0.92, 0.5), r.height() * 0.25, r.height() * 0.25);
    QPainterPath puff;
    puff.addEllipse(unit(0.12, 0.26, 0.38, 0.62));
    shape = shape.united(puff);
    puff = QPainterPath();
    puff.addEllipse(unit(0.32, 0.02, 0.44, 0.76));
    shape = shape.united(puff);
    puff = QPainterPath();
    puff.addEllipse(unit(0.56, 0.3, 0.34, 0.56));
    shape = shape.united(puff);
    p.save();
    p.setPen(outline.alpha() == 0 ? QPen(Qt::NoPen) : roundPen(outline, qMax(1.5, r.width() * 0.025)));
    p.setBrush(fill);
    p.drawPath(shape.simplified());
    p.restore();
}

void drawOutlet(QPainter& p, const QRectF& r)
{
    const qreal s = minSide(r);
    const qreal pen = qMax(1.5, s * 0.04);
    p.save();
    outlined(p, Qt::white, pen);
    p.drawRoundedRect(r.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2), s * 0.18, s * 0.18);
    p.setPen(Qt::NoPen);
    p.setBrush(fillLight);
    p.drawEllipse(r.center(), s * 0.34, s * 0.34);
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(r.center().x() - s * 0.16, r.center().y() - s * 0.12, s * 0.07, s * 0.2), 1, 1);
    p.drawRoundedRect(QRectF(r.center().x() + s * 0.09, r.center().y() - s * 0.12, s * 0.07, s * 0.2), 1, 1);
    p.restore();
}

void drawAdapter(QPainter& p, const QRectF& r)
{
    const qreal w = r.width();
    const qreal pen = qMax(1.5, w * 0.05);
    p.save();
    outlined(p, QColor(250, 250, 250), pen);
    p.drawRoundedRect(r.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2), w * 0.16, w * 0.16);
    p.setPen(roundPen(lineLight, pen));
    p.drawLine(QPointF(r.left() + w * 0.25, r.top() + r.height() * 0.3),
               QPointF(r.right() - w * 0.25, r.top() + r.height() * 0.3));
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawEllipse(QPointF(r.center().x(), r.top() + r.height() * 0.62), w * 0.12, w * 0.12);
    p.restore();
}

void drawPlcAdapter(QPainter& p, const QRectF& r)
{
    const qreal w = r.width();
    const qreal pen = qMax(1.5, w * 0.045);
    p.save();
    outlined(p, Qt::white, pen);
    p.drawRoundedRect(r.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2), w * 0.14, w * 0.14);
    for (int i = 0; i < 3; ++i)
        drawLed(p, QPointF(r.left() + w * (0.3 + 0.2 * i), r.top() + r.height() * 0.16), qMax(1.2, w * 0.05), green,
                false);
    drawBolt(p, QRectF(r.center().x() - w * 0.14, r.top() + r.height() * 0.3, w * 0.28, r.height() * 0.3), accent);
    outlined(p, QColor(60, 70, 82), pen * 0.7);
    p.drawRect(QRectF(r.center().x() - w * 0.17, r.bottom() - r.height() * 0.24, w * 0.34, r.height() * 0.13));
    p.restore();
}

void drawPoeSwitch(QPainter& p, const QRectF& r)
{
    const qreal h = r.height();
    const qreal pen = qMax(1.5, h * 0.06);
    p.save();
    outlined(p, Qt::white, pen);
    p.drawRoundedRect(r.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2), h * 0.16, h * 0.16);
    for (int i = 0; i < 4; ++i) {
        const QRectF port(r.left() + r.width() * 0.36 + i * r.width() * 0.15, r.center().y() - h * 0.12,
                          r.width() * 0.1, h * 0.32);
        outlined(p, QColor(60, 70, 82), pen * 0.6);
        p.drawRect(port);
        drawLed(p, QPointF(port.center().x(), r.top() + h * 0.2), qMax(1.0, h * 0.05), green, false);
    }
    drawBolt(p, QRectF(r.left() + r.width() * 0.08, r.top() + h * 0.2, r.width() * 0.18, h * 0.6), orange);
    p.restore();
}

void drawBox(QPainter& p, const QRectF& r)
{
    const qreal w = r.width();
    const qreal pen = qMax(1.5, w * 0.025);
    const QRectF front(r.x() + w * 0.08, r.y() + r.height() * 0.3, w * 0.84, r.height() * 0.7);
    p.save();
    p.setPen(roundPen(kraftDark, pen));
    p.setBrush(kraft.darker(108));
    QPolygonF left;
    left << front.topLeft() << QPointF(r.left(), r.top() + r.height() * 0.05)
         << QPointF(front.left() + w * 0.3, r.top() + r.height() * 0.12)
         << QPointF(front.left() + w * 0.36, front.top());
    p.drawPolygon(left);
    QPolygonF right;
    right << front.topRight() << QPointF(r.right(), r.top() + r.height() * 0.05)
          << QPointF(front.right() - w * 0.3, r.top() + r.height() * 0.12)
          << QPointF(front.right() - w * 0.36, front.top());
    p.drawPolygon(right);
    p.setBrush(kraft);
    p.drawRect(front.adjusted(pen / 2, 0, -pen / 2, -pen / 2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawRect(QRectF(front.center().x() - w * 0.06, front.top() + pen, w * 0.12, front.height() * 0.45));
    p.restore();
}

void drawPaperclip(QPainter& p, const QRectF& r)
{
    // A wire bent into two nested loops, lying along the rectangle's width.
    const qreal h = r.height();
    QPainterPath wire;
    wire.moveTo(r.left(), r.center().y());
    wire.lineTo(r.right() - h * 0.5, r.center().y());
    wire.arcTo(QRectF(r.right() - h, r.top(), h, h), 270, 180);
    wire.lineTo(r.left() + r.width() * 0.25, r.top());
    wire.arcTo(QRectF(r.left() + r.width() * 0.25 - h * 0.4, r.top(), h * 0.8, h * 0.8), 90, 180);
    wire.lineTo(r.right() - h * 0.8, r.top() + h * 0.8);
    p.save();
    p.setPen(roundPen(QColor(140, 150, 162), qMax(1.5, h * 0.12)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(wire);
    p.restore();
}

void drawBolt(QPainter& p, const QRectF& r, const QColor& color)
{
    QPolygonF bolt;
    const auto at = [&r](qreal x, qreal y) { return QPointF(r.x() + x * r.width(), r.y() + y * r.height()); };
    bolt << at(0.62, 0) << at(0.08, 0.56) << at(0.46, 0.56) << at(0.34, 1) << at(0.92, 0.4) << at(0.54, 0.4)
         << at(0.7, 0);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(bolt);
    p.restore();
}

void drawClock(QPainter& p, const QPointF& c, qreal radius)
{
    p.save();
    p.setPen(roundPen(accent, radius * 0.16));
    p.setBrush(Qt::white);
    p.drawEllipse(c, radius, radius);
    p.setPen(roundPen(ink, radius * 0.14));
    p.drawLine(c, c + QPointF(0, -radius * 0.6));
    p.drawLine(c, c + QPointF(radius * 0.45, radius * 0.2));
    p.restore();
}

void drawCable(QPainter& p, const QPointF& a, const QPointF& b, qreal sag, qreal endAngle, bool plugAtEnd)
{
    // Leaves a downwards and reaches b moving in the direction endAngle.
    QPainterPath path(a);
    path.cubicTo(a + QPointF(0, sag), polar(b, qAbs(sag), endAngle + 180), b);
    p.save();
    p.setPen(roundPen(QColor(120, 132, 146), 3.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
    if (plugAtEnd)
        drawPlug(p, b, endAngle, 9);
}

void drawPlug(QPainter& p, const QPointF& tip, qreal angleDegrees, qreal size)
{
    // Drawn pointing up (90 degrees) and turned to the given direction.
    p.save();
    p.translate(tip);
    p.rotate(90 - angleDegrees);
    p.setPen(roundPen(ink, 1.5));
    p.setBrush(QColor(250, 250, 250));
    p.drawRoundedRect(QRectF(-size * 0.5, 0, size, size * 1.1), 1.5, 1.5);
    p.setBrush(accent);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(-size * 0.3, size * 0.15, size * 0.6, size * 0.25));
    p.restore();
}

void drawWaves(QPainter& p, const QPointF& origin, qreal radius, qreal angleDegrees, const QColor& color,
               qreal spanDegrees)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        const qreal rr = radius * i / 3.0;
        p.setPen(roundPen(color, qMax(1.5, radius * 0.12)));
        const QRectF box(origin.x() - rr, origin.y() - rr, 2 * rr, 2 * rr);
        p.drawArc(box, int((angleDegrees - spanDegrees / 2) * 16), int(spanDegrees * 16));
    }
    p.restore();
}

void drawWifiGlyph(QPainter& p, const QRectF& r, const QColor& color)
{
    const qreal s = qMin(r.width(), r.height() * 1.3);
    const QPointF origin(r.center().x(), r.bottom() - s * 0.08);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(origin, s * 0.1, s * 0.1);
    p.restore();
    drawWaves(p, origin, s * 0.72, 90, color);
}

void drawWpsGlyph(QPainter& p, const QRectF& r, const QColor& color)
{
    // Two arrows chasing each other round a circle.
    const qreal s = minSide(r);
    const QPointF c = r.center();
    const qreal rr = s * 0.36;
    const QRectF ring(c.x() - rr, c.y() - rr, 2 * rr, 2 * rr);
    p.save();
    p.setPen(roundPen(color, qMax(1.5, s * 0.11)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(ring, 20 * 16, 130 * 16);
    p.drawArc(ring, 200 * 16, 130 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    for (qreal end : {150.0, 330.0}) {
        const QPointF tip = polar(c, rr, end);
        const qreal a = end + 90;
        QPolygonF head;
        head << polar(tip, s * 0.16, a) << polar(tip, s * 0.13, a + 130) << polar(tip, s * 0.13, a - 130);
        p.drawPolygon(head);
    }
    p.restore();
}

void drawArrow(QPainter& p, const QPointF& from, const QPointF& to, const QColor& color, qreal width)
{
    const QLineF line(from, to);
    const qreal angle = line.angle();
    const qreal head = width * 3.2;
    p.save();
    p.setPen(roundPen(color, width));
    p.drawLine(from, polar(to, head * 0.6, angle + 180));
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    QPolygonF tip;
    tip << to << polar(to, head, angle + 150) << polar(to, head, angle - 150);
    p.drawPolygon(tip);
    p.restore();
}

void drawDashedLink(QPainter& p, const QPointF& a, const QPointF& b, const QColor& color)
{
    p.save();
    QPen pen = roundPen(color, 2.5);
    pen.setDashPattern({1.5, 2.5});
    p.setPen(pen);
    p.drawLine(a, b);
    p.restore();
}

void drawLed(QPainter& p, const QPointF& c, qreal radius, const QColor& color, bool glow)
{
    p.save();
    p.setPen(Qt::NoPen);
    if (glow) {
        QRadialGradient halo(c, radius * 3);
        QColor inner = color;
        inner.setAlpha(130);
        QColor outer = color;
        outer.setAlpha(0);
        halo.setColorAt(0.3, inner);
        halo.setColorAt(1, outer);
        p.setBrush(halo);
        p.drawEllipse(c, radius * 3, radius * 3);
    }
    p.setBrush(color);
    p.drawEllipse(c, radius, radius);
    if (radius >= 4) {
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawEllipse(c + QPointF(-radius * 0.3, -radius * 0.3), radius * 0.3, radius * 0.3);
    }
    p.restore();
}

void drawHighlightRing(QPainter& p, const QPointF& c, qreal radius)
{
    p.save();
    QColor soft = accent;
    soft.setAlpha(60);
    p.setPen(Qt::NoPen);
    p.setBrush(soft);
    p.drawEllipse(c, radius, radius);
    p.setPen(roundPen(accent, qMax(1.0, radius * 0.12)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, radius, radius);
    p.restore();
}

void drawBadge(QPainter& p, const QPointF& c, qreal radius, Badge kind)
{
    p.save();
    p.setPen(QPen(Qt::white, qMax(1.0, radius * 0.15)));
    const qreal stroke = qMax(1.5, radius * 0.28);
    switch (kind) {
    case Badge::Check:
        p.setBrush(green);
        p.drawEllipse(c, radius, radius);
        p.setPen(roundPen(Qt::white, stroke));
        p.drawPolyline(QPolygonF() << c + QPointF(-radius * 0.45, 0) << c + QPointF(-radius * 0.1, radius * 0.35)
                                   << c + QPointF(radius * 0.48, -radius * 0.32));
        break;
    case Badge::Cross:
        p.setBrush(red);
        p.drawEllipse(c, radius, radius);
        p.setPen(roundPen(Qt::white, stroke));
        p.drawLine(c + QPointF(-radius * 0.38, -radius * 0.38), c + QPointF(radius * 0.38, radius * 0.38));
        p.drawLine(c + QPointF(radius * 0.38, -radius * 0.38), c + QPointF(-radius * 0.38, radius * 0.38));
        break;
    case Badge::Question:
        p.setBrush(accent);
        p.drawEllipse(c, radius, radius);
        drawLabel(p, QRectF(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius), "?", radius * 1.3, Qt::white);
        break;
    case Badge::Warning: {
        QPolygonF tri;
        tri << c + QPointF(0, -radius) << c + QPointF(radius * 1.05, radius * 0.8)
            << c + QPointF(-radius * 1.05, radius * 0.8);
        p.setPen(roundPen(orange, radius * 0.25));
        p.setBrush(orange);
        p.drawPolygon(tri);
        drawLabel(p, QRectF(c.x() - radius, c.y() - radius * 0.7, 2 * radius, 1.6 * radius), "!", radius * 1.2,
                  Qt::white);
        break;
    }
    }
    p.restore();
}
