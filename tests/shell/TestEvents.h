#pragma once

// Hand-made input events: delivered straight to the widget, so the tests do
// not depend on the pointer position of any window system.

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>

namespace TestEvents {

inline void mouse(QWidget *widget, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                  Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline void press(QWidget *widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    mouse(widget, QEvent::MouseButtonPress, pos, button, button);
}

inline void release(QWidget *widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    mouse(widget, QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
}

inline void move(QWidget *widget, QPoint pos, Qt::MouseButtons held)
{
    mouse(widget, QEvent::MouseMove, pos, Qt::NoButton, held);
}

inline void doubleClick(QWidget *widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    mouse(widget, QEvent::MouseButtonDblClick, pos, button, button);
}

inline void enter(QWidget *widget)
{
    QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(widget->mapToGlobal(QPoint(1, 1))));
    QApplication::sendEvent(widget, &event);
}

inline void leave(QWidget *widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

// Plays a comma-separated script of "enter", "leave", "press", "release",
// "rpress", "rrelease" (right button) and "releaseOutside" on `widget`.
inline void play(QWidget *widget, const QString &script)
{
    const QPoint inside(2, 2);
    const QPoint outside(-40, -40);
    for (const QString &step : script.split(',', Qt::SkipEmptyParts)) {
        if (step == "enter")
            enter(widget);
        else if (step == "leave")
            leave(widget);
        else if (step == "press")
            press(widget, inside);
        else if (step == "release")
            release(widget, inside);
        else if (step == "rpress")
            press(widget, inside, Qt::RightButton);
        else if (step == "rrelease")
            release(widget, inside, Qt::RightButton);
        else if (step == "releaseOutside")
            release(widget, outside);
        else
            qFatal("unknown event step %s", qPrintable(step));
    }
}

} // namespace TestEvents
