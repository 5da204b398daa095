#include "sysButton.h"

#include "Picture.h"
#include "WindowControls.h"

#include <QPainter>

namespace {
const int framesPerStrip = 4;
}

sysButton::sysButton(const QString &pictureName, const QString &toolTip, QWidget *parent)
    : QPushButton(parent)
{
    strip = Picture::pixmap(":/images/sysButton/" + pictureName);
    setFlat(true);
    setFixedSize(Picture::frameSize(strip, framesPerStrip));
    setToolTip(toolTip);
    buttonState = Normal;
}

QPixmap sysButton::frame(const QPixmap &strip, int index)
{
    return Picture::frame(strip, framesPerStrip, index);
}

QImage sysButton::render() const
{
    const qreal ratio = devicePixelRatio();
    QImage image(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.drawPixmap(rect(), frame(strip, buttonState));
    if (hasFocus()) {
        // The picture strip has no focused frame: mark it as the other
        // controls are marked.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(WindowControls::FocusColour), 2));
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
    }
    return image;
}

void sysButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, render());
}

void sysButton::setState(int state)
{
    buttonState = state;
    update();
}

void sysButton::enterEvent(QEnterEvent *)
{
    setState(MouseOver);
}

void sysButton::leaveEvent(QEvent *)
{
    setState(Normal);
}

void sysButton::mousePressEvent(QMouseEvent *)
{
    setState(Pressed);
}

void sysButton::mouseReleaseEvent(QMouseEvent *)
{
    // Any button, released anywhere, counts as a click.
    setState(MouseOver);
    emit clicked(false);
}
