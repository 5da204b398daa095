#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

// The compiled-in pictures at the screen's resolution. Every picture also
// exists at twice the size as "name@2x.ext"; on a screen scaled above 100 %
// that one is taken, marked with a device pixel ratio of 2 so that it covers
// the same logical size as the plain one. (QIcon and style sheets find the
// "@2x" files by themselves; QPixmap and QImage do not.)
namespace Picture {

// The path of the picture to load for a screen of `devicePixelRatio`.
QString pathFor(const QString &path, qreal devicePixelRatio);

// The highest device pixel ratio of the screens, 1 without a GUI.
qreal screenRatio();

QPixmap pixmap(const QString &path, qreal devicePixelRatio = screenRatio());
QImage image(const QString &path, qreal devicePixelRatio = screenRatio());

// A strip is `frames` equally wide pictures side by side: the states a
// picture button is drawn in. Frame `index` is cut in the strip's own pixels
// and keeps the strip's device pixel ratio.
QPixmap frame(const QPixmap &strip, int frames, int index);
// One frame's size in the window's pixels: a strip drawn at twice the size
// covers the same.
QSize frameSize(const QPixmap &strip, int frames);

} // namespace Picture
