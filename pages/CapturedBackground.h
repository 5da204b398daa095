#pragma once

#include <QObject>
#include <QPixmap>
#include <QRect>
#include <QString>

#include <tuple>

class QWidget;

// For a small widget that changes many times a second (a channel bar, a
// channel read-out): captures once what its parent paints beneath it, for
// the widget to paint first; the widget is then opaque and a change repaints
// only the widget, not the group box, the tab pane and the skin under it. Where the
// parent's background is not opaque everywhere under the widget, nothing is
// captured and the parents paint as usual.
class CapturedBackground : public QObject
{
public:
    // For a widget painted in an event filter, which paints picture() first.
    explicit CapturedBackground(QWidget *widget);

    // The background, captured again first where the widget or its parent
    // has changed since; null where it is not opaque.
    const QPixmap &picture();

private:
    void capture();

    QWidget *widget;
    QPixmap background;
    // What it was captured for; compared at every paint, so cheap.
    using Key = std::tuple<QRect, qreal, QSize, bool, QString, qint64>;
    Key capturedFor;
};
