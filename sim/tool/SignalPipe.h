#pragma once

#include <QObject>

class QSocketNotifier;

// Turns POSIX signals into a Qt signal on the event loop. The handler only
// writes the signal number into a pipe; all work happens in the slot side.
class SignalPipe : public QObject
{
    Q_OBJECT
public:
    explicit SignalPipe(QObject *parent = nullptr);
    ~SignalPipe() override;

    // Routes these signals through the pipe. Only one SignalPipe may exist.
    bool watch(std::initializer_list<int> signalNumbers);

signals:
    void received(int signalNumber);

private:
    void drain();

    QSocketNotifier *notifier = nullptr;
};
