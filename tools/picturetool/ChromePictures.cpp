#include "ChromePictures.h"

#include "Draw.h"
#include "Palette.h"
#include "PictureSet.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>
#include <functional>

namespace {

// Title bar buttons fill most of the 25-pixel bar.
constexpr int frameWidth = 27;
constexpr int frameHeight = 22;

enum class Frame
{
    Normal,
    Hover,
    Pressed,
    Disabled
};

using Glyph = std::function<void(QPainter &, const QPen &)>;

void frameBackground(QPainter &p, Frame frame, bool danger)
{
    const QRectF r(0.5, 0.5, frameWidth - 1, frameHeight - 1);
    if (frame == Frame::Hover) {
        const QColor top = danger ? Palette::alert().lighter(115) : Palette::steelLight();
        const QColor bottom = danger ? Palette::alert() : Palette::steel();
        Draw::gradientBox(p, r, 4, top, bottom, QColor(255, 255, 255, 90));
    } else if (frame == Frame::Pressed) {
        const QColor top = danger ? Palette::alert().darker(150) : Palette::navyDeep();
        const QColor bottom = danger ? Palette::alert().darker(120) : Palette::steelDark();
        Draw::gradientBox(p, r, 4, top, bottom, QColor(0, 0, 0, 120));
    }
}

// Draws the glyph twice: a dark widened pass keeps it readable on light skins.
void strokeGlyph(QPainter &p, Frame frame, const Glyph &glyph)
{
    QColor colour = Palette::white();
    if (frame == Frame::Pressed)
        colour = Palette::amberLight();
    if (frame == Frame::Disabled)
        colour = QColor(0xA0, 0xA8, 0xB2);
    const QPen halo(QColor(0, 0, 0, frame == Frame::Normal ? 110 : 60), 3.6, Qt::SolidLine,
                    Qt::RoundCap, Qt::RoundJoin);
    const QPen pen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    glyph(p, halo);
    glyph(p, pen);
}

QImage strip(int frames, bool danger, const Glyph &glyph)
{
    QImage image = Draw::canvas(frameWidth * frames, frameHeight);
    QPainter p(&image);
    Draw::prepare(p);
    for (int i = 0; i < frames; ++i) {
        p.save();
        p.translate(i * frameWidth, 0);
        const Frame frame = static_cast<Frame>(i);
        frameBackground(p, frame, danger);
        if (frame == Frame::Pressed)
            p.translate(0, 1); // the glyph sinks a pixel while pressed
        strokeGlyph(p, frame, glyph);
        p.restore();
    }
    return image;
}

void globe(QPainter &p, const QPen &pen)
{
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QPointF c(13.5, 11);
    p.drawEllipse(c, 6.5, 6.5);
    p.drawEllipse(c, 2.8, 6.5);
    p.drawLine(QPointF(7, 11), QPointF(20, 11));
    p.drawLine(QPointF(8.2, 7.6), QPointF(18.8, 7.6));
    p.drawLine(QPointF(8.2, 14.4), QPointF(18.8, 14.4));
}

void minimise(QPainter &p, const QPen &pen)
{
    QPen wide = pen;
    wide.setWidthF(pen.widthF() + 0.6);
    p.setPen(wide);
    p.drawLine(QPointF(8.5, 15), QPointF(18.5, 15));
}

void closeCross(QPainter &p, const QPen &pen)
{
    QPen wide = pen;
    wide.setWidthF(pen.widthF() + 0.4);
    p.setPen(wide);
    p.drawLine(QPointF(9, 6.5), QPointF(18, 15.5));
    p.drawLine(QPointF(18, 6.5), QPointF(9, 15.5));
}

// An artist's palette: the skin chooser.
void palette(QPainter &p, const QPen &pen)
{
    QPainterPath shape;
    shape.addEllipse(QPointF(13.5, 11), 7.5, 6.2);
    QPainterPath thumb;
    thumb.addEllipse(QPointF(16.8, 14.2), 1.8, 1.6);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape.subtracted(thumb));
    if (pen.widthF() < 3) {
        p.setPen(Qt::NoPen);
        const QColor dots[] = {Palette::amber(), Palette::alert(), Palette::mist()};
        const QPointF at[] = {{10, 9}, {13.5, 7.8}, {17, 9.2}};
        for (int i = 0; i < 3; ++i) {
            p.setBrush(dots[i]);
            p.drawEllipse(at[i], 1.5, 1.5);
        }
        p.setBrush(pen.color());
        p.drawEllipse(QPointF(10.4, 12.8), 1.4, 1.4);
    }
}

QImage comboArrow()
{
    QImage image = Draw::canvas(9, 6);
    QPainter p(&image);
    Draw::prepare(p);
    QPainterPath tri;
    tri.moveTo(0.5, 0.5);
    tri.lineTo(8.5, 0.5);
    tri.lineTo(4.5, 5.5);
    tri.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::navy());
    p.drawPath(tri);
    return image;
}

// Three rotor blades around a hub, drawn in a box of side `size` at `centre`.
void rotor(QPainter &p, const QPointF &centre, qreal radius, const QColor &blade, const QColor &hub,
           qreal angleOffset)
{
    p.save();
    p.translate(centre);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.rotate(angleOffset + i * 120);
        QPainterPath b;
        b.moveTo(0, -radius * 0.10);
        b.cubicTo(radius * 0.45, -radius * 0.20, radius * 0.9, -radius * 0.16, radius,
                  -radius * 0.04);
        b.lineTo(radius, radius * 0.06);
        b.cubicTo(radius * 0.7, radius * 0.12, radius * 0.4, radius * 0.12, 0, radius * 0.10);
        b.closeSubpath();
        p.setBrush(blade);
        p.drawPath(b);
        p.restore();
    }
    p.setBrush(hub);
    p.drawEllipse(QPointF(0, 0), radius * 0.2, radius * 0.2);
    p.restore();
}

QImage appIcon(int size)
{
    QImage image = Draw::canvas(size, size);
    QPainter p(&image);
    Draw::prepare(p);
    const qreal s = size;
    const QRectF tile(0.5, 0.5, s - 1, s - 1);
    QLinearGradient g(0, 0, 0, s);
    g.setColorAt(0, Palette::steel());
    g.setColorAt(1, Palette::navyDeep());
    p.setBrush(g);
    p.setPen(QPen(Palette::steelLight(), s >= 32 ? 1.0 : 0.8));
    p.drawRoundedRect(tile, s * 0.2, s * 0.2);
    // Rotor disc hint and the rotor itself.
    if (size >= 24) {
        p.setPen(QPen(QColor(255, 255, 255, 60), s / 32.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(s / 2, s / 2), s * 0.40, s * 0.40);
    }
    rotor(p, QPointF(s / 2, s / 2), s * 0.42, Palette::amber(), Palette::white(), -90);
    return image;
}

QImage mark()
{
    QImage image = Draw::canvas(132, 56);
    QPainter p(&image);
    Draw::prepare(p);
    // Rotor emblem in a ring on the left.
    p.setPen(QPen(QColor(0, 0, 0, 90), 4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(26, 28), 19, 19);
    p.setPen(QPen(Palette::amber(), 2.2));
    p.drawEllipse(QPointF(26, 28), 19, 19);
    rotor(p, QPointF(26, 28), 16, Palette::white(), Palette::amber(), -90);
    // Word mark.
    QFont f = Draw::font(28);
    f.setItalic(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    QPainterPath word;
    word.addText(QPointF(50, 36), f, QStringLiteral("VRN"));
    p.setPen(QPen(QColor(0, 0, 0, 110), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(word);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::white());
    p.drawPath(word);
    Draw::haloText(p, QRectF(50, 38, 80, 12), QStringLiteral("GYRO SYSTEM"), 8.5,
                   Palette::amberLight(), QColor(0, 0, 0, 120), Qt::AlignLeft | Qt::AlignVCenter);
    return image;
}

} // namespace

namespace ChromePictures {

void addAll(PictureSet &set)
{
    set.add(QStringLiteral("sysButton/SkinButton.png"), strip(3, false, palette));
    set.add(QStringLiteral("sysButton/title_bar_menu.png"), strip(4, false, globe));
    set.add(QStringLiteral("sysButton/sys_button_min.png"), strip(4, false, minimise));
    set.add(QStringLiteral("sysButton/sys_button_close.png"), strip(4, true, closeCross));
    set.add(QStringLiteral("1downarrow.png"), comboArrow());
    set.add(QStringLiteral("mark.png"), mark());
    set.addIcon(QStringLiteral("vrnicon.ico"),
                {appIcon(16), appIcon(24), appIcon(32), appIcon(48), appIcon(64)});
    // The desktop menu's icons are installed from packaging/, not compiled in.
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        set.add(QStringLiteral("../packaging/icons/%1x%1/vrn-assistant.png").arg(size),
                appIcon(size));
}

} // namespace ChromePictures
