#include "toolButton.h"

#include "Picture.h"
#include "WindowControls.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QVBoxLayout>

namespace {
const int hoverAlpha = 30;
const int pressedAlpha = 70;
} // namespace

toolButton::toolButton(const QString &picturePath, const QString &caption, QWidget *parent)
    : QWidget(parent)
{
    const QPixmap picture = Picture::pixmap(picturePath);

    iconLabel = new QLabel;
    iconLabel->setPixmap(picture);
    iconLabel->setFixedSize(picture.deviceIndependentSize().toSize());

    textLabel = new QLabel(caption);
    QPalette textPalette = textLabel->palette();
    textPalette.setBrush(QPalette::WindowText, QBrush(QColor(255, 255, 0)));
    textLabel->setPalette(textPalette);

    auto *layout = new QVBoxLayout;
    layout->addWidget(iconLabel);
    layout->addWidget(textLabel, 0, Qt::AlignHCenter);
    setLayout(layout);

    setBackgroundAlpha(0);
    setAutoFillBackground(true);
    setFixedHeight(80);
    // A Tab stop like any button; the mouse leaves the keyboard where it is.
    setFocusPolicy(Qt::TabFocus);
}

void toolButton::setBackgroundAlpha(int alpha)
{
    QPalette wash;
    wash.setBrush(QPalette::Window, QBrush(QColor(255, 255, 255, alpha)));
    setPalette(wash);
}

QBitmap toolButton::shapeMask(const QSize &size)
{
    QBitmap mask(size);
    mask.fill(Qt::color0);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::color1);
    painter.drawRoundedRect(mask.rect(), 5, 5, Qt::AbsoluteSize);
    return mask;
}

void toolButton::paintEvent(QPaintEvent *)
{
    // The hover wash comes from the automatic fill; only the corners and the
    // focus mark are ours.
    setMask(shapeMask(size()));
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(WindowControls::FocusColour), 2));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 5, 5, Qt::AbsoluteSize);
}

void toolButton::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void toolButton::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void toolButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            emit myToolClicked();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void toolButton::enterEvent(QEnterEvent *)
{
    setBackgroundAlpha(hoverAlpha);
}

void toolButton::leaveEvent(QEvent *)
{
    setBackgroundAlpha(0);
}

void toolButton::mousePressEvent(QMouseEvent *)
{
    setBackgroundAlpha(pressedAlpha);
}

void toolButton::mouseReleaseEvent(QMouseEvent *)
{
    // Any button, released anywhere: the action runs.
    setBackgroundAlpha(hoverAlpha);
    emit myToolClicked();
}
