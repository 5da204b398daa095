#include "Telemetry.h"

qint8 Telemetry::decodeWord(qint16 word)
{
    const int value = static_cast<int>((word - 3040) / 8.4);
    return static_cast<qint8>(static_cast<quint8>(value & 0xFF));
}

Telemetry Telemetry::decode(const quint8 *payload)
{
    auto word = [payload](int i) {
        return static_cast<qint16>(payload[2 * i] | (payload[2 * i + 1] << 8));
    };
    Telemetry t;
    t.rudder = decodeWord(word(0));
    t.aileron = decodeWord(word(1));
    t.elevator = decodeWord(word(2));
    t.collective = decodeWord(word(3));
    t.gain = decodeWord(word(4));
    t.accelerator = decodeWord(word(5));
    return t;
}

Telemetry &telemetry()
{
    static Telemetry current;
    return current;
}
