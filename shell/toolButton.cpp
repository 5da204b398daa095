#include "toolButton.h"

#include "Picture.h"

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
    // The hover wash comes from the automatic fill; only the corners are ours.
    setMask(shapeMask(size()));
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
