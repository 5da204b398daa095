#include "SwashPictures.h"

#include "Captions.h"

#include "Draw.h"
#include "Palette.h"
#include "PictureSet.h"

#include <QRadialGradient>
#include <QtMath>

namespace {

constexpr int tileSize = 130;
const QPointF centre(68, 69);
constexpr qreal plateRadius = 23;
constexpr qreal servoRadius = 38;
constexpr qreal labelRadius = 53;

struct Servo
{
    qreal angle; // degrees clockwise from the nose
    const char *name;
};

struct SwashType
{
    const char *file;
    bool mechanical;
    int spread; // angle between CH3 and each of CH1/CH2, for the CCPM types
};

// CH3 is the single servo on the nose side; CH1 right, CH2 left of the plate,
// as the trim arithmetic mixes them (CH1/CH2 the roll pair, CH3 against pitch).
QList<Servo> servosOf(const SwashType &type)
{
    if (type.mechanical)
        return {{90, "CH1"}, {180, "CH2"}, {270, "CH3"}};
    return {{0, "CH3"}, {qreal(type.spread), "CH1"}, {qreal(-type.spread), "CH2"}};
}

QPointF polar(qreal radius, qreal angleDegrees)
{
    const qreal a = qDegreesToRadians(angleDegrees);
    return centre + QPointF(radius * qSin(a), -radius * qCos(a));
}

void noseMark(QPainter &p)
{
    p.setPen(QPen(Palette::amberDark(), 1.0));
    p.setBrush(Palette::amber());
    p.drawPath(Draw::arrow(QPointF(14, 32), QPointF(14, 9), 3.5, 8, 10));
    Draw::haloText(p, QRectF(2, 33, 26, 11), Captions::text("NOSE"), Captions::pixelSize(8),
                   Palette::amberLight(), Palette::navyDeep());
}

void plate(QPainter &p, const QString &centreText)
{
    QRadialGradient g(centre - QPointF(7, 8), plateRadius * 1.6);
    g.setColorAt(0, Palette::steelLight());
    g.setColorAt(1, Palette::steelDark());
    p.setPen(QPen(Palette::mist(), 1.6));
    p.setBrush(g);
    p.drawEllipse(centre, plateRadius, plateRadius);
    p.setPen(QPen(QColor(255, 255, 255, 50), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, plateRadius - 5, plateRadius - 5);
    Draw::text(p, QRectF(centre.x() - 20, centre.y() - 8, 40, 16), centreText, 11,
               Palette::white());
}

void servo(QPainter &p, const Servo &s, bool checked)
{
    const QPointF ball = polar(plateRadius, s.angle);
    const QPointF horn = polar(servoRadius - 5, s.angle);
    p.setPen(QPen(Palette::mist(), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(ball, horn);
    // Servo body, long side across the radius, as it stands beside the frame.
    p.save();
    p.translate(polar(servoRadius, s.angle));
    p.rotate(s.angle);
    Draw::gradientBox(p, QRectF(-8, -4.5, 16, 11), 2, Palette::navy(), Palette::navyDeep(),
                      Palette::mist(), 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::mist());
    p.drawEllipse(QPointF(0, -1), 2.2, 2.2);
    p.restore();
    p.setPen(QPen(Palette::navyDeep(), 1.0));
    p.setBrush(Palette::amber());
    p.drawEllipse(ball, 3.2, 3.2);
    // Servos beside the plate get their name above them, the others outside them.
    const bool beside = qAbs(qSin(qDegreesToRadians(s.angle))) > 0.95;
    const QPointF at =
        beside ? polar(servoRadius, s.angle) + QPointF(0, -16) : polar(labelRadius, s.angle);
    const qreal left = qBound(3.0, at.x() - 16, tileSize - 35.0);
    Draw::haloText(p, QRectF(left, at.y() - 6, 32, 12), QString::fromLatin1(s.name), 9.5,
                   checked ? Palette::amberLight() : Palette::white(), Palette::navyDeep());
}

// The angle between CH3 and CH1, marked outside the plate.
void spreadArc(QPainter &p, int spread)
{
    const qreal r = plateRadius + 6;
    QPen pen(Palette::amberLight(), 1.2, Qt::DashLine, Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    // Qt measures angles counter-clockwise from three o'clock, in 1/16 degrees.
    p.drawArc(box, 90 * 16, -spread * 16);
}

// The mechanical mixer: a yoke around the plate that the three servos lift.
void mixerYoke(QPainter &p)
{
    p.setPen(QPen(Palette::mist(), 1.4, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    const qreal r = plateRadius + 6;
    p.drawRoundedRect(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 7, 7);
}

QImage swashPicture(const SwashType &type, bool checked)
{
    QImage image = Draw::canvas(tileSize, tileSize);
    QPainter p(&image);
    Draw::prepare(p);
    Draw::buttonTile(p, QRectF(0, 0, tileSize, tileSize), checked);
    noseMark(p);
    if (type.mechanical)
        mixerYoke(p);
    else
        spreadArc(p, type.spread);
    const QList<Servo> servos = servosOf(type);
    for (const Servo &s : servos)
        servo(p, s, checked);
    plate(p, type.mechanical ? QStringLiteral("MIX") : QStringLiteral("%1\u00B0").arg(type.spread));
    return image;
}

} // namespace

namespace SwashPictures {

void addAll(PictureSet &set)
{
    const SwashType types[] = {{"mixer", true, 0},
                               {"90ccpm", false, 90},
                               {"120ccpm", false, 120},
                               {"135ccpm", false, 135},
                               {"140ccpm", false, 140}};
    for (const SwashType &type : types) {
        const QString base = QStringLiteral("swash/sc_%1_").arg(QLatin1String(type.file));
        set.add(base + QStringLiteral("uncheck.png"), swashPicture(type, false));
        set.add(base + QStringLiteral("check.png"), swashPicture(type, true));
    }
}

} // namespace SwashPictures
