#include "IndicatorPictures.h"

#include "Draw.h"
#include "Palette.h"
#include "PictureSet.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace {

constexpr int checkSize = 20;
constexpr int radioSize = 25;
constexpr int scaleWidth = 20;
constexpr int scaleHeight = 250;
// A vertical slider handle is 10 pixels high: its centre travels 5..245.
constexpr int travelTop = 5;
constexpr int travelBottom = 245;

QLinearGradient vertical(const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QImage checkBox(bool checked)
{
    QImage image = Draw::canvas(checkSize, checkSize);
    QPainter p(&image);
    Draw::prepare(p);
    const QRectF box(1.5, 1.5, 17, 17);
    if (checked) {
        p.setBrush(vertical(box, Palette::steelLight(), Palette::steel()));
        p.setPen(QPen(Palette::navy(), 1.0));
    } else {
        p.setBrush(vertical(box, Palette::white(), QColor(0xE3, 0xE9, 0xF0)));
        p.setPen(QPen(Palette::steelLight(), 1.0));
    }
    p.drawRoundedRect(box, 3.5, 3.5);
    if (checked) {
        QPainterPath tick;
        tick.moveTo(5.5, 10.5);
        tick.lineTo(8.8, 13.8);
        tick.lineTo(14.8, 6.5);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0, 70), 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tick.translated(0, 0.6));
        p.setPen(QPen(Palette::white(), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tick);
    }
    return image;
}

QImage radio(bool checked)
{
    QImage image = Draw::canvas(radioSize, radioSize);
    QPainter p(&image);
    Draw::prepare(p);
    const QPointF c(12.5, 12.5);
    const QRectF ring(2.5, 2.5, 20, 20);
    p.setBrush(vertical(ring, Palette::white(), QColor(0xE3, 0xE9, 0xF0)));
    p.setPen(QPen(checked ? Palette::steel() : Palette::steelLight(), checked ? 1.6 : 1.2));
    p.drawEllipse(ring);
    if (checked) {
        QRadialGradient dot(c - QPointF(1.5, 1.5), 7);
        dot.setColorAt(0, Palette::steelLight());
        dot.setColorAt(1, Palette::navy());
        p.setPen(Qt::NoPen);
        p.setBrush(dot);
        p.drawEllipse(c, 5.5, 5.5);
    }
    return image;
}

enum class Direction
{
    Up,
    Down,
    Left,
    Right
};

QImage arrowIcon(int size, Direction dir, bool twice)
{
    QImage image = Draw::canvas(size, size);
    QPainter p(&image);
    Draw::prepare(p);
    const qreal s = size;
    p.translate(s / 2, s / 2);
    const qreal rotation[] = {0, 180, 270, 90};
    p.rotate(rotation[int(dir)]);
    const qreal half = s * 0.27;
    const qreal rise = s * 0.16;
    QPen pen(Palette::navy(), qMax(2.0, s * 0.14), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const qreal offsets[] = {-s * 0.13, s * 0.13};
    const int count = twice ? 2 : 1;
    for (int i = 0; i < count; ++i) {
        const qreal y = twice ? offsets[i] : 0.0;
        QPainterPath chevron;
        chevron.moveTo(-half, y + rise);
        chevron.lineTo(0, y - rise);
        chevron.lineTo(half, y + rise);
        p.drawPath(chevron);
    }
    return image;
}

qreal scaleY(qreal value, qreal min, qreal max)
{
    return travelBottom - (value - min) / (max - min) * (travelBottom - travelTop);
}

void tick(QPainter &p, qreal y, int length, const QColor &colour)
{
    const qreal row = qRound(y - 0.5) + 0.5;
    p.setPen(QPen(colour, 1.0));
    p.drawLine(QPointF(0, row), QPointF(length, row));
}

// Centre-zero scale for the -125..125 sliders: the wedges widen towards both ends.
QImage centredScale()
{
    QImage image = Draw::canvas(scaleWidth, scaleHeight);
    QPainter p(&image);
    Draw::prepare(p);
    const qreal mid = scaleY(0, -125, 125);
    QPainterPath up;
    up.moveTo(13, mid - 3);
    up.lineTo(13, travelTop);
    up.lineTo(19, travelTop);
    up.closeSubpath();
    QPainterPath down;
    down.moveTo(13, mid + 3);
    down.lineTo(13, travelBottom);
    down.lineTo(19, travelBottom);
    down.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(QRectF(0, travelTop, 1, mid), Palette::amber(), Palette::amberLight()));
    p.drawPath(up);
    p.setBrush(
        vertical(QRectF(0, mid, 1, travelBottom - mid), Palette::steelLight(), Palette::steel()));
    p.drawPath(down);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i <= 20; ++i) {
        const qreal value = -125 + i * 12.5;
        const int length = (i % 10 == 0) ? 10 : (i % 5 == 0) ? 7 : 4;
        tick(p, scaleY(value, -125, 125), length, Palette::navy());
    }
    // The centre mark stands out: it is where the neutral trim sits.
    p.fillRect(QRectF(0, qRound(mid) - 1, 12, 2), Palette::alert());
    return image;
}

// Scale for the 20..125 travel sliders: one wedge growing with the travel.
QImage travelScale()
{
    QImage image = Draw::canvas(scaleWidth, scaleHeight);
    QPainter p(&image);
    Draw::prepare(p);
    QPainterPath wedge;
    wedge.moveTo(13, travelBottom);
    wedge.lineTo(14, travelBottom);
    wedge.lineTo(19, travelTop);
    wedge.lineTo(13, travelTop);
    wedge.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(QRectF(0, travelTop, 1, travelBottom - travelTop), Palette::steelLight(),
                        Palette::steel()));
    p.drawPath(wedge);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int value = 20; value <= 125; value += 5) {
        const int length = (value % 25 == 0) ? 9 : 4;
        tick(p, scaleY(value, 20, 125), length, Palette::navy());
    }
    tick(p, scaleY(20, 20, 125), 9, Palette::navy());
    return image;
}

QList<QImage> arrowSizes(Direction dir, bool twice)
{
    // 48 serves the 22-pixel buttons on a screen scaled to 200 %.
    return {arrowIcon(16, dir, twice), arrowIcon(24, dir, twice), arrowIcon(32, dir, twice),
            arrowIcon(48, dir, twice)};
}

} // namespace

namespace IndicatorPictures {

void addAll(PictureSet &set)
{
    set.add(QStringLiteral("checkbox/checkbox_unchecked.png"), checkBox(false));
    set.add(QStringLiteral("checkbox/checkbox_checked.png"), checkBox(true));
    set.add(QStringLiteral("radiobutton/radio_unchecked.png"), radio(false));
    set.add(QStringLiteral("radiobutton/radio_checked.png"), radio(true));

    const struct
    {
        const char *name;
        Direction dir;
    } arrows[] = {{"up", Direction::Up},
                  {"down", Direction::Down},
                  {"left", Direction::Left},
                  {"right", Direction::Right}};
    for (const auto &a : arrows) {
        const QString base = QStringLiteral("arrow/arrow_%1").arg(QLatin1String(a.name));
        set.addIcon(base + QStringLiteral(".ico"), arrowSizes(a.dir, false));
        set.addIcon(base + QStringLiteral("2.ico"), arrowSizes(a.dir, true));
    }

    set.add(QStringLiteral("slider/calib_v_250_r.png"), centredScale());
    set.add(QStringLiteral("slider/calib_v_250_b.png"), travelScale());
}

} // namespace IndicatorPictures
