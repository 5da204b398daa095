#include "Draw.h"

#include "Palette.h"

#include <QLineF>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace Draw {

namespace {
int currentScale = 1;
}

void setScale(int scale)
{
    currentScale = scale;
}

int scale()
{
    return currentScale;
}

QImage canvas(int width, int height, const QColor &fill)
{
    QImage image(width * currentScale, height * currentScale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(currentScale);
    image.fill(fill);
    return image;
}

void prepare(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QFont font(qreal pixelSize, bool bold, bool condensed)
{
    QFont f(condensed ? QStringLiteral("DejaVu Sans Condensed") : QStringLiteral("DejaVu Sans"));
    f.setPixelSize(qMax(1, qRound(pixelSize)));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

void text(QPainter &painter, const QRectF &box, const QString &str, qreal pixelSize,
          const QColor &colour, int flags, bool bold, bool condensed)
{
    painter.save();
    painter.setFont(font(pixelSize, bold, condensed));
    painter.setPen(colour);
    painter.drawText(box, flags, str);
    painter.restore();
}

void haloText(QPainter &painter, const QRectF &box, const QString &str, qreal pixelSize,
              const QColor &colour, const QColor &halo, int flags)
{
    painter.save();
    painter.setFont(font(pixelSize));
    painter.setPen(halo);
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (dx != 0 || dy != 0)
                painter.drawText(box.translated(dx, dy), flags, str);
        }
    }
    painter.setPen(colour);
    painter.drawText(box, flags, str);
    painter.restore();
}

void buttonTile(QPainter &painter, const QRectF &rect, bool checked)
{
    painter.save();
    QLinearGradient body(rect.topLeft(), rect.bottomLeft());
    body.setColorAt(0.0, checked ? Palette::steel() : Palette::steelDark());
    body.setColorAt(1.0, checked ? Palette::steelDark() : Palette::navyDeep());
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawRoundedRect(rect, 6, 6);
    if (checked) {
        // A soft amber glow inside the frame, strongest at the edge.
        for (int i = 0; i < 5; ++i) {
            QColor glow = Palette::amber();
            glow.setAlpha(70 - i * 14);
            painter.setPen(QPen(glow, 1.0));
            painter.setBrush(Qt::NoBrush);
            const qreal inset = 3.5 + i;
            painter.drawRoundedRect(rect.adjusted(inset, inset, -inset, -inset), 5, 5);
        }
        painter.setPen(QPen(Palette::amber(), 3.0));
        painter.drawRoundedRect(rect.adjusted(1.5, 1.5, -1.5, -1.5), 5, 5);
    } else {
        painter.setPen(QPen(Palette::steelLight(), 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    }
    painter.restore();
}

QPainterPath arrow(const QPointF &from, const QPointF &to, qreal shaft, qreal headLength,
                   qreal headWidth)
{
    const QLineF line(from, to);
    const qreal length = line.length();
    const QPointF dir = (to - from) / length;
    const QPointF normal(-dir.y(), dir.x());
    const QPointF neck = to - dir * headLength;
    QPainterPath path;
    path.moveTo(from + normal * shaft / 2);
    path.lineTo(neck + normal * shaft / 2);
    path.lineTo(neck + normal * headWidth / 2);
    path.lineTo(to);
    path.lineTo(neck - normal * headWidth / 2);
    path.lineTo(neck - normal * shaft / 2);
    path.lineTo(from - normal * shaft / 2);
    path.closeSubpath();
    return path;
}

void gradientBox(QPainter &painter, const QRectF &rect, qreal radius, const QColor &top,
                 const QColor &bottom, const QColor &border, qreal borderWidth)
{
    painter.save();
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    painter.setBrush(g);
    if (borderWidth > 0)
        painter.setPen(QPen(border, borderWidth));
    else
        painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(rect, radius, radius);
    painter.restore();
}

QImage thumbnail(const QImage &source, const QSize &size)
{
    const qreal targetAspect = qreal(size.width()) / size.height();
    QRect crop = source.rect();
    if (qreal(source.width()) / source.height() < targetAspect) {
        const int h = qRound(source.width() / targetAspect);
        crop = QRect(0, (source.height() - h) / 2, source.width(), h);
    } else {
        const int w = qRound(source.height() * targetAspect);
        crop = QRect((source.width() - w) / 2, 0, w, source.height());
    }
    const qreal ratio = source.devicePixelRatio();
    QImage small =
        source.copy(crop).scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    small.setDevicePixelRatio(ratio);
    return small;
}

} // namespace Draw
