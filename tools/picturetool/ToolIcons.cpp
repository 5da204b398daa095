#include "ToolIcons.h"

#include "Draw.h"
#include "Palette.h"
#include "PictureSet.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace {

// The tool bar is 80 pixels high and a caption sits under each picture.
constexpr int toolSize = 40;
// The page list is only 80 pixels wide, so its icons stay well under that.
constexpr int pageSize = 48;

QPen outline(const QColor &c, qreal w = 1.0)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QImage openFile()
{
    QImage image = Draw::canvas(toolSize, toolSize);
    QPainter p(&image);
    Draw::prepare(p);
    // Back of the folder with its tab.
    QPainterPath back;
    back.moveTo(3.5, 9.5);
    back.lineTo(14.5, 9.5);
    back.lineTo(17.5, 12.5);
    back.lineTo(34.5, 12.5);
    back.lineTo(34.5, 33.5);
    back.lineTo(3.5, 33.5);
    back.closeSubpath();
    p.setPen(outline(Palette::amberDark()));
    p.setBrush(Palette::amberDark().lighter(125));
    p.drawPath(back);
    // A sheet coming out of it.
    p.setPen(outline(Palette::steelLight()));
    p.setBrush(Palette::paper());
    p.drawRect(QRectF(9.5, 6.5, 19, 20));
    p.setPen(outline(Palette::mist(), 1.2));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(12.5, 11.5 + i * 4), QPointF(25.5, 11.5 + i * 4));
    // The front flap, opened towards the viewer.
    QPainterPath front;
    front.moveTo(7.5, 17.5);
    front.lineTo(38.5, 17.5);
    front.lineTo(34.5, 33.5);
    front.lineTo(3.5, 33.5);
    front.closeSubpath();
    QLinearGradient g(0, 17, 0, 34);
    g.setColorAt(0, Palette::amberLight());
    g.setColorAt(1, Palette::amber());
    p.setPen(outline(Palette::amberDark()));
    p.setBrush(g);
    p.drawPath(front);
    return image;
}

QImage saveFile()
{
    QImage image = Draw::canvas(toolSize, toolSize);
    QPainter p(&image);
    Draw::prepare(p);
    QPainterPath body;
    body.moveTo(5.5, 5.5);
    body.lineTo(29.5, 5.5);
    body.lineTo(34.5, 10.5);
    body.lineTo(34.5, 34.5);
    body.lineTo(5.5, 34.5);
    body.closeSubpath();
    QLinearGradient g(0, 5, 0, 35);
    g.setColorAt(0, Palette::steelLight());
    g.setColorAt(1, Palette::steel());
    p.setPen(outline(Palette::navyDeep()));
    p.setBrush(g);
    p.drawPath(body);
    // Shutter with its window.
    p.setBrush(Palette::mist());
    p.setPen(outline(Palette::navy()));
    p.drawRect(QRectF(11.5, 5.5, 16, 10));
    p.setBrush(Palette::navy());
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(22, 7.5, 3.5, 6));
    // Label with lines.
    p.setPen(outline(Palette::navy()));
    p.setBrush(Palette::paper());
    p.drawRoundedRect(QRectF(9.5, 20.5, 21, 14), 1.5, 1.5);
    p.setPen(outline(Palette::amber(), 1.4));
    p.drawLine(QPointF(12.5, 25), QPointF(27.5, 25));
    p.setPen(outline(Palette::mist(), 1.2));
    p.drawLine(QPointF(12.5, 29.5), QPointF(27.5, 29.5));
    return image;
}

// A chip with pins on all four sides, drawn centred in a square of `side`.
void chip(QPainter &p, const QRectF &body, const QColor &bodyColour, const QColor &pin,
          int pinsPerSide)
{
    p.setPen(Qt::NoPen);
    p.setBrush(pin);
    const qreal step = body.width() / (pinsPerSide + 1);
    for (int i = 1; i <= pinsPerSide; ++i) {
        const qreal x = body.left() + i * step;
        const qreal y = body.top() + i * step;
        p.drawRect(QRectF(x - 1.25, body.top() - 4, 2.5, 4));
        p.drawRect(QRectF(x - 1.25, body.bottom(), 2.5, 4));
        p.drawRect(QRectF(body.left() - 4, y - 1.25, 4, 2.5));
        p.drawRect(QRectF(body.right(), y - 1.25, 4, 2.5));
    }
    p.setBrush(bodyColour);
    p.setPen(outline(Palette::navyDeep()));
    p.drawRoundedRect(body, 2.5, 2.5);
}

QPainterPath lightning(const QPointF &c, qreal h)
{
    QPainterPath bolt;
    bolt.moveTo(c + QPointF(0.10 * h, -0.5 * h));
    bolt.lineTo(c + QPointF(-0.26 * h, 0.06 * h));
    bolt.lineTo(c + QPointF(-0.02 * h, 0.06 * h));
    bolt.lineTo(c + QPointF(-0.12 * h, 0.5 * h));
    bolt.lineTo(c + QPointF(0.26 * h, -0.08 * h));
    bolt.lineTo(c + QPointF(0.02 * h, -0.08 * h));
    bolt.closeSubpath();
    return bolt;
}

QImage writeFlash()
{
    QImage image = Draw::canvas(toolSize, toolSize);
    QPainter p(&image);
    Draw::prepare(p);
    chip(p, QRectF(8.5, 8.5, 23, 23), Palette::navy(), Palette::mist(), 4);
    p.setPen(outline(Palette::amberDark(), 1.0));
    p.setBrush(Palette::amberLight());
    p.drawPath(lightning(QPointF(20, 20), 17));
    return image;
}

// A clock face with an arrow turning back round it: the unit's earlier states.
QImage history()
{
    QImage image = Draw::canvas(toolSize, toolSize);
    QPainter p(&image);
    Draw::prepare(p);
    const QPointF centre(21, 21);
    QRadialGradient face(centre, 13);
    face.setColorAt(0, Palette::paper());
    face.setColorAt(1, Palette::mist());
    p.setPen(outline(Palette::navyDeep(), 1.2));
    p.setBrush(face);
    p.drawEllipse(centre, 12.5, 12.5);
    p.setPen(outline(Palette::steel(), 1.2));
    for (int i = 0; i < 12; ++i) {
        const qreal a = qDegreesToRadians(i * 30.0);
        const qreal inner = i % 3 == 0 ? 8.5 : 10.0;
        p.drawLine(centre + QPointF(inner * qSin(a), -inner * qCos(a)),
                   centre + QPointF(11.0 * qSin(a), -11.0 * qCos(a)));
    }
    p.setPen(outline(Palette::navy(), 2.2));
    p.drawLine(centre, centre + QPointF(0, -7.5));
    p.drawLine(centre, centre + QPointF(-5.5, 2.5));
    // The arrow: three quarters of a ring outside the face, head pointing
    // against the clock.
    p.setPen(outline(Palette::amberDark(), 3.0));
    p.setBrush(Qt::NoBrush);
    const QRectF ring(centre.x() - 17, centre.y() - 17, 34, 34);
    p.drawArc(ring, 100 * 16, 250 * 16);
    QPainterPath head;
    const QPointF tip = centre + QPointF(17 * qCos(qDegreesToRadians(100.0)) - 5.5,
                                         -17 * qSin(qDegreesToRadians(100.0)));
    head.moveTo(tip);
    head.lineTo(tip + QPointF(7, -5.5));
    head.lineTo(tip + QPointF(7, 5.5));
    head.closeSubpath();
    p.setPen(outline(Palette::amberDark(), 1.0));
    p.setBrush(Palette::amber());
    p.drawPath(head);
    return image;
}

void pageTile(QPainter &p)
{
    Draw::gradientBox(p, QRectF(0.5, 0.5, pageSize - 1, pageSize - 1), 9, Palette::steel(),
                      Palette::navy(), Palette::steelLight());
    // A faint sheen on the upper half.
    QLinearGradient sheen(0, 0, 0, pageSize / 2);
    sheen.setColorAt(0, QColor(255, 255, 255, 50));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawRoundedRect(QRectF(2, 2, pageSize - 4, pageSize / 2), 8, 8);
}

QImage basicIcon()
{
    QImage image = Draw::canvas(pageSize, pageSize);
    QPainter p(&image);
    Draw::prepare(p);
    pageTile(p);
    const qreal knobs[] = {29, 17, 24};
    for (int i = 0; i < 3; ++i) {
        const qreal x = 14 + i * 10;
        p.setPen(outline(Palette::mist(), 2.0));
        p.drawLine(QPointF(x, 11), QPointF(x, 37));
        p.setPen(outline(Palette::navyDeep()));
        p.setBrush(Palette::amber());
        p.drawRoundedRect(QRectF(x - 4.5, knobs[i] - 3, 9, 6), 2, 2);
    }
    return image;
}

QImage setupIcon()
{
    QImage image = Draw::canvas(pageSize, pageSize);
    QPainter p(&image);
    Draw::prepare(p);
    pageTile(p);
    // Open-ended wrench, laid diagonally.
    QPainterPath head;
    head.addEllipse(QPointF(0, -11), 7.5, 7.5);
    QPainterPath jaw;
    jaw.addRect(QRectF(-3, -21, 6, 10));
    QPainterPath shaft;
    shaft.addRoundedRect(QRectF(-3, -8, 6, 22), 3, 3);
    QPainterPath wrench = head.subtracted(jaw).united(shaft);
    QPainterPath tail;
    tail.addEllipse(QPointF(0, 12), 1.6, 1.6);
    wrench = wrench.subtracted(tail);
    p.translate(24, 25);
    p.rotate(45);
    p.setPen(outline(Palette::navyDeep()));
    p.setBrush(Palette::white());
    p.drawPath(wrench);
    p.resetTransform();
    // Amber screwdriver crossing it.
    p.translate(24, 25);
    p.rotate(-45);
    p.setBrush(Palette::amber());
    p.drawRoundedRect(QRectF(-3.5, 4, 7, 12), 2.5, 2.5);
    p.setBrush(Palette::mist());
    p.drawRect(QRectF(-1.25, -15, 2.5, 19));
    return image;
}

QPainterPath gear(qreal outer, qreal inner, int teeth, qreal hole)
{
    QPolygonF poly;
    for (int i = 0; i < teeth; ++i) {
        const qreal a = 2 * M_PI * i / teeth;
        const qreal w = M_PI / teeth;
        const qreal angles[] = {a - w * 0.55, a - w * 0.30, a + w * 0.30, a + w * 0.55};
        const qreal radii[] = {inner, outer, outer, inner};
        for (int k = 0; k < 4; ++k)
            poly << QPointF(qCos(angles[k]) * radii[k], qSin(angles[k]) * radii[k]);
    }
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    QPainterPath centre;
    centre.addEllipse(QPointF(0, 0), hole, hole);
    return path.subtracted(centre);
}

QImage systemIcon()
{
    QImage image = Draw::canvas(pageSize, pageSize);
    QPainter p(&image);
    Draw::prepare(p);
    pageTile(p);
    p.translate(24, 24);
    p.setPen(outline(Palette::navyDeep()));
    p.setBrush(Palette::white());
    p.drawPath(gear(16, 12, 9, 5.5));
    p.setBrush(Qt::NoBrush);
    p.setPen(outline(Palette::amber(), 2.2));
    p.drawEllipse(QPointF(0, 0), 8.5, 8.5);
    return image;
}

QImage firmwareIcon()
{
    QImage image = Draw::canvas(pageSize, pageSize);
    QPainter p(&image);
    Draw::prepare(p);
    pageTile(p);
    chip(p, QRectF(13.5, 13.5, 21, 21), Palette::navyDeep(), Palette::mist(), 4);
    p.setPen(outline(Palette::amberDark()));
    p.setBrush(Palette::amber());
    p.drawPath(Draw::arrow(QPointF(24, 31), QPointF(24, 16), 4.5, 7, 12));
    return image;
}

} // namespace

namespace ToolIcons {

void addAll(PictureSet &set)
{
    set.add(QStringLiteral("toolWidget/open_file.png"), openFile());
    set.add(QStringLiteral("toolWidget/save_file.png"), saveFile());
    set.add(QStringLiteral("toolWidget/write_flash.png"), writeFlash());
    set.add(QStringLiteral("toolWidget/history.png"), history());
    set.add(QStringLiteral("toolWidget/config-on.png"), basicIcon());
    set.add(QStringLiteral("toolWidget/scopes-on.png"), setupIcon());
    set.add(QStringLiteral("toolWidget/system-on.png"), systemIcon());
    set.add(QStringLiteral("toolWidget/firmware-on.png"), firmwareIcon());
}

} // namespace ToolIcons
