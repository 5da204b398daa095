#include "SliderTicks.h"

#include <QEvent>
#include <QPainter>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

namespace {
constexpr int TickLength = 4;
}

SliderTicks::SliderTicks(QSlider *target) : QWidget(target), slider(target)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    slider->installEventFilter(this);
    setGeometry(slider->rect());
}

bool SliderTicks::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        setGeometry(slider->rect());
    return false;
}

QList<int> SliderTicks::tickPositions() const
{
    // The handle's travel as the style sheet lays it out, so the marks sit
    // under the handle's centre whatever its size or the slider's direction.
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->minimum();
    option.sliderValue = slider->minimum();
    option.tickPosition = slider->tickPosition();
    option.tickInterval = slider->tickInterval();
    const bool horizontal = slider->orientation() == Qt::Horizontal;
    option.upsideDown =
        horizontal ? slider->invertedAppearance() != (slider->layoutDirection() == Qt::RightToLeft)
                   : !slider->invertedAppearance();
    const QRect groove = slider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                         QStyle::SC_SliderGroove, slider);
    const QRect handle = slider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                         QStyle::SC_SliderHandle, slider);
    const int handleLength = horizontal ? handle.width() : handle.height();
    const int start = horizontal ? groove.left() : groove.top();
    const int span = (horizontal ? groove.width() : groove.height()) - handleLength;

    QList<int> marks;
    const int interval = qMax(1, slider->tickInterval());
    for (int v = slider->minimum(); v <= slider->maximum(); v += interval)
        marks.append(start + handleLength / 2 +
                     QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(), v, span,
                                                     option.upsideDown));
    return marks;
}

void SliderTicks::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(painter);
}

void SliderTicks::paint(QPainter &painter)
{
    const QSlider::TickPosition side = slider->tickPosition();
    if (side == QSlider::NoTicks)
        return;
    painter.setPen(QColor(0x40, 0x40, 0x40));
    const bool horizontal = slider->orientation() == Qt::Horizontal;
    const bool before = side == QSlider::TicksAbove || side == QSlider::TicksBothSides;
    const bool after = side == QSlider::TicksBelow || side == QSlider::TicksBothSides;
    const int across = horizontal ? height() : width();
    const QList<int> key = {slider->width(),
                            slider->height(),
                            slider->minimum(),
                            slider->maximum(),
                            slider->tickInterval(),
                            int(slider->layoutDirection()),
                            int(slider->invertedAppearance())};
    if (key != positionsKey) {
        positions = tickPositions();
        positionsKey = key;
    }
    for (const int p : positions) {
        if (before)
            horizontal ? painter.drawLine(p, 1, p, TickLength)
                       : painter.drawLine(1, p, TickLength, p);
        if (after)
            horizontal ? painter.drawLine(p, across - 1 - TickLength, p, across - 2)
                       : painter.drawLine(across - 1 - TickLength, p, across - 2, p);
    }
}
