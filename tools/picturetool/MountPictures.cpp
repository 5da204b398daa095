#include "MountPictures.h"

#include "Captions.h"

#include "Draw.h"
#include "Palette.h"
#include "PictureSet.h"

#include <QPolygonF>
#include <QTransform>
#include <QtMath>
#include <array>

namespace {

constexpr int tileSize = 131;

struct Vec
{
    qreal x, y, z;
};

Vec operator+(Vec a, Vec b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec operator-(Vec a, Vec b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec operator*(Vec a, qreal k)
{
    return {a.x * k, a.y * k, a.z * k};
}
Vec operator-(Vec a)
{
    return {-a.x, -a.y, -a.z};
}
qreal dot(Vec a, Vec b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec cross(Vec a, Vec b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

const Vec right{1, 0, 0};
const Vec nose{0, 1, 0};
const Vec up{0, 0, 1};

// Where the unit's label faces and where its connectors point, in the
// helicopter's frame (x to the right, y to the nose, z up).
struct Mounting
{
    Vec label;
    Vec plugs;
    const char *caption;
};

const std::array<Mounting, 6> mountings = {{
    {up, -nose, "LABEL UP, PLUGS AFT"},
    {up, nose, "LABEL UP, PLUGS FWD"},
    {-up, -nose, "LABEL DOWN, PLUGS AFT"},
    {-up, nose, "LABEL DOWN, PLUGS FWD"},
    {right, -nose, "LABEL RIGHT, PLUGS AFT"},
    {-right, -nose, "LABEL LEFT, PLUGS AFT"},
}};

// A view from behind, to the right and above: the nose points up the picture.
class View
{
public:
    View(QPointF middle, qreal pixelsPerUnit) : centre(middle), scale(pixelsPerUnit) {}

    QPointF project(Vec v) const
    {
        const qreal depth = -v.x * sinYaw + v.y * cosYaw;
        return {centre.x() + scale * (v.x * cosYaw + v.y * sinYaw),
                centre.y() - scale * (depth * sinElev + v.z * cosElev)};
    }

    Vec towardsViewer() const { return {sinYaw, -cosYaw, sinElev / cosElev}; }

    // Maps face coordinates (-1..1 across, -1..1 down) onto the face.
    QTransform onFace(Vec centreOf, Vec across, Vec down) const
    {
        const QPointF o = project(centreOf);
        const QPointF ex = project(centreOf + across) - o;
        const QPointF ey = project(centreOf + down) - o;
        return QTransform(ex.x(), ex.y(), ey.x(), ey.y(), o.x(), o.y());
    }

private:
    QPointF centre;
    qreal scale;
    const qreal yaw = qDegreesToRadians(30.0);
    const qreal elev = qDegreesToRadians(48.0);
    const qreal sinYaw = qSin(yaw), cosYaw = qCos(yaw);
    const qreal sinElev = qSin(elev), cosElev = qCos(elev);
};

void helicopterOutline(QPainter &p, const View &view)
{
    // Top view of the helicopter lying on the ground plane.
    const QTransform ground = view.onFace({0, 0, 0}, right, -nose);
    p.save();
    p.setTransform(ground, true);
    QColor fill = Palette::mist();
    fill.setAlpha(70);
    QColor line = Palette::mist();
    line.setAlpha(150);
    QPen pen(line, 0.05);
    pen.setCosmetic(false);
    // Rotor disc.
    QPen disc(QColor(255, 255, 255, 60), 0.04, Qt::DashLine);
    p.setPen(disc);
    p.setBrush(QColor(255, 255, 255, 14));
    p.drawEllipse(QPointF(0, -0.2), 2.15, 2.15);
    p.setPen(pen);
    p.setBrush(fill);
    QPainterPath body;
    body.addEllipse(QPointF(0, -0.35), 0.55, 1.15);
    QPainterPath boom;
    boom.moveTo(-0.14, 0.5);
    boom.lineTo(0.14, 0.5);
    boom.lineTo(0.07, 2.75);
    boom.lineTo(-0.07, 2.75);
    boom.closeSubpath();
    QPainterPath fin;
    fin.addRoundedRect(QRectF(-0.5, 2.05, 1.0, 0.2), 0.08, 0.08);
    p.drawPath(body.united(boom).united(fin));
    p.drawLine(QPointF(0.16, 2.4), QPointF(0.16, 3.0));
    p.restore();
}

void noseArrow(QPainter &p, const View &view)
{
    const QPointF from = view.project({0, 1.65, 0});
    const QPointF to = view.project({0, 2.75, 0});
    p.setPen(QPen(Palette::amberDark(), 1.0));
    p.setBrush(Palette::amber());
    p.drawPath(Draw::arrow(from, to, 3.5, 8, 10));
    Draw::haloText(p, QRectF(to.x() + 4, to.y() - 2, 40, 12), Captions::text("NOSE"),
                   Captions::pixelSize(9), Palette::amberLight(), Palette::navyDeep(),
                   Qt::AlignLeft | Qt::AlignVCenter);
}

struct Box
{
    Vec centre;
    Vec axes[3]; // plug direction, across, label direction
    qreal half[3];
};

Box unitBox(const Mounting &m)
{
    Box box;
    box.axes[0] = m.plugs;
    box.axes[2] = m.label;
    box.axes[1] = cross(m.label, m.plugs);
    box.half[0] = 0.92;
    box.half[1] = 0.62;
    box.half[2] = 0.30;
    qreal halfHeight = 0;
    for (int k = 0; k < 3; ++k)
        halfHeight += qAbs(box.axes[k].z) * box.half[k];
    box.centre = {0, -0.1, halfHeight + 0.35};
    return box;
}

struct Face
{
    Vec centre, normal, across, down;
    int axis;
};

Face face(const Box &box, int axis, int sign)
{
    const Vec n = box.axes[axis] * sign;
    // The face's own right-handed frame, so text on it is never mirrored.
    const int k = (axis == 0) ? 1 : 0;
    const Vec across = box.axes[k] * box.half[k];
    const Vec v = cross(n, box.axes[k]);
    const int j = 3 - axis - k;
    return {box.centre + n * box.half[axis], n, across, -v * box.half[j], axis};
}

QPolygonF outlineOf(const View &view, const Face &f)
{
    QPolygonF poly;
    poly << view.project(f.centre - f.across - f.down) << view.project(f.centre + f.across - f.down)
         << view.project(f.centre + f.across + f.down)
         << view.project(f.centre - f.across + f.down);
    return poly;
}

QColor shade(const Face &f)
{
    const qreal light = 0.55 + 0.35 * f.normal.z + 0.12 * f.normal.x - 0.08 * f.normal.y;
    QColor base = Palette::mist();
    return QColor::fromRgbF(base.redF() * light, base.greenF() * light,
                            qMin(1.0, base.blueF() * light * 1.04));
}

void labelDecoration(QPainter &p, const QTransform &t, bool hidden)
{
    p.save();
    p.setTransform(t, true);
    const QRectF label(-0.78, -0.72, 1.56, 1.44);
    if (hidden) {
        QPen dash(Palette::amberLight(), 0.07, Qt::DashLine);
        p.setPen(dash);
        p.setBrush(Qt::NoBrush);
        p.drawRect(label);
    } else {
        p.setPen(QPen(Palette::amberDark(), 0.05));
        p.setBrush(Palette::amber());
        p.drawRect(label);
        QFont f = Draw::font(10);
        QPainterPath word;
        word.addText(0, 0, f, QStringLiteral("VRN"));
        const QRectF b = word.boundingRect();
        QTransform fit;
        fit.translate(0, 0);
        fit.scale(1.15 / b.width(), 0.95 / b.height());
        fit.translate(-b.center().x(), -b.center().y());
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::navy());
        p.drawPath(fit.map(word));
    }
    p.restore();
}

void plugDecoration(QPainter &p, const QTransform &t, bool hidden)
{
    p.save();
    p.setTransform(t, true);
    const QRectF header(-0.85, -0.62, 1.7, 1.24);
    if (hidden) {
        p.setPen(QPen(Palette::amberLight(), 0.08, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(header);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::navy());
        p.drawRect(header);
        p.setBrush(Palette::amberLight());
        for (int col = 0; col < 4; ++col) {
            for (int row = 0; row < 2; ++row)
                p.drawEllipse(QPointF(-0.6 + col * 0.4, -0.28 + row * 0.56), 0.11, 0.16);
        }
    }
    p.restore();
}

void unit(QPainter &p, const View &view, const Mounting &m)
{
    const Box box = unitBox(m);
    const Vec eye = view.towardsViewer();
    // A soft shadow on the ground under the box.
    QPainterPath shadow;
    const Face bottomFace{{box.centre.x, box.centre.y, 0}, up, right * 0.95, nose * 0.95, 2};
    shadow.addPolygon(outlineOf(view, bottomFace));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPath(shadow);

    QList<Face> hidden;
    QList<Face> shown;
    for (int axis = 0; axis < 3; ++axis) {
        for (int sign : {1, -1}) {
            const Face f = face(box, axis, sign);
            (dot(f.normal, eye) > 1e-6 ? shown : hidden).append(f);
        }
    }
    for (const Face &f : shown) {
        p.setPen(QPen(Palette::navyDeep(), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(shade(f));
        p.drawPolygon(outlineOf(view, f));
    }
    auto isLabel = [](const Face &f, const Box &b) {
        return f.axis == 2 && dot(f.normal, b.axes[2]) > 0;
    };
    auto isPlugs = [](const Face &f, const Box &b) {
        return f.axis == 0 && dot(f.normal, b.axes[0]) > 0;
    };
    for (const Face &f : shown) {
        const QTransform t = view.onFace(f.centre, f.across, f.down);
        if (isLabel(f, box))
            labelDecoration(p, t, false);
        if (isPlugs(f, box))
            plugDecoration(p, t, false);
    }
    // Hidden label and connectors show through as dashed outlines.
    for (const Face &f : hidden) {
        const QTransform t = view.onFace(f.centre, f.across, f.down);
        if (isLabel(f, box))
            labelDecoration(p, t, true);
        if (isPlugs(f, box))
            plugDecoration(p, t, true);
    }
}

QImage mountPicture(const Mounting &m, bool checked)
{
    QImage image = Draw::canvas(tileSize, tileSize);
    QPainter p(&image);
    Draw::prepare(p);
    Draw::buttonTile(p, QRectF(0, 0, tileSize, tileSize), checked);
    const View view(QPointF(58, 64), 23);
    helicopterOutline(p, view);
    noseArrow(p, view);
    unit(p, view, m);
    Draw::text(p, QRectF(4, tileSize - 19, tileSize - 8, 14), Captions::text(m.caption),
               Captions::pixelSize(8), checked ? Palette::amberLight() : Palette::mist(),
               Qt::AlignCenter, true, true);
    return image;
}

} // namespace

namespace MountPictures {

void addAll(PictureSet &set)
{
    for (int i = 0; i < int(mountings.size()); ++i) {
        const QString base = QStringLiteral("mount/mount%1_").arg(i + 1);
        set.add(base + QStringLiteral("unchecked.png"), mountPicture(mountings[i], false));
        set.add(base + QStringLiteral("checked.png"), mountPicture(mountings[i], true));
    }
}

} // namespace MountPictures
