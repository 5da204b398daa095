#pragma once

#include <QObject>
#include <QPixmap>
#include <QRect>
#include <QString>

#include <tuple>

class CapturedBackground;
class SliderTicks;
class QSlider;

// Paints a display-only horizontal slider (a bar of the channel monitor,
// moved by telemetry many times a second) from pictures its style drew once:
// the bar all on the handle's lower-value side, all on its higher-value side,
// and the handle. What lies under the bar (CapturedBackground) and its tick
// marks (SliderTicks, which then paints no layer of its own) are drawn into
// the two sides. A move thus costs three picture copies, opaque where the
// background is, instead of the style sheet's bordered, rounded shapes, and
// repaints the bar alone.
class ChannelBar : public QObject
{
public:
    explicit ChannelBar(QSlider *slider);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void render();
    QRect handleAt(int value) const;

    QSlider *slider;
    QPixmap lowSide;  // the bar as on the lower-value side of the handle
    QPixmap highSide; // and as on its higher-value side
    QPixmap handle;
    QPixmap ticks; // the marks alone, for where the handle covers them
    CapturedBackground *background;
    SliderTicks *tickMarks = nullptr;
    QRect handleAtMinimum;
    QRect handleAtMaximum;
    // What the pictures were drawn for; compared at every paint, so cheap.
    using Key = std::tuple<QSize, int, int, int, bool, bool, QString, qreal, int, int, qint64>;
    Key renderedFor;
};
