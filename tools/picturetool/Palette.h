#pragma once

#include <QColor>

// The product's one palette: deep navy and steel for bodies, amber for
// whatever is active or points somewhere, white for text on dark.
namespace Palette {
inline QColor navyDeep()
{
    return QColor(0x0E, 0x17, 0x26);
}
inline QColor navy()
{
    return QColor(0x1B, 0x2A, 0x41);
}
inline QColor steelDark()
{
    return QColor(0x24, 0x3A, 0x57);
}
inline QColor steel()
{
    return QColor(0x2E, 0x4A, 0x6B);
}
inline QColor steelLight()
{
    return QColor(0x5B, 0x7F, 0xA6);
}
inline QColor mist()
{
    return QColor(0xB9, 0xC9, 0xDA);
}
inline QColor paper()
{
    return QColor(0xF2, 0xF5, 0xF9);
}
inline QColor amber()
{
    return QColor(0xF2, 0xA5, 0x1A);
}
inline QColor amberLight()
{
    return QColor(0xFF, 0xC8, 0x5E);
}
inline QColor amberDark()
{
    return QColor(0xB8, 0x76, 0x05);
}
inline QColor alert()
{
    return QColor(0xD6, 0x3E, 0x36);
}
inline QColor white()
{
    return QColor(0xFF, 0xFF, 0xFF);
}
inline QColor ink()
{
    return QColor(0x14, 0x1C, 0x28);
}
// Servo lead cores: ground, power, signal.
inline QColor leadGround()
{
    return QColor(0x2A, 0x2A, 0x2E);
}
inline QColor leadPower()
{
    return QColor(0xC8, 0x36, 0x30);
}
inline QColor leadSignal()
{
    return QColor(0xF2, 0xA5, 0x1A);
}
} // namespace Palette
