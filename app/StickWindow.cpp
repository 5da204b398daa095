#include "StickWindow.h"

#include "DialogStyle.h"
#include "SimulatedUnit.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>

namespace {

enum Channel
{
    Throttle,
    Collective,
    Elevator,
    Aileron,
    Rudder,
    Aux
};

constexpr int Full = 100;
// A plain key moves a stick this far; with Shift it goes to the end.
constexpr int Step = 25;

} // namespace

StickWindow::StickWindow(SimulatedUnit &simulated, QWidget *parent)
    : QDialog(parent), unit(simulated)
{
    setObjectName(QStringLiteral("StickWindow"));
    setWindowTitle(tr("Sticks of the simulated unit"));
    setStyleSheet(DialogStyle::sheet());
    auto *layout = new QGridLayout(this);
    auto *help =
        new QLabel(tr("Arrow keys: aileron and elevator, held while pressed (Shift: fully).\n"
                      "A and D: rudder. W and S: throttle and collective, up and down.\n"
                      "X: AUX switch. Space: centre everything but throttle and collective."));
    help->setObjectName(QStringLiteral("dialogHeader"));
    layout->addWidget(help, 0, 0, 1, 2);
    const QString names[6] = {tr("Throttle"), tr("Collective"), tr("Elevator"),
                              tr("Aileron"),  tr("Rudder"),     tr("AuxChannel")};
    for (int i = 0; i < 6; ++i) {
        layout->addWidget(new QLabel(names[i]), i + 1, 0);
        readouts[size_t(i)] = new QLabel;
        readouts[size_t(i)]->setObjectName(QStringLiteral("stick%1").arg(i));
        layout->addWidget(readouts[size_t(i)], i + 1, 1);
        showValue(i);
    }
    setFocusPolicy(Qt::StrongFocus);
    unit.holdSticks(values);
}

StickWindow::KeyMove StickWindow::moveFor(int key, Qt::KeyboardModifiers modifiers,
                                          bool pressed) const
{
    const int step = modifiers.testFlag(Qt::ShiftModifier) ? Full : Step;
    // Self-centring sticks: held while pressed, back to 0 on release.
    const auto spring = [&](int channel, int sign) {
        return KeyMove{channel,
                       pressed ? qBound(-Full, values[size_t(channel)] + sign * step, Full) : 0};
    };
    switch (key) {
    case Qt::Key_Left:
        return spring(Aileron, -1);
    case Qt::Key_Right:
        return spring(Aileron, 1);
    case Qt::Key_Up: // pushing the stick: the monitor's "Push" end
        return spring(Elevator, -1);
    case Qt::Key_Down:
        return spring(Elevator, 1);
    case Qt::Key_A:
        return spring(Rudder, -1);
    case Qt::Key_D:
        return spring(Rudder, 1);
    default:
        break;
    }
    if (!pressed)
        return {-1, 0};
    switch (key) {
    case Qt::Key_W:
    case Qt::Key_S: {
        // Throttle and collective ride on one stick and stay where put.
        const int sign = key == Qt::Key_W ? 1 : -1;
        return {Collective, qBound(-Full, values[Collective] + sign * step, Full)};
    }
    case Qt::Key_X:
        return {Aux, values[Aux] > 0 ? -Full : Full};
    default:
        return {-1, 0};
    }
}

void StickWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space) {
        for (int channel : {Elevator, Aileron, Rudder})
            apply({channel, 0});
        return;
    }
    const KeyMove move = moveFor(event->key(), event->modifiers(), true);
    if (move.channel < 0) {
        QDialog::keyPressEvent(event);
        return;
    }
    apply(move);
    if (move.channel == Collective)
        apply({Throttle, values[Collective]});
}

void StickWindow::keyReleaseEvent(QKeyEvent *event)
{
    if (event->isAutoRepeat())
        return;
    const KeyMove move = moveFor(event->key(), event->modifiers(), false);
    if (move.channel >= 0)
        apply(move);
    else
        QDialog::keyReleaseEvent(event);
}

void StickWindow::apply(const KeyMove &move)
{
    values[size_t(move.channel)] = move.value;
    unit.holdSticks(values);
    showValue(move.channel);
}

void StickWindow::showValue(int channel)
{
    readouts[size_t(channel)]->setText(QString::number(values[size_t(channel)]));
}
