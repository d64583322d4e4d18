// Palette and drawing primitives shared by the wizard's pictures.
#ifndef IMAGEGEN_PAINTING_H
#define IMAGEGEN_PAINTING_H

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace Palette {
const QColor accent(30, 155, 215);
const QColor accentHover(70, 178, 232);
const QColor accentDark(18, 112, 166);
const QColor accentPale(168, 211, 235);
const QColor accentTint(233, 245, 252);
const QColor ink(92, 102, 114);  // outlines of drawn objects
const QColor text(0x66, 0x66, 0x66);
const QColor line(204, 204, 204);
const QColor lineLight(226, 231, 236);
const QColor fillLight(240, 243, 246);
const QColor card(246, 249, 251);
const QColor green(64, 184, 96);
const QColor red(222, 74, 62);
const QColor orange(243, 146, 45);
const QColor kraft(221, 188, 140);
const QColor kraftDark(176, 140, 92);
}  // namespace Palette

// Pen of the given colour and width with round caps and joins.
QPen roundPen(const QColor& color, qreal width);

// Text centred in a rectangle, in the bundled sans-serif face.
void drawLabel(QPainter& p, const QRectF& r, const QString& text, qreal pixelSize, const QColor& color,
               bool bold = true, Qt::Alignment align = Qt::AlignCenter);

// Light rounded card that frames the guide pictures.
void drawCard(QPainter& p, const QRectF& r);

// Objects, each fitted into the given rectangle.
void drawCamera(QPainter& p, const QRectF& r, const QColor& led = Palette::green);
void drawCameraBack(QPainter& p, const QRectF& r, bool vents = true);
// Parts of a camera drawn into r: its body and, on the back, its network port.
QRectF cameraBody(const QRectF& r);
QRectF cameraPort(const QRectF& r);
void drawRouter(QPainter& p, const QRectF& r, bool wpsHighlight = false);
void drawLaptop(QPainter& p, const QRectF& r, bool networkList = false);
void drawPhone(QPainter& p, const QRectF& r);
void drawCloud(QPainter& p, const QRectF& r, const QColor& fill, const QColor& outline);
void drawOutlet(QPainter& p, const QRectF& r);
void drawAdapter(QPainter& p, const QRectF& r);
void drawPlcAdapter(QPainter& p, const QRectF& r);
void drawPoeSwitch(QPainter& p, const QRectF& r);
void drawBox(QPainter& p, const QRectF& r);
void drawPaperclip(QPainter& p, const QRectF& r);
void drawBolt(QPainter& p, const QRectF& r, const QColor& color);
void drawClock(QPainter& p, const QPointF& c, qreal radius);

// Connections and marks.
// A cable from a to b; its plug at b points in the direction endAngle (90 = up).
void drawCable(QPainter& p, const QPointF& a, const QPointF& b, qreal sag, qreal endAngle = 90, bool plugAtEnd = true);
void drawPlug(QPainter& p, const QPointF& tip, qreal angleDegrees, qreal size);
void drawWaves(QPainter& p, const QPointF& origin, qreal radius, qreal angleDegrees, const QColor& color,
               qreal spanDegrees = 90);
void drawWifiGlyph(QPainter& p, const QRectF& r, const QColor& color);
void drawWpsGlyph(QPainter& p, const QRectF& r, const QColor& color);
void drawArrow(QPainter& p, const QPointF& from, const QPointF& to, const QColor& color, qreal width);
void drawDashedLink(QPainter& p, const QPointF& a, const QPointF& b, const QColor& color);
void drawLed(QPainter& p, const QPointF& c, qreal radius, const QColor& color, bool glow = true);
void drawHighlightRing(QPainter& p, const QPointF& c, qreal radius);

enum class Badge
{
    Check,
    Cross,
    Question,
    Warning
};
void drawBadge(QPainter& p, const QPointF& c, qreal radius, Badge kind);

#endif  // IMAGEGEN_PAINTING_H
