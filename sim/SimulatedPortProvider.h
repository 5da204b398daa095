#pragma once

#include "PortProvider.h"
#include "SimulatedUnit.h"

// The port list's "Simulated unit": an in-process port to a simulated unit
// that keeps its state while the port is closed, as a powered unit would.
class SimulatedPortProvider : public PortProvider
{
public:
    static QString name();

    QString portName() const override { return name(); }
    QIODevice *openPort(QObject *parent) override;
    SimulatedUnit &unit() { return simulated; }

private:
    SimulatedUnit simulated;
};
