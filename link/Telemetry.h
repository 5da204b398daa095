#pragma once

#include <QtGlobal>

// The six receiver channels as the unit last reported them, in the order the
// channel monitor shows them.
struct Telemetry
{
    qint8 accelerator = 0;
    qint8 collective = 0;
    qint8 elevator = 0;
    qint8 aileron = 0;
    qint8 rudder = 0;
    qint8 gain = 0;

    // One raw telemetry word to a channel value: (w - 3040) / 8.4, truncated
    // toward zero, low 8 bits kept as signed.
    static qint8 decodeWord(qint16 word);
    // Payload of a telemetry reply: six little-endian words, rudder first.
    static Telemetry decode(const quint8 *payload);
};

Telemetry &telemetry();
