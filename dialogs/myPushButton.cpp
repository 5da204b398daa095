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
    showFrame(normalFrame);
    setIconSize(Picture::frameSize(strip, framesPerStrip));
}

QPixmap myPushButton::frame(const QPixmap &strip, int index)
{
    return Picture::frame(strip, framesPerStrip, index);
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
