// The compiled-in pictures are attached to this library by qt_add_resources;
// the functions below pick the resolution to load.
#include "Picture.h"

#include <QFile>
#include <QGuiApplication>

namespace Picture {

QString pathFor(const QString &path, qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1.0)
        return path;
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot <= path.lastIndexOf(QLatin1Char('/')))
        return path;
    const QString twice = path.left(dot) + QLatin1String("@2x") + path.mid(dot);
    return QFile::exists(twice) ? twice : path;
}

qreal screenRatio()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance())
               ? qGuiApp->devicePixelRatio()
               : 1.0;
}

namespace {
qreal ratioOf(const QString &resolved, const QString &path)
{
    return resolved == path ? 1.0 : 2.0;
}
} // namespace

QPixmap pixmap(const QString &path, qreal devicePixelRatio)
{
    const QString resolved = pathFor(path, devicePixelRatio);
    QPixmap picture(resolved);
    picture.setDevicePixelRatio(ratioOf(resolved, path));
    return picture;
}

QImage image(const QString &path, qreal devicePixelRatio)
{
    const QString resolved = pathFor(path, devicePixelRatio);
    QImage picture(resolved);
    picture.setDevicePixelRatio(ratioOf(resolved, path));
    return picture;
}

QPixmap frame(const QPixmap &strip, int frames, int index)
{
    const int width = strip.width() / frames;
    QPixmap cut = strip.copy(index * width, 0, width, strip.height());
    cut.setDevicePixelRatio(strip.devicePixelRatio());
    return cut;
}

QSize frameSize(const QPixmap &strip, int frames)
{
    const QSize whole = strip.deviceIndependentSize().toSize();
    return QSize(whole.width() / frames, whole.height());
}

} // namespace Picture
