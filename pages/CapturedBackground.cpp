#include "CapturedBackground.h"

#include <QWidget>

CapturedBackground::CapturedBackground(QWidget *target) : QObject(target), widget(target) {}

void CapturedBackground::capture()
{
    QWidget *parent = widget->parentWidget();
    const qreal ratio = widget->devicePixelRatio();
    const Key key = {widget->geometry(),
                     ratio,
                     parent ? parent->size() : QSize(),
                     parent ? parent->isEnabled() : false,
                     parent ? parent->styleSheet() : QString(),
                     parent ? parent->palette().cacheKey() : 0};
    if (key == capturedFor)
        return;
    capturedFor = key;
    const bool wasOpaque = !background.isNull();
    background = QPixmap();
    widget->setAttribute(Qt::WA_OpaquePaintEvent, false);
    if (!parent)
        return;
    // The parent alone, without its children: its own background there.
    QPixmap under(widget->size() * ratio);
    under.setDevicePixelRatio(ratio);
    under.fill(Qt::transparent);
    parent->render(&under, QPoint(), QRegion(widget->geometry()), QWidget::DrawWindowBackground);
    const QImage pixels = under.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            if (qAlpha(line[x]) != 255) {
                // Something shows through: the parents paint again, from the
                // next frame on, as this one was painted without them.
                if (wasOpaque)
                    widget->update();
                return;
            }
    }
    background = under;
    widget->setAttribute(Qt::WA_OpaquePaintEvent, true);
}

const QPixmap &CapturedBackground::picture()
{
    capture();
    return background;
}
