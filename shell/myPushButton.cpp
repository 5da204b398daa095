#include "myPushButton.h"

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
    strip.load(":/images/sysButton/" + pictureName);
    frameWidth = strip.width() / framesPerStrip;
    frameHeight = strip.height();
    showFrame(normalFrame);
    setIconSize(QSize(frameWidth, frameHeight));
}

QPixmap myPushButton::frame(const QPixmap &strip, int index)
{
    const int width = strip.width() / framesPerStrip;
    return strip.copy(index * width, 0, width, strip.height());
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
