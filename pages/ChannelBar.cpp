#include "ChannelBar.h"

#include "CapturedBackground.h"
#include "SliderTicks.h"

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

QPixmap emptyPicture(const QSlider *slider)
{
    const qreal ratio = slider->devicePixelRatio();
    QPixmap picture(slider->size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    return picture;
}

void draw(QPainter &painter, const QSlider *slider, int value, QStyle::SubControls parts)
{
    const QStyleOptionSlider option = optionFor(slider, value, parts);
    slider->style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, slider);
}

} // namespace

ChannelBar::ChannelBar(QSlider *bar)
    : QObject(bar), slider(bar), background(new CapturedBackground(bar))
{
    // Only a horizontal bar is painted here; an upright one keeps its marks' layer.
    if (slider->orientation() == Qt::Horizontal)
        for (QObject *child : slider->children())
            if ((tickMarks = dynamic_cast<SliderTicks *>(child))) {
                tickMarks->hide();
                break;
            }
    slider->installEventFilter(this);
}

QRect ChannelBar::handleAt(int value) const
{
    const QStyleOptionSlider option = optionFor(slider, value, QStyle::SC_SliderHandle);
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle,
                                           slider);
}

void ChannelBar::render()
{
    const QPixmap &under = background->picture();
    const Key key = {slider->size(),
                     slider->minimum(),
                     slider->maximum(),
                     int(slider->layoutDirection()),
                     slider->invertedAppearance(),
                     slider->isEnabled(),
                     slider->styleSheet(),
                     slider->devicePixelRatio(),
                     int(slider->tickPosition()),
                     slider->tickInterval(),
                     under.cacheKey()};
    if (key == renderedFor)
        return;
    renderedFor = key;
    ticks = emptyPicture(slider);
    if (tickMarks) {
        QPainter painter(&ticks);
        tickMarks->paint(painter);
    }
    // At the highest value the whole bar is the lower-value side, at the
    // lowest the higher-value side. The style draws the two sides only with
    // the handle; where that handle lies, the handle drawn later covers it.
    const auto side = [&](int value) {
        QPixmap picture = under.isNull() ? emptyPicture(slider) : under.copy();
        QPainter painter(&picture);
        draw(painter, slider, value, QStyle::SC_SliderGroove | QStyle::SC_SliderHandle);
        painter.drawPixmap(0, 0, ticks);
        return picture;
    };
    lowSide = side(slider->maximum());
    highSide = side(slider->minimum());
    handleAtMinimum = handleAt(slider->minimum());
    handleAtMaximum = handleAt(slider->maximum());
    const qreal ratio = slider->devicePixelRatio();
    QPixmap handleAlone = emptyPicture(slider);
    {
        QPainter painter(&handleAlone);
        draw(painter, slider, slider->minimum(), QStyle::SC_SliderHandle);
    }
    handle = handleAlone.copy(
        QRectF(QPointF(handleAtMinimum.topLeft()) * ratio, QSizeF(handleAtMinimum.size()) * ratio)
            .toRect());
    handle.setDevicePixelRatio(ratio);
}

bool ChannelBar::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::Paint || slider->orientation() != Qt::Horizontal)
        return false;
    render();
    // The style moves the handle linearly between its two ends, whichever
    // way the slider runs.
    const int range = qMax(1, slider->maximum() - slider->minimum());
    const int x =
        handleAtMinimum.left() + qRound(double(handleAtMaximum.left() - handleAtMinimum.left()) *
                                        (slider->sliderPosition() - slider->minimum()) / range);
    const int centre = x + handleAtMinimum.width() / 2;
    const QRect left(0, 0, centre, slider->height());
    const QRect right(centre, 0, slider->width() - centre, slider->height());
    const bool lowOnLeft = handleAtMinimum.left() <= handleAtMaximum.left();
    QPainter painter(slider);
    painter.setClipRect(lowOnLeft ? left : right);
    painter.drawPixmap(0, 0, lowSide);
    painter.setClipRect(lowOnLeft ? right : left);
    painter.drawPixmap(0, 0, highSide);
    painter.setClipping(false);
    const QRect handleRect(QPoint(x, handleAtMinimum.top()), handleAtMinimum.size());
    painter.drawPixmap(handleRect.topLeft(), handle);
    // The marks lie over the handle, as on every other slider.
    painter.drawPixmap(handleRect, ticks,
                       QRectF(QPointF(handleRect.topLeft()) * ticks.devicePixelRatio(),
                              QSizeF(handleRect.size()) * ticks.devicePixelRatio()));
    return true;
}
