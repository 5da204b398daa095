#pragma once

#include "StickScript.h"

#include <QDialog>

#include <array>

class QLabel;
class SimulatedUnit;

// The sticks of the built-in simulated unit, steered from the keyboard, so a
// pilot without a transmitter can try the channel monitor and the guided
// setup. The cyclic and rudder keys move a stick while pressed and let it
// spring back on release; throttle and collective (the left stick, up and
// down) stay where they are put; the AUX switch toggles.
class StickWindow : public QDialog
{
    Q_OBJECT
public:
    StickWindow(SimulatedUnit &unit, QWidget *parent = nullptr);

    const StickScript::Values &sticks() const { return values; }
    // What a key does: moves `channel` to `value` (-1: nothing).
    struct KeyMove
    {
        int channel;
        int value;
    };
    KeyMove moveFor(int key, Qt::KeyboardModifiers modifiers, bool pressed) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    void apply(const KeyMove &move);
    void showValue(int channel);

    SimulatedUnit &unit;
    StickScript::Values values{-100, 0, 0, 0, 0, -100};
    std::array<QLabel *, 6> readouts{};
};
