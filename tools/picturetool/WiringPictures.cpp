#include "WiringPictures.h"

#include "Captions.h"

#include "Draw.h"
#include "Palette.h"
#include "PictureSet.h"

#include <QLinearGradient>
#include <QStringList>

namespace {

constexpr int wiringWidth = 530;
constexpr int wiringHeight = 220;
constexpr int exampleWidth = 340;
constexpr int exampleHeight = 170;

enum class Receiver
{
    Conventional,
    SerialBus,
    Satellite
};

const QStringList inputs = {QStringLiteral("THR"), QStringLiteral("AIL"), QStringLiteral("ELE"),
                            QStringLiteral("RUD"), QStringLiteral("PIT"), QStringLiteral("AUX")};
const QStringList outputs = {QStringLiteral("CH1"), QStringLiteral("CH2"), QStringLiteral("CH3"),
                             QStringLiteral("TAIL")};

// Unit geometry: inputs on its left edge, the bus port above them, servo outputs on the right.
const QRectF unitBody(222.5, 26.5, 118, 172);
qreal inputY(int i)
{
    return 82 + i * 19;
}
constexpr qreal busY = 56;
qreal outputY(int i)
{
    return 70 + i * 30;
}

void panel(QPainter &p, const QRectF &r)
{
    Draw::gradientBox(p, r, 8, Palette::paper(), QColor(0xE2, 0xE9, 0xF1), Palette::mist());
}

// A three-pin header on a box edge; `leftEdge` puts it on the left side.
void header(QPainter &p, qreal x, qreal y, bool leftEdge, bool used)
{
    const QRectF r(leftEdge ? x : x - 10, y - 4.5, 10, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(used ? Palette::ink() : QColor(0x44, 0x52, 0x66));
    p.drawRect(r);
    p.setBrush(used ? Palette::amberLight() : Palette::steelLight());
    p.drawEllipse(r.center(), 1.6, 1.6);
}

// A servo lead: ground, power and signal cores side by side.
void lead(QPainter &p, const QPointF &from, const QPointF &to)
{
    const qreal bend = qAbs(to.x() - from.x()) * 0.5;
    QPainterPath path(from);
    path.cubicTo(from + QPointF(bend, 0), to - QPointF(bend, 0), to);
    const QColor cores[] = {Palette::leadGround(), Palette::leadPower(), Palette::leadSignal()};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(cores[i], 1.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path.translated(0, (i - 1) * 1.7));
    }
}

void unit(QPainter &p, Receiver receiver)
{
    Draw::gradientBox(p, unitBody, 7, Palette::steel(), Palette::navy(), Palette::navyDeep(), 1.0);
    Draw::gradientBox(p, QRectF(unitBody.left() + 26, unitBody.top() + 8, 66, 20), 3,
                      Palette::amberLight(), Palette::amber(), Palette::amberDark());
    Draw::text(p, QRectF(unitBody.left() + 26, unitBody.top() + 8, 66, 20), QStringLiteral("VRN"),
               13, Palette::navy());
    const bool pwm = receiver == Receiver::Conventional;
    for (int i = 0; i < inputs.size(); ++i) {
        header(p, unitBody.left(), inputY(i), true, pwm);
        Draw::text(p, QRectF(unitBody.left() + 13, inputY(i) - 7, 34, 14), inputs[i], 9,
                   pwm ? Palette::white() : Palette::mist(), Qt::AlignLeft | Qt::AlignVCenter, true,
                   true);
    }
    header(p, unitBody.left(), busY, true, !pwm);
    Draw::text(p, QRectF(unitBody.left() + 13, busY - 7, 34, 14), QStringLiteral("BUS"), 9,
               pwm ? Palette::mist() : Palette::amberLight(), Qt::AlignLeft | Qt::AlignVCenter,
               true, true);
    for (int i = 0; i < outputs.size(); ++i) {
        header(p, unitBody.right(), outputY(i), false, true);
        Draw::text(p, QRectF(unitBody.right() - 50, outputY(i) - 7, 37, 14), outputs[i], 9,
                   Palette::white(), Qt::AlignRight | Qt::AlignVCenter, true, true);
    }
}

void servo(QPainter &p, const QPointF &at)
{
    // Side view: body with mounting ears and the output horn on top.
    p.setPen(QPen(Palette::navyDeep(), 1.0));
    p.setBrush(Palette::steelDark());
    p.drawRect(QRectF(at.x() - 4, at.y() - 2, 50, 4));
    Draw::gradientBox(p, QRectF(at.x(), at.y() - 9, 42, 18), 2, Palette::steelLight(),
                      Palette::steel(), Palette::navyDeep());
    p.setBrush(Palette::mist());
    p.drawRoundedRect(QRectF(at.x() + 28, at.y() - 14, 4, 6), 1, 1);
    p.setPen(QPen(Palette::paper(), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(at.x() + 22, at.y() - 14), QPointF(at.x() + 38, at.y() - 14));
}

void antenna(QPainter &p, const QPointF &from, const QPointF &to)
{
    p.setPen(QPen(Palette::ink(), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    p.setPen(QPen(Palette::steelLight(), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(to - (to - from) * 0.3, to);
}

void receiverBox(QPainter &p, const QRectF &r, const QString &title)
{
    Draw::gradientBox(p, r, 5, QColor(0x3A, 0x40, 0x4A), QColor(0x1E, 0x22, 0x29), Palette::ink());
    Draw::text(p, QRectF(r.left(), r.top() + 4, r.width(), 14), title, 9, Palette::amberLight(),
               Qt::AlignCenter, true, true);
}

void conventionalReceiver(QPainter &p)
{
    const QRectF r(22.5, 56.5, 100, 140);
    antenna(p, QPointF(40, r.top()), QPointF(28, 20));
    antenna(p, QPointF(58, r.top()), QPointF(74, 22));
    receiverBox(p, r, Captions::text("RECEIVER"));
    for (int i = 0; i < inputs.size(); ++i) {
        const qreal y = inputY(i) + 8;
        header(p, r.right(), y, false, true);
        Draw::text(p, QRectF(r.left() + 8, y - 7, 60, 14), inputs[i], 9, Palette::white(),
                   Qt::AlignLeft | Qt::AlignVCenter, true, true);
        lead(p, QPointF(r.right(), y), QPointF(unitBody.left(), inputY(i)));
    }
}

void serialBusReceiver(QPainter &p)
{
    const QRectF r(22.5, 66.5, 100, 96);
    antenna(p, QPointF(40, r.top()), QPointF(28, 30));
    antenna(p, QPointF(58, r.top()), QPointF(74, 32));
    receiverBox(p, r, Captions::text("RECEIVER"));
    const qreal y = r.top() + 44;
    header(p, r.right(), y, false, true);
    Draw::text(p, QRectF(r.left() + 8, y - 7, 60, 14), QStringLiteral("SBUS"), 9,
               Palette::amberLight(), Qt::AlignLeft | Qt::AlignVCenter, true, true);
    lead(p, QPointF(r.right(), y), QPointF(unitBody.left(), busY));
}

void satelliteReceiver(QPainter &p)
{
    const QRectF r(40.5, 80.5, 66, 46);
    antenna(p, QPointF(r.left() + 14, r.top()), QPointF(r.left() + 2, 50));
    receiverBox(p, r, QStringLiteral("SAT"));
    Draw::text(p, QRectF(r.left(), r.top() + 20, r.width(), 14), QStringLiteral("DSM"), 8,
               Palette::mist(), Qt::AlignCenter, true, true);
    const qreal y = r.top() + 30;
    header(p, r.right(), y, false, true);
    lead(p, QPointF(r.right(), y), QPointF(unitBody.left(), busY));
}

QImage wiring(Receiver receiver)
{
    QImage image = Draw::canvas(wiringWidth, wiringHeight);
    QPainter p(&image);
    Draw::prepare(p);
    panel(p, QRectF(0.5, 0.5, wiringWidth - 1, wiringHeight - 1));
    switch (receiver) {
    case Receiver::Conventional:
        conventionalReceiver(p);
        break;
    case Receiver::SerialBus:
        serialBusReceiver(p);
        break;
    case Receiver::Satellite:
        satelliteReceiver(p);
        break;
    }
    unit(p, receiver);
    for (int i = 0; i < outputs.size(); ++i) {
        const QPointF servoAt(440, outputY(i) + 6);
        lead(p, QPointF(unitBody.right(), outputY(i)), servoAt - QPointF(4, 3));
        servo(p, servoAt);
    }
    Draw::text(p, QRectF(440, 188, 80, 14), Captions::text("SERVOS"), 9, Palette::steel(),
               Qt::AlignLeft | Qt::AlignVCenter, true, true);
    return image;
}

// The transmitter body with its two sticks; returns the screen rectangle.
QRectF transmitter(QPainter &p)
{
    Draw::gradientBox(p, QRectF(0.5, 0.5, exampleWidth - 1, exampleHeight - 1), 18,
                      Palette::steel(), Palette::navyDeep(), Palette::navyDeep());
    for (qreal x : {44.0, exampleWidth - 44.0}) {
        const QPointF c(x, 100);
        p.setPen(QPen(Palette::navyDeep(), 1.0));
        p.setBrush(Palette::steelDark());
        p.drawEllipse(c, 30, 30);
        p.setPen(QPen(QColor(255, 255, 255, 40), 1.0));
        p.drawLine(c - QPointF(22, 0), c + QPointF(22, 0));
        p.drawLine(c - QPointF(0, 22), c + QPointF(0, 22));
        p.setPen(QPen(Palette::navyDeep(), 1.0));
        p.setBrush(Palette::mist());
        p.drawEllipse(c, 7, 7);
    }
    const QRectF screen(88.5, 16.5, 163, 138);
    Draw::gradientBox(p, screen.adjusted(-3, -3, 3, 3), 6, Palette::navyDeep(), Palette::navyDeep(),
                      Palette::navyDeep());
    Draw::gradientBox(p, screen, 3, QColor(0xE6, 0xEE, 0xF5), QColor(0xC9, 0xD6, 0xE3),
                      Palette::steelLight());
    return screen;
}

void screenTitle(QPainter &p, const QRectF &screen, const QString &title)
{
    const QRectF band(screen.left() + 1, screen.top() + 1, screen.width() - 2, 18);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::navy());
    p.drawRect(band);
    Draw::text(p, band, title, 10, Palette::white());
}

QImage swashTypeExample()
{
    QImage image = Draw::canvas(exampleWidth, exampleHeight);
    QPainter p(&image);
    Draw::prepare(p);
    const QRectF screen = transmitter(p);
    screenTitle(p, screen, Captions::text("SWASH TYPE"));
    const QStringList items = {
        Captions::text("1 SERVO (NO MIX)"), Captions::text("3 SERVO 120\u00B0"),
        Captions::text("3 SERVO 140\u00B0"), Captions::text("3 SERVO 90\u00B0")};
    for (int i = 0; i < items.size(); ++i) {
        const QRectF row(screen.left() + 8, screen.top() + 25 + i * 19, screen.width() - 16, 17);
        if (i == 0) {
            p.setPen(QPen(Palette::amberDark(), 1.0));
            p.setBrush(Palette::amber());
            p.drawRoundedRect(row, 3, 3);
        }
        Draw::text(p, row.adjusted(6, 0, 0, 0), items[i], 9.5,
                   i == 0 ? Palette::navyDeep() : Palette::steel(),
                   Qt::AlignLeft | Qt::AlignVCenter, i == 0, true);
    }
    Draw::text(p, QRectF(screen.left() + 8, screen.bottom() - 36, screen.width() - 16, 14),
               Captions::text("TRIM 0   SUB-TRIM 0"), 9, Palette::navy(), Qt::AlignCenter, true,
               true);
    Draw::text(p, QRectF(screen.left() + 8, screen.bottom() - 20, screen.width() - 16, 14),
               Captions::text("ALL MIXES OFF"), 9, Palette::navy(), Qt::AlignCenter, true, true);
    return image;
}

QImage pitchCurveExample()
{
    QImage image = Draw::canvas(exampleWidth, exampleHeight);
    QPainter p(&image);
    Draw::prepare(p);
    const QRectF screen = transmitter(p);
    screenTitle(p, screen, Captions::text("PITCH CURVE"));
    const QRectF graph(screen.left() + 30.5, screen.top() + 27.5, 104, 84);
    p.setPen(QPen(Palette::steelLight(), 1.0));
    p.setBrush(Palette::paper());
    p.drawRect(graph);
    p.setPen(QPen(Palette::mist(), 1.0, Qt::DotLine));
    for (int i = 1; i < 4; ++i) {
        p.drawLine(QPointF(graph.left() + graph.width() * i / 4, graph.top()),
                   QPointF(graph.left() + graph.width() * i / 4, graph.bottom()));
        p.drawLine(QPointF(graph.left(), graph.top() + graph.height() * i / 4),
                   QPointF(graph.right(), graph.top() + graph.height() * i / 4));
    }
    p.setPen(QPen(Palette::navy(), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(graph.bottomLeft(), graph.topRight());
    p.setPen(QPen(Palette::navyDeep(), 1.0));
    p.setBrush(Palette::amber());
    for (int i = 0; i <= 4; ++i)
        p.drawEllipse(
            QPointF(graph.left() + graph.width() * i / 4, graph.bottom() - graph.height() * i / 4),
            3, 3);
    Draw::text(p, QRectF(screen.left() + 1, graph.top() - 6, 25, 12), QStringLiteral("100"), 8,
               Palette::navy(), Qt::AlignRight | Qt::AlignVCenter, true, true);
    Draw::text(p, QRectF(screen.left() + 1, graph.bottom() - 6, 25, 12), QStringLiteral("-100"), 8,
               Palette::navy(), Qt::AlignRight | Qt::AlignVCenter, true, true);
    Draw::text(p, QRectF(screen.left() + 8, screen.bottom() - 20, screen.width() - 16, 14),
               Captions::text("STRAIGHT LINE"), 9, Palette::navy(), Qt::AlignCenter, true, true);
    return image;
}

} // namespace

namespace WiringPictures {

void addAll(PictureSet &set)
{
    set.add(QStringLiteral("receiver/connection.png"), wiring(Receiver::Conventional));
    set.add(QStringLiteral("receiver/futaba.png"), wiring(Receiver::SerialBus));
    set.add(QStringLiteral("receiver/dsm.png"), wiring(Receiver::Satellite));
    set.add(QStringLiteral("transmiter_example_1.png"), swashTypeExample());
    set.add(QStringLiteral("transmiter_example_2.png"), pitchCurveExample());
}

} // namespace WiringPictures
