#pragma once

#include <QString>

class QIODevice;
class QObject;

// A port the system does not list, offered to the link by the application:
// the name the port list shows and how to open it. The link knows nothing
// else about what is behind it.
class PortProvider
{
public:
    virtual ~PortProvider() = default;
    virtual QString portName() const = 0;
    // An open device owned by parent, or nullptr.
    virtual QIODevice *openPort(QObject *parent) = 0;
};
