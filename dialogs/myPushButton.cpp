#include "myPushButton.h"

#include "Picture.h"

#include <QIcon>

namespace {
const int framesPerStrip = 3;
const int normalFrame = 0;
const int mouseOverFrame = 1;
const int pressedFrame = 2;
} // namespace

myPushButton::myPushButton(const QString &pictureName, const QString &toolTip, QWidget *parent)
    : QPushButton(parent)
{
    setToolTip(toolTip);
    setFlat(true);
    strip = Picture::pixmap(":/images/sysButton/" + pictureName);
    // In the window's pixels: a strip drawn at twice the size covers the same.
    const QSize stripSize = strip.deviceIndependentSize().toSize();
    frameWidth = stripSize.width() / framesPerStrip;
    frameHeight = stripSize.height();
    showFrame(normalFrame);
    setIconSize(QSize(frameWidth, frameHeight));
}

QPixmap myPushButton::frame(const QPixmap &strip, int index)
{
    // Sliced in the strip's own pixels; the frame keeps the strip's ratio.
    const int width = strip.width() / framesPerStrip;
    QPixmap frame = strip.copy(index * width, 0, width, strip.height());
    frame.setDevicePixelRatio(strip.devicePixelRatio());
    return frame;
}

void myPushButton::showFrame(int index)
{
    currentFrame = index;
    setIcon(QIcon(frame(strip, index)));
}

void myPushButton::enterEvent(QEnterEvent *)
{
    showFrame(mouseOverFrame);
}

void myPushButton::leaveEvent(QEvent *)
{
    showFrame(normalFrame);
}

void myPushButton::mousePressEvent(QMouseEvent *)
{
    showFrame(pressedFrame);
}

void myPushButton::mouseReleaseEvent(QMouseEvent *)
{
    // Any button, released anywhere, counts as a click.
    showFrame(mouseOverFrame);
    emit clicked(false);
}
