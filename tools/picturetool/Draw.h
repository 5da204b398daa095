#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

// Small drawing helpers shared by all picture painters.
namespace Draw {

// Pictures are drawn in window pixels; at scale 2 every canvas has twice as
// many pixels each way (device pixel ratio 2), for screens scaled to 200 %.
void setScale(int scale);
int scale();

// A transparent ARGB canvas (or one filled with `fill`) of `width` x `height`
// window pixels at the current scale.
QImage canvas(int width, int height, const QColor &fill = Qt::transparent);

// Antialiased painter set-up used for every picture.
void prepare(QPainter &painter);

QFont font(qreal pixelSize, bool bold = true, bool condensed = false);

void text(QPainter &painter, const QRectF &box, const QString &text, qreal pixelSize,
          const QColor &colour, int flags = Qt::AlignCenter, bool bold = true,
          bool condensed = false);

// Text with a one-pixel dark halo, readable over any background.
void haloText(QPainter &painter, const QRectF &box, const QString &text, qreal pixelSize,
              const QColor &colour, const QColor &halo, int flags = Qt::AlignCenter);

// The tile behind the mount and swash buttons; `checked` adds the amber frame.
void buttonTile(QPainter &painter, const QRectF &rect, bool checked);

// A filled arrow from `from` to `to` with the given shaft width.
QPainterPath arrow(const QPointF &from, const QPointF &to, qreal shaft, qreal headLength,
                   qreal headWidth);

// A rounded box with a vertical gradient between `top` and `bottom`.
void gradientBox(QPainter &painter, const QRectF &rect, qreal radius, const QColor &top,
                 const QColor &bottom, const QColor &border, qreal borderWidth = 1.0);

// Scales an image down smoothly to `size` window pixels (at the image's own
// pixel ratio), cropping the longer side to keep proportions.
QImage thumbnail(const QImage &source, const QSize &size);

} // namespace Draw
