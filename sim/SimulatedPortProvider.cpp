#include "SimulatedPortProvider.h"

#include "SimulatedPort.h"

#include <QCoreApplication>

QString SimulatedPortProvider::name()
{
    // The port list belongs to the link, and so does its wording.
    return QCoreApplication::translate("SerialProcessThread", "Simulated unit");
}

QIODevice *SimulatedPortProvider::openPort(QObject *parent)
{
    auto *port = new SimulatedPort(&simulated, parent);
    port->open(QIODevice::ReadWrite);
    return port;
}
