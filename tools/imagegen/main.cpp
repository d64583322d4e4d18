// Draws every picture the wizard compiles in, plus the icon installed beside the executable.
// Usage: imagegen <resources/images folder> <resources/install folder>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QSet>
#include <QtMath>

#include <functional>
#include <vector>

#include "painting.h"

using namespace Palette;

namespace {

using Painter = std::function<void(QPainter&, const QSizeF&)>;

struct Picture
{
    QString name;
    QSize size;
    Painter paint;
};

QRectF frame(const QSizeF& s)
{
    return QRectF(0.5, 0.5, s.width() - 1, s.height() - 1);
}

// ---- Buttons, tabs and fields: plain backgrounds, Qt draws the texts on top. ----

Painter button(const QColor& fill, const QColor& border, qreal radius)
{
    return [=](QPainter& p, const QSizeF& s) {
        p.setPen(border.isValid() ? QPen(border, 1) : QPen(Qt::NoPen));
        p.setBrush(fill);
        p.drawRoundedRect(frame(s), radius, radius);
    };
}

enum class TabGlyph
{
    None,
    WiFi,
    Wps
};

Painter tab(const QColor& fill, const QColor& border, const QColor& glyphColor, TabGlyph glyph)
{
    return [=](QPainter& p, const QSizeF& s) {
        button(fill, border, 4)(p, s);
        if (glyph == TabGlyph::None)
            return;
        const QRectF icon(17, 14, 24, 20);
        if (glyph == TabGlyph::WiFi)
            drawWifiGlyph(p, icon.adjusted(1, 1, -1, -1), glyphColor);
        else
            drawWpsGlyph(p, icon, glyphColor);
        drawLabel(p, QRectF(46, 0, s.width() - 50, s.height()), glyph == TabGlyph::WiFi ? "Wi-Fi" : "WPS", 13,
                  glyphColor, true, Qt::AlignLeft | Qt::AlignVCenter);
    };
}

Painter triangle(const QColor& fill)
{
    return [=](QPainter& p, const QSizeF& s) {
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawPolygon(QPolygonF() << QPointF(0, 0) << QPointF(s.width(), 0) << QPointF(s.width() / 2, s.height()));
    };
}

Painter closeCross(bool hover)
{
    return [=](QPainter& p, const QSizeF& s) {
        const QPointF c(s.width() / 2, s.height() / 2);
        qreal arm = s.width() * 0.3;
        QColor cross = accent;
        if (hover) {
            p.setPen(Qt::NoPen);
            p.setBrush(accent);
            p.drawEllipse(c, s.width() / 2, s.height() / 2);
            cross = Qt::white;
            arm = s.width() * 0.22;
        }
        p.setPen(roundPen(cross, hover ? 1.6 : 2));
        p.drawLine(c + QPointF(-arm, -arm), c + QPointF(arm, arm));
        p.drawLine(c + QPointF(arm, -arm), c + QPointF(-arm, arm));
    };
}

Painter radio(bool checked)
{
    return [=](QPainter& p, const QSizeF& s) {
        const QPointF c(s.width() / 2, s.height() / 2);
        p.setPen(QPen(checked ? accent : QColor(176, 176, 176), checked ? 1.6 : 1.2));
        p.setBrush(Qt::white);
        p.drawEllipse(c, s.width() / 2 - 1.5, s.height() / 2 - 1.5);
        if (checked) {
            p.setPen(Qt::NoPen);
            p.setBrush(accent);
            p.drawEllipse(c, s.width() * 0.22, s.height() * 0.22);
        }
    };
}

void drawField(QPainter& p, const QSizeF& s)
{
    button(Qt::white, line, 3)(p, s);
}

void drawArrowDown(QPainter& p, const QSizeF& s)
{
    p.setPen(roundPen(QColor(136, 136, 136), 1.8));
    p.drawPolyline(QPolygonF() << QPointF(1.5, 1.8) << QPointF(s.width() / 2, s.height() - 1.8)
                               << QPointF(s.width() - 1.5, 1.8));
}

// ---- Scroll bar parts, 11 pixels wide. ----

void drawScrollGroove(QPainter& p, const QSizeF& s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(234, 234, 234));
    p.drawRoundedRect(QRectF(3, 0, 5, s.height()), 2.5, 2.5);
}

Painter scrollHandle(const QColor& fill)
{
    return [=](QPainter& p, const QSizeF& s) {
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(2, 1, 7, s.height() - 2), 2, 2);
    };
}

Painter scrollArrow(bool up, const QColor& color)
{
    return [=](QPainter& p, const QSizeF& s) {
        const qreal top = up ? 3.5 : 7.5;
        const qreal bottom = up ? 7.5 : 3.5;
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawPolygon(QPolygonF() << QPointF(5.5, top) << QPointF(s.width() - 2, bottom) << QPointF(2, bottom));
    };
}

// ---- Progress: step banner, access-point step markers, spinner, badges. ----

Painter stepBanner(int current)
{
    return [=](QPainter& p, const QSizeF& s) {
        const qreal y = 30;
        const auto centre = [](int i) { return 160.0 + 160.0 * i; };
        p.setPen(roundPen(QColor(222, 226, 230), 3));
        p.drawLine(QPointF(centre(current - 1), y), QPointF(centre(3), y));
        p.setPen(roundPen(accent, 3));
        p.drawLine(QPointF(centre(0), y), QPointF(centre(current - 1), y));
        for (int i = 0; i < 4; ++i) {
            const QPointF c(centre(i), y);
            const int number = i + 1;
            if (number == current) {
                QColor halo = accent;
                halo.setAlpha(50);
                p.setPen(Qt::NoPen);
                p.setBrush(halo);
                p.drawEllipse(c, 21, 21);
                p.setBrush(accent);
                p.drawEllipse(c, 15, 15);
                drawLabel(p, QRectF(c.x() - 15, c.y() - 15, 30, 30), QString::number(number), 16, Qt::white);
            } else if (number < current) {
                p.setPen(Qt::NoPen);
                p.setBrush(accentHover);
                p.drawEllipse(c, 11, 11);
                drawLabel(p, QRectF(c.x() - 11, c.y() - 11, 22, 22), QString::number(number), 12, Qt::white);
            } else {
                p.setPen(QPen(QColor(200, 205, 210), 2));
                p.setBrush(Qt::white);
                p.drawEllipse(c, 11, 11);
                drawLabel(p, QRectF(c.x() - 11, c.y() - 11, 22, 22), QString::number(number), 12,
                          QColor(160, 166, 172));
            }
        }
        p.setPen(QPen(QColor(232, 232, 232), 1));
        p.drawLine(QPointF(0, s.height() - 0.5), QPointF(s.width(), s.height() - 0.5));
    };
}

Painter apStepMarker(int current)
{
    return [=](QPainter& p, const QSizeF& s) {
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 3; ++i) {
            p.setBrush(i + 1 == current ? accent : QColor(214, 218, 222));
            p.drawRoundedRect(QRectF(i * 17, 0, 14, s.height()), s.height() / 2, s.height() / 2);
        }
    };
}

Painter spinnerFrame(int frameIndex)
{
    return [=](QPainter& p, const QSizeF& s) {
        const QPointF c(s.width() / 2, s.height() / 2);
        for (int spoke = 0; spoke < 12; ++spoke) {
            const int behind = (frameIndex - spoke + 12) % 12;
            QColor color = accent;
            color.setAlphaF(qMax(0.12, 1.0 - behind * 0.1));
            const qreal a = qDegreesToRadians(90.0 - spoke * 30.0);
            const QPointF dir(qCos(a), -qSin(a));
            p.setPen(roundPen(color, 5));
            p.drawLine(c + dir * 14, c + dir * 25);
        }
    };
}

Painter numberBadge(int number)
{
    return [=](QPainter& p, const QSizeF& s) {
        p.setPen(Qt::NoPen);
        p.setBrush(accent);
        p.drawEllipse(frame(s));
        drawLabel(p, QRectF(0, 0, s.width(), s.height()), QString::number(number), 13, Qt::white);
    };
}

void drawNewMark(QPainter& p, const QSizeF& s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 96, 60));
    p.drawRoundedRect(QRectF(0, 0, s.width(), s.height()), s.height() / 2, s.height() / 2);
    drawLabel(p, QRectF(0, 0, s.width(), s.height()), "NEW", 7.5, Qt::white);
}

void drawSearchIcon(QPainter& p, const QSizeF&)
{
    p.setPen(roundPen(accent, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(6, 6), 4.2, 4.2);
    p.setPen(roundPen(accent, 2.4));
    p.drawLine(QPointF(9.4, 9.3), QPointF(13.2, 12.6));
}

void drawTooltipIcon(QPainter& p, const QSizeF& s)
{
    drawBadge(p, QPointF(s.width() / 2, s.height() / 2), 10, Badge::Question);
}

// ---- Panels. ----

void drawTableHeader(QPainter& p, const QSizeF& s)
{
    QPainterPath band;
    band.addRoundedRect(QRectF(0, 0, s.width(), s.height() + 6), 4, 4);
    p.setClipRect(QRectF(0, 0, s.width(), s.height()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(241, 245, 248));
    p.drawPath(band);
    p.setPen(QPen(QColor(214, 222, 229), 1));
    p.drawLine(QPointF(0, s.height() - 0.5), QPointF(s.width(), s.height() - 0.5));
}

void drawTablePanel(QPainter& p, const QSizeF& s)
{
    // Stretched over whole panels: only the side edges keep their width.
    p.fillRect(QRectF(0, 0, s.width(), s.height()), QColor(250, 251, 252));
    p.fillRect(QRectF(0, 0, 1, s.height()), lineLight);
    p.fillRect(QRectF(s.width() - 1, 0, 1, s.height()), lineLight);
}

void drawPopupBackground(QPainter& p, const QSizeF& s)
{
    p.setPen(QPen(QColor(210, 214, 218), 1));
    p.setBrush(Qt::white);
    p.drawRect(frame(s));
    p.fillRect(QRectF(0, 0, s.width(), 4), accent);
}

void drawListFrame(QPainter& p, const QSizeF& s)
{
    button(Qt::white, QColor(210, 222, 232), 4)(p, s);
}

// ---- Icons. ----

void drawCameraGlyph(QPainter& p, const QRectF& r, const QColor& body, const QColor& lens)
{
    const qreal u = r.width() / 48.0;
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawRoundedRect(QRectF(r.x() + 9 * u, r.y() + 11 * u, 30 * u, 23 * u), 6 * u, 6 * u);
    p.drawRect(QRectF(r.x() + 21 * u, r.y() + 33 * u, 6 * u, 4 * u));
    p.drawRoundedRect(QRectF(r.x() + 15 * u, r.y() + 36 * u, 18 * u, 4 * u), 2 * u, 2 * u);
    const QPointF c(r.x() + 24 * u, r.y() + 23 * u);
    p.setBrush(lens);
    p.drawEllipse(c, 7.5 * u, 7.5 * u);
    p.setBrush(body);
    p.drawEllipse(c, 3 * u, 3 * u);
    p.setBrush(green);
    p.drawEllipse(QPointF(r.x() + 34 * u, r.y() + 15.5 * u), 1.8 * u, 1.8 * u);
}

void drawAppIcon(QPainter& p, const QSizeF& s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawRoundedRect(QRectF(1, 1, s.width() - 2, s.height() - 2), s.width() * 0.22, s.width() * 0.22);
    drawCameraGlyph(p, QRectF(0, 0, s.width(), s.height()), Qt::white, accentDark);
}

void drawShortcutIcon(QPainter& p, const QSizeF& s)
{
    const qreal u = s.width() / 48.0;
    p.setPen(QPen(accent, 2 * u));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(2 * u, 2 * u, s.width() - 4 * u, s.height() - 4 * u), 10 * u, 10 * u);
    drawCameraGlyph(p, QRectF(0, -2 * u, s.width(), s.height()), accent, QColor(40, 52, 66));
    // Shortcut arrow in the lower left corner.
    const QRectF corner(3 * u, 31 * u, 14 * u, 14 * u);
    p.setPen(QPen(ink, 1 * u));
    p.setBrush(Qt::white);
    p.drawRect(corner);
    drawArrow(p, corner.bottomLeft() + QPointF(3.5 * u, -3.5 * u), corner.topRight() + QPointF(-3 * u, 3 * u), accent,
              1.8 * u);
}

void drawServiceLogo(QPainter& p, const QSizeF& s)
{
    drawCloud(p, QRectF(s.width() / 2 - 31, 3, 62, 38), accent, Qt::transparent);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(s.width() / 2, 27), 6.5, 6.5);
    p.setBrush(accentDark);
    p.drawEllipse(QPointF(s.width() / 2, 27), 3, 3);
    drawLabel(p, QRectF(0, 42, s.width(), 22), "olvaris", 17, accent);
}

// ---- Guide pictures (164 x 164, shown in four-step rows). ----

void drawUnboxing(QPainter& p, const QSizeF& s, int extra)
{
    drawCard(p, frame(s));
    const QRectF box(30, 88, 104, 62);
    if (extra == 0) {
        drawCamera(p, QRectF(57, 20, 50, 64));
    } else {
        drawCamera(p, QRectF(40, 24, 46, 60));
        if (extra == 1)
            drawAdapter(p, QRectF(100, 50, 24, 32));
        else
            drawPlcAdapter(p, QRectF(96, 38, 28, 42));
    }
    drawBox(p, box);
}

void drawEthernetStep(QPainter& p, const QSizeF& s)
{
    drawCard(p, frame(s));
    drawCamera(p, QRectF(12, 40, 52, 68));
    drawRouter(p, QRectF(98, 50, 54, 54));
    const QPointF end(125, 106);
    drawHighlightRing(p, end + QPointF(0, 4), 11);
    drawCable(p, QPointF(38, 108), end, 34);
}

void drawPlcStep(QPainter& p, const QSizeF& s)
{
    drawCard(p, frame(s));
    drawCamera(p, QRectF(12, 40, 52, 68));
    drawOutlet(p, QRectF(102, 34, 48, 48));
    drawPlcAdapter(p, QRectF(110, 46, 32, 48));
    const QPointF end(126, 98);
    drawHighlightRing(p, end + QPointF(0, 4), 11);
    drawCable(p, QPointF(38, 108), end, 36);
}

void drawPowerStep(QPainter& p, const QSizeF& s)
{
    drawCard(p, frame(s));
    drawCamera(p, QRectF(12, 44, 56, 72));
    drawCable(p, QPointF(130, 84), QPointF(56, 110), 34, 180, false);
    drawOutlet(p, QRectF(106, 30, 48, 48));
    drawAdapter(p, QRectF(114, 42, 32, 42));
    drawBolt(p, QRectF(80, 124, 16, 24), orange);
}

void drawPoeStep(QPainter& p, const QSizeF& s)
{
    drawCard(p, frame(s));
    drawCamera(p, QRectF(12, 36, 52, 68));
    drawPoeSwitch(p, QRectF(84, 112, 70, 30));
    drawCable(p, QPointF(38, 104), QPointF(84, 127), 26, 0);
    drawBolt(p, QRectF(96, 52, 28, 42), orange);
}

// Camera with its LED enlarged in a loupe; blink draws rays, connected adds a check mark.
void drawLedStep(QPainter& p, const QSizeF& s, bool blink, bool connected)
{
    drawCard(p, frame(s));
    const QRectF cam(14, 46, 64, 86);
    drawCamera(p, cam);
    const QPointF led(cam.right() - cam.width() * 0.15, cam.top() + cam.height() * 0.74 * 0.17);
    const QPointF loupe(116, 58);
    drawDashedLink(p, led, loupe + QPointF(-32, 6), accentPale);
    // Inside the loupe: the corner of the camera body around the LED, enlarged.
    QPainterPath lens;
    lens.addEllipse(loupe, 32, 32);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(lens);
    p.save();
    p.setClipPath(lens);
    p.setPen(roundPen(ink, 4));
    p.setBrush(QColor(250, 251, 252));
    p.drawRoundedRect(QRectF(loupe.x() - 90, loupe.y() - 22, 112, 100), 26, 26);
    p.restore();
    drawLed(p, loupe, 8, green);
    p.setPen(QPen(accent, 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(lens);
    if (blink) {
        p.setPen(roundPen(green, 2.5));
        for (int i = 0; i < 8; ++i) {
            const qreal a = qDegreesToRadians(i * 45.0 + 22.5);
            const QPointF d(qCos(a), qSin(a));
            p.drawLine(loupe + d * 16, loupe + d * 23);
        }
    }
    if (connected)
        drawBadge(p, QPointF(134, 134), 15, Badge::Check);
}

void drawWpsRouterStep(QPainter& p, const QSizeF& s)
{
    drawCard(p, frame(s));
    drawRouter(p, QRectF(22, 40, 120, 90), true);
    drawArrow(p, QPointF(146, 152), QPointF(127, 111), accent, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawEllipse(QPointF(26, 26), 15, 15);
    drawWpsGlyph(p, QRectF(15, 15, 22, 22), Qt::white);
}

void drawWpsCameraStep(QPainter& p, const QSizeF& s)
{
    drawCard(p, frame(s));
    const QRectF back(40, 30, 84, 110);
    drawCameraBack(p, back);
    const QRectF body = cameraBody(back);
    const QPointF button(body.right() - 22, body.top() + body.height() * 0.72);
    drawHighlightRing(p, button, 11);
    p.setPen(roundPen(ink, 1.5));
    p.setBrush(accent);
    p.drawEllipse(button, 5, 5);
    drawArrow(p, QPointF(150, 150), button + QPointF(8, 10), accent, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawEllipse(QPointF(26, 26), 15, 15);
    drawWpsGlyph(p, QRectF(15, 15, 22, 22), Qt::white);
}

void drawWpsWaitStep(QPainter& p, const QSizeF& s)
{
    drawCard(p, frame(s));
    drawCamera(p, QRectF(14, 60, 48, 62));
    drawRouter(p, QRectF(104, 64, 50, 50));
    drawWaves(p, QPointF(102, 92), 28, 180, accent, 70);
    drawClock(p, QPointF(82, 34), 17);
}

void drawWhatIsWps(QPainter& p, const QSizeF& s)
{
    drawCard(p, frame(s));
    drawCamera(p, QRectF(12, 64, 44, 58));
    drawRouter(p, QRectF(80, 72, 72, 62), true);
    drawWaves(p, QPointF(80, 100), 24, 180, accent, 70);
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawEllipse(QPointF(116, 36), 19, 19);
    drawWpsGlyph(p, QRectF(102, 22, 28, 28), Qt::white);
}

// ---- Overview pictures of the connection types. ----

void drawOverviewEthernet(QPainter& p, const QSizeF& s)
{
    drawCard(p, frame(s));
    drawCamera(p, QRectF(14, 42, 50, 66));
    drawRouter(p, QRectF(96, 50, 56, 56));
    drawCable(p, QPointF(39, 108), QPointF(124, 106), 40);
}

void drawOverviewPoe(QPainter& p, const QSizeF& s)
{
    drawCard(p, frame(s));
    drawCamera(p, QRectF(14, 42, 50, 66));
    drawPoeSwitch(p, QRectF(86, 96, 66, 30));
    drawCable(p, QPointF(39, 108), QPointF(86, 111), 24, 0);
}

void drawOverviewPlc(QPainter& p, const QSizeF& s)
{
    drawCard(p, frame(s));
    drawCamera(p, QRectF(14, 42, 50, 66));
    drawOutlet(p, QRectF(102, 40, 48, 48));
    drawPlcAdapter(p, QRectF(110, 52, 32, 48));
    drawCable(p, QPointF(39, 108), QPointF(126, 104), 36);
}

void drawOverviewDirect(QPainter& p, const QSizeF& s)
{
    drawCard(p, frame(s));
    drawLaptop(p, QRectF(10, 62, 66, 50));
    drawCamera(p, QRectF(102, 44, 50, 66));
    drawWaves(p, QPointF(98, 78), 26, 180, accent, 80);
}

// ---- Popup pictures (168 x 167). ----

void drawResetHint(QPainter& p, const QSizeF& s)
{
    drawCard(p, frame(s));
    const QRectF back(14, 26, 100, 120);
    drawCameraBack(p, back);
    const QRectF body = cameraBody(back);
    const QPointF hole(body.right() - 30, body.top() + body.height() * 0.72);
    drawHighlightRing(p, hole, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 48, 58));
    p.drawEllipse(hole, 2.5, 2.5);
    drawPaperclip(p, QRectF(hole.x() + 4, hole.y() - 6, 62, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawEllipse(QPointF(138, 40), 19, 19);
    drawLabel(p, QRectF(119, 21, 38, 38), "10s", 12, Qt::white);
}

void drawCableHint(QPainter& p, const QSizeF& s, bool plugIn)
{
    drawCard(p, frame(s));
    const QRectF back(14, 26, 96, 116);
    drawCameraBack(p, back);
    const QRectF port = cameraPort(back);
    const QPointF tip(port.right() + (plugIn ? 12 : 40), port.center().y());
    QPainterPath cable(tip + QPointF(9, 0));
    cable.cubicTo(tip + QPointF(50, 0), QPointF(150, tip.y() + 10), QPointF(158, 160));
    p.setPen(roundPen(QColor(120, 132, 146), 3.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cable);
    drawPlug(p, tip, 180, 9);
    const qreal y = tip.y() - 22;
    if (plugIn)
        drawArrow(p, QPointF(tip.x() + 44, y), QPointF(tip.x() + 2, y), accent, 3);
    else
        drawArrow(p, QPointF(tip.x() - 10, y), QPointF(tip.x() + 34, y), accent, 3);
}

void drawTurnOffDirect(QPainter& p, const QSizeF& s)
{
    drawCard(p, frame(s));
    const QRectF back(14, 26, 100, 120);
    drawCameraBack(p, back, false);
    const QRectF body = cameraBody(back);
    // The cloud light, switched off.
    drawCloud(p, QRectF(body.left() + 30, body.top() + 16, 28, 18), fillLight, ink);
    drawLed(p, QPointF(body.left() + 70, body.top() + 27), 4, QColor(190, 196, 202), false);
    const QPointF button(body.right() - 26, body.top() + body.height() * 0.72);
    drawHighlightRing(p, button, 11);
    p.setPen(roundPen(ink, 1.5));
    p.setBrush(accent);
    p.drawEllipse(button, 5, 5);
    drawArrow(p, QPointF(156, 156), button + QPointF(9, 9), accent, 3);
}

void drawLocalViewOnly(QPainter& p, const QSizeF& s)
{
    drawCard(p, frame(s));
    drawCloud(p, QRectF(84, 12, 74, 46), fillLight, line);
    drawBadge(p, QPointF(152, 50), 11, Badge::Cross);
    drawCamera(p, QRectF(20, 66, 56, 74));
    drawLaptop(p, QRectF(136, 84, 88, 62));
    drawCable(p, QPointF(48, 140), QPointF(148, 146), 18, 0, false);
}

void drawMacLabel(QPainter& p, const QSizeF& s)
{
    const QRectF sticker(40, 12, s.width() - 80, s.height() - 24);
    p.setPen(QPen(ink, 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(sticker, 6, 6);
    // Bar code.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 58, 68));
    qreal x = sticker.left() + 18;
    const int widths[] = {2, 1, 3, 1, 1, 2, 3, 1, 2, 1, 1, 3, 2, 1, 2, 2, 1, 3, 1, 2, 1, 1, 2, 3, 1, 2};
    for (int i = 0; i < int(sizeof widths / sizeof widths[0]); ++i) {
        if (i % 2 == 0)
            p.drawRect(QRectF(x, sticker.top() + 16, widths[i] * 1.6, 58));
        x += widths[i] * 1.6 + 1.2;
    }
    p.setBrush(lineLight);
    p.drawRect(QRectF(sticker.left() + 18, sticker.top() + 80, x - sticker.left() - 18, 6));
    // Text lines, the MAC line framed.
    const qreal left = sticker.left() + 130;
    p.drawRoundedRect(QRectF(left, sticker.top() + 12, 150, 7), 3, 3);
    p.drawRoundedRect(QRectF(left, sticker.top() + 82, 120, 7), 3, 3);
    p.drawRoundedRect(QRectF(left, sticker.top() + 97, 90, 7), 3, 3);
    const QRectF mac(left - 8, sticker.top() + 30, 196, 40);
    p.setPen(QPen(accent, 2));
    p.setBrush(accentTint);
    p.drawRoundedRect(mac, 5, 5);
    drawLabel(p, QRectF(mac.left() + 10, mac.top(), 70, mac.height()), "MAC ID", 13, ink, true,
              Qt::AlignLeft | Qt::AlignVCenter);
    p.setPen(Qt::NoPen);
    p.setBrush(accentPale);
    for (int i = 0; i < 6; ++i)
        p.drawRoundedRect(QRectF(mac.left() + 82 + i * 17, mac.center().y() - 5, 13, 10), 2, 2);
}

// ---- Scenes. ----

void drawWelcomeScene(QPainter& p, const QSizeF&)
{
    const QRectF cloud(98, 6, 150, 92);
    drawDashedLink(p, QPointF(70, 112), QPointF(128, 78), accentPale);
    drawDashedLink(p, QPointF(232, 134), QPointF(214, 84), accentPale);
    drawDashedLink(p, QPointF(164, 142), QPointF(172, 92), accentPale);
    drawCloud(p, cloud, accentTint, accentPale);
    drawLabel(p, cloud.adjusted(0, 22, 0, 0), "olvaris", 22, accent);
    drawCamera(p, QRectF(24, 110, 72, 96));
    drawPhone(p, QRectF(146, 142, 38, 66));
    drawLaptop(p, QRectF(202, 132, 124, 78));
}

void drawOopsScene(QPainter& p, const QSizeF& s)
{
    drawCloud(p, QRectF(30, 46, 207, 128), fillLight, line);
    drawBadge(p, QPointF(204, 160), 22, Badge::Cross);
    const qreal y = 262;
    QPainterPath left(QPointF(10, y + 40));
    left.cubicTo(QPointF(40, y + 40), QPointF(60, y), QPointF(94, y));
    QPainterPath right(QPointF(s.width() - 10, y + 40));
    right.cubicTo(QPointF(s.width() - 40, y + 40), QPointF(s.width() - 60, y), QPointF(s.width() - 94, y));
    p.setPen(roundPen(QColor(120, 132, 146), 3.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(left);
    p.drawPath(right);
    drawPlug(p, QPointF(104, y), 0, 12);
    drawPlug(p, QPointF(s.width() - 104, y), 180, 12);
    p.setPen(roundPen(orange, 3));
    const QPointF gap(s.width() / 2, y);
    for (int i = -1; i <= 1; ++i) {
        const qreal a = qDegreesToRadians(90.0 + i * 40.0);
        const QPointF d(qCos(a), -qSin(a));
        p.drawLine(gap + d * 14, gap + d * 26);
        p.drawLine(gap - d * 14, gap - d * 26);
    }
}

void drawModelPrompt(QPainter& p, const QSizeF&)
{
    drawCable(p, QPointF(160, 180), QPointF(350, 176), 40);
    drawDashedLink(p, QPointF(416, 130), QPointF(470, 106), accentPale);
    drawCamera(p, QRectF(120, 70, 80, 110));
    drawRouter(p, QRectF(300, 96, 100, 80));
    drawCloud(p, QRectF(470, 50, 150, 92), accentTint, accentPale);
    drawBadge(p, QPointF(204, 66), 17, Badge::Question);
}

void drawVersionPrompt(QPainter& p, const QSizeF&)
{
    const QRectF back(100, 50, 110, 150);
    drawCameraBack(p, back);
    const QRectF sticker(back.left() + 50, back.top() + 66, 50, 34);
    p.setPen(QPen(ink, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(sticker);
    const QRectF label(300, 36, 300, 180);
    drawDashedLink(p, sticker.topRight(), label.topLeft() + QPointF(6, 6), accentPale);
    drawDashedLink(p, sticker.bottomRight(), label.bottomLeft() + QPointF(6, -6), accentPale);
    p.setPen(QPen(ink, 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(label, 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 58, 68));
    for (int i = 0; i < 14; ++i)
        p.drawRect(QRectF(label.left() + 20 + i * 6, label.top() + 20, i % 3 == 0 ? 3 : 2, 50));
    p.setBrush(lineLight);
    p.drawRoundedRect(QRectF(label.left() + 120, label.top() + 24, 150, 8), 4, 4);
    p.drawRoundedRect(QRectF(label.left() + 120, label.top() + 44, 110, 8), 4, 4);
    p.drawRoundedRect(QRectF(label.left() + 20, label.top() + 146, 180, 8), 4, 4);
    const QRectF version(label.left() + 12, label.top() + 90, 200, 42);
    p.setPen(QPen(accent, 2));
    p.setBrush(accentTint);
    p.drawRoundedRect(version, 5, 5);
    drawLabel(p, version.adjusted(12, 0, 0, 0), "H/W", 15, ink, true, Qt::AlignLeft | Qt::AlignVCenter);
    p.setPen(Qt::NoPen);
    p.setBrush(accentPale);
    for (int i = 0; i < 4; ++i)
        p.drawRoundedRect(QRectF(version.left() + 70 + i * 30, version.center().y() - 6, 24, 12), 2, 2);
    drawBadge(p, QPointF(label.right() - 4, label.top() + 4), 17, Badge::Question);
}

void drawNetworkList(QPainter& p, const QSizeF& s)
{
    const QRectF window(20, 14, s.width() - 40, s.height() - 28);
    p.setPen(QPen(lineLight, 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(window, 6, 6);
    QPainterPath title;
    title.addRoundedRect(QRectF(window.left(), window.top(), window.width(), 34), 6, 6);
    p.save();
    p.setClipRect(QRectF(window.left(), window.top(), window.width(), 28));
    p.setPen(Qt::NoPen);
    p.setBrush(accentTint);
    p.drawPath(title);
    p.restore();
    drawWifiGlyph(p, QRectF(window.left() + 10, window.top() + 6, 20, 16), accent);
    p.setPen(Qt::NoPen);
    p.setBrush(accentPale);
    p.drawRoundedRect(QRectF(window.left() + 40, window.top() + 11, 90, 7), 3, 3);
    for (int i = 0; i < 4; ++i) {
        const QRectF row(window.left() + 8, window.top() + 36 + i * 40, window.width() - 16, 34);
        const bool chosen = i == 1;
        if (chosen) {
            p.setPen(QPen(accent, 1.5));
            p.setBrush(accentTint);
            p.drawRoundedRect(row, 4, 4);
        }
        drawWifiGlyph(p, QRectF(row.left() + 10, row.top() + 8, 24, 18), chosen ? accent : QColor(180, 186, 192));
        p.setPen(Qt::NoPen);
        p.setBrush(chosen ? accentPale : lineLight);
        p.drawRoundedRect(QRectF(row.left() + 46, row.center().y() - 4, 110 - i * 14, 8), 4, 4);
        if (i != 2) {
            // Lock of a protected network.
            const QPointF lock(row.right() - 18, row.center().y() + 2);
            p.setPen(roundPen(QColor(170, 176, 182), 1.6));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(lock.x() - 4, lock.y() - 10, 8, 10), 0, 180 * 16);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(170, 176, 182));
            p.drawRoundedRect(QRectF(lock.x() - 5.5, lock.y() - 5, 11, 9), 1.5, 1.5);
        }
    }
    // Mouse pointer on the chosen row.
    const QPointF tip(window.left() + 176, window.top() + 36 + 40 + 18);
    QPolygonF pointer;
    pointer << tip << tip + QPointF(0, 20) << tip + QPointF(5, 15) << tip + QPointF(9, 23) << tip + QPointF(12, 21.5)
            << tip + QPointF(8, 14) << tip + QPointF(14.5, 14);
    p.setPen(roundPen(Qt::white, 1.5));
    p.setBrush(QColor(40, 48, 58));
    p.drawPolygon(pointer);
}

void drawHostToDevice(QPainter& p, const QSizeF&)
{
    drawLaptop(p, QRectF(70, 10, 150, 116), true);
    drawDashedLink(p, QPointF(250, 68), QPointF(470, 68), accentPale);
    drawCamera(p, QRectF(520, 10, 84, 118));
    drawWaves(p, QPointF(514, 54), 40, 180, accent, 70);
}

void drawDeviceToRouter(QPainter& p, const QSizeF&)
{
    drawCamera(p, QRectF(20, 40, 72, 100));
    drawRouter(p, QRectF(190, 60, 90, 80));
    drawWaves(p, QPointF(98, 76), 36, 0, accent, 70);
    drawDashedLink(p, QPointF(140, 100), QPointF(180, 104), accentPale);
}

void drawHostToRouter(QPainter& p, const QSizeF&)
{
    drawLaptop(p, QRectF(30, 40, 150, 116), true);
    drawDashedLink(p, QPointF(200, 100), QPointF(284, 100), accentPale);
    drawRouter(p, QRectF(330, 62, 110, 92));
    drawWaves(p, QPointF(324, 110), 40, 180, accent, 70);
    drawBadge(p, QPointF(444, 58), 15, Badge::Check);
}

std::vector<Picture> catalogue()
{
    std::vector<Picture> list;
    const auto add = [&list](const QString& name, int w, int h, Painter paint) {
        list.push_back({name, QSize(w, h), std::move(paint)});
    };

    add("btn_blue.png", 111, 24, button(accent, QColor(), 3));
    add("btn_hover.png", 111, 24, button(accentHover, QColor(), 3));
    add("btn_blue_disable.png", 111, 24, button(accentPale, QColor(), 3));
    add("btn_white.png", 111, 24, button(Qt::white, QColor(200, 200, 200), 3));
    add("btn_white_hover.png", 111, 24, button(QColor(240, 247, 252), accentHover, 3));
    add("btn_white_l.png", 141, 24, button(Qt::white, QColor(200, 200, 200), 3));
    add("btn_start.png", 151, 30, button(accent, QColor(), 4));
    add("btn_start_hover.png", 151, 30, button(accentHover, QColor(), 4));
    add("btn_close_blue.png", 13, 13, closeCross(false));
    add("btn_close_hover.png", 13, 13, closeCross(true));

    const QColor tabWhite(249, 249, 249), tabWhiteBorder(212, 212, 212), tabHoverFill(236, 245, 251);
    const QColor tabHoverBorder(150, 200, 230), glyphGrey(160, 160, 160);
    for (const QString& size : {QString("l"), QString("s")}) {
        const int w = size == "l" ? 169 : 99;
        const int h = size == "l" ? 62 : 49;
        add("select_" + size + "_blue.png", w, h, tab(accent, QColor(), Qt::white, TabGlyph::None));
        add("select_" + size + "_hover.png", w, h, tab(accentHover, QColor(), Qt::white, TabGlyph::None));
        add("select_" + size + "_white.png", w, h, tab(tabWhite, tabWhiteBorder, glyphGrey, TabGlyph::None));
        add("select_" + size + "_white_hover.png", w, h, tab(tabHoverFill, tabHoverBorder, accent, TabGlyph::None));
    }
    add("select_l_blue_triangle.png", 21, 11, triangle(accent));
    add("select_l_hover_triangle.png", 21, 11, triangle(accentHover));
    for (const QString& kind : {QString("wifi"), QString("wps")}) {
        const TabGlyph g = kind == "wifi" ? TabGlyph::WiFi : TabGlyph::Wps;
        add("select_" + kind + "_blue.png", 99, 49, tab(accent, QColor(), Qt::white, g));
        add("select_" + kind + "_hover.png", 99, 49, tab(accentHover, QColor(), Qt::white, g));
        add("select_" + kind + "_white.png", 99, 49, tab(tabWhite, tabWhiteBorder, glyphGrey, g));
        add("select_" + kind + "_white_hover.png", 99, 49, tab(tabHoverFill, tabHoverBorder, accent, g));
    }

    add("textarea_l.png", 233, 27, drawField);
    add("icon_gray_arrow_down.png", 12, 8, drawArrowDown);
    add("radio_check.png", 16, 16, radio(true));
    add("radio_uncheck.png", 16, 16, radio(false));
    add("icon_new.png", 25, 11, drawNewMark);
    add("icon_reserach.png", 15, 14, drawSearchIcon);
    add("icon_tootltips.png", 31, 30, drawTooltipIcon);
    for (int n = 1; n <= 4; ++n)
        add(QString("icon_step_%1.png").arg(n), 21, 21, numberBadge(n));

    add("scrollbar_graybar.png", 11, 40, drawScrollGroove);
    add("scrollbar_pannel_normal.png", 11, 40, scrollHandle(QColor(192, 196, 200)));
    add("scrollbar_pannel_hover.png", 11, 40, scrollHandle(accentHover));
    add("scrollbar_up_normal.png", 11, 11, scrollArrow(true, QColor(150, 156, 162)));
    add("scrollbar_up_hover.png", 11, 11, scrollArrow(true, accent));
    add("scrollbar_down_normal.png", 11, 11, scrollArrow(false, QColor(150, 156, 162)));
    add("scrollbar_down_hover.png", 11, 11, scrollArrow(false, accent));

    add("model_chart_up.png", 701, 35, drawTableHeader);
    add("model_chart_bottom.png", 701, 4, drawTablePanel);
    add("popup_blue_up.png", 618, 400, drawPopupBackground);
    add("popup_blue_bottom.png", 350, 250, drawListFrame);

    for (int n = 1; n <= 4; ++n)
        add(QString("step_%1.png").arg(n, 2, 10, QChar('0')), 800, 60, stepBanner(n));
    for (int n = 1; n <= 3; ++n)
        add(QString("ap_mode_step%1.png").arg(n, 2, 10, QChar('0')), 48, 7, apStepMarker(n));
    for (int n = 1; n <= 12; ++n)
        add(QString("Loading_icon_%1.png").arg(n, 2, 10, QChar('0')), 64, 64, spinnerFrame(n - 1));

    add("icon.ico", 48, 48, drawAppIcon);
    add("shortcut.ico", 48, 48, drawShortcutIcon);
    add("cloud_service_logo.png", 121, 66, drawServiceLogo);

    add("ct_ethernet.png", 164, 164, drawOverviewEthernet);
    add("ct_poe.png", 164, 164, drawOverviewPoe);
    add("ct_plc.png", 164, 164, drawOverviewPlc);
    add("ct_apmode.png", 164, 164, drawOverviewDirect);
    add("ia10.png", 164, 164, [](QPainter& p, const QSizeF& s) { drawUnboxing(p, s, 0); });
    add("ia20.png", 164, 164, [](QPainter& p, const QSizeF& s) { drawUnboxing(p, s, 1); });
    add("ia41.png", 164, 164, [](QPainter& p, const QSizeF& s) { drawUnboxing(p, s, 2); });
    add("ia10_ib10.png", 164, 164, drawEthernetStep);
    add("ia41_ib20.png", 164, 164, drawPlcStep);
    add("ic10.png", 164, 164, drawPowerStep);
    add("ic11.png", 164, 164, drawPoeStep);
    add("ic20.png", 164, 164, drawPowerStep);
    add("ic41.png", 164, 164, drawPowerStep);
    add("id10.png", 164, 164, [](QPainter& p, const QSizeF& s) { drawLedStep(p, s, false, false); });
    add("id20.png", 164, 164, [](QPainter& p, const QSizeF& s) { drawLedStep(p, s, true, false); });
    add("id40.png", 164, 164, [](QPainter& p, const QSizeF& s) { drawLedStep(p, s, false, false); });
    add("wa10.png", 164, 164, drawWpsRouterStep);
    add("wb10.png", 164, 164, drawWpsCameraStep);
    add("wc10.png", 164, 164, drawWpsWaitStep);
    add("wd10.png", 164, 164, [](QPainter& p, const QSizeF& s) { drawLedStep(p, s, false, true); });
    add("what_is_wps.png", 164, 164, drawWhatIsWps);

    add("reset.png", 168, 167, drawResetHint);
    add("remove_ethernet_cable.png", 168, 167, [](QPainter& p, const QSizeF& s) { drawCableHint(p, s, false); });
    add("plugin_ehernet_cable.png", 168, 167, [](QPainter& p, const QSizeF& s) { drawCableHint(p, s, true); });
    add("turn_off_direct_connect.png", 168, 167, drawTurnOffDirect);
    add("local_view_only.png", 242, 177, drawLocalViewOnly);
    add("macid.png", 413, 138, drawMacLabel);
    add("select_wifi.png", 284, 234, drawNetworkList);

    add("olvaris_images.png", 342, 215, drawWelcomeScene);
    add("oops.png", 267, 346, drawOopsScene);
    add("internet_default.png", 664, 254, drawModelPrompt);
    add("internet_hw_default.png", 664, 254, drawVersionPrompt);
    add("apmode_host_to_device.png", 686, 137, drawHostToDevice);
    add("apmode_device_to_router.png", 297, 180, drawDeviceToRouter);
    add("apmode_host_to_router.png", 481, 185, drawHostToRouter);
    return list;
}

QImage render(const Picture& picture)
{
    QImage image(picture.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    picture.paint(p, QSizeF(picture.size));
    p.end();
    return image;
}

bool save(const QImage& image, const QString& path)
{
    QImageWriter writer(path, QFileInfo(path).suffix().toLatin1());
    if (writer.write(image.convertToFormat(QImage::Format_ARGB32)))
        return true;
    qCritical("imagegen: cannot write %s: %s", qPrintable(path), qPrintable(writer.errorString()));
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        qCritical("usage: imagegen <images folder> <install folder>");
        return 2;
    }
    const QDir images(QString::fromLocal8Bit(argv[1]));
    const QDir install(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(images.path()) || !QDir().mkpath(install.filePath("images"))) {
        qCritical("imagegen: cannot create the output folders");
        return 1;
    }
    QSet<QString> seen;
    bool ok = true;
    for (const Picture& picture : catalogue()) {
        if (seen.contains(picture.name)) {
            qCritical("imagegen: %s is drawn twice", qPrintable(picture.name));
            return 1;
        }
        seen.insert(picture.name);
        const QImage image = render(picture);
        ok = save(image, images.filePath(picture.name)) && ok;
        // The desktop shortcut takes its icon from a file installed beside the program.
        if (picture.name == "shortcut.ico")
            ok = save(image, install.filePath("images/shortcut.ico")) && ok;
    }
    qInfo("imagegen: %d pictures", int(seen.size()));
    return ok ? 0 : 1;
}
