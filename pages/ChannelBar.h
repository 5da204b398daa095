#pragma once

#include <QObject>
#include <QPixmap>
#include <QRect>
#include <QVariantList>

class QSlider;

// Paints a display-only horizontal slider (a bar of the channel monitor,
// moved by telemetry many times a second) from pictures its style drew once:
// the bar all on the handle's lower-value side, all on its higher-value side,
// and the handle. A move then costs three picture copies instead of the
// style sheet's bordered, rounded shapes. Where what lies under the bar is
// opaque, it is captured once too and the bar paints itself whole, so a move
// does not repaint the group box and the skin beneath it.
class ChannelBar : public QObject
{
public:
    explicit ChannelBar(QSlider *slider);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void render();
    void captureBackground();
    QRect handleAt(int value) const;

    QSlider *slider;
    QPixmap lowSide;  // the bar as on the lower-value side of the handle
    QPixmap highSide; // and as on its higher-value side
    QPixmap handle;
    QPixmap background; // what the parent paints under the bar, if opaque
    QRect handleAtMinimum;
    QRect handleAtMaximum;
    QVariantList renderedFor;
};
