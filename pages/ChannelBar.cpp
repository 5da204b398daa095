#include "ChannelBar.h"

#include <QEvent>
#include <QPainter>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

namespace {

// QSlider's own option, as its paint event fills it, for another value.
struct SliderOption : QSlider
{
    using QSlider::initStyleOption;
};

QStyleOptionSlider optionFor(const QSlider *slider, int value, QStyle::SubControls parts)
{
    QStyleOptionSlider option;
    (slider->*(&SliderOption::initStyleOption))(&option);
    option.sliderPosition = value;
    option.sliderValue = value;
    option.subControls = parts;
    return option;
}

QPixmap draw(const QSlider *slider, int value, QStyle::SubControls parts)
{
    const qreal ratio = slider->devicePixelRatio();
    QPixmap picture(slider->size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const QStyleOptionSlider option = optionFor(slider, value, parts);
    slider->style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, slider);
    return picture;
}

} // namespace

ChannelBar::ChannelBar(QSlider *slider) : QObject(slider), slider(slider)
{
    slider->installEventFilter(this);
}

QRect ChannelBar::handleAt(int value) const
{
    const QStyleOptionSlider option = optionFor(slider, value, QStyle::SC_SliderHandle);
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider);
}

void ChannelBar::render()
{
    QWidget *parent = slider->parentWidget();
    const QVariantList key = {slider->geometry(), parent ? parent->size() : QSize(),
                              slider->minimum(), slider->maximum(),
                              int(slider->layoutDirection()), slider->invertedAppearance(),
                              slider->isEnabled(), slider->styleSheet(), slider->devicePixelRatio()};
    if (key == renderedFor)
        return;
    renderedFor = key;
    // At the highest value the whole bar is the lower-value side, at the
    // lowest the higher-value side. The style draws the two sides only with
    // the handle; where that handle lies, the handle drawn later covers it.
    const QStyle::SubControls whole = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    lowSide = draw(slider, slider->maximum(), whole);
    highSide = draw(slider, slider->minimum(), whole);
    handleAtMinimum = handleAt(slider->minimum());
    handleAtMaximum = handleAt(slider->maximum());
    const qreal ratio = slider->devicePixelRatio();
    handle = draw(slider, slider->minimum(), QStyle::SC_SliderHandle)
                 .copy(QRectF(QPointF(handleAtMinimum.topLeft()) * ratio,
                              QSizeF(handleAtMinimum.size()) * ratio)
                           .toRect());
    handle.setDevicePixelRatio(ratio);
    captureBackground();
}

void ChannelBar::captureBackground()
{
    // The parent alone, without its children: its own background under the bar.
    background = QPixmap();
    QWidget *parent = slider->parentWidget();
    if (!parent)
        return;
    const qreal ratio = slider->devicePixelRatio();
    QPixmap under(slider->size() * ratio);
    under.setDevicePixelRatio(ratio);
    under.fill(Qt::transparent);
    parent->render(&under, QPoint(), QRegion(slider->geometry()), QWidget::DrawWindowBackground);
    const QImage pixels = under.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            if (qAlpha(line[x]) != 255) {
                slider->setAttribute(Qt::WA_OpaquePaintEvent, false);
                return; // something shows through: let the parents paint
            }
    }
    background = under;
    slider->setAttribute(Qt::WA_OpaquePaintEvent, true);
}

bool ChannelBar::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::Paint || slider->orientation() != Qt::Horizontal)
        return false;
    render();
    // The style moves the handle linearly between its two ends, whichever
    // way the slider runs.
    const int range = qMax(1, slider->maximum() - slider->minimum());
    const int x = handleAtMinimum.left() +
                  qRound(double(handleAtMaximum.left() - handleAtMinimum.left()) *
                         (slider->sliderPosition() - slider->minimum()) / range);
    const int centre = x + handleAtMinimum.width() / 2;
    const QRect left(0, 0, centre, slider->height());
    const QRect right(centre, 0, slider->width() - centre, slider->height());
    const bool lowOnLeft = handleAtMinimum.left() <= handleAtMaximum.left();
    QPainter painter(slider);
    if (!background.isNull())
        painter.drawPixmap(0, 0, background);
    painter.setClipRect(lowOnLeft ? left : right);
    painter.drawPixmap(0, 0, lowSide);
    painter.setClipRect(lowOnLeft ? right : left);
    painter.drawPixmap(0, 0, highSide);
    painter.setClipping(false);
    painter.drawPixmap(x, handleAtMinimum.top(), handle);
    return true;
}
